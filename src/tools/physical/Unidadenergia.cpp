#include "tools/physical/Unidadenergia.h"

#include <QColor>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"

namespace {

constexpr int kEditBound = 29;
constexpr int kHub = 1;           // joules
constexpr int kElectronVolt = 6;  // its value is tested whenever it changes
constexpr int kThermEEG = 19;     // the hub's "quad" comes from it
constexpr int kQuad = 28;
constexpr Extended kLimit = 1e300L;
constexpr Extended kQuadPerThermEEG = 1e-10L;

enum class Kind { Plain, Equivalent, Mass };  // navy, black, green labels

// The hub multiplies by the reciprocal of a unit's joules, rounded to extended precision.
constexpr Extended Inverse(double joules) { return 1.0L / joules; }

struct EnergyUnit {
  int edit;
  const char* caption;  // UTF-8
  // A value of this unit times these (left to right; unused factors are 0) gives joules;
  // joules times the inverses give this unit. The joules of a unit are doubles unless the
  // row says otherwise.
  Factors joules;
  Factors inverses;
  bool ownValue;  // false: the hub shows the base value itself and keeps this unit's double
  Kind kind = Kind::Plain;
  const char* hint = nullptr;
};

// A unit whose joules are a double, converted by the reciprocal of that double.
constexpr EnergyUnit Unit(int edit, const char* caption, double joules, Kind kind = Kind::Plain,
                          const char* hint = nullptr) {
  return {edit, caption, {{joules}}, {{Inverse(joules)}}, true, kind, hint};
}

// The order in which the hub writes.
constexpr EnergyUnit kUnits[] = {
    {2, "Coulomb.Volt", {{1}}, {{1}}, false},
    {3, "ergio", {{1e-7L}}, {{10000000}}, true},  // the ergio's joules in extended precision
    Unit(4, "kwatt.hora", 3600000),
    Unit(5, "Watt.hora", 3600),
    Unit(6, "electrón.Volt", 1.60218e-19),
    Unit(7, "Mega eV", 1.60218e-13),
    Unit(8, "Rydberg", 2.17987e-18),
    {9, "Newton.metro", {{1}}, {{1}}, false},
    Unit(10, "kg.m", 9.80665),
    Unit(11, "HP.hora", 2684523.6),
    // The metric horsepower-hour: three multiplications each way.
    {29,
     "HP.hora (métr)",
     {3600, 75, 9.80665},
     {Inverse(3600), Inverse(75), Inverse(9.80665)},
     true},
    Unit(12, "libra.pie", 1.35582),
    Unit(13, "libra.pulgada", 0.112985),
    Unit(14, "atm.cm", 0.101325),
    Unit(15, "atm.pie", 2869.2),
    Unit(16, "caloría (15 C)", 4.1855),
    Unit(17, "kilocal (15 C)", 4185.5),
    Unit(18, "BTU (ISO)", 1055.06),
    Unit(19, "therm (EEG)", 105506000),
    Unit(20, "therm (US)", 105480000),
    Unit(21, "Celsius", 1899.18),
    Unit(22, "bboe", 6120000000, Kind::Equivalent, "barril de petróleo equivalente"),
    Unit(23, "toe", 41870000000, Kind::Equivalent, "tonelada de petróleo equivalente"),
    Unit(24, "tce", 29290000000, Kind::Equivalent, "tonelada de carbón equivalente"),
    Unit(25, "ton TNT equiv.", 4180000000, Kind::Equivalent),
    Unit(26, "acción", 4.35975e-18),
    Unit(27, "gramo masa", 89870000000000, Kind::Mass, "según E=mC^2"),
    // Written from "therm (EEG)", never from the base.
    Unit(kQuad, "quad", 1.05506e18, Kind::Equivalent, "cuadrillón (1E15 BTU)"),
};

// The cubic centimetre and the cubic foot: the label of the raised "3" of their caption.
int CubeLabelOf(int edit) {
  switch (edit) {
    case 14: return 30;
    case 15: return 31;
    default: return 0;
  }
}

QColor ColorOf(Kind kind) {
  switch (kind) {
    case Kind::Equivalent: return QColor(0x00, 0x00, 0x00);
    case Kind::Mass: return QColor(0x00, 0x80, 0x00);
    case Kind::Plain: break;
  }
  return kNavy;
}

// Three columns, top to bottom; a 0 leaves a gap. The tab order runs the same way.
constexpr int kLeft[] = {1, 2, 3, 4, 5, 26, 6, 7, 8, 27};
constexpr int kMiddle[] = {9, 10, 11, 29, 12, 13, 14, 15, 0, 22, 23, 28};
constexpr int kRight[] = {16, 17, 18, 19, 20, 21, 0, 24, 25};
constexpr int kTop = 16;
constexpr int kPitch = 28;
constexpr int kGap = 14;

constexpr HubWindow kWindow{.name = "FormEnergia",
                            .caption = "Unidades de energía - trabajo - cant. de calor",
                            .clientSize = {735, 400},
                            .lastEdit = kEditBound,
                            .keys = SourceKeys::PressAndDelete,
                            .volver = {633, 300, 83, 27}};

}  // namespace

TFormEnergia::TFormEnergia(QWidget* owner) : THubForm(owner, kWindow) {
  PlaceColumn(kLeft, 105, kTop, kPitch, kGap);
  PlaceColumn(kMiddle, 350, kTop, kPitch, kGap);
  PlaceColumn(kRight, 595, kTop, kPitch, kGap);
  for (int n = 1; n <= kEditBound; ++n) {
    const EnergyUnit* unit = n == kHub ? nullptr : &UnitOf(kUnits, n);
    const QString caption = unit ? QString::fromUtf8(unit->caption) : QStringLiteral("Joule");
    const QColor color = ColorOf(unit ? unit->kind : Kind::Plain);
    const int exponent = CubeLabelOf(n);
    // A cubic unit's caption ends in a small "3", slightly raised.
    TLabel* attached =
        exponent ? AttachLabelPieces(
                       Edits[n],
                       {{QStringLiteral("Label%1").arg(n), caption},
                        {QStringLiteral("Label%1").arg(exponent), QStringLiteral("3"), 7, 0.75}},
                       color, true, 4)
                       .front()
                 : Label(n, caption, color);
    if (unit && unit->hint) attached->setToolTip(QString::fromUtf8(unit->hint));
  }
  WireChanges(kHub, &TFormEnergia::Edit1Change, &TFormEnergia::UnitChange);
  Finish();
}

void TFormEnergia::UnitChange(int n) {
  if (!UnitReads(n)) return;
  if (n == kElectronVolt && Value[n] > kLimit) ResetElectronVolts();  // Edit1 the source then
  HandToHub(kHub, UnitOf(kUnits, n).joules.Apply(Value[n]));
}

void TFormEnergia::Edit1Change() {
  // A value typed elsewhere comes as the unit handler's joules, never through the text.
  HubPass(kHub, [this] {
    const Extended base = Value[kHub];
    for (const EnergyUnit& unit : ToWrite(kUnits)) {
      TEdit* edit = Edits[unit.edit];
      if (!unit.ownValue) {
        edit->SetText(FormatValue(base));
      } else if (unit.edit == kQuad) {
        // From "therm (EEG)" as it stands: written just before, or typed there.
        WriteValue(edit, Value[kQuad], Value[kThermEEG] * kQuadPerThermEEG);
      } else {
        WriteValue(edit, Value[unit.edit], unit.inverses.Apply(base));
      }
    }
  });
}

// The warning box, the electron-volt value 0, Edit1 the source with the focus, emptied, then
// keypad 1 after 100 ms; no beep. Typed in electron-volts, the emptied hub clears the window;
// inside a hub pass it clears nothing and the pass goes on from its base.
void TFormEnergia::ResetElectronVolts() {
  OverflowReset reset =
      RetypeReset(QStringLiteral("¿Dónde quieres llegar hoy...?"), kHub, kElectronVolt, 100, "1");
  reset.simpleDialog = false;
  reset.caption = QStringLiteral("No será mucho...?");
  ResetAfterOverflow(this, reset);
}
