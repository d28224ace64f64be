#pragma once
// The pressure window: 15 units around the physical atmosphere. The atmosphere edit is the
// hub; the pascal edit is a sub-hub that alone serves the hectopascal and kilopascal edits.

#include "numeric/HubForm.h"

class TFormPresion : public THubForm {
  Q_OBJECT

 public:
  explicit TFormPresion(QWidget* owner);

  // Edits "Edit1" to "Edit15" and "Label<n>" beside each are found by name. Every edit's key
  // handlers (Edit1KeyDown, Edit1KeyPress): the edit becomes the source and both flags are
  // cleared. UnitValue(1) is in atmospheres, UnitValue(4) in pascals.

  // The atmosphere hub.
  void Edit1Change();
  // The pascal sub-hub.
  void Edit4Change();
  // The hectopascal and kilopascal edits (Edit5Change, Edit15Change), which feed the sub-hub.
  void PascalUnitChange(int n);
  // The other units (Edit2Change, Edit3Change, Edit6Change ... Edit14Change), which feed the
  // hub.
  void UnitChange(int n);

 private:
  void ResetPascal();

  bool UpdatingPascal = false;
};
