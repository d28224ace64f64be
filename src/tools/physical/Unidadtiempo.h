#pragma once
// The time window: 25 units of duration around the second. The second edit is the hub: every
// other edit converts only to and from seconds, and the hub writes all the others.

#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TBitBtn;
class TEdit;

class TFormTiempo : public TForm {
  Q_OBJECT

 public:
  explicit TFormTiempo(QWidget* owner);

  // Edits "Edit1" to "Edit25" and "Label<n>" beside each are found by name.
  TBitBtn* BitBtn1;

  // Every edit's key handlers, on every key going down and every character: the edit becomes
  // the source and the guard is cleared.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The hub, the second edit's change handler.
  void Edit1Change();
  // The change handler of Edit2 to Edit25: reads the edit's own value and writes the seconds
  // into the hub.
  void UnitChange(int n);

  // The last value of the unit of edit n (n = 1: the base value, in seconds).
  double UnitValue(int n) const { return Value[n]; }

 private:
  void ResetAtomic();
  void ResetElemental();

  TEdit* Edits[26] = {};  // by number
  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  KeyBookkeeping Bookkeeping{SourceKeys::KeyDownAndPress, &ActiveEdit,
                             [this] { Updating = false; }};
  double Value[26] = {};  // by edit number; Value[1] is the base value
};
