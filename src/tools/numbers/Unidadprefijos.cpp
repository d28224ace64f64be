#include "tools/numbers/Unidadprefijos.h"

#include "numeric/Numeric.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Messages.h"

namespace {

constexpr int kHub = 21;  // "unidad"
constexpr int kPrefixes = 20;
// Above this, yocto (the base value times 1e24) would pass 1e300.
constexpr double kLimit = 1e276;

struct Prefix {
  const char* caption;  // UTF-8, marked for translation in the window's context
  // The base value times fromBase gives this edit's value; its value times toBase the base.
  Extended fromBase;
  Extended toBase;
};

// Edit1 to Edit20 in order: the left column from yotta down, the right column from deci.
constexpr Prefix kPrefixTable[kPrefixes] = {
    {QT_TRANSLATE_NOOP("TFormPrefijos", "yotta [Y]"), 1e-24L, 1e24L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "zetta [Z]"), 1e-21L, 1e21L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "exa [E]"), 1e-18L, 1e18L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "peta [P]"), 1e-15L, 1e15L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "tera [T]"), 1e-12L, 1e12L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "giga [G]"), 1e-9L, 1e9L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "mega [M]"), 1e-6L, 1e6L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "kilo [k]"), 0.001L, 1000.0L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "hecto [h]"), 0.01L, 100.0L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "deca [da]"), 0.1L, 10.0L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "deci [d]"), 10.0L, 0.1L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "centi [c]"), 100.0L, 0.01L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "mili [m]"), 1000.0L, 0.001L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "micro [µ]"), 1e6L, 1e-6L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "nano [n]"), 1e9L, 1e-9L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "pico [p]"), 1e12L, 1e-12L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "femto [f]"), 1e15L, 1e-15L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "atto [a]"), 1e18L, 1e-18L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "zepto [z]"), 1e21L, 1e-21L},
    {QT_TRANSLATE_NOOP("TFormPrefijos", "yocto [y]"), 1e24L, 1e-24L},
};

constexpr int kRowsPerColumn = 10;
constexpr int kPitch = 32;
constexpr int kTop = 16;
constexpr int kLeftX = 112;   // of the left column's edits
constexpr int kRightX = 360;  // of the right column's edits
constexpr int kHubY = kTop + kRowsPerColumn * kPitch + 8;

// Edit1 to Edit20, the button, and "unidad" last.
constexpr int kTabOrder[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                             12, 13, 14, 15, 16, 17, 18, 19, 20, 0,  kHub};

constexpr HubWindow kWindow{.name = "FormPrefijos",
                            .caption = QT_TRANSLATE_NOOP("TFormPrefijos", "Prefijos"),
                            .clientSize = {536, 400},
                            .lastEdit = kHub,
                            .hub = kHub,
                            .firstSource = kHub,
                            .keys = SourceKeys::KeyDownAndPress,
                            .volver = {kRightX + 38, kHubY - 3, 83, 27}};

}  // namespace

TFormPrefijos::TFormPrefijos(QWidget* owner) : THubForm(owner, kWindow) {
  for (int n = 1; n <= kHub; ++n) {
    const int row = (n - 1) % kRowsPerColumn;
    if (n == kHub) {
      PlaceEdit(n, kLeftX, kHubY);
    } else {
      PlaceEdit(n, n <= kRowsPerColumn ? kLeftX : kRightX, kTop + row * kPitch);
    }
    const QString caption =
        //: the bare unit, without a prefix
        n == kHub ? tr("unidad") : Text(kPrefixTable[n - 1].caption);
    TLabel* label = Label(n, caption);
    if (n == 1) label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  WireChanges(kHub, &TFormPrefijos::Edit21Change, &TFormPrefijos::PrefixChange);
  Finish(kTabOrder);
}

void TFormPrefijos::PrefixChange(int n) {
  // A text that does not read (only a paste brings one) ends in the default error box.
  if (!UnitReads(n)) return;
  HandToHub(kHub, static_cast<Extended>(Value[n]) * kPrefixTable[n - 1].toBase);
}

void TFormPrefijos::Edit21Change() {
  if (!PassStarts(kHub)) return;
  try {
    ReadIfFocused(Edits[kHub], Value[kHub]);
  } catch (const std::exception&) {
    RecoverUnreadableUnit();  // raises the error box's message
  }
  if (Value[kHub] > kLimit) ResetOverLimit();
  const Extended base = Value[kHub];
  for (int n : ToWrite(std::views::iota(1, kPrefixes + 1))) {
    WriteValue(Edits[n], Value[n], base * kPrefixTable[n - 1].fromBase);
  }
}

// Every edit back at 0 from the bare unit, then the error that ends the handler.
void TFormPrefijos::RecoverUnreadableUnit() {
  TEdit* hub = Edits[kHub];
  hub->SetText(QString());  // the hub returns at once: nothing else is cleared
  Updating = false;
  ActiveEdit = hub;
  hub->SetFocus();
  hub->SetText(QStringLiteral("0"));  // a whole pass that writes 0 everywhere
  platform::host().Pause(200);
  throw EConvertError(
      tr("Se ha producido un error inesperado...\nNo será posible continuar con el "
         "proceso en curso.\nSalga ordenadamente de todos los programas activos y "
         "reinicie el equipo."));
}

// The pass goes on from 0, so every edit ends at 0.
void TFormPrefijos::ResetOverLimit() {
  Value[kHub] = 0;
  platform::MessageBox(this,
                       tr("Este número supera la capacidad de cálculo...\nInténtelo "
                          "con otro más chiquito... \nGracias..."),
                       tr("¡Ohhh!"), platform::Icon::Warning);
  ActiveEdit = Edits[kHub];
  Edits[kHub]->SetText(QStringLiteral("0"));  // the hub returns at once, Updating being set
  Edits[kHub]->SetFocus();
  Updating = false;
}
