#pragma once
// The pressure window: 15 units around the physical atmosphere. The atmosphere edit is the
// hub; the pascal edit is a sub-hub that alone serves the hectopascal and kilopascal edits.

#include "numeric/FloatErrors.h"
#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TBitBtn;
class TEdit;

class TFormPresion : public TForm {
  Q_OBJECT

 public:
  explicit TFormPresion(QWidget* owner);

  // Edits "Edit1" to "Edit15" and "Label<n>" beside each are found by name.
  TBitBtn* BitBtn1;

  // Every edit's key handlers: the edit becomes the source and both flags are cleared.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The atmosphere hub.
  void Edit1Change();
  // The pascal sub-hub.
  void Edit4Change();
  // The hectopascal and kilopascal edits (Edit5Change, Edit15Change), which feed the sub-hub.
  void PascalUnitChange(int n);
  // The other units (Edit2Change, Edit3Change, Edit6Change ... Edit14Change), which feed the
  // hub.
  void UnitChange(int n);

  // The last value of the unit of edit n (1: atmospheres, 4: pascals).
  double UnitValue(int n) const { return Value[n]; }

 private:
  // The start of every handler: false when it stops there.
  bool Proceed(TEdit* edit);
  void Pass();
  void ResetPascal();

  TEdit* Edits[16] = {};  // by number
  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  bool UpdatingPascal = false;
  KeyBookkeeping Bookkeeping{SourceKeys::KeyDownAndPress, &ActiveEdit,
                             [this] { Updating = UpdatingPascal = false; }};
  double Value[16] = {};  // by edit number
};
