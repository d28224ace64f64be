#pragma once
// The density window: 15 units around kilograms per cubic metre. The kg/m³ edit is the hub:
// every other edit converts only to and from it, and the hub writes all the others. Every
// value shown is rounded to 7 decimals.

#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TBitBtn;
class TEdit;

class TFormDensidad : public TForm {
  Q_OBJECT

 public:
  explicit TFormDensidad(QWidget* owner);

  // Edits "Edit1" to "Edit15" and "Label<n>" beside each are found by name; the raised "3"
  // of a unit per cubic length is "Exponent<n>".
  TBitBtn* BitBtn1;

  // Every edit's key-down: only Delete makes the edit the source and clears the guard.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  // Every edit's key press: the edit becomes the source, the guard is cleared, the key
  // filtered.
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The hub, the kg/m³ edit's change handler.
  void Edit1Change();
  // The change handler of Edit2 to Edit15 (Edit2Change ... Edit15Change): reads the edit's
  // own value and writes the base value into the hub.
  void UnitChange(int row);

  // The last value of the unit of edit n (n = 1: the base value, in kg/m³).
  double UnitValue(int n) const { return Value[n]; }

 private:
  void ResetOverflow();

  TEdit* Edits[16] = {};  // by number
  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  KeyBookkeeping Bookkeeping{SourceKeys::PressAndDelete, &ActiveEdit, [this] { Updating = false; }};
  double Value[16] = {};  // by edit number; Value[1] is the base value
};
