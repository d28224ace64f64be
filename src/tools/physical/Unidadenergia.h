#pragma once
// The energy, work and heat window: 29 units around the joule. The joule edit is the hub:
// every other edit converts only to and from joules, and the hub writes all the others.

#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TBitBtn;
class TEdit;

class TFormEnergia : public TForm {
  Q_OBJECT

 public:
  explicit TFormEnergia(QWidget* owner);

  // Edits "Edit1" to "Edit29" and "Label<n>" beside each are found by name; the exponents of
  // "atm.cm" and "atm.pie" are "Label30" and "Label31".
  TBitBtn* BitBtn1;

  // Every edit's key handlers: Delete going down, or any character, makes the edit the
  // source and clears the guard.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The hub, the joule edit's change handler.
  void Edit1Change();
  // The change handler of every other edit (Edit2Change ... Edit29Change): reads the edit's
  // own value and writes the joules into the hub.
  void UnitChange(int n);

  // The last value of the unit of edit n (n = 1: the base value, in joules).
  double UnitValue(int n) const { return Value[n]; }

 private:
  void ResetElectronVolts();

  TEdit* Edits[30] = {};  // by number
  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  KeyBookkeeping Bookkeeping{SourceKeys::PressAndDelete, &ActiveEdit, [this] { Updating = false; }};
  double Value[30] = {};  // by edit number; Value[1] is the base value
};
