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
  const char* caption;  // UTF-8, marked for translation in the window's context
  // A value of this unit times these (left to right; unused factors are 0) gives joules;
  // joules times the inverses give this unit. The joules of a unit are doubles unless the
  // row says otherwise.
  Factors joules;
  Factors inverses;
  bool ownValue;  // false: the hub shows the base value itself and keeps this unit's double
  Kind kind = Kind::Plain;
  const char* hint = nullptr;  // a tool tip, marked for translation like the caption
};

// A unit whose joules are a double, converted by the reciprocal of that double.
constexpr EnergyUnit Unit(int edit, const char* caption, double joules, Kind kind = Kind::Plain,
                          const char* hint = nullptr) {
  return {edit, caption, {{joules}}, {{Inverse(joules)}}, true, kind, hint};
}

// The order in which the hub writes.
constexpr EnergyUnit kUnits[] = {
    //: coulomb times volt; a dot joins the units of a product in this window
    {2, QT_TRANSLATE_NOOP("TFormEnergia", "Coulomb.Volt"), {{1}}, {{1}}, false},
    {3,
     //: the erg
     QT_TRANSLATE_NOOP("TFormEnergia", "ergio"),
     {{1e-7L}},
     {{10000000}},
     true},  // the ergio's joules in extended precision
    //: kilowatt-hour
    Unit(4, QT_TRANSLATE_NOOP("TFormEnergia", "kwatt.hora"), 3600000),
    Unit(5, QT_TRANSLATE_NOOP("TFormEnergia", "Watt.hora"), 3600),
    Unit(6, QT_TRANSLATE_NOOP("TFormEnergia", "electrón.Volt"), 1.60218e-19),
    //: mega-electronvolt
    Unit(7, QT_TRANSLATE_NOOP("TFormEnergia", "Mega eV"), 1.60218e-13),
    Unit(8, QT_TRANSLATE_NOOP("TFormEnergia", "Rydberg"), 2.17987e-18),
    {9, QT_TRANSLATE_NOOP("TFormEnergia", "Newton.metro"), {{1}}, {{1}}, false},
    //: kilogram-force metre
    Unit(10, QT_TRANSLATE_NOOP("TFormEnergia", "kg.m"), 9.80665),
    //: horsepower-hour
    Unit(11, QT_TRANSLATE_NOOP("TFormEnergia", "HP.hora"), 2684523.6),
    // The metric horsepower-hour: three multiplications each way.
    {29,
     //: metric horsepower-hour
     QT_TRANSLATE_NOOP("TFormEnergia", "HP.hora (métr)"),
     {3600, 75, 9.80665},
     {Inverse(3600), Inverse(75), Inverse(9.80665)},
     true},
    //: foot-pound (force)
    Unit(12, QT_TRANSLATE_NOOP("TFormEnergia", "libra.pie"), 1.35582),
    Unit(13, QT_TRANSLATE_NOOP("TFormEnergia", "libra.pulgada"), 0.112985),
    //: a raised 3 follows: atmosphere times cubic centimetre
    Unit(14, QT_TRANSLATE_NOOP("TFormEnergia", "atm.cm"), 0.101325),
    //: a raised 3 follows: atmosphere times cubic foot
    Unit(15, QT_TRANSLATE_NOOP("TFormEnergia", "atm.pie"), 2869.2),
    //: the 15 °C calorie
    Unit(16, QT_TRANSLATE_NOOP("TFormEnergia", "caloría (15 C)"), 4.1855),
    Unit(17, QT_TRANSLATE_NOOP("TFormEnergia", "kilocal (15 C)"), 4185.5),
    Unit(18, QT_TRANSLATE_NOOP("TFormEnergia", "BTU (ISO)"), 1055.06),
    //: the therm of the European Economic Community (EEG, its German abbreviation)
    Unit(19, QT_TRANSLATE_NOOP("TFormEnergia", "therm (EEG)"), 105506000),
    Unit(20, QT_TRANSLATE_NOOP("TFormEnergia", "therm (US)"), 105480000),
    //: the Celsius heat unit (1899.18 J), not the temperature scale
    Unit(21, QT_TRANSLATE_NOOP("TFormEnergia", "Celsius"), 1899.18),
    //: symbol of the barrel of oil equivalent
    Unit(22, QT_TRANSLATE_NOOP("TFormEnergia", "bboe"), 6120000000, Kind::Equivalent,
         QT_TRANSLATE_NOOP("TFormEnergia", "barril de petróleo equivalente")),
    //: symbol of the tonne of oil equivalent
    Unit(23, QT_TRANSLATE_NOOP("TFormEnergia", "toe"), 41870000000, Kind::Equivalent,
         QT_TRANSLATE_NOOP("TFormEnergia", "tonelada de petróleo equivalente")),
    //: symbol of the tonne of coal equivalent
    Unit(24, QT_TRANSLATE_NOOP("TFormEnergia", "tce"), 29290000000, Kind::Equivalent,
         QT_TRANSLATE_NOOP("TFormEnergia", "tonelada de carbón equivalente")),
    //: ton of TNT equivalent
    Unit(25, QT_TRANSLATE_NOOP("TFormEnergia", "ton TNT equiv."), 4180000000, Kind::Equivalent),
    //: an atomic unit of energy, 4.35975E-18 J
    Unit(26, QT_TRANSLATE_NOOP("TFormEnergia", "acción"), 4.35975e-18),
    //: the energy of one gram of mass
    Unit(27, QT_TRANSLATE_NOOP("TFormEnergia", "gramo masa"), 89870000000000, Kind::Mass,
         //: tooltip of the gram of mass (the formula stays as it is)
         QT_TRANSLATE_NOOP("TFormEnergia", "según E=mC^2")),
    // Written from "therm (EEG)", never from the base.
    //: the quad, 1E15 BTU
    Unit(kQuad, QT_TRANSLATE_NOOP("TFormEnergia", "quad"), 1.05506e18, Kind::Equivalent,
         //: tooltip of the quad: 1E15 BTU
         QT_TRANSLATE_NOOP("TFormEnergia", "cuadrillón (1E15 BTU)")),
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

constexpr HubWindow kWindow{
    .name = "FormEnergia",
    //: the window's title: units of energy, work and quantity of heat
    .caption = QT_TRANSLATE_NOOP("TFormEnergia", "Unidades de energía - trabajo - cant. de calor"),
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
    //: the joule, the window's base unit
    const QString caption = unit ? Text(unit->caption) : tr("Joule");
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
    if (unit && unit->hint) attached->setToolTip(Text(unit->hint));
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
      //: a number too large was typed: "how far do you want to go today...?"
      RetypeReset(tr("¿Dónde quieres llegar hoy...?"), kHub, kElectronVolt, 100, "1");
  reset.simpleDialog = false;
  //: caption of a warning box: "isn't that a bit much...?"
  reset.caption = tr("No será mucho...?");
  ResetAfterOverflow(this, reset);
}
