#pragma once
// A currency of the user's own, one the bank does not publish: its code, its name and how many
// of it a euro buys. The same window adds one, or changes or removes one already added.

#include <QStringList>
#include <vector>

#include "platform/Form.h"
#include "tools/money/OwnCurrencies.h"

class TBitBtn;
class TComboBox;
class TEdit;

class TFormDivisaPropia : public TForm {
  Q_OBJECT

 public:
  // Adds a currency whose code is none of taken (the bank's and the user's own).
  TFormDivisaPropia(QWidget* owner, const QStringList& taken);
  // Changes or removes one of own, the one of that code chosen first.
  TFormDivisaPropia(QWidget* owner, const std::vector<money::OwnCurrency>& own,
                    const QString& chosen);

  TEdit* EditCodigo = nullptr;     // adding
  TComboBox* ComboBox1 = nullptr;  // changing: the user's currencies
  TEdit* EditNombre;
  TEdit* EditTipo;             // units per euro
  TBitBtn* BitBtn1;            // "Añadir" or "Guardar"
  TBitBtn* BitBtn2;            // "Cancelar"
  TBitBtn* BitBtn3 = nullptr;  // "Quitar", when changing

  void BitBtn1Click();
  void BitBtn3Click();
  void ComboBox1Change();

  // After the window closed with mrOk: the currency as entered (today's date when new or
  // changed); Removed() when it was removed instead.
  const money::OwnCurrency& Result() const { return result_; }
  bool Removed() const { return removed_; }

 private:
  void Build(const QString& caption, QWidget* codeControl, const QString& okCaption);
  bool Check(QString& code, QString& name, double& perEuro);

  QStringList taken_;
  std::vector<money::OwnCurrency> own_;
  money::OwnCurrency result_;
  bool removed_ = false;
};
