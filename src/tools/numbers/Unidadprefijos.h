#pragma once
// The prefixes window: one quantity with each of the twenty decimal prefixes from yotta to
// yocto and the bare unit. The "unidad" edit is the hub: every prefix edit converts only to
// and from the bare unit, and the hub writes all the others.

#include "numeric/HubForm.h"

class TFormPrefijos : public THubForm {
  Q_OBJECT

 public:
  explicit TFormPrefijos(QWidget* owner);

  // Edits "Edit1" to "Edit21" and "Label<n>" beside each are found by name. Every edit's
  // key-down and key press (Edit1KeyDown, Edit1KeyPress): the edit becomes the source and the
  // guard is cleared; the key press also filters the key. UnitValue(21) is the base value.

  // The hub, the bare unit's change handler.
  void Edit21Change();
  // The change handler of prefix edit n (Edit1Change ... Edit20Change).
  void PrefixChange(int n);

 private:
  void RecoverUnreadableUnit();
  void ResetOverLimit();
};
