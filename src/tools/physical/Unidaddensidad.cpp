#include "tools/physical/Unidaddensidad.h"

#include <QColor>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"

namespace {

constexpr int kEditBound = 15;
constexpr int kHub = 1;              // kg/m³
constexpr int kGuarded = 12;         // lb/yd³: the one product tested against the limit
constexpr int kPoundsPerGallon = 8;  // oz/gal is 16 times its value
constexpr int kDecimals = 7;
constexpr Extended kLimit = 1e300L;

enum class From { Factor, Copy, Sixteenfold };

struct DensityUnit {
  int edit;
  const char* caption;  // UTF-8, marked for translation in the window's context
  bool cubed;           // followed by a raised "3"
  // A value of this unit times toBase gives kg/m³; the hub multiplies kg/m³ by fromBase.
  // Each is used as given, not derived from the other.
  Extended toBase;
  Extended fromBase;
  From from;
  int x, y;  // where the edit stands
};

constexpr int kLeft = 152;
constexpr int kRight = 458;

// The hub first, then the other edits in the order in which the hub writes them: lb/yd³,
// whose product is tested, before anything else.
constexpr DensityUnit kUnits[] = {
    //: a raised 3 follows: kilogram per cubic metre (so for every unit of this window that ends in
    //: a length)
    {1, QT_TRANSLATE_NOOP("TFormDensidad", "kilogramo/metro"), true, 1.0L, 1.0L, From::Factor,
     kLeft, 16},
    {12, QT_TRANSLATE_NOOP("TFormDensidad", "libra/yarda"), true, 0.5932764212577829L,
     1.6855549355559047L, From::Factor, kRight, 144},
    {2, QT_TRANSLATE_NOOP("TFormDensidad", "kilogramo/litro"), false, 1000.0L, 0.001L, From::Factor,
     kLeft, 48},
    {3, QT_TRANSLATE_NOOP("TFormDensidad", "gramo/centímetro"), true, 1000.0L, 0.001L, From::Factor,
     kLeft, 80},
    {4, QT_TRANSLATE_NOOP("TFormDensidad", "gramo/litro"), false, 1.0L, 1.0L, From::Copy, kLeft,
     112},
    {5, QT_TRANSLATE_NOOP("TFormDensidad", "slug/pulgada"), true, 890574.4189441134L,
     1.1228707884801184e-6L, From::Factor, kLeft, 176},
    {6, QT_TRANSLATE_NOOP("TFormDensidad", "slug/pie"), true, 515.3787146667323L,
     0.0019403207224936447L, From::Factor, kLeft, 208},
    {7, QT_TRANSLATE_NOOP("TFormDensidad", "slug/yarda"), true, 19.08810054321231L,
     0.0523886595073284L, From::Factor, kLeft, 240},
    //: pound per US liquid gallon
    {8, QT_TRANSLATE_NOOP("TFormDensidad", "libra/galón (EE.UU. líq)"), false, 119.82642731689663L,
     0.008345404452019332L, From::Factor, kRight, 16},
    //: pound per imperial (British) liquid gallon
    {9, QT_TRANSLATE_NOOP("TFormDensidad", "libra/galón (G.B. líq)"), false, 99.77643220997247L,
     0.010022406873554773L, From::Factor, kRight, 48},
    {10, QT_TRANSLATE_NOOP("TFormDensidad", "libra/pulgada"), true, 27679.90471020312L,
     3.612729200008369e-5L, From::Factor, kRight, 80},
    {11, QT_TRANSLATE_NOOP("TFormDensidad", "libra/pie"), true, 16.018463373960138L,
     0.062427960576144616L, From::Factor, kRight, 112},
    {13, QT_TRANSLATE_NOOP("TFormDensidad", "onza/pulgada"), true, 1729.994044387695L,
     0.000578036672001339L, From::Factor, kRight, 208},
    {14, QT_TRANSLATE_NOOP("TFormDensidad", "onza/pie"), true, 1.0011539608725086L,
     0.9988473692183139L, From::Factor, kRight, 240},
    //: ounce per US liquid gallon
    {15, QT_TRANSLATE_NOOP("TFormDensidad", "onza/galón (EE.UU. líq)"), false, 7.489151707306056L,
     16.0L, From::Sixteenfold, kRight, 176},
};

constexpr int kTabOrder[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0, 15};

constexpr HubWindow kWindow{.name = "FormDensidad",
                            .caption = QT_TRANSLATE_NOOP("TFormDensidad", "Unidades de densidad"),
                            .clientSize = {597, 335},
                            .lastEdit = kEditBound,
                            .keys = SourceKeys::PressAndDelete,
                            .volver = {496, 292, 83, 27}};

}  // namespace

TFormDensidad::TFormDensidad(QWidget* owner) : THubForm(owner, kWindow) {
  for (const DensityUnit& unit : kUnits) {
    TEdit* edit = PlaceEdit(unit.edit, unit.x, unit.y);
    const QString caption = Text(unit.caption);
    if (!unit.cubed) {
      Label(unit.edit, caption);
      continue;
    }
    // The exponent stands between the caption and the edit, 3 pixels above the caption.
    AttachLabelPieces(edit,
                      {{QStringLiteral("Label%1").arg(unit.edit), caption},
                       {QStringLiteral("Exponent%1").arg(unit.edit), QStringLiteral("3"), 3}},
                      kNavy, true, 5);
  }
  WireChanges(kHub, &TFormDensidad::Edit1Change, &TFormDensidad::UnitChange);
  // Edit1 to Edit14, the button, Edit15 last.
  Finish(kTabOrder);
}

void TFormDensidad::UnitChange(int n) {
  if (!UnitReads(n)) return;
  HandToHub(kHub, static_cast<Extended>(Value[n]) * UnitOf(kUnits, n).toBase, kDecimals);
}

void TFormDensidad::Edit1Change() {
  // A value typed elsewhere comes unrounded from the unit handler, never through the text.
  HubPass(kHub, [this] {
    const Extended base = Value[kHub];
    for (const DensityUnit& unit : ToWrite(std::span(kUnits).subspan(1))) {
      Extended value = base;
      if (unit.from == From::Factor) value = base * unit.fromBase;
      // From lb/gal as just written, or as typed there when it is the source.
      if (unit.from == From::Sixteenfold) value = unit.fromBase * Value[kPoundsPerGallon];
      if (unit.edit == kGuarded && value > kLimit) {
        ResetOverflow();
        return;  // lb/yd³ comes first: nothing has been written
      }
      WriteValue(Edits[unit.edit], Value[unit.edit], value, kDecimals);
    }
  });
}

void TFormDensidad::ResetOverflow() {
  OverflowReset reset = EmptyingHubReset(
      //: caption of a box: an exclamation
      tr("Ohhh..."),
      //: %1 is the number typed: "%1 is quite a number!"
      tr("%1 es todo un numerito!").arg(ActiveEdit->Text()));
  reset.icon = platform::Icon::Information;
  // Emptying the hub runs it again: it finds the empty text and clears every edit.
  ResetAfterOverflow(this, reset);
}
