#pragma once
// The power window: 26 units around the watt. The watt edit is the hub; the 25 other edits
// share one change handler, which converts whichever of them has the focus and writes the
// hub. Several of the hub's results come from others (per hour, then minute, then second).

#include "numeric/HubForm.h"

class TFormPotencia : public THubForm {
  Q_OBJECT

 public:
  explicit TFormPotencia(QWidget* owner);

  // Edits "Edit1" to "Edit26" and "Label<n>" beside each are found by name. Every edit's key
  // handlers (Edit1KeyDown, Edit1KeyPress), on every key going down and every character: the
  // edit becomes the source and the guard is cleared. UnitValue(1) is the base value, in
  // watts.

  // The hub, the watt edit's change handler.
  void Edit1Change();
  // The change handler of Edit2 to Edit26.
  void Edit2Change(TEdit* sender);
};
