#include "tools/physical/Unidadvol.h"

#include <QColor>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"

namespace {

constexpr int kEditBound = 26;
constexpr int kCubicMetres = 1;
constexpr int kCubicCentimetres = 2;
constexpr Extended kLimit = 1e299L;  // cubic centimetres

// target := the writer's value × factors, shown with its decimals; skipped while the guard
// (a hub edit) is busy.
struct Link {
  int target = 0;
  Factors factors;
  int guard = 0;  // 0: none
  int decimals = 6;
};

enum class Kind { Cubic, Liquid, Bottom };  // navy (also the US dry units), blue, teal

struct VolumeUnit {
  int edit;
  const char*
      caption;  // UTF-8, marked for translation; a cubic caption gets a raised 3 and "]" after it
  bool cubic;
  Kind kind;
  Link links[8];  // in the order in which they are written
};

// Doubles as stated: 4.54596, 16.387064, 33.6003125, 1000.028, 0.001000028, 1.000028,
// 3.785411784, 158987.294928 and 1233481837.54752; a 1/x is the extended reciprocal of the
// double x.
constexpr Extended kToUsLiquid = 1.0L / 3.785411784;  // per litre, of a US liquid gallon
constexpr Extended kFromWaterLitre = 1.0L / 1.000028;
constexpr Extended kPerUsDryPint = 1.0L / 33.6003125;  // per cubic inch

constexpr VolumeUnit kUnits[] = {
    {1,
     //: a raised 3 and "]" follow: cubic metre [m³] (so for the cubic decimetre and centimetre)
     QT_TRANSLATE_NOOP("TFormVol", "metro cúbico [m"),
     true,
     Kind::Cubic,
     {{3, {{1.0L / 0.001000028}}, 3, 5}}},
    {15,
     QT_TRANSLATE_NOOP("TFormVol", "decímetro cúbico [dm"),
     true,
     Kind::Cubic,
     {{2, {{1000.0L}}}}},
    {2,
     QT_TRANSLATE_NOOP("TFormVol", "centímetro cúbico [cm"),
     true,
     Kind::Cubic,
     {{3, {{1.0L / 1000.028}}, 3},
      {26, {{0.00001L}}},
      {4, {{1.0L / 16.387064}}},
      {25, {{1.0L / 2359.737216}}},
      {15, {{0.001L}}},
      {16, {{0.001L}}},
      {22, {{1.0L / 1233481837.54752}}, 0, 9},
      {14, {{1.0L / 158987.294928}}}}},
    {26,
     QT_TRANSLATE_NOOP("TFormVol", "hectolitro[hl]"),
     false,
     Kind::Liquid,
     {{2, {{100000.0L}}, 2}}},
    {16, QT_TRANSLATE_NOOP("TFormVol", "litro [l]"), false, Kind::Liquid, {{2, {{1000.0L}}}}},
    {4,
     QT_TRANSLATE_NOOP("TFormVol", "pulgada cúbica [cu.in]"),
     false,
     Kind::Cubic,
     {{2, {{16.387064}}},
      {5, {{1.0L / 1728.0L}}, 5},
      {6, {{1.0L / 46656.0L}}},
      {21, {{kPerUsDryPint, 0.015625L}}},
      {10, {{kPerUsDryPint, 0.125L}}},
      {11, {{1.0L / 231.0L}}},
      {23, {{kPerUsDryPint}}},
      {24, {{kPerUsDryPint, 0.5L}}}}},
    {25,
     //: one square foot one inch thick (144 cubic inches), the board foot
     QT_TRANSLATE_NOOP("TFormVol", "pie cuadrado-pulgada"),
     false,
     Kind::Cubic,
     {{4, {{144.0L}}}}},
    {5,
     QT_TRANSLATE_NOOP("TFormVol", "pie cúbico [cu.ft]"),
     false,
     Kind::Cubic,
     {{4, {{1728.0L}}, 4}, {12, {{0.01L}}, 0, 7}, {13, {{0.025L}}, 0, 7}}},
    {6,
     QT_TRANSLATE_NOOP("TFormVol", "yarda cúbica [cu.yd]"),
     false,
     Kind::Cubic,
     {{4, {{46656.0L}}}}},
    {22,
     QT_TRANSLATE_NOOP("TFormVol", "acre-pie"),
     false,
     Kind::Cubic,
     {{2, {{1233481837.54752}}}}},
    {3,
     //: the old litre, the volume of a kilogram of water at 4 °C
     QT_TRANSLATE_NOOP("TFormVol", "litro de agua a 4 °C [l]"),
     false,
     Kind::Bottom,
     {{1, {{0.001000028}}, 0, 7},
      {2, {{1000.028}}, 2},
      {7, {{1.0L / 4.54596}}},
      {17, {{4.0L, 1.000028, kToUsLiquid}}},
      {18, {{8.0L, 1.000028, kToUsLiquid}}},
      {19, {{128.0L, 1.000028, kToUsLiquid}}},
      {20, {{1024.0L, 1.000028, kToUsLiquid}}}}},
    {12,
     //: the register ton (100 cubic feet)
     QT_TRANSLATE_NOOP("TFormVol", "tonelada de registro"),
     false,
     Kind::Bottom,
     {{5, {{100.0L}}, 5}}},
    {13,
     //: the shipping (freight) ton (40 cubic feet)
     QT_TRANSLATE_NOOP("TFormVol", "tonelada marina"),
     false,
     Kind::Bottom,
     {{5, {{40.0L}}, 5}}},
    {9, QT_TRANSLATE_NOOP("TFormVol", "pinta [pt]"), false, Kind::Liquid, {{7, {{0.125L}}}}},
    {8, QT_TRANSLATE_NOOP("TFormVol", "cuarto [qt]"), false, Kind::Liquid, {{7, {{0.25L}}}}},
    {7,
     QT_TRANSLATE_NOOP("TFormVol", "galón imperial [gal]"),
     false,
     Kind::Liquid,
     {{3, {{4.54596}}}, {8, {{4.0L}}}, {9, {{8.0L}}}}},
    {14,
     QT_TRANSLATE_NOOP("TFormVol", "barril (petróleo)"),
     false,
     Kind::Liquid,
     {{2, {{158987.294928}}, 2}}},
    {11,
     //: the US liquid gallon
     QT_TRANSLATE_NOOP("TFormVol", "galón líquidos [gal]"),
     false,
     Kind::Liquid,
     {{4, {{231.0L}}}}},
    {17,
     QT_TRANSLATE_NOOP("TFormVol", "cuarto [qt]"),
     false,
     Kind::Liquid,
     {{3, {{0.25L, kFromWaterLitre, 3.785411784}}}}},
    {18,
     QT_TRANSLATE_NOOP("TFormVol", "pinta [pt]"),
     false,
     Kind::Liquid,
     {{3, {{0.125L, kFromWaterLitre, 3.785411784}}}}},
    {19,
     QT_TRANSLATE_NOOP("TFormVol", "onza [fl oz]"),
     false,
     Kind::Liquid,
     {{3, {{0.0078125L, kFromWaterLitre, 3.785411784}}}}},
    {20,
     QT_TRANSLATE_NOOP("TFormVol", "dram [fl dr]"),
     false,
     Kind::Liquid,
     {{3, {{0.0009765625L, kFromWaterLitre, 3.785411784}}}}},
    {21,
     QT_TRANSLATE_NOOP("TFormVol", "bushel [bu]"),
     false,
     Kind::Cubic,
     {{4, {{33.6003125, 64.0L}}}}},
    {10,
     //: the US dry gallon
     QT_TRANSLATE_NOOP("TFormVol", "galón áridos [gal]"),
     false,
     Kind::Cubic,
     {{4, {{33.6003125, 8.0L}}}}},
    {24,
     QT_TRANSLATE_NOOP("TFormVol", "cuarto [qt]"),
     false,
     Kind::Cubic,
     {{4, {{33.6003125, 2.0L}}}}},
    {23, QT_TRANSLATE_NOOP("TFormVol", "pinta [pt]"), false, Kind::Cubic, {{4, {{33.6003125}}}}},
};

QColor ColorOf(Kind kind) {
  switch (kind) {
    case Kind::Liquid: return QColor(0x00, 0x00, 0xFF);
    case Kind::Bottom: return QColor(0x00, 0x80, 0x80);
    case Kind::Cubic: break;
  }
  return kNavy;
}

// Five raised frames, in tab order: three on the left, two headed ones on the right. A row of
// edits every 28 pixels.
constexpr int kPitch = 28;
struct Frame {
  int x, y, width, height;
  const char* heading;  // marked for translation; null: none
  int editX;
  int firstRow;  // y of the first edit
  int edits[10];
};
constexpr Frame kFrames[] = {
    {8, 8, 302, 153, nullptr, 176, 18, {1, 15, 2, 26, 16}},
    {8, 173, 302, 153, nullptr, 176, 183, {4, 25, 5, 6, 22}},
    {8, 338, 302, 100, nullptr, 176, 348, {3, 12, 13}},
    //: heading of the British (imperial) units
    {318, 8, 339, 113, QT_TRANSLATE_NOOP("TFormVol", "G.B."), 524, 34, {9, 8, 7}},
    {318,
     129,
     339,
     309,
     //: heading of the United States units
     QT_TRANSLATE_NOOP("TFormVol", "EE.UU."),
     524,
     155,
     {14, 11, 17, 18, 19, 20, 21, 10, 24, 23}},
};

constexpr HubWindow kWindow{
    .name = "FormVol",
    .caption = QT_TRANSLATE_NOOP("TFormVol", "Unidades de volumen y capacidad"),
    .clientSize = {665, 489},
    .lastEdit = kEditBound,
    .keys = SourceKeys::KeyDown,
    .volver = {567, 452, 90, 27}};

}  // namespace

TFormVol::TFormVol(QWidget* owner) : THubForm(owner, kWindow) {
  int bevel = 0;
  for (const Frame& frame : kFrames) {
    auto* box = new TBevel(this, QStringLiteral("Bevel%1").arg(++bevel), TBevel::Shape::Box, true);
    box->setGeometry(frame.x, frame.y, frame.width, frame.height);
    if (frame.heading) {
      PlaceLabel(this, QStringLiteral("Heading%1").arg(bevel), Text(frame.heading), frame.x + 10,
                 frame.y + 6, ColorOf(Kind::Cubic), true);
    }
    for (int i = 0; i < 10 && frame.edits[i] != 0; ++i) {
      const VolumeUnit& unit = UnitOf(kUnits, frame.edits[i]);
      TEdit* edit = PlaceEdit(unit.edit, frame.editX, frame.firstRow + i * kPitch);
      const QString caption = Text(unit.caption);
      if (!unit.cubic) {
        Label(unit.edit, caption, ColorOf(unit.kind));
        continue;
      }
      const QString label = QStringLiteral("Label%1").arg(unit.edit);
      AttachLabelPieces(edit,
                        {{label, caption},
                         {label + QStringLiteral("Exp"), QStringLiteral("3"), 2},
                         {label + QStringLiteral("End"), QStringLiteral("]")}},
                        ColorOf(unit.kind), true);
    }
  }
  //: tooltip of the litre of water: its definition before 1964
  FindComponent(QStringLiteral("Label3"))->setToolTip(tr("equival. anterior a 1964"));
  Edits[3]->setToolTip(tr("litro de agua a 4 ºC"));
  //: the English name of the register ton
  Edits[12]->setToolTip(tr("register ton"));
  FindComponent(QStringLiteral("Label12"))->setToolTip(tr("register ton"));

  DeclareHubs({{kCubicCentimetres, &UpdatingCm3},
               {3, &UpdatingWaterLitre},
               {4, &UpdatingCuIn},
               {5, &UpdatingCuFt},
               {7, &UpdatingGallon}});
  WireChanges(&TFormVol::HubChange, &TFormVol::LeafChange);
  Finish();
}

void TFormVol::HubChange(int n) {
  if (!PassStarts(n)) return;  // busy until the next key-down in an edit
  // Written by a neighbour, the hub's value is already the neighbour's unrounded product.
  if (Edits[n]->Focused() && !TryParseValue(Edits[n]->Text(), Value[n])) return;
  if (n == kCubicCentimetres && Value[n] > kLimit) {
    EraseTypedText();
    return;
  }
  WriteTargets(n);
}

void TFormVol::LeafChange(int n) {
  TEdit* edit = Edits[n];
  if (n == kCubicMetres && !edit->Focused()) return;
  // Emptied by the clearing, a leaf clears too, focused or not.
  if (!Prologue(edit)) return;
  if (edit->Focused() && !TryParseValue(edit->Text(), Value[n])) return;
  WriteTargets(n);
}

void TFormVol::WriteTargets(int n) {
  for (const Link& link : UnitOf(kUnits, n).links) {
    if (link.target == 0) break;
    TEdit* target = Edits[link.target];
    if (target == ActiveEdit || Busy(link.guard)) continue;
    // The writer's value as it stands now: an echo may have rewritten it since the last write.
    WriteValue(target, Value[link.target], link.factors.Apply(Value[n]), link.decimals);
  }
}

void TFormVol::EraseTypedText() {
  SimulateKeys({{0, platform::keys::ShiftHome()}, {0, platform::keys::Backspace()}});
}
