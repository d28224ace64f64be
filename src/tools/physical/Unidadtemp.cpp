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

constexpr int kCelsius = 1;  // the hub
constexpr int kFahrenheit = 2;
constexpr int kReaumur = 3;
constexpr int kKelvin = 4;
constexpr int kRankine = 5;

const QColor kTeal(0x00, 0x80, 0x80);
const QColor kRed(0xFF, 0x00, 0x00);

// One row per scale, top to bottom, 32 pixels apart.
struct Scale {
  int edit;
  const char* caption;  // UTF-8, marked for translation in the window's context
  bool teal;
};
constexpr Scale kScales[] = {
    {kCelsius, QT_TRANSLATE_NOOP("TFormTemp", "Celsius o Centígrado (C)"), false},
    {kFahrenheit, QT_TRANSLATE_NOOP("TFormTemp", "Fahrenheit (F)"), false},
    //: the Kelvin or absolute scale
    {kKelvin, QT_TRANSLATE_NOOP("TFormTemp", "Kelvin o Absoluta (K)"), false},
    //: the Rankine scale
    {kRankine, QT_TRANSLATE_NOOP("TFormTemp", "Rankine [r]"), false},
    //: the Réaumur scale
    {kReaumur, QT_TRANSLATE_NOOP("TFormTemp", "Réaumur (R)"), true},
};
constexpr int kTop = 24;
constexpr int kPitch = 32;
constexpr int kScaleCount = sizeof kScales / sizeof kScales[0];

// The Celsius pass's writes; Rankine comes after Fahrenheit, from which it is derived.
constexpr int kWriteOrder[] = {kFahrenheit, kReaumur, kKelvin, kRankine};
constexpr int kTabOrder[] = {kCelsius, kFahrenheit, kReaumur, kKelvin, 0, kRankine};

constexpr HubWindow kWindow{.name = "FormTemp",
                            .caption = QT_TRANSLATE_NOOP("TFormTemp", "Unidades de temperatura"),
                            .clientSize = {356, 246},
                            .lastEdit = kRankine,
                            .clearsTo = kEditBound,
                            .keys = SourceKeys::KeyDownAndPress,
                            .volver = {246, kTop + kScaleCount* kPitch + 8, 83, 27}};

// Celsius from a value t of scale n.
Extended ToCelsius(int n, Extended t) {
  switch (n) {
    case kFahrenheit: return (t - kFreezing) * kTen * kEighteenth;
    case kReaumur: return t * kTen * kEighth;
    case kKelvin: return t - kZeroCelsius;
    case kRankine: return (t - kZeroFahrenheit - kFreezing) * kTen * kEighteenth;
    default: return t;
  }
}

}  // namespace

TFormTemp::TFormTemp(QWidget* owner) : THubForm(owner, kWindow) {
  int y = kTop;
  for (const Scale& scale : kScales) {
    PlaceEdit(scale.edit, 208, y);
    TLabel* label = Label(scale.edit, Text(scale.caption), scale.teal ? kTeal : kNavy);
    if (scale.edit == kKelvin) Label4 = label;
    y += kPitch;
  }
  WireChanges(kCelsius, &TFormTemp::Edit1Change, &TFormTemp::UnitChange);
  Finish(kTabOrder);
}

Extended TFormTemp::FromCelsius(int n, Extended c) const {
  switch (n) {
    case kFahrenheit: return c * kFahrenheitPerDegree + kFreezing;
    case kReaumur: return c * kReaumurPerDegree;
    case kKelvin: return c + kZeroCelsius;
    // From the Fahrenheit field: the typed value when the pass came from Fahrenheit.
    case kRankine: return static_cast<Extended>(Value[kFahrenheit]) + kZeroFahrenheit;
    default: return c;
  }
}

void TFormTemp::Edit1Change() {
  // A relayed value comes unrounded in the field, never through Edit1's rounded text.
  HubPass(kCelsius, [this] {
    const Extended c = Value[kCelsius];
    for (int n : ToWrite(kWriteOrder)) {
      WriteValue(Edits[n], Value[n], FromCelsius(n, c), kDecimals);
      if (n == kKelvin) ShowKelvinSign();
    }
  });
}

void TFormTemp::UnitChange(int n) {
  if (!UnitReads(n)) return;
  // The pass this write starts skips this edit, the source, and fills the three others.
  if (HandToHub(kCelsius, ToCelsius(n, Value[n]), kDecimals) && n == kKelvin) ShowKelvinSign();
}

// The window's only sign of a temperature below absolute zero; clearing leaves it as it is.
void TFormTemp::ShowKelvinSign() { Label4->SetFontColor(Value[kKelvin] >= 0 ? kNavy : kRed); }
