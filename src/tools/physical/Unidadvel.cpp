#include "tools/physical/Unidadvel.h"

#include "numeric/Numeric.h"
#include "platform/Edit.h"

namespace {

constexpr int kEditBound = 21;  // the clearing looks this far; only Edit1 to Edit9 exist
constexpr int kHub = 1;         // km/h
constexpr int kKmPerSecond = 2;
constexpr int kMilesPerHour = 6;
constexpr int kDecimals = 5;
constexpr Extended kLimit = 1e300L;

struct SpeedUnit {
  int edit;
  const char* caption;  // UTF-8, marked for translation in the window's context
  Factors intoBase;     // a value typed here times these gives km/h
  int source;           // the edit whose value the hub converts from: the hub, km/s or mph
  Factors fromSource;
  int decimals;  // rounding when shown, also of the km/h written from here
  int x, y;      // where the edit stands
};

// Edit2 and Edit6 come before the units derived from them: the hub writes in this order.
constexpr SpeedUnit kUnits[] = {
    {1, QT_TRANSLATE_NOOP("TFormVel", "km/hora"), {}, kHub, {}, kDecimals, 136, 24},
    {2,
     QT_TRANSLATE_NOOP("TFormVel", "km/seg"),
     {{3600.0L}},
     kHub,
     {{0.0002777777777777778L}},
     kDecimals,
     136,
     56},
    {3,
     QT_TRANSLATE_NOOP("TFormVel", "m/seg"),
     {{3.6L}},
     kKmPerSecond,
     {{1000.0L}},
     kDecimals,
     136,
     88},
    {4,
     //: the Mach number as a unit of speed
     QT_TRANSLATE_NOOP("TFormVel", "mach"),
     {{1225.05588L}},
     kHub,
     {{0.0008162892944932439L}},
     kDecimals,
     136,
     152},
    {5,
     QT_TRANSLATE_NOOP("TFormVel", "velocidad de la luz"),
     {{299792.5L, 3600.0L}},
     kKmPerSecond,
     {{3.3356404846685625e-6L}},
     kNoRounding,
     136,
     184},
    {6,
     QT_TRANSLATE_NOOP("TFormVel", "milla/hora"),
     {{1.609344L}},
     kHub,
     {{0.621371192237334L}},
     kDecimals,
     428,
     24},
    {7,
     QT_TRANSLATE_NOOP("TFormVel", "pie/seg"),
     {{1.609344L, 3600.0L, 0.0001893939393939394L}},
     kMilesPerHour,
     {{0.0002777777777777778L, 5280.0L}},
     kDecimals,
     428,
     88},
    {8,
     //: the knot
     QT_TRANSLATE_NOOP("TFormVel", "nudo"),
     {{1.853184L}},
     kHub,
     {{0.5396118248376848L}},
     kDecimals,
     428,
     120},
    {9,
     QT_TRANSLATE_NOOP("TFormVel", "milla/seg"),
     {{3600.0L, 1.609344L}},
     kMilesPerHour,
     {{0.0002777777777777778L}},
     kDecimals,
     428,
     56},
};

constexpr int kTabOrder[] = {1, 2, 3, 4, 5, 6, 9, 7, 8};

constexpr HubWindow kWindow{.name = "FormVel",
                            .caption = QT_TRANSLATE_NOOP("TFormVel", "Unidades de Velocidad"),
                            .clientSize = {573, 231},
                            .lastEdit = 9,
                            .clearsTo = kEditBound,
                            .keys = SourceKeys::KeyDown,
                            .volver = {466, 181, 83, 27}};

}  // namespace

TFormVel::TFormVel(QWidget* owner) : THubForm(owner, kWindow) {
  PlaceUnits(kUnits);
  WireChanges(kHub, &TFormVel::Edit1Change, &TFormVel::UnitChange);
  Finish(kTabOrder);
}

void TFormVel::UnitChange(int n) {
  const SpeedUnit& unit = kUnits[n - 1];
  if (!UnitReads(n)) return;
  // The speed of light writes km/h unrounded; every other unit rounds it.
  HandToHub(kHub, unit.intoBase.Apply(Value[n]), unit.decimals);
}

void TFormVel::Edit1Change() {
  HubPass(kHub, [this] {
    // The pass goes on from base 0 after the reset; the keys it queued bring 100 km/h later.
    if (Value[kHub] > kLimit) ResetSpeed();
    for (const SpeedUnit& unit : ToWrite(std::span(kUnits).subspan(1))) {
      // A km/s or mph value typed there (the source being skipped) is the one converted.
      WriteValue(Edits[unit.edit], Value[unit.edit], unit.fromSource.Apply(Value[unit.source]),
                 unit.decimals);
    }
  });
}

// The simple dialog, base 0, Edit1 the source with the focus, emptied (no pass runs, the
// guard being set), then keypad 1, 0, 0, each after 100 ms; no beep.
void TFormVel::ResetSpeed() {
  ResetAfterOverflow(
      this, RetypeReset(tr("Este número excede la capacidad de cálculo"), kHub, kHub, 100, "100"));
}
