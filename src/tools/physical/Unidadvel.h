#pragma once
// The velocity window: 9 speed units around kilometres per hour. The km/h edit is the hub;
// km/s and miles per hour feed the units derived from them.

#include "numeric/FloatErrors.h"
#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TBitBtn;
class TEdit;

class TFormVel : public TForm {
  Q_OBJECT

 public:
  explicit TFormVel(QWidget* owner);

  // Edits "Edit1" to "Edit9" and "Label<n>" beside each are found by name.
  TBitBtn* BitBtn1;

  // Every edit's key-down: the edit becomes the source and the guard is cleared.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  // Every edit's key press: only the numeric filter.
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The hub, the km/h edit's change handler.
  void Edit1Change();
  // The change handler of Edit2 to Edit9 (Edit2Change ... Edit9Change): reads the edit's own
  // value and writes the km/h into the hub.
  void UnitChange(int n);

  // The last value of the unit of edit n (n = 1: the base value, in km/h).
  double UnitValue(int n) const { return Value[n]; }

 private:
  void ResetSpeed();

  TEdit* Edits[10] = {};  // by number
  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  KeyBookkeeping Bookkeeping{SourceKeys::KeyDown, &ActiveEdit, [this] { Updating = false; }};
  double Value[10] = {};  // by edit number; Value[1] is the base value
};
