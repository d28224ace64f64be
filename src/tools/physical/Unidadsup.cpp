#include "tools/physical/Unidadsup.h"

#include "numeric/Numeric.h"
#include "platform/Edit.h"
#include "platform/Messages.h"

namespace {

// The clearing looks up to one less than the window's 23 controls (11 edits, 11 labels, the
// button).
constexpr int kEditBound = 22;
constexpr int kDecimals = 7;
constexpr int kSquareMetres = 3;
constexpr int kSquareCentimetres = 4;

// A write from one edit into another: the target's value is the writer's (or another edit's)
// value times the factor. A copy hands value and text over unchanged (1 ca = 1 m²).
constexpr Extended kCopy = 0;
struct Link {
  int target = 0;
  Extended factor = kCopy;
  int from = 0;  // the edit whose value is multiplied; 0: the writer itself
};

struct AreaUnit {
  int edit;
  const char* caption;  // UTF-8, marked for translation in the window's context
  int x, y;             // where the edit stands
  Link links[4];        // in the order in which they are written
};

// Two columns, in tab order. Each writer's targets in order; a hub target is written only
// while its busy flag is false.
constexpr int kLeft = 176;
constexpr int kRight = 524;
constexpr int kTop = 22;
constexpr int kPitch = 40;
constexpr AreaUnit kUnits[] = {
    {1,
     QT_TRANSLATE_NOOP("TFormSup", "kilómetro cuadrado [km²]"),
     kLeft,
     kTop,
     {{2, 100.0L}, {9, 1.0L / 2.589988110336}}},
    {2,
     QT_TRANSLATE_NOOP("TFormSup", "hectárea [ha]"),
     kLeft,
     kTop + kPitch,
     {{1, 0.01L}, {3, 10000.0L}, {8, 1.0L / 0.40468564224}, {12, 100.0L}}},
    //: the are (100 square metres)
    {12, QT_TRANSLATE_NOOP("TFormSup", "área [a]"), kLeft, kTop + 2 * kPitch, {{2, 0.01L}}},
    //: the centiare (one square metre)
    {10, QT_TRANSLATE_NOOP("TFormSup", "centiárea [ca]"), kLeft, kTop + 3 * kPitch, {{3, kCopy}}},
    {3,
     QT_TRANSLATE_NOOP("TFormSup", "metro cuadrado [m²]"),
     kLeft,
     kTop + 4 * kPitch,
     {{2, 0.0001L}, {4, 10000.0L}, {10, kCopy}}},
    {4,
     QT_TRANSLATE_NOOP("TFormSup", "centímetro cuadrado [cm²]"),
     kLeft,
     kTop + 5 * kPitch,
     {{3, 0.0001L}, {5, 1.0L / 6.4516}}},
    // Square feet and yards come from the square centimetres, just set from the square inches.
    {5,
     QT_TRANSLATE_NOOP("TFormSup", "pulgada cuadrada [sq.in]"),
     kRight,
     kTop,
     {{4, 6.4516L},
      {6, 1.0L / 929.0304, kSquareCentimetres},
      {7, 1.0L / 8361.2736, kSquareCentimetres}}},
    {6,
     QT_TRANSLATE_NOOP("TFormSup", "pie cuadrado [sq.ft]"),
     kRight,
     kTop + kPitch,
     {{5, 144.0L}}},
    {7,
     QT_TRANSLATE_NOOP("TFormSup", "yarda cuadrada [sq.yd]"),
     kRight,
     kTop + 2 * kPitch,
     {{5, 1296.0L}}},
    {8,
     QT_TRANSLATE_NOOP("TFormSup", "acre [A]"),
     kRight,
     kTop + 3 * kPitch,
     {{2, 0.40468564224L}}},
    {9,
     QT_TRANSLATE_NOOP("TFormSup", "milla cuadrada [sq.Mi]"),
     kRight,
     kTop + 4 * kPitch,
     {{1, 2.589988110336L}, {8, 640.0L}}},
};

constexpr HubWindow kWindow{.name = "FormSup",
                            .caption = QT_TRANSLATE_NOOP("TFormSup", "Unidades de superficie"),
                            .clientSize = {666, 274},
                            .lastEdit = 12,
                            .clearsTo = kEditBound,
                            .keys = SourceKeys::PressAndDelete,
                            .volver = {kRight + 121 - 88, kTop + 5 * kPitch - 2, 88, 25}};

}  // namespace

TFormSup::TFormSup(QWidget* owner) : THubForm(owner, kWindow) {
  PlaceUnits(kUnits);
  DeclareHubs({{1, &UpdatingKm2},
               {2, &UpdatingHa},
               {kSquareMetres, &UpdatingM2},
               {kSquareCentimetres, &UpdatingCm2},
               {5, &UpdatingSqIn}});
  WireChanges(&TFormSup::HubChange, &TFormSup::LeafChange);
  Finish();
}

void TFormSup::HubChange(int n) {
  if (!PassStarts(n)) return;  // busy until the next key stroke
  // Written by a neighbour, the hub's value is already the neighbour's unrounded product.
  if (Edits[n]->Focused() && !Parse(n)) return;
  WriteTargets(n);
}

void TFormSup::LeafChange(int n) {
  TEdit* edit = Edits[n];
  if (!edit->Focused()) return;  // written by its hub: nothing to pass on
  if (!Prologue(edit) || !Parse(n)) return;
  WriteTargets(n);
}

bool TFormSup::Parse(int n) {
  TEdit* edit = Edits[n];
  // Beyond the double range a number is an overflow, not a bad text.
  if (TryParseValue(edit->Text(), Value[n])) return true;
  // The text that failed is named, even when it came with no key stroke into an edit other
  // than the last one typed in.
  platform::MessageBox(this,
                       //: %1 is the text typed
                       tr("%1 no es un número válido.").arg(edit->Text()),
                       //: caption of an error box
                       tr("Error"), platform::Icon::Error);
  ClearAllEdits(this, kEditBound);
  return false;
}

void TFormSup::WriteTargets(int n) {
  for (const Link& link : UnitOf(kUnits, n).links) {
    if (link.target == 0) break;
    TEdit* target = Edits[link.target];
    if (target == ActiveEdit || Busy(link.target)) continue;
    if (link.factor == kCopy) {
      Value[link.target] = Value[n];
      target->SetText(Edits[n]->Text());
      continue;
    }
    const Extended product = Value[link.from ? link.from : n] * link.factor;
    if (n != kSquareMetres || link.target != kSquareCentimetres) {
      WriteValue(target, Value[link.target], product, kDecimals);
      continue;
    }
    // The square centimetres, and every edit written from them, must stay within a double.
    try {
      WriteValue(target, Value[link.target], product, kDecimals);
    } catch (const EMathError&) {
      RestartFromSquareMetres();
      return;
    }
  }
}

void TFormSup::RestartFromSquareMetres() {
  // The m² handler is still running with its busy flag set: emptying the edit clears
  // nothing, and 1, 0, 0 typed there bring every unit back.
  ResetAfterOverflow(
      //: a number too large was typed: "this won't work like this..." (trailing blank kept)
      this, RetypeReset(tr("Esto así no funciona... "), kSquareMetres, kSquareMetres, 100, "100"));
}
