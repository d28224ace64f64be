#include "tools/physical/Unidaddatos.h"

#include <QColor>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"

namespace {

constexpr int kEditBound = 22;
constexpr int kHub = 9;                  // the bit
constexpr double kHubLimit = 1e300;      // bits
constexpr double kTypedLimit = 1.5e287;  // of a value typed outside the hub

struct DataUnit {
  int edit;
  const char* caption;  // UTF-8, marked for translation in the window's context
  // A value of this unit times bits gives bits; bits times perBit give this unit.
  Extended bits;
  Extended perBit;
};

// In tab order, which is also the order in which the hub writes: the basic units, the
// multiples of 1024, the decimal multiples.
constexpr DataUnit kUnits[] = {
    {9, QT_TRANSLATE_NOOP("TFormDatos", "bit (b)"), 1, 1},
    //: four bits
    {10, QT_TRANSLATE_NOOP("TFormDatos", "nibble (nb)"), 4, 0.25L},
    {11, QT_TRANSLATE_NOOP("TFormDatos", "Byte (B)"), 8, 0.125L},
    //: sixteen bits
    {12, QT_TRANSLATE_NOOP("TFormDatos", "word (w)"), 16, 0.0625L},
    //: thirty-two bits
    {13, QT_TRANSLATE_NOOP("TFormDatos", "double word (dword)"), 32, 0.03125L},
    //: a block of 512 bytes
    {14, QT_TRANSLATE_NOOP("TFormDatos", "block (blk)"), 4096, 0x1p-12L},
    //: 1024 bits (the binary multiples are written with capitals: Kb, kB, Mb...)
    {15, QT_TRANSLATE_NOOP("TFormDatos", "kilobit (Kb)"), 1024, 0x1p-10L},
    {16, QT_TRANSLATE_NOOP("TFormDatos", "kiloByte (kB)"), 8192, 0x1p-13L},
    {17, QT_TRANSLATE_NOOP("TFormDatos", "megabit (Mb)"), 1048576, 0x1p-20L},
    {18, QT_TRANSLATE_NOOP("TFormDatos", "megaByte (MB)"), 8388608, 0x1p-23L},
    {19, QT_TRANSLATE_NOOP("TFormDatos", "gigabit (Gb)"), 1073741824, 0x1p-30L},
    {20, QT_TRANSLATE_NOOP("TFormDatos", "gigaByte (GB)"), 8589934592, 0x1p-33L},
    {21, QT_TRANSLATE_NOOP("TFormDatos", "terabit (Tb)"), 1099511627776, 0x1p-40L},
    {22, QT_TRANSLATE_NOOP("TFormDatos", "teraByte (TB)"), 8796093022208, 0x1p-43L},
    //: 1000 bits (the SI multiples)
    {1, QT_TRANSLATE_NOOP("TFormDatos", "kilobit (kb)"), 1000, 0.001L},
    {2, QT_TRANSLATE_NOOP("TFormDatos", "kiloByte (kB)"), 8000, 0.000125L},
    {3, QT_TRANSLATE_NOOP("TFormDatos", "megabit (Mb)"), 1000000, 1e-6L},
    {4, QT_TRANSLATE_NOOP("TFormDatos", "megaByte (MB)"), 8000000, 1.25e-7L},
    {5, QT_TRANSLATE_NOOP("TFormDatos", "gigabit (Gb)"), 1000000000, 1e-9L},
    {6, QT_TRANSLATE_NOOP("TFormDatos", "gigaByte (GB)"), 8000000000, 1.25e-10L},
    {7, QT_TRANSLATE_NOOP("TFormDatos", "terabit (Tb)"), 1e12, 1e-12L},
    {8, QT_TRANSLATE_NOOP("TFormDatos", "teraByte (TB)"), 8e12, 1.25e-13L},
};
constexpr int kUnitCount = sizeof kUnits / sizeof kUnits[0];

// The three columns: their edits' x, and the tab positions they hold.
struct Column {
  int x;
  int first, count;
};
constexpr Column kColumns[] = {{150, 0, 6}, {376, 6, 8}, {620, 14, 8}};
constexpr int kTop = 24;
constexpr int kPitch = 32;

// Both the default and the Cancel button: Enter and Escape close the window.
constexpr HubWindow kWindow{
    .name = "FormDatos",
    //: the window's title (leading blank kept): units of digital information
    .caption = QT_TRANSLATE_NOOP("TFormDatos", " Datos"),
    .clientSize = {762, 355},
    .lastEdit = kEditBound,
    .hub = kHub,
    .keys = SourceKeys::PressAndDelete,
    .passReportsInvalid = true,
    .ownsInvalidBox = true,
    .volver = {660, 312, 83, 27},
    .volverCancels = true};

}  // namespace

TFormDatos::TFormDatos(QWidget* owner) : THubForm(owner, kWindow) {
  // The decimal multiples stand in a framed box captioned at its top-left corner.
  auto* frame = new TBevel(this, QStringLiteral("Bevel1"), TBevel::Shape::Box);
  frame->setGeometry(506, 12, 246, 8 * kPitch + 12);
  //: caption of the box of decimal multiples: the abbreviation of the International System of Units
  //: (blanks kept)
  auto* si = PlaceLabel(this, QStringLiteral("Label23"), tr(" SI "), 514, 5, kNavy, true);
  si->setAutoFillBackground(true);
  //: tooltip of the SI box: the International System of Units
  si->setToolTip(tr("Sistema Internacional"));

  for (const Column& column : kColumns) {
    for (int row = 0; row < column.count; ++row) {
      const DataUnit& unit = kUnits[column.first + row];
      PlaceEdit(unit.edit, column.x, kTop + row * kPitch);
      Label(unit.edit, Text(unit.caption));
    }
  }
  si->raise();
  WireChanges(kHub, &TFormDatos::Edit9Change, &TFormDatos::Edit10Change);
  WireKeys(&TFormDatos::Edit9KeyDown, &TFormDatos::Edit9KeyPress);
  Finish();
}

void TFormDatos::Edit9Change() {
  HubPass(kHub, [this] {
    // The pass goes on from 0 after the reset; the key it queued brings one bit later.
    if (Value[kHub] > kHubLimit) ResetTooManyBits();
    const Extended bits = Value[kHub];
    for (const DataUnit& unit : ToWrite(std::span(kUnits).subspan(1))) {
      WriteValue(Edits[unit.edit], Value[unit.edit], bits * unit.perBit);
    }
  });
}

void TFormDatos::Edit10Change(TEdit* sender, int tabPosition) {
  TypedUnitChange(sender, kTypedLimit, [tabPosition](double x) -> std::optional<Extended> {
    if (tabPosition <= 0 || tabPosition >= kUnitCount) return std::nullopt;
    return x * kUnits[tabPosition].bits;
  });
}

// The box, base 0, the bit edit the source, emptied (no pass runs, the guard being set) and
// then focused; keypad 1 after 200 ms; no beep.
void TFormDatos::ResetTooManyBits() {
  //: a number too large was typed: "that's a lot of bits...!"
  OverflowReset reset = RetypeReset(tr("Son muchos bits...!"), kHub, kHub, 200, "1");
  reset.simpleDialog = false;
  //: caption of a warning box: an exclamation of surprise
  reset.caption = tr("Epa!");
  reset.processMessages = true;
  reset.focusAfterEmptying = true;
  ResetAfterOverflow(this, reset);
}
