#pragma once
// Shoe sizes: a fixed table that sets European sizes against the women's and men's sizes of
// the inch-based system and the length of the foot in centimetres. Nothing is typed here.

#include "platform/Form.h"

class TBitBtn;

class TFZapatos : public TForm {
  Q_OBJECT

 public:
  explicit TFZapatos(QWidget* owner);

  // The cells are "Panel1" to "Panel63" in reading order, nine to a row (its header first):
  // four rows in the first block, three in the second.
  TBitBtn* BitBtn1;
};
