#pragma once
// The data window: 22 units of digital information around the bit. The bit edit is the hub;
// the other 21 share one change handler, which reacts only to the user's own typing and
// picks its factor by the tab position of the edit.

#include "numeric/HubForm.h"

class TFormDatos : public THubForm {
  Q_OBJECT

 public:
  explicit TFormDatos(QWidget* owner);

  // Edits "Edit1" to "Edit22" and "Label<n>" beside each are found by name; the framed box
  // of the decimal multiples is "Bevel1", its caption "Label23". UnitValue(9) is the base
  // value, in bits.

  // Every edit's key-down (for Delete) and key press: the edit becomes the source and the
  // guard is cleared; the key press also filters the key.
  void Edit9KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void Edit9KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The hub, the bit edit's change handler.
  void Edit9Change();
  // The change handler shared by the other 21 edits, given the tab position of the edit.
  void Edit10Change(TEdit* sender, int tabPosition);

 private:
  void ResetTooManyBits();
};
