#pragma once
// The velocity window: 9 speed units around kilometres per hour. The km/h edit is the hub;
// km/s and miles per hour feed the units derived from them.

#include "numeric/HubForm.h"

class TFormVel : public THubForm {
  Q_OBJECT

 public:
  explicit TFormVel(QWidget* owner);

  // Edits "Edit1" to "Edit9" and "Label<n>" beside each are found by name. Every edit's
  // key-down (Edit1KeyDown): the edit becomes the source and the guard is cleared; its key
  // press (Edit1KeyPress): only the numeric filter. UnitValue(1) is the base value, in km/h.

  // The hub, the km/h edit's change handler.
  void Edit1Change();
  // The change handler of Edit2 to Edit9 (Edit2Change ... Edit9Change): reads the edit's own
  // value and writes the km/h into the hub.
  void UnitChange(int n);

 private:
  void ResetSpeed();
};
