#pragma once
// The flow window: six volumes, each per second, minute, hour and day, around litres per
// second. The litre-per-second edit is the hub; the 23 other edits share one change handler,
// which converts whichever of them has the focus and writes the hub.

#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TBitBtn;
class TEdit;

class TFormCaudal : public TForm {
  Q_OBJECT

 public:
  explicit TFormCaudal(QWidget* owner);

  // Edits "Edit1" to "Edit24" and "Label<n>" beside each are found by name.
  TBitBtn* BitBtn1;

  // Every edit's key handlers: Delete going down, or any character, makes the edit the
  // source and clears the guard.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The hub, the litre-per-second edit's change handler.
  void Edit1Change();
  // The change handler of Edit2 to Edit24.
  void Edit2Change(TEdit* sender);

  // The last value of the unit of edit n (n = 1: the base value, in litres per second).
  double UnitValue(int n) const { return Value[n]; }

 private:
  void ResetFlow();

  TEdit* Edits[25] = {};  // by number
  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  KeyBookkeeping Bookkeeping{SourceKeys::PressAndDelete, &ActiveEdit, [this] { Updating = false; }};
  double Value[25] = {};  // by edit number; Value[1] is the base value
};
