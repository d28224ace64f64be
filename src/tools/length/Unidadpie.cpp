#include "tools/length/Unidadpie.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <cmath>

#include "numeric/Numeric.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Messages.h"
#include "platform/Panels.h"
#include "platform/SpeedButton.h"
#include "platform/StatusBar.h"
#include "tools/length/FractionParts.h"
#include "value/Integers.h"

namespace {

constexpr double kCmPerFoot = 30.48;
constexpr double kCmPerInch = 2.54;
// The extended quotients of 1 by those doubles.
const Extended kFootPerCm = 1.0L / static_cast<Extended>(kCmPerFoot);
const Extended kInchPerCm = 1.0L / static_cast<Extended>(kCmPerInch);

// Beyond ten thousand million feet the fraction precision does not split a length: the
// arithmetic still resolves a 64th of an inch there and the metric edit still shows it, and
// every value stays far inside its type.
constexpr Extended kFractionFeetLimit = 1e10L;

//: the caption of the window's message boxes: the unit foot
constexpr const char* kBoxCaption = QT_TRANSLATE_NOOP("TFormPie", "pie");
Extended Number(const TEdit* edit) { return ParseValue(edit->Text()); }

// The window's icon: a folding rule.
QIcon RuleIcon() {
  QPixmap picture(32, 32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x80, 0x50, 0x00), 1.5));
  p.setBrush(QColor(0xF0, 0xC0, 0x40));
  p.drawRect(QRectF(2, 20, 28, 8));
  p.save();
  p.translate(4, 20);
  p.rotate(-40);
  p.drawRect(QRectF(0, -8, 24, 8));
  p.restore();
  for (int x = 6; x < 30; x += 4) p.drawLine(QPointF(x, 20), QPointF(x, x % 8 == 2 ? 25 : 23));
  return QIcon(picture);
}

struct UnitCaptions {
  // UTF-8, marked for translation in the window's context.
  const char* heading;
  const char* toMetric;
  const char* toFeet;
  const char* hint;
};
// By MetricUnit - 1: metres, centimetres, millimetres.
constexpr UnitCaptions kUnitCaptions[] = {
    {QT_TRANSLATE_NOOP("TFormPie", "metros"),
     //: a button: from feet (') to metres
     QT_TRANSLATE_NOOP("TFormPie", "' a m "),
     //: a button: from metres to feet (')
     QT_TRANSLATE_NOOP("TFormPie", " m a '"), QT_TRANSLATE_NOOP("TFormPie", "Convertir a metro")},
    {QT_TRANSLATE_NOOP("TFormPie", "centímetros"),
     //: a button: from feet (') to centimetres
     QT_TRANSLATE_NOOP("TFormPie", "' a cm"),
     //: a button: from centimetres to feet (')
     QT_TRANSLATE_NOOP("TFormPie", "cm a '"),
     QT_TRANSLATE_NOOP("TFormPie", "Convertir a centímetro")},
    {QT_TRANSLATE_NOOP("TFormPie", "milímetros"),
     //: a button: from feet (') to millimetres
     QT_TRANSLATE_NOOP("TFormPie", "' a mm"),
     //: a button: from millimetres to feet (')
     QT_TRANSLATE_NOOP("TFormPie", "mm a '"),
     QT_TRANSLATE_NOOP("TFormPie", "Convertir a milímetro")},
};
// The factor from the unit of the row to that of the column.
constexpr Extended kRescale[3][3] = {
    {1.0L, 100.0L, 1000.0L}, {0.01L, 1.0L, 10.0L}, {0.001L, 0.1L, 1.0L}};

}  // namespace

TFormPie::TFormPie(QWidget* owner) : TForm(owner, QStringLiteral("FormPie")) {
  SetCaption(tr(" Pies <--> centímetros"));
  SetBorder(Border::Single);
  SetClientSize(576, 314);
  SetPosition(Position::ScreenCenter);
  setWindowIcon(RuleIcon());
  BuildControls();
  // On creation the fraction edits are usable and read 0/1.
  EnableEdits(true, true, true);
  ResetFraction();
  Edit2->setFocus(Qt::OtherFocusReason);
}

void TFormPie::BuildControls() {
  RadioGroup1 = new TGroupBox(this, QStringLiteral("RadioGroup1"), tr("Ajustar a:"));
  RadioGroup1->SetBold(true);
  RadioGroup1->setGeometry(8, 2, 560, 46);
  // Laid over the box with the window as parent: the precision buttons form one group, the
  // unit buttons in their frame another.
  // The fractions of an inch are the same in every language.
  const char* const precisions[] = {QT_TRANSLATE_NOOP("TFormPie", "decimales"),
                                    QT_TRANSLATE_NOOP("TFormPie", "pulgada"),
                                    "1/2 \"",
                                    "1/4 \"",
                                    "1/8 \"",
                                    "1/16 \"",
                                    "1/32 \"",
                                    "1/64 \""};
  const int x[] = {16, 100, 178, 242, 306, 370, 434, 498};
  for (int n = 1; n <= 8; ++n) {
    RadioButton[n] = new TRadioButton(this, QStringLiteral("RadioButton%1").arg(n),
                                      Text(precisions[n - 1]), n == 8);
    RadioButton[n]->setGeometry(x[n - 1], 20, n <= 2 ? 80 : 60, 22);
  }
  RadioButton[1]->OnClick = [this] { RadioButton1Click(); };
  RadioButton[2]->OnClick = [this] { RadioButton2Click(); };
  RadioButton[3]->OnClick = [this] { RadioButton3Click(); };
  RadioButton[4]->OnClick = [this] { RadioButton4Click(); };
  for (int n = 5; n <= 8; ++n) RadioButton[n]->OnClick = [this] { RadioButton5Click(); };

  BuildFeetPanel();

  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), Text(kUnitCaptions[1].toMetric));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
  BitBtn1->setLayoutDirection(Qt::RightToLeft);  // the picture right of the caption
  BitBtn1->setGeometry(254, 104, 96, 30);
  platform::SetHint(BitBtn1, tr("Convertir a centímetros"), false);
  BitBtn1->OnClick = [this] { BitBtn1Click(); };
  BitBtn2 = new TBitBtn(this, QStringLiteral("BitBtn2"), Text(kUnitCaptions[1].toFeet));
  BitBtn2->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
  BitBtn2->setGeometry(254, 146, 96, 30);
  platform::SetHint(BitBtn2, tr("Convertir a pies"), false);
  BitBtn2->OnClick = [this] { BitBtn2Click(); };

  BuildMetricPanel();

  BitBtn3 = new TBitBtn(this, QStringLiteral("BitBtn3"), tr("Volver"), TBitBtn::Kind::OK);
  BitBtn3->setGeometry(476, 262, 92, 28);

  StatusBar1 = new TStatusBar(this, QStringLiteral("StatusBar1"));
  StatusBar1->AutoHint = true;

  Edit1->OnKeyPress = [this](TEdit* sender, char16_t& key) { Edit1KeyPress(sender, key); };
  Edit2->OnKeyPress = [this](TEdit* sender, char16_t& key) { Edit1KeyPress(sender, key); };
  for (TEdit* edit : {Edit3, Edit4, Edit5}) {
    edit->OnKeyPress = [this](TEdit* sender, char16_t& key) { Edit3KeyPress(sender, key); };
  }

  SetTabChain({Edit2, Edit3, Edit4, Edit5, BitBtn1, BitBtn2, Edit1, RadioButton[9], RadioButton[10],
               RadioButton[11], RadioButton[1], RadioButton[2], RadioButton[3], RadioButton[4],
               RadioButton[5], RadioButton[6], RadioButton[7], RadioButton[8], BitBtn3});
}

void TFormPie::BuildFeetPanel() {
  Panel1 = new TPanel(this, QStringLiteral("Panel1"));
  Panel1->setGeometry(8, 56, 236, 196);
  PlaceLabel(Panel1, QStringLiteral("Label1"), tr("Pies"), 12, 30, QColor(), true);
  PlaceLabel(Panel1, QStringLiteral("Label3"), tr("Pulgadas"), 98, 30, QColor(), true);
  Edit2 = new TEdit(Panel1, QStringLiteral("Edit2"));
  Edit2->setGeometry(12, 51, 78, 24);
  Edit3 = new TEdit(Panel1, QStringLiteral("Edit3"));
  Edit3->setGeometry(98, 51, 56, 24);
  Edit4 = new TEdit(Panel1, QStringLiteral("Edit4"));
  Edit4->setGeometry(166, 36, 56, 22);
  AddFractionBar(Panel1, QRect(166, 61, 56, 4));
  Edit5 = new TEdit(Panel1, QStringLiteral("Edit5"), QStringLiteral("1"));
  Edit5->setGeometry(166, 68, 56, 22);
  NameFractionEdits(Edit4, Edit5);

  const StepButtons steps = AddStepButtons(Panel1, QPoint(20, 148), QPoint(132, 148));
  SpeedButton1 = steps.previous;
  SpeedButton2 = steps.next;
  SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
  SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
}

void TFormPie::BuildMetricPanel() {
  Panel2 = new TPanel(this, QStringLiteral("Panel2"));
  Panel2->setGeometry(360, 56, 208, 196);
  Label2 = new TLabel(Panel2, QStringLiteral("Label2"), tr("Centímetros"));
  Label2->SetBold(true);
  Label2->setGeometry(0, 22, 208, 18);
  Label2->setAlignment(Qt::AlignCenter);
  Edit1 = new TEdit(Panel2, QStringLiteral("Edit1"));
  Edit1->setGeometry(14, 51, 180, 24);
  auto* frame = new TGroupBox(Panel2, QStringLiteral("RadioGroup2"), QString());
  frame->setGeometry(14, 96, 180, 44);
  const char* const units[] = {"m", "cm", "mm"};
  for (int i = 0; i < 3; ++i) {
    const int n = 9 + i;
    RadioButton[n] = new TRadioButton(frame, QStringLiteral("RadioButton%1").arg(n),
                                      QString::fromLatin1(units[i]), n == 10);
    RadioButton[n]->setGeometry(14 + 56 * i, 11, 50, 22);
  }
  RadioButton[9]->OnClick = [this] { RadioButton9Click(); };
  RadioButton[10]->OnClick = [this] { RadioButton10Click(); };
  RadioButton[11]->OnClick = [this] { RadioButton11Click(); };
}

void TFormPie::Edit1KeyPress(TEdit* sender, char16_t& key) { key = FilterNumericKey(key, sender); }

void TFormPie::Edit3KeyPress(TEdit*, char16_t& key) { key = DigitsOnly(key); }

Extended TFormPie::Scaled(Extended centimetres) const {
  if (RadioButton[9]->Checked()) return centimetres * 0.01L;
  if (RadioButton[11]->Checked()) return centimetres * 10.0L;
  return centimetres;
}

void TFormPie::BitBtn1Click() {
  if (Edit2->Text().isEmpty()) Edit2->SetText(QStringLiteral("0"));
  Extended feet = 0;
  if (!TryParseValue(Edit2->Text(), feet)) {
    Edit2->SetText(QStringLiteral("0"));
    return;
  }
  FeetValue = Store(feet);
  if (Edit3->Text().isEmpty()) Edit3->SetText(QStringLiteral("0"));
  InchValue = Store(Number(Edit3));
  if (Edit4->Text().isEmpty()) Edit4->SetText(QStringLiteral("0"));
  FractionNumerator = ReadInteger<std::uint32_t>(Edit4->Text(), 0);
  if (Edit5->Text().isEmpty()) Edit5->SetText(QStringLiteral("1"));
  FractionDenominator = ReadInteger<std::uint32_t>(Edit5->Text(), 1);
  if (FractionDenominator == 0) {
    FractionDenominator = 1;
    Edit5->SetText(QStringLiteral("1"));
  }
  CentimetreValue = Store(static_cast<Extended>(FeetValue) * kCmPerFoot +
                          static_cast<Extended>(InchValue) * kCmPerInch +
                          Divide(FractionNumerator, FractionDenominator) * kCmPerInch);
  CentimetreValue = Store(Scaled(CentimetreValue));
  Edit1->SetText(FormatValue(RoundTo(CentimetreValue, 4)));
}

void TFormPie::MetricFromTexts(std::uint32_t numerator, std::uint32_t denominator) {
  CentimetreValue = Store(Number(Edit2) * kCmPerFoot + Number(Edit3) * kCmPerInch +
                          Divide(numerator, denominator) * kCmPerInch);
  CentimetreValue = Store(Scaled(CentimetreValue));
  Edit1->SetText(FormatValue(RoundTo(CentimetreValue, 4)));
}

void TFormPie::BitBtn2Click() {
  if (Edit1->Text().isEmpty()) Edit1->SetText(QStringLiteral("0"));
  Extended metric = 0;
  if (!TryParseValue(Edit1->Text(), metric)) {
    platform::MessageBox(this, tr("\"%1\" no es un número válido.").arg(Edit1->Text()),
                         Text(kBoxCaption), platform::Icon::Warning);
    Edit1->SetFocus();
    return;
  }
  if (RadioButton[9]->Checked()) metric *= 100.0L;
  if (RadioButton[11]->Checked()) metric *= 0.1L;
  CentimetreValue = Store(metric);

  if (RadioButton[1]->Checked()) {
    FeetValue = Store(RoundTo(CentimetreValue * kFootPerCm, 5));
    Edit2->SetText(FormatValue(FeetValue));
    return;
  }
  // 1e-9 foot, so that a length a hair short of a whole inch or foot counts as reaching it.
  FeetValue = Store(CentimetreValue * kFootPerCm + 0.000000001L);

  if (RadioButton[2]->Checked()) {
    const double wholeFeet = std::floor(FeetValue);
    Edit2->SetText(FormatValue(wholeFeet));
    if (!(wholeFeet >= -0x1p63 && wholeFeet < 0x1p63)) {
      platform::ShowMessage(tr("%1 es demasiado para mi...").arg(FormatValue(CentimetreValue)));
      return;
    }
    // Rounded down, never to the nearest.
    InchValue = std::floor(Store((static_cast<Extended>(FeetValue) - wholeFeet) * 12.0L));
    Edit3->SetText(FormatValue(InchValue));
    MetricFromTexts(0, 1);
    return;
  }

  if (std::fabs(FeetValue) >= kFractionFeetLimit) {
    platform::ShowMessage(tr("%1 son demasiados pies para convertiren pies, pulgadas y "
                             "fracción.\nPuede convertirlos a número decimal")
                              .arg(FormatValue(FeetValue)));
    return;
  }
  FractionDenominator = static_cast<std::uint32_t>(FractionPrecision);
  InchValue = std::floor(Store((static_cast<Extended>(FeetValue) - std::floor(FeetValue)) * 12.0L));
  FeetValue = std::floor(FeetValue);
  const double rest = Store(CentimetreValue * kInchPerCm - FeetValue * 12.0L - InchValue);
  // The nearest number of steps, halves rounding up.
  FractionNumerator =
      FloorToInteger<std::uint32_t>(static_cast<Extended>(FractionDenominator) * rest + 0.5L);
  while (FractionNumerator != 0 && FractionNumerator % 2 == 0) {
    FractionNumerator /= 2;
    FractionDenominator /= 2;
  }
  if (FractionNumerator == 0) FractionDenominator = 1;
  if (FractionNumerator == 1 && FractionDenominator == 1) {
    // The rest rounded up to a whole inch, and maybe to a whole foot.
    FractionNumerator = 0;
    InchValue += 1;
    if (InchValue >= 12) {
      InchValue = 0;
      FeetValue += 1;
    }
  }
  Edit2->SetText(FormatValue(FeetValue));
  Edit3->SetText(FormatValue(InchValue));
  Edit4->SetText(QString::number(FractionNumerator));
  Edit5->SetText(QString::number(FractionDenominator));
  MetricFromTexts(FractionNumerator, FractionDenominator);
}

void TFormPie::Step(int direction) {
  if (RadioButton[1]->Checked()) {
    // The step buttons are off in decimal mode; this box is their guard.
    platform::MessageBox(this,
                         tr("La precisión actual es decimal.\nLos botones \"Ant\" y \"Sig\" dan la "
                            "medida anterior y siguiente, sólo cuando se indica la precisión como "
                            "fracción de pulgada: 1/2, 1/4, 1/8, 1/16, 1/32 ó 1/64"),
                         Text(kBoxCaption), platform::Icon::Information);
    return;
  }
  if (Edit2->Text().isEmpty()) Edit2->SetText(QStringLiteral("0"));
  FeetValue = Store(Number(Edit2));
  if (FeetValue == 0) Edit2->SetText(QStringLiteral("0"));
  InchValue = static_cast<double>(ReadInteger<std::int64_t>(Edit3->Text(), 0));
  if (InchValue == 0) Edit3->SetText(QStringLiteral("0"));
  FractionNumerator = ReadInteger<std::uint32_t>(Edit4->Text(), 0);
  if (FractionNumerator == 0) Edit4->SetText(QStringLiteral("0"));
  FractionDenominator = ReadInteger<std::uint32_t>(Edit5->Text(), 1);
  if (FractionDenominator == 0) {
    Edit5->SetText(QStringLiteral("1"));
    return;
  }
  if (FractionDenominator == 1) Edit5->SetText(QStringLiteral("1"));
  // The 0.00001 cm keeps an exact step from falling back below its boundary when the
  // conversion rounds down.
  CentimetreValue =
      Store((Divide(FractionNumerator, FractionDenominator) + InchValue) * kCmPerInch +
            FeetValue * static_cast<Extended>(kCmPerFoot) + 0.00001L);
  CentimetreValue =
      Store(CentimetreValue + direction * (static_cast<Extended>(kCmPerInch) / FractionPrecision));
  if (CentimetreValue < 0) CentimetreValue = 0;
  MetricUnit = RadioButton[9]->Checked() ? 1 : RadioButton[11]->Checked() ? 3 : 2;
  Edit1->SetText(FormatValue(Scaled(CentimetreValue)));
  BitBtn2Click();
  BitBtn2->setFocus(Qt::OtherFocusReason);
}

void TFormPie::SpeedButton1Click() { Step(-1); }

void TFormPie::SpeedButton2Click() { Step(+1); }

void TFormPie::EnableEdits(bool inches, bool fraction, bool steps) {
  const auto paint = [](TEdit* edit, bool enabled) {
    edit->setEnabled(enabled);
    platform::SetColor(edit, enabled ? platform::WindowColor() : platform::ButtonFaceColor());
  };
  paint(Edit3, inches);
  paint(Edit4, fraction);
  paint(Edit5, fraction);
  SpeedButton1->setEnabled(steps);
  SpeedButton2->setEnabled(steps);
}

void TFormPie::ResetFraction() {
  Edit4->SetText(QStringLiteral("0"));
  Edit5->SetText(QStringLiteral("1"));
}

void TFormPie::RadioButton1Click() {
  FractionPrecision = 0;
  Edit3->SetText(QStringLiteral("0"));
  ResetFraction();
  EnableEdits(false, false, false);
}

void TFormPie::RadioButton2Click() {
  FractionPrecision = 1;
  ResetFraction();
  EnableEdits(true, false, true);
}

void TFormPie::RadioButton3Click() {
  FractionPrecision = 2;
  EnableEdits(true, true, true);
}

void TFormPie::RadioButton4Click() {
  FractionPrecision = 4;
  EnableEdits(true, true, true);
}

void TFormPie::RadioButton5Click() {
  FractionPrecision = RadioButton[6]->Checked()   ? 16
                      : RadioButton[7]->Checked() ? 32
                      : RadioButton[8]->Checked() ? 64
                                                  : 8;
  EnableEdits(true, true, true);
}

void TFormPie::ChooseUnit(int unit) {
  const UnitCaptions& c = kUnitCaptions[unit - 1];
  Label2->SetCaption(Text(c.heading));
  BitBtn1->setText(Text(c.toMetric));
  BitBtn2->setText(Text(c.toFeet));
  platform::SetHint(BitBtn1, Text(c.hint), false);
  if (Edit1->Text().isEmpty()) Edit1->SetText(QStringLiteral("0"));
  const int previous = MetricUnit;
  // The unit follows the button even when the text does not read, so that the next rescaling
  // starts from the unit the window shows.
  MetricUnit = unit;
  if (previous == unit) return;
  Edit1->SetText(FormatValue(Number(Edit1) * kRescale[previous - 1][unit - 1]));
}

void TFormPie::RadioButton9Click() { ChooseUnit(1); }

void TFormPie::RadioButton10Click() { ChooseUnit(2); }

void TFormPie::RadioButton11Click() { ChooseUnit(3); }
