#pragma once
// The power window: 26 units around the watt. The watt edit is the hub; the 25 other edits
// share one change handler, which converts whichever of them has the focus and writes the
// hub. Several of the hub's results come from others (per hour, then minute, then second).

#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TBitBtn;
class TEdit;

class TFormPotencia : public TForm {
  Q_OBJECT

 public:
  explicit TFormPotencia(QWidget* owner);

  // Edits "Edit1" to "Edit26" and "Label<n>" beside each are found by name.
  TBitBtn* BitBtn1;

  // Every edit's key handlers, on every key going down and every character: the edit becomes
  // the source and the guard is cleared.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The hub, the watt edit's change handler.
  void Edit1Change();
  // The change handler of Edit2 to Edit26.
  void Edit2Change(TEdit* sender);

  // The last value of the unit of edit n (n = 1: the base value, in watts).
  double UnitValue(int n) const { return Value[n]; }

 private:
  TEdit* Edits[27] = {};  // by number
  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  KeyBookkeeping Bookkeeping{SourceKeys::KeyDownAndPress, &ActiveEdit,
                             [this] { Updating = false; }};
  double Value[27] = {};  // by edit number; Value[1] is the base value
};
