#pragma once
// The weight window: 16 units of weight and force on two linked hubs. The gram edit serves the
// force, metric and troy units, the avoirdupois pound edit the grain, ounce, arroba, quintal
// and ton units, and each hub hands its value to the other. 1 kg weighs 9.80665 N.

#include "numeric/HubForm.h"

class TFormPeso : public THubForm {
  Q_OBJECT

 public:
  explicit TFormPeso(QWidget* owner);

  // Edits "Edit1" to "Edit18" (there are no Edit15 and Edit16), each with its number as its
  // tag, and "Label<n>" beside each are found by name; the frames are "Bevel1" to "Bevel3".
  // Every edit's key handlers (Edit1KeyDown, Edit1KeyPress): the edit becomes the source and
  // both hubs' flags are cleared. UnitValue(3) is in grams, UnitValue(8) in pounds.

  // The gram hub and the pound hub.
  void Edit3Change();
  void Edit8Change();
  // The shared handler of the gram group (tonne, kilogram, milligram, troy ounce and pound,
  // decanewton, newton, dyne); the unit is the sender's tag.
  void Edit1Change(TEdit* sender);
  // The handlers of the pound group (Edit4Change, Edit5Change, Edit9Change ... Edit12Change).
  void PoundUnitChange(int n);

 private:
  void ReportTooHeavy(TEdit* sender, Extended value);
  void ReportNotANumber();
  void ResetGrains();

  bool UpdatingGrams = false;
  bool UpdatingPounds = false;
};
