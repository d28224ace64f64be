#include "tools/physical/Unidadtemp.h"

#include <QColor>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"

namespace {

constexpr int kEditBound = 21;  // the clearing looks this far; only Edit1 to Edit5 exist
constexpr int kDecimals = 5;

// 1.8, 0.8, 273.15 and 459.67 are doubles; 32, 10 and 0.125 are exact; 1/18 is extended.
constexpr Extended kFahrenheitPerDegree = 1.8;
constexpr Extended kReaumurPerDegree = 0.8;
constexpr Extended kZeroCelsius = 273.15;
constexpr Extended kZeroFahrenheit = 459.67;
constexpr Extended kFreezing = 32.0L;
constexpr Extended kTen = 10.0L;
constexpr Extended kEighth = 0.125L;
constexpr Extended kEighteenth = 1.0L / 18.0L;

const QColor kTeal(0x00, 0x80, 0x80);
const QColor kRed(0xFF, 0x00, 0x00);

}  // namespace

TFormTemp::TFormTemp(QWidget* owner) : TForm(owner, QStringLiteral("FormTemp")) {
  SetCaption(QStringLiteral("Unidades de temperatura"));
  SetBorder(Border::Single);
  SetClientSize(356, 246);
  SetPosition(Position::ScreenCenter);

  // One row per scale, top to bottom: Celsius, Fahrenheit, Kelvin, Rankine, Réaumur.
  struct Row {
    TEdit** edit;
    int n;
    const char* caption;
    QColor color;
  };
  const Row rows[] = {
      {&Edit1, 1, "Celsius o Centígrado (C)", kNavy},
      {&Edit2, 2, "Fahrenheit (F)", kNavy},
      {&Edit4, 4, "Kelvin o Absoluta (K)", kNavy},
      {&Edit5, 5, "Rankine [r]", kNavy},
      {&Edit3, 3, "Réaumur (R)", kTeal},
  };
  int y = 24;
  for (const Row& row : rows) {
    TEdit* edit = new TEdit(this, QStringLiteral("Edit%1").arg(row.n));
    *row.edit = edit;
    edit->setGeometry(208, y, 121, 21);
    TLabel* label = AttachLabel(edit, QStringLiteral("Label%1").arg(row.n),
                                QString::fromUtf8(row.caption), row.color, true);
    if (row.n == 4) Label4 = label;
    y += 32;
  }
  WireKeyHandlers(this, {Edit1, Edit2, Edit3, Edit4, Edit5}, &TFormTemp::Edit1KeyDown,
                  &TFormTemp::Edit1KeyPress);
  Edit1->OnChange = [this](TEdit*) { Edit1Change(); };
  Edit2->OnChange = [this](TEdit*) { Edit2Change(); };
  Edit3->OnChange = [this](TEdit*) { Edit3Change(); };
  Edit4->OnChange = [this](TEdit*) { Edit4Change(); };
  Edit5->OnChange = [this](TEdit*) { Edit5Change(); };

  BitBtn1 =
      new TBitBtn(this, QStringLiteral("BitBtn1"), QStringLiteral("Volver"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(246, y + 8, 83, 27);

  SetTabChain({Edit1, Edit2, Edit3, Edit4, BitBtn1, Edit5});

  ActiveEdit = Edit1;
}

void TFormTemp::Edit1Change() {
  if (!HubPassStarts(Updating, Edit1, kEditBound)) return;
  // A relayed value comes unrounded in the field, never through Edit1's rounded text.
  ReadIfFocused(Edit1, Celsius);
  const Extended c = Celsius;
  if (ActiveEdit != Edit2)
    WriteValue(Edit2, Fahrenheit, c * kFahrenheitPerDegree + kFreezing, kDecimals);
  if (ActiveEdit != Edit3) WriteValue(Edit3, Reaumur, c * kReaumurPerDegree, kDecimals);
  if (ActiveEdit != Edit4) {
    WriteValue(Edit4, Kelvin, c + kZeroCelsius, kDecimals);
    ShowKelvinSign();
  }
  // From the Fahrenheit field: the typed value when the pass came from Fahrenheit.
  if (ActiveEdit != Edit5) {
    WriteValue(Edit5, Rankine, static_cast<Extended>(Fahrenheit) + kZeroFahrenheit, kDecimals);
  }
}

template <class ToCelsius>
bool TFormTemp::Relay(TEdit* edit, double& field, ToCelsius toCelsius) {
  if (!ChangePrologue(edit, kEditBound)) return false;
  // Unless the user is typing here, the Celsius pass has just stored this edit's value.
  ReadIfFocused(edit, field);
  if (ActiveEdit == Edit1 || Updating) return false;
  // The pass this write starts skips this edit, the source, and fills the three others.
  WriteValue(Edit1, Celsius, toCelsius(static_cast<Extended>(field)), kDecimals);
  return true;
}

void TFormTemp::Edit2Change() {
  Relay(Edit2, Fahrenheit, [](Extended f) { return (f - kFreezing) * kTen * kEighteenth; });
}

void TFormTemp::Edit3Change() {
  Relay(Edit3, Reaumur, [](Extended r) { return r * kTen * kEighth; });
}

void TFormTemp::Edit4Change() {
  if (Relay(Edit4, Kelvin, [](Extended k) { return k - kZeroCelsius; })) ShowKelvinSign();
}

void TFormTemp::Edit5Change() {
  Relay(Edit5, Rankine,
        [](Extended ra) { return (ra - kZeroFahrenheit - kFreezing) * kTen * kEighteenth; });
}

// The window's only sign of a temperature below absolute zero; clearing leaves it as it is.
void TFormTemp::ShowKelvinSign() { Label4->SetFontColor(Kelvin >= 0 ? kNavy : kRed); }
