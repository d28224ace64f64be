#pragma once
// The number-base window: one whole number in two bases at once, each edit with its own base
// from 2 to 36. Typing in either edit rewrites the other; a new base rewrites the number of
// its own side from the other side's number. There is no key filter, and no floating point
// but the reading's accumulation.

#include <QString>
#include <cstdint>

#include "platform/Form.h"

class TBitBtn;
class TComboBox;
class TEdit;
class TLabel;

// The value of a text in a base. A character that is not a digit 0 to 9 makes the whole
// value 0 in bases up to 10, and there a decimal digit too large for the base counts as 0;
// above 10 a letter beyond the base or any character outside '0' to 'Z' (or between '9'
// and 'A') makes it 0. Each digit times its power of the base is added in extended
// precision and the sum cut to 64 bits; the empty text is 0.
uint64_t ReadInBase(const QString& text, int base);
// The value's digits in the base, most significant first, "0" for zero, capitals for the
// digits 10 to 35; the empty text for a base outside 2 to 36.
QString WriteInBase(uint64_t value, int base);
// The longest text that typing or pasting leaves in an edit of that base: every number of
// that many digits is below 2^63.
int MaxLengthForBase(int base);

class TFormBase : public TForm {
  Q_OBJECT

 public:
  explicit TFormBase(QWidget* owner);

  TLabel* Label1;
  TEdit* Edit1;
  TLabel* Label3;
  TComboBox* ComboBox1;
  TLabel* Label2;
  TEdit* Edit2;
  TLabel* Label4;
  TComboBox* ComboBox2;
  TBitBtn* BitBtn1;

  // A change of an edit's text: the other edit shows the number in its own base. Stops when
  // the change came from the program (the focus is in a base box or in the other edit).
  void Edit1Change();
  void Edit2Change();
  // A change of a base, chosen or typed: the number of that side is written again in it.
  void ComboBox1Change();
  void ComboBox2Change();

  int UpperBaseValue() const { return UpperBase; }
  int LowerBaseValue() const { return LowerBase; }

 private:
  // Writes target, in its base, the number that source reads as in its own.
  static void Rewrite(TEdit* target, int targetBase, const TEdit* source, int sourceBase);
  // A new base for the edit of that side: its typing limit follows the base.
  static int TakeBase(const TComboBox* box, TEdit* edit);

  int UpperBase = 10;  // the base of Edit1
  int LowerBase = 10;  // the base of Edit2
};
