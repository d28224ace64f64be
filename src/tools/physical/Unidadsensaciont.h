#pragma once
// The felt temperature: in summer the heat index read from a table of temperature and
// humidity, corrected for the wind; in winter the wind chill computed from the air
// temperature and the wind speed. Every input is chosen from a drop-down list.

#include "platform/Form.h"

class TComboBox;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TStatusBar;

class TForm4 : public TForm {
  Q_OBJECT

 public:
  explicit TForm4(QWidget* owner);

  TPageControl* PageControl1;
  TComboBox* ComboBox1;  // temperature, 20 to 50 °C
  TComboBox* ComboBox2;  // relative humidity, 0 to 100 %
  TComboBox* ComboBox3;  // wind class
  TComboBox* ComboBox4;  // temperature, 10 down to -50 °C
  TComboBox* ComboBox6;  // wind speed, 0 to 64 km/h
  TEdit* Edit1;          // the summer result
  TEdit* Edit2;          // the winter result
  TPanel* Panel1;        // summer danger category
  TPanel* Panel3;        // winter danger category
  TLabel* Label15;       // summer effect sentence
  TLabel* Label20;       // winter effect sentence
  TStatusBar* StatusBar1;

  void FormCreate();
  void FormKeyDown(int& key);
  void SummerUpdate();
  void WinterUpdate();

  int HeatValue = 0;
  double WindChillValue = 0;

 private:
  void ShowHeatCategory();
  void ShowColdCategory();
};
