#pragma once
// The illumination window: ten illuminance units around lux. The "lumen/m²" edit is the hub;
// the other nine share one change handler, which reacts only to the user's own typing and
// picks its factor by the tab position of the edit.

#include "numeric/HubForm.h"

class TFIlum : public THubForm {
  Q_OBJECT

 public:
  explicit TFIlum(QWidget* owner);

  // Edits "Edit1" to "Edit10" and "Label<n>" beside each are found by name. Every edit's
  // key-down (Edit1KeyDown, for Delete) and key press (Edit1KeyPress): the edit becomes the
  // source and the guard is cleared; the key press also filters the key.

  // The hub, the "lumen/m²" edit's change handler.
  void Edit1Change();
  // The change handler shared by Edit2 to Edit10, given the tab position of the edit.
  void Edit2Change(TEdit* sender, int tabPosition);

  // The base value, in lux.
  double Lux() const { return UnitValue(1); }
};
