#pragma once
// The flow window: six volumes, each per second, minute, hour and day, around litres per
// second. The litre-per-second edit is the hub; the 23 other edits share one change handler,
// which converts whichever of them has the focus and writes the hub.

#include "numeric/HubForm.h"

class TFormCaudal : public THubForm {
  Q_OBJECT

 public:
  explicit TFormCaudal(QWidget* owner);

  // Edits "Edit1" to "Edit24" and "Label<n>" beside each are found by name. Every edit's key
  // handlers (Edit1KeyDown, Edit1KeyPress): Delete going down, or any character, makes the
  // edit the source and clears the guard. UnitValue(1) is the base value, in litres per
  // second.

  // The hub, the litre-per-second edit's change handler.
  void Edit1Change();
  // The change handler of Edit2 to Edit24.
  void Edit2Change(TEdit* sender);

 private:
  void ResetFlow();
};
