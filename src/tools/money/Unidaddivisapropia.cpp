#include "tools/money/Unidaddivisapropia.h"

#include <cmath>

#include "numeric/Numeric.h"
#include "platform/ComboBox.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Messages.h"
#include "tools/money/Currencies.h"
#include "tools/money/Rates.h"
#include "value/Locale.h"

namespace {

QString RateText(double perEuro) { return FormatValue(perEuro); }

}  // namespace

TFormDivisaPropia::TFormDivisaPropia(QWidget* owner, const QStringList& taken)
    : TForm(owner, QStringLiteral("FormDivisaPropia")), taken_(taken) {
  EditCodigo = new TEdit(this, QStringLiteral("EditCodigo"), QString());
  EditCodigo->SetMaxLength(3);
  EditCodigo->SetUpperCase(true);
  Build(tr("Añadir divisa"), EditCodigo, tr("Añadir"));
}

TFormDivisaPropia::TFormDivisaPropia(QWidget* owner, const std::vector<money::OwnCurrency>& own,
                                     const QString& chosen)
    : TForm(owner, QStringLiteral("FormDivisaPropia")), own_(own) {
  ComboBox1 = new TComboBox(this, QStringLiteral("ComboBox1"), TComboBox::Style::DropDownList);
  int index = 0;
  for (const money::OwnCurrency& currency : own_) {
    if (currency.code == chosen) index = ComboBox1->count();
    ComboBox1->addItem(money::Caption(currency.name, currency.code));
  }
  Build(tr("Modificar divisa"), ComboBox1, tr("Guardar"));
  BitBtn3 = new TBitBtn(this, QStringLiteral("BitBtn3"), tr("Quitar"));
  BitBtn3->setGeometry(108, 112, 83, 27);
  BitBtn3->OnClick = [this] { BitBtn3Click(); };
  ComboBox1->OnChange = [this](TComboBox*) { ComboBox1Change(); };
  ComboBox1->SetItemIndex(index);
  ComboBox1Change();
  SetTabChain({ComboBox1, EditNombre, EditTipo, BitBtn1, BitBtn3, BitBtn2});
}

void TFormDivisaPropia::Build(const QString& caption, QWidget* codeControl,
                              const QString& okCaption) {
  SetCaption(caption);
  SetBorder(Border::Dialog);
  SetClientSize(300, 151);
  SetPosition(Position::ScreenCenter);
  codeControl->setGeometry(140, 12, EditCodigo ? 50 : 150, 21);
  AttachLabel(codeControl, QStringLiteral("Label1"),
              EditCodigo ? tr("Código (ISO 4217):") : tr("Divisa:"));
  EditNombre = new TEdit(this, QStringLiteral("EditNombre"), QString());
  EditNombre->SetMaxLength(money::kOwnNameLength);
  EditNombre->setGeometry(140, 42, 150, 21);
  AttachLabel(EditNombre, QStringLiteral("Label2"), tr("Nombre:"));
  EditTipo = new TEdit(this, QStringLiteral("EditTipo"), QString());
  EditTipo->setGeometry(140, 72, 150, 21);
  EditTipo->OnKeyPress = [](TEdit* sender, char16_t& key) { key = FilterNumericKey(key, sender); };
  AttachLabel(EditTipo, QStringLiteral("Label3"), tr("Unidades por euro:"));

  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), okCaption, TBitBtn::Kind::OK);
  BitBtn1->setGeometry(12, 112, 83, 27);
  BitBtn1->ModalResult = mrNone;  // closes only once what was entered reads
  BitBtn1->OnClick = [this] { BitBtn1Click(); };
  BitBtn2 = new TBitBtn(this, QStringLiteral("BitBtn2"), tr("Cancelar"), TBitBtn::Kind::Cancel);
  BitBtn2->setGeometry(205, 112, 83, 27);
  if (EditCodigo) SetTabChain({EditCodigo, EditNombre, EditTipo, BitBtn1, BitBtn2});
}

void TFormDivisaPropia::ComboBox1Change() {
  const int index = ComboBox1->ItemIndex();
  if (index < 0 || index >= static_cast<int>(own_.size())) return;
  EditNombre->SetText(own_[index].name);
  EditTipo->SetText(RateText(own_[index].perEuro));
}

bool TFormDivisaPropia::Check(QString& code, QString& name, double& perEuro) {
  auto refuse = [this](TEdit* edit, const QString& text) {
    platform::MessageBox(this, text, tr("Divisa"), platform::Icon::Warning);
    edit->SetFocus();
    edit->SelectAll();
    return false;
  };
  if (EditCodigo) {
    code = EditCodigo->Text().trimmed().toUpper();
    if (!money::IsCurrencyCode(code))
      return refuse(EditCodigo, tr("El código de una divisa son tres letras, como ARS o CLP."));
    if (code == QLatin1String("EUR") || taken_.contains(code))
      return refuse(EditCodigo, tr("%1 ya está en la lista de divisas.").arg(code));
  } else {
    code = own_.at(ComboBox1->ItemIndex()).code;
  }
  name = EditNombre->Text().simplified();
  if (name.isEmpty()) return refuse(EditNombre, tr("Escriba el nombre de la divisa."));
  Extended rate = 0;
  if (!TryParseValue(EditTipo->Text(), rate) || !money::RateInBounds(static_cast<double>(rate)))
    //: 0%1 is 0,000001 (or 0.000001), with the user's decimal separator
    return refuse(EditTipo,
                  tr("Escriba cuántas unidades de la divisa vale un euro: "
                     "un número entre 0%1 y 1000000000000.")
                      .arg(QChar(platform::DecimalSeparator()) + QStringLiteral("000001")));
  perEuro = static_cast<double>(rate);
  return true;
}

void TFormDivisaPropia::BitBtn1Click() {
  QString code, name;
  double perEuro = 0;
  if (!Check(code, name, perEuro)) return;
  result_ = {code, name, perEuro, QDate::currentDate()};
  SetModalResult(mrOk);
}

void TFormDivisaPropia::BitBtn3Click() {
  const int index = ComboBox1->ItemIndex();
  if (index < 0) return;
  //: %1 the currency's name and code: "peso argentino [ARS]"
  const QString question = tr("¿Quitar %1 de sus divisas?").arg(ComboBox1->currentText());
  if (platform::MessageBox(this, question, tr("Divisa"), platform::Icon::Question,
                           platform::Buttons::YesNo) != platform::Answer::Yes)
    return;
  result_ = own_.at(index);
  removed_ = true;
  SetModalResult(mrOk);
}
