#pragma once
// The inch window: a length in whole inches and a common fraction of an inch against
// millimetres. Nothing converts while typing; each conversion button converts once in its
// direction. Toward inches the result snaps to the nearest step of the chosen precision
// (1/2 to 1/64 of an inch) or keeps decimals; the step buttons move the measure one step.

#include <cstdint>

#include "platform/Form.h"
#include "value/FloatErrors.h"

class TBitBtn;
class TEdit;
class TGroupBox;
class TLabel;
class TRadioButton;
class TSpeedButton;
class TStatusBar;

class TForm1 : public TForm {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* owner);

  TGroupBox* RadioGroup1;
  TRadioButton* RadioButton1;  // "decimales"
  TRadioButton* RadioButton2;  // 1/2 to 1/64
  TRadioButton* RadioButton3;
  TRadioButton* RadioButton4;
  TRadioButton* RadioButton5;
  TRadioButton* RadioButton6;
  TRadioButton* RadioButton7;
  TEdit* Edit1;                // whole inches
  TEdit* Edit2;                // numerator
  TEdit* Edit3;                // denominator
  TEdit* Edit4;                // millimetres
  TSpeedButton* SpeedButton1;  // "Ant"
  TSpeedButton* SpeedButton2;  // "Sig"
  TBitBtn* BitBtn1;            // inches to millimetres
  TBitBtn* BitBtn2;            // millimetres to inches
  TBitBtn* BitBtn3;            // "Volver"
  TStatusBar* StatusBar1;

  void Edit1KeyPress(TEdit* sender, char16_t& key);
  void Edit2KeyPress(TEdit* sender, char16_t& key);  // also the denominator's
  void Edit4KeyPress(TEdit* sender, char16_t& key);
  void BitBtn1Click();
  void BitBtn2Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();  // 1/4 to 1/64

  int Precision() const { return FractionPrecision; }

 private:
  void BuildControls();
  void BuildPrecisionChoice();
  void BuildInchesBox();
  void BuildConversionButtons();
  void BuildMillimetresBox();
  // The steps of "Ant" (-1) and "Sig" (+1).
  void Step(int direction);
  // The denominator edit read; false (the edit set to "1") when it is 0 or less.
  bool ReadDenominator();
  // The whole inches and the fraction in millimetres.
  Extended Measure() const;
  // The fraction edits and step buttons usable or not, after the precision.
  void EnableFraction(bool enabled);
  // '.' or ',' in the whole-inch or millimetre edit: the separator, or 0 to refuse it.
  char16_t SeparatorKey(const TEdit* edit, bool allowed) const;

  std::int64_t WholeInches = 0;
  std::int32_t FractionNumerator = 0;
  std::int32_t FractionDenominator = 1;
  double MillimetreValue = 0;
  std::int32_t FractionPrecision = 64;
};
