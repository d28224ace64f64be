#pragma once
// The mass window: 28 units around the kilogram. The kilogram edit is the hub: every other
// edit converts only to and from kilograms, and the hub writes all the others.

#include "numeric/FloatErrors.h"
#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TBitBtn;
class TEdit;

class TFormMasa : public TForm {
  Q_OBJECT

 public:
  explicit TFormMasa(QWidget* owner);

  // Edits "Edit1" to "Edit30" (there are no Edit26 and Edit27) and "Label<n>" beside each
  // are found by name; the frames are "Bevel1" to "Bevel4", the bracket "Bevel5" to "Bevel7".
  TBitBtn* BitBtn1;

  // Every edit's key handlers: the edit becomes the source and the guard is cleared.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The hub, the kilogram edit's change handler.
  void Edit2Change();
  // The change handler of every other edit (Edit1Change, Edit3Change ... Edit30Change):
  // reads the edit's own value and writes the kilograms into the hub.
  void UnitChange(int row);

  // The last value of the unit of edit n (n = 2: the base value, in kilograms).
  double UnitValue(int n) const { return Value[n]; }

 private:
  void ResetOverflow();

  TEdit* Edits[31] = {};  // by number
  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  KeyBookkeeping Bookkeeping{SourceKeys::KeyDownAndPress, &ActiveEdit,
                             [this] { Updating = false; }};
  double Value[31] = {};  // by edit number; Value[2] is the base value
};
