#pragma once
// The mass window: 28 units around the kilogram. The kilogram edit is the hub: every other
// edit converts only to and from kilograms, and the hub writes all the others.

#include "numeric/HubForm.h"

class TFormMasa : public THubForm {
  Q_OBJECT

 public:
  explicit TFormMasa(QWidget* owner);

  // Edits "Edit1" to "Edit30" (there are no Edit26 and Edit27) and "Label<n>" beside each
  // are found by name; the frames are "Bevel1" to "Bevel4", the bracket "Bevel5" to "Bevel7".
  // Every edit's key handlers (Edit1KeyDown, Edit1KeyPress): the edit becomes the source and
  // the guard is cleared. UnitValue(2) is the base value, in kilograms.

  // The hub, the kilogram edit's change handler.
  void Edit2Change();
  // The change handler of every other edit (Edit1Change, Edit3Change ... Edit30Change):
  // reads the edit's own value and writes the kilograms into the hub.
  void UnitChange(int n);

 private:
  void ResetOverflow();
};
