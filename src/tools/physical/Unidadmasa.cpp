#include "tools/physical/Unidadmasa.h"

#include <QColor>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"

namespace {

constexpr int kEditBound = 30;  // Edit26 and Edit27 do not exist
constexpr int kHub = 2;         // the kilogram edit
constexpr int kGuarded = 6;     // "uma - O16": the one product tested against the limit
constexpr Extended kLimit = 1e300L;

enum class Kind { Metric, Atomic, Old };  // navy, green, teal labels

struct MassUnit {
  int edit;
  const char* caption;  // UTF-8, marked for translation in the window's context
  // A value of this unit times toKg gives kilograms; kilograms times fromKg give this unit.
  // Each row's two factors are reciprocals, each used as given.
  Extended toKg;
  Extended fromKg;
  Kind kind;
};

// The hub first, then the other edits in the order in which the hub writes them.
constexpr MassUnit kUnits[] = {
    {2, QT_TRANSLATE_NOOP("TFormMasa", "kilogramo"), 1.0L, 1.0L, Kind::Metric},
    {1, QT_TRANSLATE_NOOP("TFormMasa", "tonelada"), 1000.0L, 0.001L, Kind::Metric},
    {3, QT_TRANSLATE_NOOP("TFormMasa", "gramo"), 0.001L, 1000.0L, Kind::Metric},
    //: the technical unit of mass of the metre-kilopond-second system (9.80665 kg)
    {4, QT_TRANSLATE_NOOP("TFormMasa", "unidad MKpS"), 9.80665L, 0.10197162129779283L,
     Kind::Metric},
    //: atomic mass unit on the carbon-12 scale (so on the oxygen-16 and hydrogen-1 scales below)
    {5, QT_TRANSLATE_NOOP("TFormMasa", "uma - C12"), 1.66054e-27L, 6.022137376997844e26L,
     Kind::Atomic},
    {6, QT_TRANSLATE_NOOP("TFormMasa", "uma - O16"), 1.66001e-27L, 6.0240600960235186e26L,
     Kind::Atomic},
    {7, QT_TRANSLATE_NOOP("TFormMasa", "uma - H1"), 1.67353e-27L, 5.975393330265965e26L,
     Kind::Atomic},
    //: the avogram
    {8, QT_TRANSLATE_NOOP("TFormMasa", "avogramo"), 1.66036e-27L, 6.0227902382615816e26L,
     Kind::Atomic},
    //: long ton (2240 lb)
    {9, QT_TRANSLATE_NOOP("TFormMasa", "tonelada larga"), 1016.0469088L, 0.0009842065276110606L,
     Kind::Metric},
    //: short ton (2000 lb)
    {10, QT_TRANSLATE_NOOP("TFormMasa", "tonelada corta"), 907.18474L, 0.001102311310924388L,
     Kind::Metric},
    //: the long (British) hundredweight, 112 lb
    {11, QT_TRANSLATE_NOOP("TFormMasa", "gross cwt"), 50.80234544L, 0.01968413055222121L,
     Kind::Metric},
    //: the short (US) hundredweight, 100 lb
    {12, QT_TRANSLATE_NOOP("TFormMasa", "net cwt"), 45.359237L, 0.022046226218487758L,
     Kind::Metric},
    {13, QT_TRANSLATE_NOOP("TFormMasa", "slug"), 14.5939L, 0.06852177964766101L, Kind::Metric},
    //: the hyl, the metric slug (9.80665 kg)
    {24, QT_TRANSLATE_NOOP("TFormMasa", "hyl"), 9.80665L, 0.10197162129779283L, Kind::Metric},
    //: avoirdupois pound
    {14, QT_TRANSLATE_NOOP("TFormMasa", "lb avoird."), 0.45359237L, 2.2046226218487757L,
     Kind::Metric},
    //: apothecaries' or troy pound
    {15, QT_TRANSLATE_NOOP("TFormMasa", "lb apot. o troy"), 0.3732417216L, 2.6792288807189983L,
     Kind::Metric},
    //: apothecaries' or troy ounce
    {16, QT_TRANSLATE_NOOP("TFormMasa", "oz apot. o troy"), 0.0311034768L, 32.15074656862798L,
     Kind::Metric},
    //: avoirdupois ounce
    {17, QT_TRANSLATE_NOOP("TFormMasa", "oz avoird."), 0.028349523125L, 35.27396194958041L,
     Kind::Metric},
    //: apothecaries' dram
    {18, QT_TRANSLATE_NOOP("TFormMasa", "dram apot."), 0.0038879346L, 257.20597254902384L,
     Kind::Metric},
    //: avoirdupois dram
    {19, QT_TRANSLATE_NOOP("TFormMasa", "dram avoird."), 0.0017718451953125L, 564.3833911932866L,
     Kind::Metric},
    {20, QT_TRANSLATE_NOOP("TFormMasa", "pennyweight"), 0.00155517384L, 643.0149313725595L,
     Kind::Metric},
    //: apothecaries' scruple
    {21, QT_TRANSLATE_NOOP("TFormMasa", "scruple apot."), 0.0012959782L, 771.6179176470715L,
     Kind::Metric},
    //: troy carat
    {22, QT_TRANSLATE_NOOP("TFormMasa", "carat troy"), 0.000205197L, 4873.365595013573L,
     Kind::Metric},
    //: the grain
    {23, QT_TRANSLATE_NOOP("TFormMasa", "grano"), 6.479891e-5L, 15432.358352941432L, Kind::Metric},
    {25, QT_TRANSLATE_NOOP("TFormMasa", "miligramo"), 1e-6L, 1e6L, Kind::Metric},
    //: an old British unit of weight, as are truss and stone
    {28, QT_TRANSLATE_NOOP("TFormMasa", "wey"), 114.30527724L, 0.008748502467653872L, Kind::Old},
    {29, QT_TRANSLATE_NOOP("TFormMasa", "truss"), 16.32932532L, 0.06123951727357711L, Kind::Old},
    {30, QT_TRANSLATE_NOOP("TFormMasa", "stone"), 6.35029318L, 0.1574730444177697L, Kind::Old},
};

QColor ColorOf(Kind kind) {
  switch (kind) {
    case Kind::Atomic: return QColor(0x00, 0x80, 0x00);
    case Kind::Old: return QColor(0x00, 0x80, 0x80);
    case Kind::Metric: break;
  }
  return kNavy;
}

// Where the edits stand. The labels end a few pixels left of their edits, so each column
// leaves room for its longest caption at its left.
constexpr int kPitch = 28;  // from one row of edits to the next
struct Column {
  int x;         // of its edits
  int y;         // of its first edit
  int edits[8];  // ending in 0s
};
constexpr Column kColumns[] = {
    {100, 16, {1, 2, 3, 25}},                     // metric, in the first frame
    {100, 145, {4}},                              // technical, in the second
    {100, 190, {5, 6, 7, 8}},                     // atomic, in the third
    {342, 16, {9, 10, 11, 12, 13, 24, 14, 15}},   // British and US, middle column
    {592, 16, {16, 17, 18, 19, 20, 21, 22, 23}},  // British and US, right column
    {342, 257, {28, 29, 30}},                     // in the bracket below the middle column
};

struct Frame {
  int x, y, width, height;
};
constexpr Frame kFrames[] = {
    {8, 8, 222, 121}, {8, 137, 222, 37}, {8, 182, 222, 121}, {238, 8, 484, 233}};

constexpr int kTabOrder[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                             16, 17, 18, 19, 20, 21, 22, 23, 24, 28, 29, 30, 0,  25};

constexpr HubWindow kWindow{.name = "FormMasa",
                            .caption = QT_TRANSLATE_NOOP("TFormMasa", "Unidades de masa"),
                            .clientSize = {730, 383},
                            .lastEdit = kEditBound,
                            .hub = kHub,
                            .keys = SourceKeys::KeyDownAndPress,
                            .volver = {630, 345, 83, 27}};

}  // namespace

TFormMasa::TFormMasa(QWidget* owner) : THubForm(owner, kWindow) {
  int bevel = 0;
  for (const Frame& f : kFrames) {
    auto* frame = new TBevel(this, QStringLiteral("Bevel%1").arg(++bevel), TBevel::Shape::Box);
    frame->setGeometry(f.x, f.y, f.width, f.height);
  }
  // The open-topped bracket around "wey", "truss" and "stone": left, right and bottom.
  const QRect bracket(246, 249, 226, 94);
  auto* left = new TBevel(this, QStringLiteral("Bevel%1").arg(++bevel), TBevel::Shape::LeftLine);
  left->setGeometry(bracket.left(), bracket.top(), 2, bracket.height());
  auto* right = new TBevel(this, QStringLiteral("Bevel%1").arg(++bevel), TBevel::Shape::RightLine);
  right->setGeometry(bracket.right() - 1, bracket.top(), 2, bracket.height());
  auto* bottom =
      new TBevel(this, QStringLiteral("Bevel%1").arg(++bevel), TBevel::Shape::BottomLine);
  bottom->setGeometry(bracket.left(), bracket.bottom() - 1, bracket.width(), 2);

  for (const Column& column : kColumns) PlaceColumn(column.edits, column.x, column.y, kPitch, 0);
  for (const MassUnit& unit : kUnits) {
    Label(unit.edit, Text(unit.caption), ColorOf(unit.kind));
  }
  WireChanges(kHub, &TFormMasa::Edit2Change, &TFormMasa::UnitChange);
  // Edit1 to Edit24, Edit28 to Edit30, the button, and Edit25 last.
  Finish(kTabOrder);
}

void TFormMasa::UnitChange(int n) {
  if (!UnitReads(n)) return;
  HandToHub(kHub, static_cast<Extended>(Value[n]) * UnitOf(kUnits, n).toKg);
}

void TFormMasa::Edit2Change() {
  // A value typed elsewhere comes as the unit handler's kilograms, never through the text.
  HubPass(kHub, [this] {
    const Extended base = Value[kHub];
    for (const MassUnit& unit : ToWrite(std::span(kUnits).subspan(1))) {
      const Extended product = base * unit.fromKg;
      if (unit.edit == kGuarded && product > kLimit) {
        ResetOverflow();
        return;  // the edits after this one are not written
      }
      WriteValue(Edits[unit.edit], Value[unit.edit], product);
    }
  });
}

void TFormMasa::ResetOverflow() {
  // Emptying the hub runs it again: it finds the empty text and clears every edit.
  ResetAfterOverflow(
      //: caption of a box: an exclamation
      this, EmptyingHubReset(tr("Ohhhh!"),
                             //: "I can't process this little number... shall we try another one?"
                             tr("No puedo procesar este numerito...\n¿probamos con otro?")));
}
