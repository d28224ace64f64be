#include "tools/physical/Unidadpotencia.h"

#include "numeric/Numeric.h"
#include "platform/Edit.h"
#include "platform/Messages.h"

namespace {

constexpr int kEditBound = 26;
constexpr int kHub = 1;             // watts
constexpr int kJoulePerSecond = 6;  // shows the base itself; its double is never written
constexpr int kGuarded = 18;        // "atm.cm³/hora": the largest factor, written first
constexpr Extended kLimit = 1e300L;

// Extended-precision constants: the reciprocals of the watts of a unit, and the fractions.
constexpr Extended Inverse(double watts) { return 1.0L / watts; }
constexpr Extended kPerMinute = 1.0L / 60;
constexpr Extended kPerHour = 1.0L / 3600;
constexpr Extended kMilli = 0.001L;

constexpr double kAtmCm3 = 0.101325;  // watts in one atm.cm³ per second
constexpr double kKgm = 9.80665;
constexpr double kLbIn = 0.112985;
constexpr double kKcal = 4185.5;
constexpr double kBtu = 1055.06;
constexpr Extended kWattToAtmCm3PerHour = Inverse(2.8145833333333334e-5);
constexpr Extended kWattToBtuPerSecond = Inverse(kBtu);

struct PowerUnit {
  int edit;
  const char* caption;  // UTF-8, marked for translation in the window's context
  // In the hub's pass: the value of edit `source` (the hub itself or a unit written before)
  // times fromSource.
  int source;
  Factors fromSource;
  // A value typed here times intoBase gives watts.
  Factors intoBase;
};

// The hub's order of writes.
constexpr PowerUnit kUnits[] = {
    {18,
     //: atmosphere times cubic centimetre, per hour
     QT_TRANSLATE_NOOP("TFormPotencia", "atm.cm³/hora"),
     kHub,
     {{kWattToAtmCm3PerHour}},
     {{2.8145833333333334e-5}}},
    //: kilowatt
    {2, QT_TRANSLATE_NOOP("TFormPotencia", "kwatt"), kHub, {{kMilli}}, {{1000}}},
    //: megawatt
    {3, QT_TRANSLATE_NOOP("TFormPotencia", "Mwatt"), 2, {{kMilli}}, {{1000000}}},
    {4, QT_TRANSLATE_NOOP("TFormPotencia", "Joule/hora"), kHub, {{3600}}, {{kPerHour}}},
    {5, QT_TRANSLATE_NOOP("TFormPotencia", "Joule/min"), kHub, {{60}}, {{kPerMinute}}},
    {kJoulePerSecond, QT_TRANSLATE_NOOP("TFormPotencia", "Joule/seg"), kHub, {{1}}, {{1}}},
    //: kilogram-force metre per hour
    {7, QT_TRANSLATE_NOOP("TFormPotencia", "kg.m/hora"), 4, {{Inverse(kKgm)}}, {{kKgm, kPerHour}}},
    {8, QT_TRANSLATE_NOOP("TFormPotencia", "kg.m/min"), 7, {{kPerMinute}}, {{kKgm, kPerMinute}}},
    {9, QT_TRANSLATE_NOOP("TFormPotencia", "kg.m/seg"), 8, {{kPerMinute}}, {{kKgm}}},
    {10, QT_TRANSLATE_NOOP("TFormPotencia", "HP"), kHub, {{Inverse(745.701)}}, {{745.701}}},
    //: metric horsepower
    {11, QT_TRANSLATE_NOOP("TFormPotencia", "HP (métrico)"), 8, {{1.0L / 4500}}, {{75, kKgm}}},
    {12,
     //: inch-pound (force) per hour
     QT_TRANSLATE_NOOP("TFormPotencia", "libra.pulg/hora"),
     4,
     {{Inverse(kLbIn)}},
     {{kLbIn, kPerHour}}},
    {13,
     QT_TRANSLATE_NOOP("TFormPotencia", "libra.pulg/min"),
     12,
     {{kPerMinute}},
     {{kLbIn, kPerMinute}}},
    {14, QT_TRANSLATE_NOOP("TFormPotencia", "libra.pulg/seg"), 13, {{kPerMinute}}, {{kLbIn}}},
    {15,
     //: foot-pound (force) per hour
     QT_TRANSLATE_NOOP("TFormPotencia", "libra.pie/hora"),
     12,
     {{1.0L / 12}},
     {{kLbIn, kPerHour, 12}}},
    {16,
     QT_TRANSLATE_NOOP("TFormPotencia", "libra.pie/min"),
     15,
     {{kPerMinute}},
     {{kLbIn, kPerMinute, 12}}},
    {17, QT_TRANSLATE_NOOP("TFormPotencia", "libra.pie/seg"), 16, {{kPerMinute}}, {{kLbIn, 12}}},
    // A double of 15 digits, not the reciprocal of the relay's factor.
    {20,
     QT_TRANSLATE_NOOP("TFormPotencia", "atm.cm³/seg"),
     kHub,
     {{9.86923266716014}},
     {{kAtmCm3}}},
    {19,
     QT_TRANSLATE_NOOP("TFormPotencia", "atm.cm³/min"),
     kHub,
     {{kWattToAtmCm3PerHour, kPerMinute}},
     {{kAtmCm3, kPerMinute}}},
    {21,
     QT_TRANSLATE_NOOP("TFormPotencia", "kcal/hora"),
     kHub,
     {{Inverse(kKcal), 3600}},
     {{kKcal, kPerHour}}},
    {22, QT_TRANSLATE_NOOP("TFormPotencia", "kcal/min"), 21, {{kPerMinute}}, {{kKcal, kPerMinute}}},
    {23, QT_TRANSLATE_NOOP("TFormPotencia", "kcal/seg"), 22, {{kPerMinute}}, {{kKcal}}},
    {24,
     QT_TRANSLATE_NOOP("TFormPotencia", "BTU/hora"),
     kHub,
     {{kWattToBtuPerSecond, 3600}},
     {{kBtu, kPerHour}}},
    {25,
     QT_TRANSLATE_NOOP("TFormPotencia", "BTU/min"),
     kHub,
     {{kWattToBtuPerSecond, 60}},
     {{kBtu, kPerMinute}}},
    {26, QT_TRANSLATE_NOOP("TFormPotencia", "BTU/seg"), kHub, {{kWattToBtuPerSecond}}, {{kBtu}}},
};

// Three columns of rows grouped in threes; a 0 leaves the gap between two groups. The middle
// column's first group has two rows, and its other groups stand level with their neighbours'.
constexpr int kLeft[] = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9};
constexpr int kMiddleTop[] = {10, 11};
constexpr int kMiddle[] = {12, 13, 14, 0, 15, 16, 17};
constexpr int kRight[] = {18, 19, 20, 0, 21, 22, 23, 0, 24, 25, 26};
constexpr int kTop = 16;
constexpr int kPitch = 28;
constexpr int kGap = 12;

constexpr HubWindow kWindow{.name = "FormPotencia",
                            .caption = QT_TRANSLATE_NOOP("TFormPotencia", "Unidades de potencia"),
                            .clientSize = {733, 369},
                            .lastEdit = kEditBound,
                            .keys = SourceKeys::KeyDownAndPress,
                            .passReportsInvalid = true,
                            .volver = {628, 316, 83, 27}};

}  // namespace

TFormPotencia::TFormPotencia(QWidget* owner) : THubForm(owner, kWindow) {
  PlaceColumn(kLeft, 100, kTop, kPitch, kGap);
  PlaceColumn(kMiddleTop, 345, kTop, kPitch, kGap);
  PlaceColumn(kMiddle, 345, kTop + 3 * kPitch + kGap, kPitch, kGap);
  PlaceColumn(kRight, 590, kTop, kPitch, kGap);
  for (int n = 1; n <= kEditBound; ++n) {
    //: the watt, the window's base unit
    Label(n, n == kHub ? tr("watt") : Text(UnitOf(kUnits, n).caption));
  }
  WireChanges(kHub, &TFormPotencia::Edit1Change, &TFormPotencia::Edit2Change);
  Finish();
}

void TFormPotencia::Edit2Change(TEdit* sender) {
  if (!Prologue(sender)) return;
  // The focused edit is the one read, whichever edit changed: during a pass started from a
  // unit, every write comes back here and computes the same base. A text that does not read
  // is reported, and the base stays as it was.
  ReportingInvalid([this] {
    ReadTypedUnit(kHub,
                  [](int n, Extended value) { return UnitOf(kUnits, n).intoBase.Apply(value); });
  });
  HandToHub(kHub, Value[kHub]);
}

void TFormPotencia::Edit1Change() {
  // A failure ends the pass where it failed; the guard stays set.
  HubPass(kHub, [this] {
    const Extended base = Value[kHub];
    for (const PowerUnit& unit : ToWrite(kUnits)) {
      TEdit* edit = Edits[unit.edit];
      if (unit.edit == kJoulePerSecond) {
        edit->SetText(FormatValue(base));
        continue;
      }
      // A source that is ActiveEdit holds the value typed there.
      const Extended source = unit.source == kHub ? base : Value[unit.source];
      Value[unit.edit] = Store(unit.fromSource.Apply(source));
      if (unit.edit == kGuarded && Value[unit.edit] > kLimit) {
        // No reset: the window is left empty and no value changes.
        platform::MessageBox(this,
                             //: a number too large was typed; playful: "too much power... darling"
                             tr("Demasiada potencia... guapo"),
                             //: caption of a warning box: an exclamation
                             tr("Vaya!"), platform::Icon::Warning);
        ClearAllEdits(this, kEditBound);
        return;
      }
      edit->SetText(FormatValue(Value[unit.edit]));
    }
  });
}
