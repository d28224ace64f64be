#pragma once
// The time window: 25 units of duration around the second. The second edit is the hub: every
// other edit converts only to and from seconds, and the hub writes all the others.

#include "numeric/HubForm.h"

class TFormTiempo : public THubForm {
  Q_OBJECT

 public:
  explicit TFormTiempo(QWidget* owner);

  // Edits "Edit1" to "Edit25" and "Label<n>" beside each are found by name. Every edit's key
  // handlers (Edit1KeyDown, Edit1KeyPress), on every key going down and every character: the
  // edit becomes the source and the guard is cleared. UnitValue(1) is the base value, in
  // seconds.

  // The hub, the second edit's change handler.
  void Edit1Change();
  // The change handler of Edit2 to Edit25: reads the edit's own value and writes the seconds
  // into the hub.
  void UnitChange(int n);

 private:
  void ResetAtomic();
  void ResetElemental();
};
