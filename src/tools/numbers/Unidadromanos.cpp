#include "tools/numbers/Unidadromanos.h"

#include <QColor>
#include <QFont>
#include <algorithm>
#include <iterator>

#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Hints.h"
#include "platform/Messages.h"
#include "value/Integers.h"

namespace {

struct Numeral {
  int value;
  const char* symbol;
};
constexpr Numeral kNumerals[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                                 {90, "XC"},  {50, "L"},   {40, "XL"}, {10, "X"},   {9, "IX"},
                                 {5, "V"},    {4, "IV"},   {1, "I"}};
constexpr char kThousands = ')';

// What a letter adds when read: alone, or together with the letter after it when that is
// one of the two it stands before in a subtraction (CM, CD, XC, XL, IX, IV).
struct Reading {
  char16_t symbol;
  unsigned alone;
  char16_t first = 0;
  unsigned beforeFirst = 0;
  char16_t second = 0;
  unsigned beforeSecond = 0;
};
constexpr Reading kReadings[] = {{'M', 1000},
                                 {'D', 500},
                                 {'L', 50},
                                 {'V', 5},
                                 {'C', 100, 'M', 900, 'D', 400},
                                 {'X', 10, 'C', 90, 'L', 40},
                                 {'I', 1, 'X', 9, 'V', 4}};

const QColor kPurple(0x80, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kConventionHintColor(193, 193, 255);

constexpr int kLongNumeral = 45;  // from this length on the edit shows its numeral in a hint

constexpr const char* kConvention = QT_TRANSLATE_NOOP(
    "TFormRomanos",
    "   Para facilitar la presentación, se ha adoptado la siguiente \n convención:\n   Toda "
    "letra, o sucesión, seguida por uno, dos, tres, etc., \n paréntesis, representa su valor en "
    "miles, millones, ... lo que \n se interpreta como una rayita sobrepuesta hasta esa letra. "
    "\n   Por ejemplo: V) = 5000;  L) = 50000;  M) = 1000000; \n M)XX = 1000020;  LII)) = "
    "52000000.");

// The numeral of n appended to out; a signed 64-bit number takes at most 7 groups of 13.
void AppendRoman(int64_t n, char* out, int& length) {
  int i = 0;
  while (n > 0) {
    if (n >= 4000) {
      const int64_t q = n / 1000;
      AppendRoman(q, out, length);
      out[length++] = kThousands;
      n -= q * 1000;
      continue;
    }
    while (kNumerals[i].value <= n) {
      for (const char* s = kNumerals[i].symbol; *s; ++s) out[length++] = *s;
      n -= kNumerals[i].value;
    }
    ++i;
  }
}

bool EndsANumeral(QChar c) { return QStringView(u"MCDXLIV)").contains(c); }

void HintsAtOnceAndForGood() {
  platform::SetHintPause(0);
  platform::SetHintHidePause(platform::kHintNever);
}

}  // namespace

QString ToRoman(int64_t n) {
  char numeral[128];
  int length = 0;
  AppendRoman(n, numeral, length);
  return QString::fromLatin1(numeral, length);
}

uint64_t FromRoman(QStringView text) {
  uint64_t value = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = text[i].unicode();
    if (c == kThousands) {
      value *= 1000;
      continue;
    }
    const Reading* reading = std::find_if(std::begin(kReadings), std::end(kReadings),
                                          [c](const Reading& r) { return r.symbol == c; });
    if (reading == std::end(kReadings)) continue;
    const char16_t following = i + 1 < n ? text[i + 1].unicode() : 0;
    if (following != 0 && following == reading->first) {
      value += reading->beforeFirst;
      ++i;
    } else if (following != 0 && following == reading->second) {
      value += reading->beforeSecond;
      ++i;
    } else {
      value += reading->alone;
    }
  }
  return value;
}

TFormRomanos::TFormRomanos(QWidget* owner) : TForm(owner, QStringLiteral("FormRomanos")) {
  SetCaption(tr(" Tarvel - números romanos"));
  SetBorder(Border::Single);
  SetClientSize(383, 178);
  SetPosition(Position::Default);
  QFont arial(QFont::substitute(QStringLiteral("Arial")));
  arial.setPixelSize(12);
  setFont(arial);
  QFont bold = arial;
  bold.setPixelSize(13);
  bold.setBold(true);

  Edit1 = new TEdit(this, QStringLiteral("Edit1"), QString());
  Edit1->setGeometry(96, 48, 265, 23);
  Edit1->setFont(bold);
  Edit1->SetMaxLength(18);
  Edit2 = new TEdit(this, QStringLiteral("Edit2"), QString());
  Edit2->setGeometry(96, 88, 265, 23);
  Edit2->setFont(bold);
  Edit2->SetUpperCase(true);
  Edit2->setMouseTracking(true);
  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), tr("Volver"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(278, 136, 83, 27);
  SetCancelButton(BitBtn1);

  Label4 = PlaceLabel(this, QStringLiteral("Label4"),
                      tr("Convierte números arábigos (o indios) en romanos, y viceversa."), 22, 16,
                      kNavy);
  Label1 = AttachLabel(Edit1, QStringLiteral("Label1"), tr("Arábigos:"));
  Label2 = AttachLabel(Edit2, QStringLiteral("Label2"), tr("Romanos:"));
  Label3 = PlaceLabel(this, QStringLiteral("Label3"), tr("Convención"), 22, 142, kPurple);
  Label3->SetUnderline(true);
  Label3->adjustSize();
  Label3->setCursor(Qt::WhatsThisCursor);
  ConventionHint = Text(kConvention);

  Edit1->OnChange = [this](TEdit*) { Edit1Change(); };
  Edit2->OnChange = [this](TEdit*) { Edit2Change(); };
  Edit2->OnMouseMove = [this](TEdit*, QMouseEvent*) { Edit2MouseMove(); };
  Label3->OnClick = [this] { Label3Click(); };
  OnClose = [this] { FormClose(); };
}

void TFormRomanos::Edit1Change() {
  if (Edit2->Focused()) return;
  Edit2->SetText(ToRoman(ReadInt64(Edit1->Text())));
}

void TFormRomanos::Edit2Change() {
  if (Edit1->Focused()) return;
  const QString numeral = Edit2->Text();
  if (numeral.isEmpty() || !EndsANumeral(numeral.back())) {
    Edit1->SetText(QString());
    return;
  }
  const uint64_t value = FromRoman(numeral);
  const QString canonical = ToRoman(static_cast<int64_t>(value));
  if (canonical == numeral) {
    Edit1->SetText(QString::number(value));
  } else if (canonical.isEmpty()) {
    Edit2->SelectAll();
    platform::ShowMessage(tr("Se produjo un error al procesar este número."));
  } else {
    platform::ShowMessage(
        tr("%1 no es un número romano \n(o excede la capacidad de cálculo).").arg(numeral));
  }
}

void TFormRomanos::Edit2MouseMove() {
  const QString numeral = Edit2->Text();
  if (numeral.size() < kLongNumeral) {
    Edit2->setToolTip(QString());
    return;
  }
  HintsAtOnceAndForGood();
  Edit2->setToolTip(tr("%1\nPuede copiar este número, y pegarlo en otra aplicación.").arg(numeral));
}

void TFormRomanos::Label3Click() {
  if (!Label3->toolTip().isEmpty()) {
    Label3->setToolTip(QString());
    Label3->SetFontColor(kPurple);
    return;
  }
  Label3->SetFontColor(kBlue);
  HintsAtOnceAndForGood();
  platform::SetHintColor(kConventionHintColor);
  Label3->setToolTip(ConventionHint);
}

void TFormRomanos::FormClose() { platform::SetHintColor(platform::SystemHintColor()); }
