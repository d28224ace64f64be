#include "tools/physical/Unidadpeso.h"

#include <QColor>
#include <limits>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Messages.h"

namespace {

constexpr int kEditBound = 18;  // Edit15 and Edit16 do not exist
constexpr int kTonne = 1;
constexpr int kKilogram = 2;
constexpr int kGram = 3;   // the gram hub
constexpr int kGrain = 4;  // the one pound-group unit with a limit
constexpr int kPound = 8;  // the pound hub
constexpr int kNewton = 17;
constexpr int kDyne = 18;
constexpr int kHandOver = 6;  // decimals of a value written into a hub
constexpr Extended kWeightLimit = 1.5e287L;
constexpr Extended kGrainLimit = 1e300L;
constexpr Extended kGramsPerPound = 453.59237L;

enum class Group { Gram, Pound, Hub };

struct WeightUnit {
  int edit;             // also its tag
  const char* caption;  // UTF-8, marked for translation in the window's context
  bool force;           // blue label
  Group group;
  Extended intoHub;  // a value typed here times this gives its hub's value
  int source;        // the edit whose value its hub converts from
  Extended fromSource;
  int decimals;
};

// The gram hub's writes in their order, then the pound hub's; last the two hubs. A derived
// value comes after its source: newtons and decanewtons from kilograms, dynes from newtons.
constexpr WeightUnit kUnits[] = {
    {1, QT_TRANSLATE_NOOP("TFormPeso", "tonelada [t]"), false, Group::Gram, 1000000.0L, kGram,
     1e-6L, 7},
    {2, QT_TRANSLATE_NOOP("TFormPeso", "kilogramo [kg]"), false, Group::Gram, 1000.0L, kGram,
     0.001L, 6},
    {13, QT_TRANSLATE_NOOP("TFormPeso", "miligramo [mg]"), false, Group::Gram, 0.001L, kGram,
     1000.0L, 6},
    {6, QT_TRANSLATE_NOOP("TFormPeso", "onza troy"), false, Group::Gram, 31.103L, kGram,
     0.03215123943028004L, 6},
    {7, QT_TRANSLATE_NOOP("TFormPeso", "libra troy"), false, Group::Gram, 373.236L, kGram,
     0.0026792699525233364L, 6},
    //: avoirdupois pound
    {8, QT_TRANSLATE_NOOP("TFormPeso", "libra av.[lb]"), false, Group::Hub, kGramsPerPound, kGram,
     0.002204622621848776L, 6},
    //: the decanewton, with the symbol the Spanish text gives it
    {14, QT_TRANSLATE_NOOP("TFormPeso", "decanewton [dN]"), true, Group::Gram, 1019.7162129779283L,
     kKilogram, 0.980665L, 6},
    {17, QT_TRANSLATE_NOOP("TFormPeso", "Newton [N]"), true, Group::Gram, 101.97162129779282L,
     kKilogram, 9.80665L, 6},
    {18, QT_TRANSLATE_NOOP("TFormPeso", "dina [dyn]"), true, Group::Gram, 0.0010197162129779282L,
     kNewton, 100000.0L, 6},
    //: the grain
    {4, QT_TRANSLATE_NOOP("TFormPeso", "grano [gr]"), false, Group::Pound, 0.00014285714285714287L,
     kPound, 7000.0L, 6},
    {5, QT_TRANSLATE_NOOP("TFormPeso", "onza [oz]"), false, Group::Pound, 0.0625L, kPound, 16.0L,
     6},
    //: the arroba, an old Spanish unit of weight (here 28 lb)
    {9, QT_TRANSLATE_NOOP("TFormPeso", "arroba"), false, Group::Pound, 28.0L, kPound,
     0.03571428571428571L, 6},
    //: the quintal, an old Spanish unit of weight (here 116 lb)
    {10, QT_TRANSLATE_NOOP("TFormPeso", "quintal"), false, Group::Pound, 116.0L, kPound,
     0.008620689655172414L, 6},
    {11, QT_TRANSLATE_NOOP("TFormPeso", "tonelada corta [short ton]"), false, Group::Pound, 2000.0L,
     kPound, 0.0005L, 7},
    {12, QT_TRANSLATE_NOOP("TFormPeso", "tonelada larga [long ton]"), false, Group::Pound, 2240.0L,
     kPound, 0.0004464285714285714L, 7},
    {3, QT_TRANSLATE_NOOP("TFormPeso", "gramo [g]"), false, Group::Hub, 1.0L, kGram, 1.0L, 6},
};
constexpr int kGramWrites = 9;   // rows written by the gram hub
constexpr int kPoundWrites = 6;  // the rows after them, written by the pound hub

// The three frames and the edits in each, top to bottom; also the tab order.
struct FramedUnits {
  int x, y, width;
  int edits[9];
};
constexpr FramedUnits kFrames[] = {
    {8, 8, 282, {14, 17, 18}},
    {8, 124, 282, {1, 2, 3, 13}},
    {298, 8, 310, {6, 7, 4, 5, 8, 9, 10, 11, 12}},
};
constexpr int kPitch = 28;

const QColor kBlue(0x00, 0x00, 0xFF);

// Default and Cancel button: Enter or Escape closes the window with the OK result.
constexpr HubWindow kWindow{.name = "FormPeso",
                            //: the window's title: units of weight and force
                            .caption = QT_TRANSLATE_NOOP("TFormPeso", "Unidades de Peso"),
                            .clientSize = {616, 353},
                            .lastEdit = kEditBound,
                            .hub = kGram,
                            .keys = SourceKeys::KeyDownAndPress,
                            .volver = {517, 310, 83, 27},
                            .volverCancels = true};

}  // namespace

TFormPeso::TFormPeso(QWidget* owner) : THubForm(owner, kWindow) {
  int bevel = 0;
  for (const FramedUnits& group : kFrames) {
    int count = 0;
    while (count < 9 && group.edits[count] != 0) ++count;
    auto* frame = new TBevel(this, QStringLiteral("Bevel%1").arg(++bevel), TBevel::Shape::Box);
    frame->setGeometry(group.x, group.y, group.width, 16 + count * kPitch);
    for (int i = 0; i < count; ++i) {
      const WeightUnit& unit = UnitOf(kUnits, group.edits[i]);
      TEdit* edit = PlaceEdit(unit.edit, group.x + group.width - 129, group.y + 12 + i * kPitch);
      edit->setProperty("Tag", unit.edit);
      Label(unit.edit, Text(unit.caption), unit.force ? kBlue : kNavy);
      if (unit.edit == kGram) {
        edit->OnChange = [this](TEdit*) { Edit3Change(); };
      } else if (unit.edit == kPound) {
        edit->OnChange = [this](TEdit*) { Edit8Change(); };
      } else if (unit.group == Group::Gram) {
        edit->OnChange = [this](TEdit* sender) { Edit1Change(sender); };
      } else {
        edit->OnChange = [this, n = unit.edit](TEdit*) { PoundUnitChange(n); };
      }
    }
  }
  DeclareHubs({{kGram, &UpdatingGrams}, {kPound, &UpdatingPounds}});
  // The frames' edits, top to bottom, then the button.
  Finish();
}

void TFormPeso::Edit1Change(TEdit* sender) {
  // The hubs' own writes into these edits end here.
  if (!sender->Focused()) return;
  if (!Prologue(sender)) return;
  const int tag = sender->property("Tag").toInt();
  Extended grams = 0;
  try {
    const Extended value = ParseValue(sender->Text());
    if (value > kWeightLimit) {
      ReportTooHeavy(sender, value);
      return;
    }
    // The kilogram, newton and dyne values typed are kept: the gram hub derives from them.
    if (tag == kKilogram || tag == kNewton || tag == kDyne) Value[tag] = Store(value);
    grams = value * UnitOf(kUnits, tag).intoHub;
  } catch (const Exception&) {
    ReportNotANumber();
    return;
  }
  // This handler looks at neither ActiveEdit nor the hubs' flags.
  WriteValue(Edits[kGram], Value[kGram], grams, kHandOver);
}

void TFormPeso::PoundUnitChange(int n) {
  TEdit* edit = Edits[n];
  if (!edit->Focused()) return;
  if (!Prologue(edit)) return;
  try {
    Value[n] = Store(ParseValue(edit->Text()));
  } catch (const Exception&) {
    ReportNotANumber();
    return;
  }
  if (n == kGrain && Value[n] > kGrainLimit) {
    ResetGrains();  // nothing is converted from the rejected grains
    return;
  }
  HandToHub(kPound, static_cast<Extended>(Value[n]) * UnitOf(kUnits, n).intoHub, kHandOver);
}

// Each hub runs at most once per key stroke, its flag set until the next one.
void TFormPeso::Edit3Change() {
  HubPass(kGram, [this] {
    for (const WeightUnit& unit : ToWrite(std::span(kUnits).first(kGramWrites))) {
      // The pound hub, once it has run, is not written back; a skipped kilogram or newton
      // source keeps the value typed there.
      if (unit.edit == kPound && UpdatingPounds) continue;
      WriteValue(Edits[unit.edit], Value[unit.edit],
                 static_cast<Extended>(Value[unit.source]) * unit.fromSource, unit.decimals);
    }
  });
}

void TFormPeso::Edit8Change() {
  HubPass(kPound, [this] {
    const Extended pounds = Value[kPound];
    for (const WeightUnit& unit : ToWrite(std::span(kUnits).subspan(kGramWrites, kPoundWrites))) {
      WriteValue(Edits[unit.edit], Value[unit.edit], pounds * unit.fromSource, unit.decimals);
    }
    // The gram hub, run by this write, does not write back into the pounds.
    HandToHub(kGram, pounds * kGramsPerPound, kHandOver);
  });
}

// The value as it would be shown; one beyond the range of a double is quoted as typed.
void TFormPeso::ReportTooHeavy(TEdit* sender, Extended value) {
  const QString shown = value <= std::numeric_limits<double>::max()
                            ? FormatValue(static_cast<double>(value))
                            : sender->Text().trimmed();
  platform::MessageBox(this,
                       //: %1 is the number typed, between quotation marks
                       tr("\"%1\" Es un número demasiado grande para poner aquí.\n"
                          "Prueba con uno menor.\nGracias.")
                           .arg(shown),
                       //: caption of a warning box: "too heavy..."
                       tr("Muy pesado..."), platform::Icon::Warning);
  sender->SelectAll();
}

void TFormPeso::ReportNotANumber() {
  //: %1 is the text typed, between quotation marks
  platform::MessageBox(this, tr("\"%1\"\nno es un número válido.").arg(ActiveEdit->Text()),
                       //: caption of an error box: an exclamation
                       tr("Oh oh!"), platform::Icon::Error);
  ActiveEdit->SelectAll();
}

// The form starts again from 1 tonne, typed into Edit1 by a simulated key; no value is set
// beforehand and no beep sounds.
void TFormPeso::ResetGrains() {
  OverflowReset reset;
  //: caption of a warning box: "that's a lot..."
  reset.caption = tr("Es mucho...");
  //: a number too large was typed: "how far do you want to go today...?"
  reset.text = tr("¿Dónde quieres llegar hoy...?");
  reset.edit = Edits[kTonne];
  reset.activeEdit = &ActiveEdit;
  // The focus comes first: the tonne edit's handler empties the form only when focused.
  reset.keys = {{100, platform::keys::Numpad(1)}};
  reset.beep = false;
  ResetAfterOverflow(this, reset);
}
