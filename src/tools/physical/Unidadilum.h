#pragma once
// The illumination window: ten illuminance units around lux. The "lumen/m²" edit is the hub;
// the other nine share one change handler, which reacts only to the user's own typing and
// picks its factor by the tab position of the edit.

#include "numeric/FloatErrors.h"
#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TBitBtn;
class TEdit;

class TFIlum : public TForm {
  Q_OBJECT

 public:
  explicit TFIlum(QWidget* owner);

  // Edits "Edit1" to "Edit10" and "Label<n>" beside each are found by name.
  TBitBtn* BitBtn1;

  // Every edit's key-down (for Delete) and key press: the edit becomes the source and the
  // guard is cleared; the key press also filters the key.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The hub, the "lumen/m²" edit's change handler.
  void Edit1Change();
  // The change handler shared by Edit2 to Edit10, given the tab position of the edit.
  void Edit2Change(TEdit* sender, int tabPosition);

  // The base value, in lux.
  double Lux() const { return BaseValue; }

 private:
  TEdit* Edits[11] = {};  // by number
  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  KeyBookkeeping Bookkeeping{SourceKeys::PressAndDelete, &ActiveEdit, [this] { Updating = false; }};
  double BaseValue = 0;
};
