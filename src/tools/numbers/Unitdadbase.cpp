#include "tools/numbers/Unitdadbase.h"

#include <cmath>

#include "platform/ComboBox.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "value/Integers.h"

namespace {

constexpr int kStartBase = 10;
constexpr int kEditWidth = 385;
constexpr int kBoxWidth = 41;
constexpr int kLeft = 23;

// d × base^exponent + value in extended precision, its integer part kept to 64 bits.
uint64_t Accumulate(int d, int base, qsizetype exponent, uint64_t value) {
  if (d == 0) return value;
  long double power = 1;
  for (qsizetype k = 0; k < exponent && std::isfinite(power); ++k) power *= base;
  const long double sum = static_cast<long double>(d) * power + static_cast<long double>(value);
  if (!std::isfinite(sum)) return 0;
  // Only a base above 36, typed into its box, reaches beyond 64 bits: the sum wraps.
  constexpr long double kWrap = 18446744073709551616.0L;  // 2^64
  const long double kept = sum < kWrap ? sum : std::fmod(sum, kWrap);
  return static_cast<uint64_t>(kept);
}

TComboBox* MakeBaseBox(QWidget* parent, const QString& name) {
  auto* box = new TComboBox(parent, name);
  for (int base = 2; base <= 36; ++base) box->addItem(QString::number(base));
  box->SetText(QString::number(kStartBase));
  box->SetMaxLength(2);
  return box;
}

TEdit* MakeNumberEdit(QWidget* parent, const QString& name, int y) {
  auto* edit = new TEdit(parent, name);
  edit->setGeometry(kLeft, y, kEditWidth, 21);
  edit->SetUpperCase(true);
  edit->SetMaxLength(MaxLengthForBase(kStartBase));
  return edit;
}

}  // namespace

uint64_t ReadInBase(const QString& text, int base) {
  const qsizetype n = text.size();
  uint64_t value = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const int c = text[i].unicode();
    const bool decimalDigit = c >= '0' && c <= '9';
    if (base <= 10 && !decimalDigit) return 0;
    if (base > 10) {
      if (text[i].isLetter() && c - 'A' > base - 11) return 0;
      if (c < '0' || c > 'Z' || (c > '9' && c < 'A')) return 0;
    }
    int d = decimalDigit ? c - '0' : c - 'A' + 10;
    if (d >= base) d = 0;  // '7' in base 2
    value = Accumulate(d, base, n - 1 - i, value);
  }
  return value;
}

QString WriteInBase(uint64_t value, int base) {
  if (base < 2 || base > 36) return QString();
  if (value == 0) return QStringLiteral("0");
  char digits[64];
  int count = 0;
  const auto b = static_cast<uint64_t>(base);
  while (value != 0) {
    const int d = static_cast<int>(value % b);
    digits[count++] = static_cast<char>(d < 10 ? '0' + d : 'A' + d - 10);
    value /= b;
  }
  QString text(count, Qt::Uninitialized);
  for (int i = 0; i < count; ++i) text[i] = QLatin1Char(digits[count - 1 - i]);
  return text;
}

int MaxLengthForBase(int base) {
  static constexpr int kLengths[] = {63, 38, 30, 26, 24, 22, 20, 19, 18, 17, 17,
                                     17, 16, 16, 15, 15, 15, 14, 14, 14, 13};
  if (base >= 2 && base <= 22) return kLengths[base - 2];
  return 12;
}

TFormBase::TFormBase(QWidget* owner) : TForm(owner, QStringLiteral("FormBase")) {
  SetCaption(tr("  Tarvel - Base de numeración"));
  SetBorder(Border::Single);
  SetClientSize(431, 218);
  SetPosition(Position::Default);

  // Created in tab order: the upper base box first, so that it has the focus at the start.
  ComboBox1 = MakeBaseBox(this, QStringLiteral("ComboBox1"));
  ComboBox1->setGeometry(kLeft + kEditWidth - kBoxWidth, 62, kBoxWidth, 21);
  Edit1 = MakeNumberEdit(this, QStringLiteral("Edit1"), 36);
  Edit2 = MakeNumberEdit(this, QStringLiteral("Edit2"), 122);
  ComboBox2 = MakeBaseBox(this, QStringLiteral("ComboBox2"));
  ComboBox2->setGeometry(kLeft + kEditWidth - kBoxWidth, 148, kBoxWidth, 21);
  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), tr("Volver"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(kLeft + kEditWidth - 83, 182, 83, 27);
  SetCancelButton(BitBtn1);

  Label1 = PlaceLabel(this, QStringLiteral("Label1"),
                      tr("Elija la base de numeración y escriba el número que desea convertir:"),
                      kLeft, 16);
  Label3 = AttachLabel(ComboBox1, QStringLiteral("Label3"), tr("Base:"));
  Label2 = PlaceLabel(this, QStringLiteral("Label2"), tr("Equivale a:"), kLeft, 102);
  Label4 = AttachLabel(ComboBox2, QStringLiteral("Label4"), tr("Base:"));

  Edit1->OnChange = [this](TEdit*) { Edit1Change(); };
  Edit2->OnChange = [this](TEdit*) { Edit2Change(); };
  ComboBox1->OnChange = [this](TComboBox*) { ComboBox1Change(); };
  ComboBox2->OnChange = [this](TComboBox*) { ComboBox2Change(); };
}

void TFormBase::Rewrite(TEdit* target, int targetBase, const TEdit* source, int sourceBase) {
  target->SetText(WriteInBase(ReadInBase(source->Text(), sourceBase), targetBase));
}

int TFormBase::TakeBase(const TComboBox* box, TEdit* edit) {
  // The box's text as a decimal integer; base 10 when it is none.
  const int base = ReadInteger<int>(box->Text(), kStartBase);
  edit->SetMaxLength(MaxLengthForBase(base));
  return base;
}

void TFormBase::Edit1Change() {
  if (ComboBox1->hasFocus() || Edit2->Focused()) return;
  Rewrite(Edit2, LowerBase, Edit1, UpperBase);
}

void TFormBase::Edit2Change() {
  if (ComboBox2->hasFocus() || Edit1->Focused()) return;
  Rewrite(Edit1, UpperBase, Edit2, LowerBase);
}

void TFormBase::ComboBox1Change() {
  UpperBase = TakeBase(ComboBox1, Edit1);
  Rewrite(Edit1, UpperBase, Edit2, LowerBase);
}

void TFormBase::ComboBox2Change() {
  LowerBase = TakeBase(ComboBox2, Edit2);
  Rewrite(Edit2, LowerBase, Edit1, UpperBase);
}
