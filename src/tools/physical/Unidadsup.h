#pragma once
// The surface window: one area in eleven units. Five edits are hubs (km², ha, m², cm² and
// sq.in), each linked to its neighbours by a fixed factor; the other six are leaves hanging
// from one hub each. A hub's busy flag is set when its handler starts and stays set until the
// next key stroke, so a value typed anywhere reaches every edit once.

#include "numeric/HubForm.h"

class TFormSup : public THubForm {
  Q_OBJECT

 public:
  explicit TFormSup(QWidget* owner);

  // Edits "Edit1" to "Edit10" and "Edit12" (there is no Edit11), "Label<n>" beside each.
  // Every edit's key press (Edit1KeyPress): the key-stroke bookkeeping, then the numeric
  // filter; its key-down (Edit1KeyDown): the same bookkeeping for Delete, which types no
  // character.

  // The change handlers of the edits (Edit1Change ... Edit12Change): a hub's, a leaf's.
  void HubChange(int n);
  void LeafChange(int n);

 private:
  // Reads edit n's text into its value; a text that does not read is reported and the
  // window is emptied.
  bool Parse(int n);
  // Edit n's writes, in order, each skipped when its target is ActiveEdit or a busy hub.
  void WriteTargets(int n);
  // The m² to cm² write failed: the window starts again from 100 m².
  void RestartFromSquareMetres();

  bool UpdatingKm2 = false;
  bool UpdatingHa = false;
  bool UpdatingM2 = false;
  bool UpdatingCm2 = false;
  bool UpdatingSqIn = false;
};
