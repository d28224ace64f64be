#include "tools/physical/Unidadilum.h"

#include "numeric/Numeric.h"
#include "platform/Edit.h"

namespace {

constexpr int kEditBound = 29;  // the clearing looks this far; only Edit1 to Edit10 exist
constexpr int kHub = 1;
constexpr double kLimit = 1.5e300;  // of a value typed outside the hub

constexpr Extended kFoot = 0.3048;                  // the double
constexpr Extended kPerFoot = 3.2808398950131232L;  // 1/0.3048

struct LightUnit {
  int edit;
  const char* caption;  // UTF-8, marked for translation in the window's context
  int x, y;             // where the edit stands
};

// In tab order: the hub, then the shared handler's positions 1 to 9.
constexpr LightUnit kUnits[] = {
    {1, QT_TRANSLATE_NOOP("TFIlum", "lumen/m²"), 96, 16},
    //: metre-candle (= lux)
    {2, QT_TRANSLATE_NOOP("TFIlum", "bujía-m"), 96, 48},
    {3, QT_TRANSLATE_NOOP("TFIlum", "lux"), 96, 80},
    {4, QT_TRANSLATE_NOOP("TFIlum", "lumen/cm²"), 96, 128},
    //: centimetre-candle (= phot)
    {5, QT_TRANSLATE_NOOP("TFIlum", "bujía-cm"), 96, 160},
    //: the phot
    {9, QT_TRANSLATE_NOOP("TFIlum", "fotio"), 96, 192},
    //: lumen per square foot
    {6, QT_TRANSLATE_NOOP("TFIlum", "lumen/pie²"), 352, 16},
    //: foot-candle
    {7, QT_TRANSLATE_NOOP("TFIlum", "bujía-pie"), 352, 48},
    //: the flame, a quarter of a foot-candle
    {8, QT_TRANSLATE_NOOP("TFIlum", "flama"), 352, 80},
    //: the nox, a thousandth of a lux
    {10, QT_TRANSLATE_NOOP("TFIlum", "nox"), 352, 112},
};

// Both the default and the Cancel button: Enter and Escape close the window.
constexpr HubWindow kWindow{
    .name = "FIlum",
    //: the window's title (leading blank kept); Tarvel is the program's name
    .caption = QT_TRANSLATE_NOOP("TFIlum", " Tarvel - Iluminación"),
    .clientSize = {496, 247},
    .lastEdit = 10,
    .clearsTo = kEditBound,
    .keys = SourceKeys::PressAndDelete,
    .passReportsInvalid = true,
    .volver = {390, 190, 83, 27},
    .volverCancels = true};

// What the hub writes into edit n from lux.
Extended FromLux(int n, Extended lux) {
  switch (n) {
    case 4:
    case 5:
    case 9: return lux * 0.0001L;
    case 6:
    case 7: return lux * kFoot * kFoot;
    case 8: return lux * kFoot * kFoot * 0.25L;
    case 10: return lux * 1000;
    default: return lux;
  }
}

// The lux of a value x typed at a tab position; false for a position without a unit.
bool ToLux(int position, Extended x, Extended& lux) {
  switch (position) {
    case 1:
    case 2: lux = x; return true;
    case 3:
    case 4:
    case 5: lux = x * 10000; return true;
    case 6:
    case 7: lux = kPerFoot * x * kPerFoot; return true;
    case 8: lux = 4 * x * kPerFoot * kPerFoot; return true;
    case 9: lux = x * 0.001L; return true;
    default: return false;
  }
}

}  // namespace

TFIlum::TFIlum(QWidget* owner) : THubForm(owner, kWindow) {
  PlaceUnits(kUnits);
  WireChanges(kHub, &TFIlum::Edit1Change, &TFIlum::Edit2Change);
  Finish();
}

void TFIlum::Edit1Change() {
  HubPass(kHub, [this] {
    const Extended lux = Value[kHub];
    for (int n : ToWrite(std::views::iota(2, 11))) {
      Edits[n]->SetText(FormatValue(Store(FromLux(n, lux))));
    }
  });
}

void TFIlum::Edit2Change(TEdit* sender, int tabPosition) {
  TypedUnitChange(sender, kLimit, [tabPosition](double x) -> std::optional<Extended> {
    Extended lux;
    if (!ToLux(tabPosition, x, lux)) return std::nullopt;
    return lux;
  });
}
