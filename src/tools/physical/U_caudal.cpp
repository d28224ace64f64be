#include "tools/physical/U_caudal.h"

#include "numeric/Numeric.h"
#include "platform/Edit.h"

namespace {

constexpr int kEditBound = 24;
constexpr int kHub = 1;  // litres per second
constexpr int kMaxLength = 310;
constexpr Extended kLimit = 1e200L;

struct FlowUnit {
  int edit;
  const char* caption;  // UTF-8, marked for translation in the window's context
  // A value typed here times these gives litres per second.
  Factors intoBase;
  // In the hub's pass this unit is the value of edit `source` times fromSource; the source
  // comes earlier in the pass, or is the base.
  int source;
  double fromSource;
};

// The hub's order of writes: litres, cubic metres, cubic centimetres, then cubic feet,
// gallons and barrels, each block from its per-second unit down to its per-day unit.
constexpr FlowUnit kUnits[] = {
    {2, QT_TRANSLATE_NOOP("TFormCaudal", "litro/minuto"), {{0.016666666666666666}}, kHub, 60},
    {3, QT_TRANSLATE_NOOP("TFormCaudal", "litro/hora"), {{0.0002777777777777778}}, kHub, 3600},
    {4, QT_TRANSLATE_NOOP("TFormCaudal", "litro/día"), {{1.1574074074074073e-5}}, kHub, 86400},
    //: cubic metre per second (³ is a superscript character, as in the other cubic units)
    {5, QT_TRANSLATE_NOOP("TFormCaudal", "metro³/segundo"), {{1000}}, kHub, 0.001},
    {6, QT_TRANSLATE_NOOP("TFormCaudal", "metro³/minuto"), {{0.16666666666666666, 100}}, 5, 60},
    {7, QT_TRANSLATE_NOOP("TFormCaudal", "metro³/hora"), {{0.027777777777777776, 10}}, 6, 60},
    {8, QT_TRANSLATE_NOOP("TFormCaudal", "metro³/día"), {{0.0011574074074074073, 10}}, 7, 24},
    {21, QT_TRANSLATE_NOOP("TFormCaudal", "centímetro³/segundo"), {{0.001}}, 5, 1000000},
    {22, QT_TRANSLATE_NOOP("TFormCaudal", "centímetro³/minuto"), {{1.6666666666666667e-5}}, 21, 60},
    {23, QT_TRANSLATE_NOOP("TFormCaudal", "centímetro³/hora"), {{2.7777777777777776e-7}}, 22, 60},
    {24, QT_TRANSLATE_NOOP("TFormCaudal", "centímetro³/día"), {{1.1574074074074074e-8}}, 23, 24},
    {9,
     QT_TRANSLATE_NOOP("TFormCaudal", "pie³/segundo"),
     {{28.316846592}},
     21,
     3.5314666721488586e-5},
    {10, QT_TRANSLATE_NOOP("TFormCaudal", "pie³/minuto"), {{0.47194744320000004}}, 9, 60},
    {11, QT_TRANSLATE_NOOP("TFormCaudal", "pie³/hora"), {{0.007865790720000002}}, 10, 60},
    {12, QT_TRANSLATE_NOOP("TFormCaudal", "pie³/día"), {{0.00032774128}}, 11, 24},
    {13,
     //: the US gallon (3.785 l) per second, as are the other gallons of this window
     QT_TRANSLATE_NOOP("TFormCaudal", "galón/segundo"),
     {{3.785411784}},
     21,
     0.00026417205235814843},
    {14,
     //: US gallons per minute; USGPM is its usual abbreviation
     QT_TRANSLATE_NOOP("TFormCaudal", "galón/minuto (USGPM)"),
     {{3.785411784, 0.016666666666666666}},
     13,
     60},
    {15,
     QT_TRANSLATE_NOOP("TFormCaudal", "galón/hora"),
     {{3.785411784, 0.0002777777777777778}},
     14,
     60},
    {16,
     QT_TRANSLATE_NOOP("TFormCaudal", "galón/día"),
     {{3.785411784, 1.1574074074074073e-5}},
     15,
     24},
    {17,
     //: the oil barrel (158.99 l) per second, as are the other barrels of this window
     QT_TRANSLATE_NOOP("TFormCaudal", "barril/segundo"),
     {{158.987294928}},
     13,
     0.023809523809523808},
    {18,
     QT_TRANSLATE_NOOP("TFormCaudal", "barril/minuto"),
     {{158.987294928, 0.016666666666666666}},
     17,
     60},
    {19,
     QT_TRANSLATE_NOOP("TFormCaudal", "barril/hora"),
     {{158.987294928, 0.0002777777777777778}},
     18,
     60},
    {20,
     QT_TRANSLATE_NOOP("TFormCaudal", "barril/día"),
     {{158.987294928, 1.1574074074074073e-5}},
     19,
     24},
};

// Two columns of three blocks of four (per second, minute, hour and day); a 0 leaves a gap.
constexpr int kLeft[] = {1, 2, 3, 4, 0, 5, 6, 7, 8, 0, 21, 22, 23, 24};
constexpr int kRight[] = {9, 10, 11, 12, 0, 13, 14, 15, 16, 0, 17, 18, 19, 20};
constexpr int kTop = 16;
constexpr int kPitch = 27;  // from one row of edits to the next
constexpr int kBlockGap = 14;

// Enter and Escape both close the window with the OK result.
constexpr HubWindow kWindow{.name = "FormCaudal",
                            //: the window's title: volume flow rate
                            .caption = QT_TRANSLATE_NOOP("TFormCaudal", "Caudal"),
                            .clientSize = {609, 435},
                            .lastEdit = kEditBound,
                            .keys = SourceKeys::PressAndDelete,
                            .passReportsInvalid = true,
                            .volver = {510, 396, 83, 27},
                            .volverCancels = true};

}  // namespace

TFormCaudal::TFormCaudal(QWidget* owner) : THubForm(owner, kWindow) {
  PlaceColumn(kLeft, 150, kTop, kPitch, kBlockGap);
  PlaceColumn(kRight, 470, kTop, kPitch, kBlockGap);
  for (int n = 1; n <= kEditBound; ++n) {
    Edits[n]->SetMaxLength(kMaxLength);
    Label(n, n == kHub ? tr("litro/segundo") : Text(UnitOf(kUnits, n).caption));
  }
  WireChanges(kHub, &TFormCaudal::Edit1Change, &TFormCaudal::Edit2Change);
  Finish(HubTabOrder::ByNumber);
}

void TFormCaudal::Edit2Change(TEdit* sender) {
  if (!Prologue(sender)) return;
  ReportingInvalid([this] {
    // The focused edit is the one read, whichever edit changed: during a pass started from a
    // unit, each write comes back here, computes the same base and writes the same text into
    // the hub, which starts nothing.
    ReadTypedUnit(kHub,
                  [](int n, Extended value) { return UnitOf(kUnits, n).intoBase.Apply(value); });
    if (Edits[kHub]->Focused()) return;
    Edits[kHub]->SetText(FormatValue(Value[kHub]));
  });
}

void TFormCaudal::Edit1Change() {
  HubPass(kHub, [this] {
    if (Value[kHub] > kLimit) {
      ResetFlow();
      return;
    }
    for (const FlowUnit& unit : ToWrite(kUnits)) {
      // A source that is ActiveEdit holds the value typed there.
      WriteValue(Edits[unit.edit], Value[unit.edit],
                 static_cast<Extended>(Value[unit.source]) * unit.fromSource);
    }
  });
}

// The simple dialog, base 0, Edit1 the source, every edit emptied, then the focus, and keypad 1
// after 200 ms: the window ends converted from 1 l/s. No beep.
void TFormCaudal::ResetFlow() {
  OverflowReset reset =
      //: a number too large was typed: "let's try a smaller number..."
      RetypeReset(tr("Probemos con un número más chico..."), kHub, kHub, 200, "1");
  reset.clearsTo = kEditBound;
  reset.focusAfterEmptying = true;
  ResetAfterOverflow(this, reset);
}
