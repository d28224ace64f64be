#include "tools/length/Unidad1.h"

#include <QFont>
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
#include "value/Locale.h"

namespace {

constexpr double kMmPerInch = 25.4;
// The extended quotient of 1 by the double 25.4.
const Extended kInchPerMm = 1.0L / static_cast<Extended>(kMmPerInch);

// Millimetres above the first limit convert as one inch; whole inches whose millimetres
// exceed the second are set back to 1 and convert nothing.
constexpr Extended kMillimetreLimit = 1e20L;
constexpr Extended kInchLimitInMm = 1e300L;

constexpr const char* kTooFar = QT_TRANSLATE_NOOP("TForm1", "¿Hasta dónde quieres llegar hoy?");

// The designed outer size, 554 x 358, less the frame and caption of the desktop it was drawn
// on: the window opens at this size and cannot be made smaller.
constexpr int kClientWidth = 546;
constexpr int kClientHeight = 324;

QString Int(std::int64_t value) { return QString::number(value); }

// The text of a real number, rounded to 4 decimals.
QString Millimetres(Extended value) { return FormatValue(RoundTo(value, 4)); }

}  // namespace

TForm1::TForm1(QWidget* owner) : TForm(owner, QStringLiteral("Form1")) {
  SetCaption(tr(" Pulgadas <--> milímetros"));
  SetBorder(Border::Sizeable);
  SetClientSize(kClientWidth, kClientHeight);
  // The window can be enlarged but not shrunk below its designed size.
  setMinimumSize(kClientWidth, kClientHeight);
  SetPosition(Position::ScreenCenter);
  BuildControls();
  Edit1->setFocus(Qt::OtherFocusReason);
}

void TForm1::BuildControls() {
  BuildPrecisionChoice();
  BuildInchesBox();
  BuildConversionButtons();
  BuildMillimetresBox();

  BitBtn3 = new TBitBtn(this, QStringLiteral("BitBtn3"), tr("Volver"), TBitBtn::Kind::OK);
  BitBtn3->setGeometry(446, 266, 92, 30);

  StatusBar1 = new TStatusBar(this, QStringLiteral("StatusBar1"));
  StatusBar1->AddPanel(176, Qt::AlignHCenter);
  StatusBar1->AddPanel(300);
  StatusBar1->SetPanelText(1, tr("Precisión actual: 1/%1").arg(64));
  StatusBar1->AutoHint = true;
  StatusBar1->setSizeGripEnabled(true);

  Edit1->OnKeyPress = [this](TEdit* sender, char16_t& key) { Edit1KeyPress(sender, key); };
  Edit2->OnKeyPress = [this](TEdit* sender, char16_t& key) { Edit2KeyPress(sender, key); };
  Edit3->OnKeyPress = [this](TEdit* sender, char16_t& key) { Edit2KeyPress(sender, key); };
  Edit4->OnKeyPress = [this](TEdit* sender, char16_t& key) { Edit4KeyPress(sender, key); };

  SetTabChain({Edit1, Edit2, Edit3, BitBtn1, Edit4, BitBtn2, RadioButton1, RadioButton2,
               RadioButton3, RadioButton4, RadioButton5, RadioButton6, RadioButton7, BitBtn3});
}

void TForm1::BuildPrecisionChoice() {
  using platform::akLeft;
  using platform::akRight;
  using platform::akTop;

  RadioGroup1 = new TGroupBox(this, QStringLiteral("RadioGroup1"), tr("Ajustar a:"));
  RadioGroup1->SetBold(true);
  RadioGroup1->setGeometry(8, 2, 530, 46);
  platform::SetAnchors(RadioGroup1, akLeft | akTop | akRight);

  // The radio buttons lie over the box, all with the window as parent: one exclusive group.
  RadioButton1 = new TRadioButton(this, QStringLiteral("RadioButton1"), tr("decimales"));
  RadioButton1->setGeometry(16, 20, 84, 22);
  RadioButton1->OnClick = [this] { RadioButton1Click(); };
  TRadioButton** fractions[] = {&RadioButton2, &RadioButton3, &RadioButton4,
                                &RadioButton5, &RadioButton6, &RadioButton7};
  const char* const captions[] = {"1/2", "1/4", "1/8", "1/16", "1/32", "1/64"};
  for (int i = 0; i < 6; ++i) {
    auto* button =
        new TRadioButton(this, QStringLiteral("RadioButton%1").arg(i + 2),
                         QString::fromLatin1(captions[i]) + QStringLiteral(" \""), i == 5);
    button->setGeometry(104 + 70 * i, 20, 64, 22);
    platform::SetAnchors(button, akLeft | akTop | akRight);
    button->OnClick = [this, i] {
      if (i == 0) {
        RadioButton2Click();
      } else {
        RadioButton3Click();
      }
    };
    *fractions[i] = button;
  }
}

// Left: the inches, whole and fraction, and the step buttons.
void TForm1::BuildInchesBox() {
  auto* left = new TBevel(this, QStringLiteral("Bevel2"), TBevel::Shape::Box, true);
  left->setGeometry(8, 56, 202, 196);
  auto* label1 = new TLabel(this, QStringLiteral("Label1"), tr("Pulgadas"));
  label1->SetBold(true);
  label1->setGeometry(8, 62, 202, 18);
  label1->setAlignment(Qt::AlignCenter);
  PlaceLabel(this, QStringLiteral("Label2"), tr("Parte entera"), 20, 92);
  Edit1 = new TEdit(this, QStringLiteral("Edit1"));
  QFont larger = Edit1->font();
  larger.setPointSize(12);
  Edit1->setFont(larger);
  Edit1->setGeometry(20, 112, 92, 28);
  Edit1->SetMaxLength(10);
  PlaceLabel(this, QStringLiteral("Label3"), tr("Fracción"), 130, 80);
  Edit2 = new TEdit(this, QStringLiteral("Edit2"));
  Edit2->setGeometry(130, 98, 64, 22);
  AddFractionBar(this, QRect(130, 124, 64, 4));
  Edit3 = new TEdit(this, QStringLiteral("Edit3"), QStringLiteral("1"));
  Edit3->setGeometry(130, 132, 64, 22);
  NameFractionEdits(Edit2, Edit3);

  const StepButtons steps = AddStepButtons(this, QPoint(22, 204), QPoint(112, 204));
  SpeedButton1 = steps.previous;
  SpeedButton2 = steps.next;
  SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
  SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
}

// Middle: the conversions.
void TForm1::BuildConversionButtons() {
  //: a button: from inches (") to millimetres
  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), tr("\" a mm"));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
  BitBtn1->setLayoutDirection(Qt::RightToLeft);  // the picture right of the caption
  BitBtn1->setGeometry(222, 110, 102, 30);
  platform::SetHint(BitBtn1, tr("Convertir a mm"), true);
  BitBtn1->OnClick = [this] { BitBtn1Click(); };
  //: a button: from millimetres to inches (")
  BitBtn2 = new TBitBtn(this, QStringLiteral("BitBtn2"), tr("mm a \""));
  BitBtn2->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
  BitBtn2->setGeometry(222, 152, 102, 30);
  platform::SetHint(BitBtn2, tr("Convertir a pulgadas"), true);
  BitBtn2->OnClick = [this] { BitBtn2Click(); };
}

// Right: the millimetres and the reference; they keep to the right edge, with the button
// that converts them.
void TForm1::BuildMillimetresBox() {
  using platform::akRight;
  using platform::akTop;

  auto* right = new TBevel(this, QStringLiteral("Bevel3"), TBevel::Shape::Box, true);
  right->setGeometry(336, 56, 202, 196);
  auto* label4 = new TLabel(this, QStringLiteral("Label4"), tr("Milímetros"));
  label4->SetBold(true);
  label4->setGeometry(336, 62, 202, 18);
  label4->setAlignment(Qt::AlignCenter);
  Edit4 = new TEdit(this, QStringLiteral("Edit4"));
  Edit4->setGeometry(350, 108, 174, 24);
  auto* label5 =
      PlaceLabel(this, QStringLiteral("Label5"), tr("1 pulgada [inch, (\"), in] ="), 350, 170);
  auto* label6 = new TLabel(this, QStringLiteral("Label6"), QStringLiteral("25,4 mm"));
  label6->PlaceAt(524, 192, Qt::AlignRight);
  for (QWidget* w : {static_cast<QWidget*>(right), static_cast<QWidget*>(label4),
                     static_cast<QWidget*>(Edit4), static_cast<QWidget*>(label5),
                     static_cast<QWidget*>(label6), static_cast<QWidget*>(BitBtn2)}) {
    platform::SetAnchors(w, akTop | akRight);
  }
}

char16_t TForm1::SeparatorKey(const TEdit* edit, bool allowed) const {
  const char16_t separator = platform::DecimalSeparator();
  if (edit->Text().contains(QChar(separator)) || edit->Text().contains(u'n')) return 0;
  return allowed ? separator : 0;
}

void TForm1::Edit1KeyPress(TEdit* sender, char16_t& key) {
  if (DigitsOnly(key) != 0 || key == 3 || key == 22 || key == 24) return;
  if (key == u'.' || key == u',') {
    key = SeparatorKey(sender, RadioButton1->Checked());
    return;
  }
  key = 0;
}

void TForm1::Edit2KeyPress(TEdit*, char16_t& key) { key = DigitsOnly(key); }

void TForm1::Edit4KeyPress(TEdit* sender, char16_t& key) {
  if (DigitsOnly(key) != 0) return;
  key = (key == u'.' || key == u',') ? SeparatorKey(sender, true) : 0;
}

void TForm1::BitBtn1Click() {
  if (Edit1->Text().isEmpty()) Edit1->SetText(QStringLiteral("0"));

  if (RadioButton1->Checked() || Edit2->Text() == QLatin1String("0")) {
    const double millimetres = Store(ParseValue(Edit1->Text()) * kMmPerInch);
    if (millimetres > kInchLimitInMm) {
      platform::MessageBox(this, Text(kTooFar), QStringLiteral("Tarvel"), platform::Icon::Warning);
      Edit1->SetText(QStringLiteral("1"));
      return;
    }
    Edit4->SetText(Millimetres(millimetres));
    return;
  }

  WholeInches = ReadInteger<std::int64_t>(Edit1->Text(), 0);
  const Extended inches = ParseValue(Edit1->Text());
  if (WholeInches == 0 && inches != 0) {
    // A whole-inch text that is not an integer converts by itself; the fraction is ignored.
    Edit4->SetText(FormatValue(std::floor(Store(inches * 254000.0L + 0.5L)) * 0.0001L));
    return;
  }
  FractionNumerator = ReadInteger<std::int32_t>(Edit2->Text(), 0);
  if (FractionNumerator <= 0) {
    // A negative numerator (pasted) converts as the 0 the edit then shows.
    FractionNumerator = 0;
    Edit2->SetText(QStringLiteral("0"));
  }
  if (!ReadDenominator()) return;
  MillimetreValue = Store(Measure());
  MillimetreValue = Store(RoundTo(MillimetreValue, 4));
  Edit4->SetText(FormatValue(MillimetreValue));
}

void TForm1::BitBtn2Click() {
  if (Edit4->Text().isEmpty()) {
    Edit1->SetText(QStringLiteral("0"));
    Edit2->SetText(QStringLiteral("0"));
    Edit3->SetText(QStringLiteral("1"));
    Edit4->SetText(QStringLiteral("0"));
    return;
  }
  // A text beyond the range of a double counts as not a number, like any other.
  Extended read = 0;
  if (!TryParseValue(Edit4->Text(), read) || !std::isfinite(static_cast<double>(read))) {
    platform::ShowMessage(tr("\"%1\" no es un núnero válido.").arg(Edit4->Text()));
    BitBtn1Click();
    Edit4->SetFocus();
    return;
  }
  MillimetreValue = static_cast<double>(read);
  if (MillimetreValue > kMillimetreLimit) {
    platform::MessageBox(this, QStringLiteral("  %1  \n\n").arg(Text(kTooFar)),
                         QStringLiteral("Tarvel"), platform::Icon::Warning);
    MillimetreValue = kMmPerInch;
  }

  if (RadioButton1->Checked()) {
    Edit1->SetText(FormatValue(RoundTo(MillimetreValue * kInchPerMm, 5)));
    return;
  }

  const int p = FractionPrecision;
  // The added 1e-7 makes a length a hair short of a whole inch count as that inch.
  WholeInches = FloorToInteger<std::int64_t>(MillimetreValue * kInchPerMm + 0.0000001L);
  const double half = Store(kMmPerInch / static_cast<Extended>(p) * 0.5L);
  const double rest = Store(MillimetreValue - static_cast<Extended>(WholeInches) * kMmPerInch);
  if (rest >= 0 && rest < half) {
    FractionNumerator = 0;
    FractionDenominator = 1;
  } else {
    FractionNumerator = FloorToInteger<std::int32_t>(rest * 0.5L / half + 0.5L);
    FractionDenominator = FractionNumerator != 0 ? p : 1;
    // Reduced; the denominator never drops below 1.
    while (FractionNumerator != 0 && FractionNumerator % 2 == 0 && FractionDenominator > 1) {
      FractionNumerator /= 2;
      FractionDenominator /= 2;
    }
  }
  if (FractionNumerator == 1 && FractionDenominator == 1) {
    // The rest rounded up to a whole inch.
    FractionNumerator = 0;
    WholeInches += 1;
  }
  Edit1->SetText(Int(WholeInches));
  Edit2->SetText(Int(FractionNumerator));
  Edit3->SetText(Int(FractionDenominator));
  MillimetreValue = Store(RoundTo(Measure(), 4));
  Edit4->SetText(FormatValue(MillimetreValue));
}

bool TForm1::ReadDenominator() {
  FractionDenominator = ReadInteger<std::int32_t>(Edit3->Text(), 1);
  if (FractionDenominator <= 0) {
    Edit3->SetText(QStringLiteral("1"));
    return false;
  }
  if (FractionDenominator == 1) Edit3->SetText(QStringLiteral("1"));  // "01" becomes "1"
  return true;
}

Extended TForm1::Measure() const {
  return (Divide(FractionNumerator, FractionDenominator) + static_cast<Extended>(WholeInches)) *
         kMmPerInch;
}

void TForm1::Step(int direction) {
  WholeInches = ReadInteger<std::int64_t>(Edit1->Text(), 0);
  if (WholeInches == 0) Edit1->SetText(QStringLiteral("0"));
  FractionNumerator = ReadInteger<std::int32_t>(Edit2->Text(), 0);
  if (FractionNumerator == 0) Edit2->SetText(QStringLiteral("0"));
  if (!ReadDenominator()) return;
  MillimetreValue = Store(Measure());
  MillimetreValue =
      Store(MillimetreValue + direction * (kMmPerInch / static_cast<Extended>(FractionPrecision)));
  if (MillimetreValue < 0) MillimetreValue = 0;
  MillimetreValue = Store(RoundTo(MillimetreValue, 4));
  Edit4->SetText(FormatValue(MillimetreValue));
  BitBtn2Click();
  BitBtn2->setFocus(Qt::OtherFocusReason);
}

void TForm1::SpeedButton1Click() { Step(-1); }

void TForm1::SpeedButton2Click() { Step(+1); }

void TForm1::EnableFraction(bool enabled) {
  const QColor face = enabled ? platform::WindowColor() : platform::ButtonFaceColor();
  for (TEdit* edit : {Edit2, Edit3}) {
    edit->setEnabled(enabled);
    platform::SetColor(edit, face);
  }
  SpeedButton1->setEnabled(enabled);
  SpeedButton2->setEnabled(enabled);
}

void TForm1::RadioButton1Click() {
  Edit2->SetText(QStringLiteral("0"));
  Edit3->SetText(QStringLiteral("1"));
  EnableFraction(false);
  StatusBar1->SetPanelText(1, tr("Precisión actual: decimal."));
}

void TForm1::RadioButton2Click() {
  FractionPrecision = 2;
  EnableFraction(true);
  StatusBar1->SetPanelText(1, tr("Precisión actual: 1/2 "));
}

void TForm1::RadioButton3Click() {
  if (RadioButton4->Checked()) {
    FractionPrecision = 8;
  } else if (RadioButton5->Checked()) {
    FractionPrecision = 16;
  } else if (RadioButton6->Checked()) {
    FractionPrecision = 32;
  } else if (RadioButton7->Checked()) {
    FractionPrecision = 64;
  } else {
    FractionPrecision = 4;
  }
  EnableFraction(true);
  StatusBar1->SetPanelText(1, tr("Precisión actual: 1/%1").arg(FractionPrecision));
}
