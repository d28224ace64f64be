#pragma once
// The prefixes window: one quantity with each of the twenty decimal prefixes from yotta to
// yocto and the bare unit. The "unidad" edit is the hub: every prefix edit converts only to
// and from the bare unit, and the hub writes all the others.

#include "numeric/FloatErrors.h"
#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TBitBtn;
class TEdit;

class TFormPrefijos : public TForm {
  Q_OBJECT

 public:
  explicit TFormPrefijos(QWidget* owner);

  // Edits "Edit1" to "Edit21" and "Label<n>" beside each are found by name.
  TBitBtn* BitBtn1;

  // Every edit's key-down and key press: the edit becomes the source and the guard is
  // cleared; the key press also filters the key.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void Edit21KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The hub, the bare unit's change handler.
  void Edit21Change();
  // The change handler of prefix edit n (Edit1Change ... Edit20Change).
  void PrefixChange(int n);

  // The last value of edit n (n = 21: the base value).
  double UnitValue(int n) const { return Value[n]; }

 private:
  void RecoverUnreadableUnit();
  void ResetOverLimit();

  TEdit* Edits[22] = {};  // by number
  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  KeyBookkeeping Bookkeeping{SourceKeys::KeyDownAndPress, &ActiveEdit,
                             [this] { Updating = false; }};
  double Value[22] = {};  // by edit number; Value[21] is the base value
};
