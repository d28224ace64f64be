#pragma once
// "Preferencias": how the live converters write their results, chosen by the user and kept
// across starts (app/Preferences.h). "Aceptar" makes the choice the program's and keeps it.

#include "platform/Form.h"

class TBitBtn;
class TComboBox;

class TFormPreferencias : public TForm {
  Q_OBJECT

 public:
  explicit TFormPreferencias(QWidget* owner);

  TComboBox* ComboCifras;
  TComboBox* ComboNotacion;
  TBitBtn* BitBtn1;  // Aceptar
  TBitBtn* BitBtn2;  // Cancelar

  void BitBtn1Click();
};
