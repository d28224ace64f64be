#pragma once
// The feet window: a length in feet, inches and a common fraction of an inch against metres,
// centimetres or millimetres. Nothing converts while typing; each conversion button converts
// once in its direction. Toward feet the result keeps decimal feet, stops at whole inches or
// snaps to the nearest fraction of an inch (1/2 to 1/64); the step buttons move the measure
// one step back or forth.

#include <cstdint>

#include "platform/Form.h"
#include "value/FloatErrors.h"

class TBitBtn;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TRadioButton;
class TSpeedButton;
class TStatusBar;

class TFormPie : public TForm {
  Q_OBJECT

 public:
  explicit TFormPie(QWidget* owner);

  TGroupBox* RadioGroup1;
  TRadioButton* RadioButton[12] = {};  // by number: 1 to 8 the precision, 9 to 11 the unit
  TPanel* Panel1;
  TPanel* Panel2;
  TLabel* Label2;              // the metric heading
  TEdit* Edit1;                // the metric length
  TEdit* Edit2;                // feet
  TEdit* Edit3;                // whole inches
  TEdit* Edit4;                // numerator
  TEdit* Edit5;                // denominator
  TSpeedButton* SpeedButton1;  // "Ant"
  TSpeedButton* SpeedButton2;  // "Sig"
  TBitBtn* BitBtn1;            // feet and inches to the metric unit
  TBitBtn* BitBtn2;            // the metric unit to feet and inches
  TBitBtn* BitBtn3;            // "Volver"
  TStatusBar* StatusBar1;

  void Edit1KeyPress(TEdit* sender, char16_t& key);  // also the feet edit's
  void Edit3KeyPress(TEdit* sender, char16_t& key);  // also the fraction edits'
  void BitBtn1Click();
  void BitBtn2Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();
  void RadioButton4Click();
  void RadioButton5Click();  // 1/8 to 1/64
  void RadioButton9Click();
  void RadioButton10Click();
  void RadioButton11Click();

 private:
  void BuildControls();
  void BuildFeetPanel();
  void BuildMetricPanel();
  // The steps of "Ant" (-1) and "Sig" (+1).
  void Step(int direction);
  // The unit scaling of a length in centimetres to the selected unit.
  Extended Scaled(Extended centimetres) const;
  // The precision's edits and step buttons usable or not.
  void EnableEdits(bool inches, bool fraction, bool steps);
  // The fraction edits set to "0" and "1".
  void ResetFraction();
  // A metric unit chosen: its captions, then the metric edit rescaled from the last unit.
  void ChooseUnit(int unit);
  // The metric edit from the texts of the feet and inches just written and the fraction.
  void MetricFromTexts(std::uint32_t numerator, std::uint32_t denominator);

  std::int32_t MetricUnit = 2;          // 1 metres, 2 centimetres, 3 millimetres
  std::int32_t FractionPrecision = 64;  // 0 decimal feet, 1 whole inches, 2 to 64 a fraction
  double CentimetreValue = 0;
  double FeetValue = 0;
  double InchValue = 0;
  std::uint32_t FractionNumerator = 0;
  std::uint32_t FractionDenominator = 1;
};
