#pragma once
// The volume window: one volume in 26 units. Five edits are hubs (cm³, the litre of water at
// 4 °C, cu.in, cu.ft and the imperial gallon) linked to each other and to leaves by fixed
// factors. A hub's busy flag is set when its handler starts and stays set until the next
// key-down. A leaf written by its hub writes back into it unless a guard stops it: the hub's
// handler is then blocked, but its value and text take the leaf's back-conversion (an echo).

#include "numeric/HubForm.h"

class TFormVol : public THubForm {
  Q_OBJECT

 public:
  explicit TFormVol(QWidget* owner);

  // Edits "Edit1" to "Edit26"; each has "Label<n>" at its left, except that the three cubic
  // captions are "Label<n>" (the text), "Label<n>Exp" (the raised 3) and "Label<n>End" ("]").
  // The frames are "Bevel1" to "Bevel5". Every edit's key-down (Edit1KeyDown), whatever the
  // key: the key-stroke bookkeeping; its key press (Edit1KeyPress): only the numeric filter.

  // The change handlers of the edits (Edit1Change ... Edit26Change): a hub's, a leaf's.
  void HubChange(int n);
  void LeafChange(int n);

 private:
  // Edit n's writes, in order; a write is skipped when its target is ActiveEdit or its guard
  // is busy.
  void WriteTargets(int n);
  // More cubic centimetres than the window handles: Shift+Home and Backspace typed into the
  // focused edit erase it, which empties the window.
  void EraseTypedText();

  bool UpdatingCm3 = false;
  bool UpdatingWaterLitre = false;
  bool UpdatingCuIn = false;
  bool UpdatingGallon = false;
  bool UpdatingCuFt = false;
};
