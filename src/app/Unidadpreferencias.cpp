#include "app/Unidadpreferencias.h"

#include "app/Preferences.h"
#include "platform/ComboBox.h"
#include "platform/Controls.h"
#include "platform/Messages.h"

namespace {

constexpr int kComboX = 160, kComboWidth = 150;

// The drop-down list at y, with its label at its left; the label's accelerator takes the
// focus to it.
TComboBox* PlaceList(TForm* form, const QString& name, const QString& labelName,
                     const QString& caption, int y) {
  auto* list = new TComboBox(form, name, TComboBox::Style::DropDownList);
  list->setGeometry(kComboX, y, kComboWidth, 23);
  TLabel* label = AttachLabel(list, labelName, caption);
  label->setBuddy(list);
  label->adjustSize();
  label->setGeometry(kComboX - 8 - label->width(), y, label->width(), list->height());
  return list;
}

}  // namespace

TFormPreferencias::TFormPreferencias(QWidget* owner)
    : TForm(owner, QStringLiteral("FormPreferencias")) {
  SetCaption(tr("Preferencias"));
  SetBorder(Border::Dialog);
  SetClientSize(326, 128);
  SetPosition(Position::ScreenCenter);

  const QString asWindow = tr("Como cada ventana");
  ComboCifras = PlaceList(this, QStringLiteral("ComboCifras"), QStringLiteral("Label1"),
                          tr("&Cifras significativas"), 16);
  ComboCifras->addItem(asWindow);
  for (int digits = NumberStyle::kMinDigits; digits <= NumberStyle::kMaxDigits; ++digits)
    ComboCifras->addItem(QString::number(digits));
  ComboNotacion = PlaceList(this, QStringLiteral("ComboNotacion"), QStringLiteral("Label2"),
                            tr("&Notación"), 48);
  ComboNotacion->addItems({asWindow, tr("Científica"), tr("Ingeniería")});

  const NumberStyle& style = ResultStyle();
  ComboCifras->SetItemIndex(style.digits == 0 ? 0 : style.digits - NumberStyle::kMinDigits + 1);
  ComboNotacion->SetItemIndex(static_cast<int>(style.notation));

  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), tr("Aceptar"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(134, 88, 83, 27);
  BitBtn1->ModalResult = mrNone;  // closes once the choice is the program's
  BitBtn1->OnClick = [this] { BitBtn1Click(); };
  BitBtn2 = new TBitBtn(this, QStringLiteral("BitBtn2"), tr("Cancelar"), TBitBtn::Kind::Cancel);
  BitBtn2->setGeometry(227, 88, 83, 27);
  SetTabChain({ComboCifras, ComboNotacion, BitBtn1, BitBtn2});
  ComboCifras->setFocus();
}

void TFormPreferencias::BitBtn1Click() {
  NumberStyle style;
  const int digits = ComboCifras->ItemIndex();
  style.digits = digits <= 0 ? 0 : digits - 1 + NumberStyle::kMinDigits;
  style.notation = static_cast<Notation>(std::max(ComboNotacion->ItemIndex(), 0));
  SetResultStyle(style);
  const QString reason = prefs::Save(style);
  if (!reason.isEmpty()) {
    platform::MessageBox(this,
                         tr("Las preferencias valen hasta que se cierre Tarvel: no se "
                            "pudieron guardar (%1).")
                             .arg(reason),
                         tr("Preferencias"), platform::Icon::Warning);
  }
  SetModalResult(mrOk);
}
