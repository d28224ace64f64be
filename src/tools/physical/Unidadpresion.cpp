#include "tools/physical/Unidadpresion.h"

#include <QColor>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Messages.h"

namespace {

constexpr int kEditBound = 18;  // the clearing looks this far; only Edit1 to Edit15 exist
constexpr int kAtm = 1;         // the hub
constexpr int kBar = 2;
constexpr int kPascal = 4;  // the sub-hub
constexpr int kHectopascal = 5;
constexpr int kMmHg = 6;
constexpr int kWater = 7;
constexpr int kPsi = 11;
constexpr int kKilopascal = 15;
constexpr int kHandOver = 5;  // decimals of a value written into the hub
constexpr Extended kLimit = 1e300L;
constexpr Extended kAtmPerPascal = 9.869232667160129e-6L;

struct PressureUnit {
  int edit;
  const char* caption;  // UTF-8, marked for translation in the window's context
  Factors into;         // into atmospheres, or for hPa and kPa into pascals
  int source;           // the edit whose value the hub (or sub-hub) converts from
  Factors from;
  int decimals;
  int x, y;  // where the edit stands
  bool teal;
};

constexpr int kLeft = 196;
constexpr int kIndented = 214;
constexpr int kRight = 524;

// The hub first, then the edits it writes, in its order; last the sub-hub's two.
constexpr PressureUnit kUnits[] = {
    {1,
     //: the standard atmosphere
     QT_TRANSLATE_NOOP("TFormPresion", "atmósfera física [atm]"),
     {1.0L},
     kAtm,
     {1.0L},
     5,
     kLeft,
     16,
     false},
    {2,
     QT_TRANSLATE_NOOP("TFormPresion", "bar"),
     {0.9869232667160128L},
     kAtm,
     {1.01325L},
     5,
     kLeft,
     44,
     false},
    {3,
     //: the millibar
     QT_TRANSLATE_NOOP("TFormPresion", "mili bar"),
     {0.0009869232667160128L},
     kBar,
     {1000.0L},
     5,
     kLeft,
     72,
     false},
    {4,
     QT_TRANSLATE_NOOP("TFormPresion", "pascal (pa)"),
     {kAtmPerPascal},
     kAtm,
     {101325.0L},
     6,
     kLeft,
     100,
     false},
    {6,
     //: millimetres of mercury at 0 °C
     QT_TRANSLATE_NOOP("TFormPresion", "milímetros de Hg (a 0 C)"),
     {0.0013157894736842105L},
     kAtm,
     {760.0L},
     5,
     kRight,
     16,
     false},
    {7,
     //: metres of water at 4 °C
     QT_TRANSLATE_NOOP("TFormPresion", "metros de agua (a 4 C)"),
     {0.0009869232667160128L, 98.0665L},
     kAtm,
     {1013.25L, 0.010197162129779282L},
     5,
     kRight,
     44,
     false},
    {8,
     QT_TRANSLATE_NOOP("TFormPresion", "pulgadas de Hg (a 0 C)"),
     {0.03342105263157895L},
     kMmHg,
     {0.03937007874015748L},
     5,
     kRight,
     72,
     false},
    {9,
     QT_TRANSLATE_NOOP("TFormPresion", "pulgadas de agua (a 4 C)"),
     {0.0254L, 0.0009869232667160128L, 98.0665L},
     kWater,
     {100000.0L, 0.0003937007874015748L},
     5,
     kRight,
     100,
     false},
    {10,
     //: the technical atmosphere, one kilogram-force per square centimetre
     QT_TRANSLATE_NOOP("TFormPresion", "atm métrica (kg/cm²)"),
     {0.0009869232667160128L, 980.665L},
     kAtm,
     {1013.25L, 0.0010197162129779282L},
     5,
     kRight,
     128,
     false},
    {11,
     QT_TRANSLATE_NOOP("TFormPresion", "libra/pulgada² (psi)"),
     {0.06804596390987773L},
     kAtm,
     {14.695948775513449L},
     5,
     kRight,
     156,
     false},
    {12,
     QT_TRANSLATE_NOOP("TFormPresion", "libra/pie²"),
     {0.06804596390987773L, 0.006944444444444444L},
     kPsi,
     {144.0L},
     5,
     kRight,
     184,
     false},
    {13,
     QT_TRANSLATE_NOOP("TFormPresion", "milímetros de Hg (a 15 C)"),
     {0.0013123359580052493L},
     kAtm,
     {762.0L},
     5,
     kIndented,
     204,
     true},
    {14,
     //: the old Paris inch (pouce) of mercury at 0 °C
     QT_TRANSLATE_NOOP("TFormPresion", "pulgada de París de Hg (a 0 C)"),
     {0.03561887800534283L},
     kAtm,
     {28.075L},
     5,
     kIndented,
     232,
     true},
    {5,
     //: the hectopascal, with the symbol the Spanish text gives it
     QT_TRANSLATE_NOOP("TFormPresion", "hecto pascal (hpa)"),
     {100.0L},
     kPascal,
     {0.01L},
     5,
     kLeft,
     128,
     false},
    {15,
     QT_TRANSLATE_NOOP("TFormPresion", "kilo pascal (kpa)"),
     {1000.0L},
     kPascal,
     {0.001L},
     6,
     kLeft,
     156,
     false},
};
constexpr int kHubWrites = 13;  // the rows of the hub and the edits it writes

const QColor kTeal(0x00, 0x80, 0x80);

// Edit1 to Edit5, Edit15, Edit6 to Edit14, the button.
constexpr int kTabOrder[] = {1, 2, 3, 4, 5, 15, 6, 7, 8, 9, 10, 11, 12, 13, 14};
constexpr int kPascalUnits[] = {kHectopascal, kKilopascal};

// Default and Cancel button: Enter or Escape closes the window with the OK result. An emptied
// edit never writes a value: the program's clearing would otherwise bring a stale value back.
// Only the user's emptying clears the form; "-" or a trailing separator in the edit being
// typed in waits.
constexpr HubWindow kWindow{.name = "FormPresion",
                            .caption = QT_TRANSLATE_NOOP("TFormPresion", "Unidades de presión"),
                            .clientSize = {660, 321},
                            .lastEdit = 15,
                            .clearsTo = kEditBound,
                            .keys = SourceKeys::KeyDownAndPress,
                            .prologue = HubPrologue::ClearsTyped,
                            .volver = {562, 282, 83, 27},
                            .volverCancels = true};

}  // namespace

TFormPresion::TFormPresion(QWidget* owner) : THubForm(owner, kWindow) {
  for (const PressureUnit& unit : kUnits) {
    TEdit* edit = PlaceEdit(unit.edit, unit.x, unit.y);
    Label(unit.edit, Text(unit.caption), unit.teal ? kTeal : kNavy);
    const int n = unit.edit;
    if (n == kAtm) {
      edit->OnChange = [this](TEdit*) { Edit1Change(); };
    } else if (n == kPascal) {
      edit->OnChange = [this](TEdit*) { Edit4Change(); };
    } else if (n == kHectopascal || n == kKilopascal) {
      edit->OnChange = [this, n](TEdit*) { PascalUnitChange(n); };
    } else {
      edit->OnChange = [this, n](TEdit*) { UnitChange(n); };
    }
  }
  DeclareHubs({{kPascal, &UpdatingPascal}});
  Finish(kTabOrder);
}

void TFormPresion::UnitChange(int n) {
  if (!UnitReads(n)) return;
  HandToHub(kAtm, UnitOf(kUnits, n).into.Apply(Value[n]), kHandOver);
}

void TFormPresion::PascalUnitChange(int n) {
  if (!UnitReads(n)) return;
  const PressureUnit& unit = UnitOf(kUnits, n);
  HandToHub(kPascal, unit.into.Apply(Value[n]), unit.decimals);
}

void TFormPresion::Edit4Change() {
  // Set only at the end: a write of the hub's pass re-enters here while an outer call runs,
  // and the inner call fills the hectopascal and kilopascal edits.
  if (UpdatingPascal) return;
  if (!UnitReads(kPascal)) return;
  HandToHub(kAtm, static_cast<Extended>(Value[kPascal]) * kAtmPerPascal, kHandOver);
  for (int n : ToWrite(kPascalUnits)) {
    if (UpdatingPascal) continue;
    const PressureUnit& unit = UnitOf(kUnits, n);
    WriteValue(Edits[n], Value[n], unit.from.Apply(Value[kPascal]), unit.decimals);
  }
  UpdatingPascal = true;
}

void TFormPresion::Edit1Change() {
  try {
    // The hub runs at most once per key stroke.
    HubPass(kAtm, [this] {
      // The pascals as they were before this pass: typed or handed in, or of the last pass.
      if (Value[kPascal] > kLimit) ResetPascal();
      for (const PressureUnit& unit : ToWrite(std::span(kUnits).subspan(1, kHubWrites - 1))) {
        // A source that is ActiveEdit holds the value typed there.
        WriteValue(Edits[unit.edit], Value[unit.edit], unit.from.Apply(Value[unit.source]),
                   unit.decimals);
      }
    });
  } catch (const Exception&) {
    // The doubles stay as far as the pass computed them.
    //: %1 is the text typed, between quotation marks
    platform::MessageBox(this, tr("\"%1\" no es un número válido.").arg(ActiveEdit->Text()),
                         //: caption of an error box
                         tr("Error"), platform::Icon::Error);
    ClearAllEdits(this, kEditBound);
  }
}

// The pass goes on from 0 atmospheres; the simulated key brings 1 atmosphere afterwards. The
// simple dialog, no beep.
void TFormPresion::ResetPascal() {
  Value[kPascal] = 0;
  OverflowReset reset = RetypeReset(
      //: a number too large was typed; playful, in Rioplatense Spanish: "this won't work like
      //: this... (take your little finger off there... thanks)"
      tr("Esto así no funciona...\n\n(Sacá el dedito de ahí... gracias)"), kAtm, kAtm, 300, "1");
  // Emptied while the pass's flag is set, Edit1 starts no pass; then it gets the focus.
  reset.focusAfterEmptying = true;
  ResetAfterOverflow(this, reset);
}
