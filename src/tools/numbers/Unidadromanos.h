#pragma once
// The Roman-numeral window: a whole number in Arabic digits and in Roman numerals, each
// rewritten from the other as it is typed. From 4000 on, ")" marks thousands: each one
// multiplies what stands before it by 1000. Only the numeral the window would write itself
// is read back.

#include <QString>
#include <cstdint>

#include "platform/Form.h"

class QMouseEvent;
class TBitBtn;
class TEdit;
class TLabel;

// The numeral of n: below 4000 written greedily (M, CM, D, CD, C, ... IV, I); from 4000 on
// the numeral of its thousands, ")", then the numeral of the rest. Empty for 0 and below.
QString ToRoman(int64_t n);
// The value of a numeral: ")" multiplies by 1000, CM, CD, XC, XL, IX and IV subtract, any
// other character is skipped; unsigned 64-bit arithmetic that wraps.
uint64_t FromRoman(QStringView text);

class TFormRomanos : public TForm {
  Q_OBJECT

 public:
  explicit TFormRomanos(QWidget* owner);

  TLabel* Label4;
  TLabel* Label1;
  TEdit* Edit1;
  TLabel* Label2;
  TEdit* Edit2;
  TLabel* Label3;
  TBitBtn* BitBtn1;

  // Arabic to Roman, unless the change came from the Roman edit.
  void Edit1Change();
  // Roman to Arabic: a numeral in the window's own form is written in digits; another one
  // is refused with a message, leaving the digits as they were.
  void Edit2Change();
  // A numeral too long to read in the edit is shown whole in its hint.
  void Edit2MouseMove();
  // Shows or hides the hint that explains the thousands mark.
  void Label3Click();
  // Gives hints their desktop colour back.
  void FormClose();

 private:
  QString ConventionHint;  // Label3's hint while it is turned off
};
