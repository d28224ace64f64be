#pragma once
// The numbers-in-words window: a whole number of up to 18 digits written in Spanish words as
// it is typed, in the long scale (millón 10^6, billón 10^12, trillón 10^18), with "un" and
// "veintiún" before thousands and larger groups and the accented forms of the twenties. The
// words can be copied to the clipboard.

#include <QString>
#include <cstdint>

#include "platform/Form.h"

class TEdit;
class TLabel;
class TMemo;
class TSpeedButton;

enum class WordMode { Plain, Apocope };

// The words of a group from 0 to 999 (0: the empty text). In apocope mode a final one is
// "un", or "ún" right after "veinti".
QString GroupWords(int n, WordMode mode);
// The words shown for the number typed as this text: empty for the empty text, "cero" for
// 0 or a text that is no number; they may end with a blank.
QString NumberWords(const QString& text);

class TFormLetras : public TForm {
  Q_OBJECT

 public:
  explicit TFormLetras(QWidget* owner);

  TLabel* Label1;
  TEdit* Edit1;
  TLabel* Label2;
  TMemo* Memo1;
  TSpeedButton* SpeedButton1;
  TLabel* Label3;

  // The words rebuilt from scratch on every change of the number.
  void Edit1Change();
  // Only the digits and Backspace get through.
  void Edit1KeyPress(char16_t& key);
  // Copies the words to the clipboard.
  void SpeedButton1Click();
  // Escape closes the window.
  void FormKeyDown(int& key);
  // Opens the page of this tool in other languages.
  void Label3Click();

  int64_t NumberValueOf() const { return NumberValue; }

 private:
  int64_t NumberValue = 0;
  QString Words;
};
