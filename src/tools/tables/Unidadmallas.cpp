#include "tools/tables/Unidadmallas.h"

#include <QFont>
#include <cmath>

#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/ListBox.h"
#include "platform/Messages.h"
#include "platform/Panel.h"
#include "value/FloatErrors.h"
#include "value/Picture.h"

namespace {

// Weight of one metre of bar, kg, by the position of the diameter in its list.
constexpr double kBarWeight[] = {0.1, 0.15, 0.22, 0.4, 0.62, 0.89, 1.58};
constexpr double kPi = 3.141592653589793;
constexpr Extended kQuarterHundredth = 0.0025L;
constexpr Extended kThousandth = 0.001L;

QFont Arial(int points, bool bold = false) {
  QFont font(QStringLiteral("Arial"), points);
  font.setBold(bold);
  return font;
}

// Three decimals, always shown, with the decimal separator.
QString ThreeDecimals(Extended r) {
  return FormatFixed(Store(std::floor(r * 1000 + 0.5L) * kThousandth), 3);
}

// (π d² / 400) cm² per bar times 100 / s bars per metre, in the order each side's formula
// has always been evaluated.
Extended SectionA(Extended s, Extended d) { return d * (100 / s * d * kQuarterHundredth) * kPi; }
Extended SectionB(Extended s, Extended d) { return d * (100 / s * d) * kQuarterHundredth * kPi; }

TEdit* ResultEdit(QWidget* parent, const QString& name, const QRect& geometry) {
  auto* edit = new TEdit(parent, name, QString());
  edit->setReadOnly(true);
  edit->setFont(Arial(10));
  QPalette p = edit->palette();
  p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
  p.setColor(QPalette::Text, p.color(QPalette::ToolTipText));
  edit->setPalette(p);
  edit->setGeometry(geometry);
  return edit;
}

TLabel* ArialLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                   int points = 9) {
  TLabel* label = PlaceLabel(parent, name, text, x, y);
  label->setFont(Arial(points));
  label->adjustSize();
  return label;
}

}  // namespace

TFormMallas::TFormMallas(QWidget* owner) : TForm(owner, QStringLiteral("FormMallas")) {
  SetCaption(tr("Mallas"));
  SetBorder(Border::Single);
  SetClientSize(587, 315);
  SetPosition(Position::ScreenCenter);

  auto* title = new TPanel(this, QStringLiteral("Panel1"), tr("MALLA TEÓRICA."));
  title->setFont(Arial(10, true));
  title->setGeometry(8, 8, 571, 26);
  auto* subtitle =
      new TPanel(this, QStringLiteral("Panel2"),
                 tr("Peso por metro cuadrado y sección de acero por metro lineal de las "
                    "diferentes mallas teóricas"));
  subtitle->SetBevelOuter(TPanel::Bevel::None);
  subtitle->setAutoFillBackground(false);
  subtitle->setFont(Arial(10));
  subtitle->setGeometry(8, 38, 571, 22);

  const QStringList spacings = {QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20"),
                                QStringLiteral("25"), QStringLiteral("30")};
  const QStringList diameters = {QStringLiteral("4"), QStringLiteral("5"),  QStringLiteral("6"),
                                 QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"),
                                 QStringLiteral("16")};

  // The three framed boxes, each with its caption above it.
  constexpr int kBoxTop = 88, kBoxHeight = 146, kBoxWidth = 183;
  constexpr int kBoxX[] = {8, 202, 396};
  const QString boxCaptions[] = {tr("Lado A:"), tr("Diámetros:"), tr("Lado B:")};
  for (int i = 0; i < 3; ++i) {
    auto* box = new TBevel(this, QStringLiteral("Bevel%1").arg(i + 1), TBevel::Shape::Frame);
    box->setGeometry(kBoxX[i], kBoxTop, kBoxWidth, kBoxHeight);
    ArialLabel(this, QStringLiteral("Label%1").arg(i + 1), boxCaptions[i], kBoxX[i] + 2,
               kBoxTop - 20);
  }
  constexpr int kColumnTop = kBoxTop + 10;
  constexpr int kListTop = kColumnTop + 20;
  // Side A and side B: the spacings over their list, the section over its edit.
  auto side = [&](int box, TListBox*& list, const QString& listName, TEdit*& edit,
                  const QString& editName, int labelNumber) {
    const int x = kBoxX[box];
    ArialLabel(this, QStringLiteral("Label%1").arg(labelNumber), QStringLiteral("d (cm)"), x + 14,
               kColumnTop);
    list = new TListBox(this, listName, spacings);
    list->setFont(Arial(9));
    list->setGeometry(x + 14, kListTop, 52, 5 * 18 + 6);
    ArialLabel(this, QStringLiteral("Label%1").arg(labelNumber + 1), tr("Sección (cm²/m)"), x + 78,
               kColumnTop);
    edit = ResultEdit(this, editName, QRect(x + 78, kListTop, 92, 24));
  };
  side(0, ListBox1, QStringLiteral("ListBox1"), Edit1, QStringLiteral("Edit1"), 4);
  side(2, ListBox2, QStringLiteral("ListBox2"), Edit2, QStringLiteral("Edit2"), 6);

  TLabel* phi = ArialLabel(this, QStringLiteral("Label8"), QStringLiteral("φ1 = φ2"), kBoxX[1] + 40,
                           kColumnTop);
  ArialLabel(this, QStringLiteral("Label9"), QStringLiteral("(mm)"), phi->x() + phi->width() + 4,
             kColumnTop);
  ListBox3 = new TListBox(this, QStringLiteral("ListBox3"), diameters);
  ListBox3->setFont(Arial(9));
  ListBox3->setGeometry(kBoxX[1] + 62, kListTop, 52, 7 * 15 + 6);

  // The weight, in a box below the first two.
  auto* weightBox = new TBevel(this, QStringLiteral("Bevel4"), TBevel::Shape::Frame);
  weightBox->setGeometry(8, 244, 377, 44);
  TLabel* weight =
      ArialLabel(this, QStringLiteral("Label10"), tr("Peso ( kg/m² )  = "), 24, 256, 10);
  Edit3 = ResultEdit(this, QStringLiteral("Edit3"),
                     QRect(weight->x() + weight->width() + 4, 254, 92, 24));

  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), tr("Volver"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(496, 280, 83, 27);

  for (TListBox* list : {ListBox1, ListBox2, ListBox3}) list->OnClick = [this] { ListBox1Click(); };

  SetTabChain({ListBox1, Edit1, ListBox2, Edit2, ListBox3, Edit3, BitBtn1});
}

void TFormMallas::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  platform::Guard([this] { FormShow(); });
}

void TFormMallas::FormShow() {
  for (TListBox* list : {ListBox1, ListBox2, ListBox3}) list->SetItemIndex(0);
  // The first diameter's bar weighs 0.1 kg a metre.
  ShowResults([](Extended sA, Extended sB) { return 10 / sA + 10 / sB; });
}

void TFormMallas::ListBox1Click() {
  const int diameter = ListBox3->ItemIndex();
  // A list without a selected item has nothing to compute from.
  if (ListBox1->ItemIndex() < 0 || ListBox2->ItemIndex() < 0 || diameter < 0) return;
  ShowResults([diameter](Extended sA, Extended sB) {
    return (100 / sA + 100 / sB) * kBarWeight[diameter];
  });
}

void TFormMallas::ShowResults(const std::function<Extended(Extended sA, Extended sB)>& weight) {
  const Extended sA = ListBox1->SelectedText().toDouble();
  const Extended sB = ListBox2->SelectedText().toDouble();
  const Extended d = ListBox3->SelectedText().toDouble();
  Edit1->SetText(ThreeDecimals(SectionA(sA, d)));
  Edit2->SetText(ThreeDecimals(SectionB(sB, d)));
  Edit3->SetText(ThreeDecimals(weight(sA, sB)));
}
