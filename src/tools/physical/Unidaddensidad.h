#pragma once
// The density window: 15 units around kilograms per cubic metre. The kg/m³ edit is the hub:
// every other edit converts only to and from it, and the hub writes all the others. Every
// value shown is rounded to 7 decimals.

#include "numeric/HubForm.h"

class TFormDensidad : public THubForm {
  Q_OBJECT

 public:
  explicit TFormDensidad(QWidget* owner);

  // Edits "Edit1" to "Edit15" and "Label<n>" beside each are found by name; the raised "3"
  // of a unit per cubic length is "Exponent<n>". Every edit's key-down (Edit1KeyDown): only
  // Delete makes the edit the source and clears the guard; its key press (Edit1KeyPress):
  // the edit becomes the source, the guard is cleared, the key filtered. UnitValue(1) is the
  // base value, in kg/m³.

  // The hub, the kg/m³ edit's change handler.
  void Edit1Change();
  // The change handler of Edit2 to Edit15 (Edit2Change ... Edit15Change): reads the edit's
  // own value and writes the base value into the hub.
  void UnitChange(int n);

 private:
  void ResetOverflow();
};
