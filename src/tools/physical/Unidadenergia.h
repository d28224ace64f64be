#pragma once
// The energy, work and heat window: 29 units around the joule. The joule edit is the hub:
// every other edit converts only to and from joules, and the hub writes all the others.

#include "numeric/HubForm.h"

class TFormEnergia : public THubForm {
  Q_OBJECT

 public:
  explicit TFormEnergia(QWidget* owner);

  // Edits "Edit1" to "Edit29" and "Label<n>" beside each are found by name; the exponents of
  // "atm.cm" and "atm.pie" are "Label30" and "Label31". Every edit's key handlers
  // (Edit1KeyDown, Edit1KeyPress): Delete going down, or any character, makes the edit the
  // source and clears the guard. UnitValue(1) is the base value, in joules.

  // The hub, the joule edit's change handler.
  void Edit1Change();
  // The change handler of every other edit (Edit2Change ... Edit29Change): reads the edit's
  // own value and writes the joules into the hub.
  void UnitChange(int n);

 private:
  void ResetElectronVolts();
};
