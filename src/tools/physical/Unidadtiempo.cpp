#include "tools/physical/Unidadtiempo.h"

#include "numeric/Numeric.h"
#include "platform/Edit.h"

namespace {

constexpr int kEditBound = 26;  // Edit26 does not exist
constexpr int kHub = 1;         // seconds
constexpr int kMonth = 6;       // emptied, it only waits
constexpr int kCentury = 9;
constexpr int kAtomic = 16;     // its product is tested in the hub before it is written
constexpr int kElemental = 17;  // its own value is tested whenever it changes
constexpr Extended kLimit = 1e300L;

struct TimeUnit {
  const char* caption;  // UTF-8, marked for translation in the window's context
  // A value of this unit times intoBase gives seconds; seconds times fromBase give this
  // unit. Each row's two factors are used as given.
  double intoBase;
  double fromBase;
};

// By edit number, from Edit1.
constexpr TimeUnit kUnits[] = {
    {QT_TRANSLATE_NOOP("TFormTiempo", "segundo"), 1, 1},
    {QT_TRANSLATE_NOOP("TFormTiempo", "minuto"), 60, 0.016666666666666666},
    {QT_TRANSLATE_NOOP("TFormTiempo", "hora"), 3600, 0.0002777777777777778},
    {QT_TRANSLATE_NOOP("TFormTiempo", "día"), 86400, 1.1574074074074073e-5},
    {QT_TRANSLATE_NOOP("TFormTiempo", "semana"), 604800, 1.6534391534391535e-6},
    //: a month of 30 days
    {QT_TRANSLATE_NOOP("TFormTiempo", "mes"), 2592000, 3.8580246913580245e-7},
    //: a year of 365 days
    {QT_TRANSLATE_NOOP("TFormTiempo", "año"), 31536001.97, 3.1709790002908225e-8},
    {QT_TRANSLATE_NOOP("TFormTiempo", "década"), 315360019.7, 3.1709790002908225e-9},
    {QT_TRANSLATE_NOOP("TFormTiempo", "siglo"), 3153600197, 3.1709790002908225e-10},
    {QT_TRANSLATE_NOOP("TFormTiempo", "milisegundo"), 0.001, 1000},
    {QT_TRANSLATE_NOOP("TFormTiempo", "microsegundo"), 1e-6, 1000000},
    {QT_TRANSLATE_NOOP("TFormTiempo", "nanosegundo"), 1e-9, 999999999.9999999},
    //: a small unit of time (0.864 s), named in English like shake and wink
    {QT_TRANSLATE_NOOP("TFormTiempo", "blink"), 0.864, 1.1574074074074074},
    {QT_TRANSLATE_NOOP("TFormTiempo", "shake"), 1e-8, 100000000},
    {QT_TRANSLATE_NOOP("TFormTiempo", "wink"), 3.33333e-10, 3000003000.003},
    //: the atomic unit of time
    {QT_TRANSLATE_NOOP("TFormTiempo", "unidad atómica"), 2.41888e-17, 4.134144728138643e16},
    //: the elemental unit of time (9.3996E-24 s)
    {QT_TRANSLATE_NOOP("TFormTiempo", "elemental"), 9.3996e-24, 1.0638750585131283e23},
    //: sidereal month
    {QT_TRANSLATE_NOOP("TFormTiempo", "mes sideral"), 2360590, 4.2362290783236397e-7},
    {QT_TRANSLATE_NOOP("TFormTiempo", "mes solar medio"), 2628000, 3.8051750380517503e-7},
    {QT_TRANSLATE_NOOP("TFormTiempo", "mes lunar"), 2551440, 3.9193553444329475e-7},
    {QT_TRANSLATE_NOOP("TFormTiempo", "año sideral"), 31558100, 3.168758575452895e-8},
    {QT_TRANSLATE_NOOP("TFormTiempo", "año solar medio"), 31557600, 3.168808781402895e-8},
    //: the Besselian (astronomical) year
    {QT_TRANSLATE_NOOP("TFormTiempo", "año Bessel astr."), 31557900, 3.168778657641985e-8},
    //: the calendar year
    {QT_TRANSLATE_NOOP("TFormTiempo", "año calendario"), 31536000, 3.1709791983764586e-8},
    {QT_TRANSLATE_NOOP("TFormTiempo", "año tropical"), 31556900, 3.1688790724057176e-8},
};
constexpr int kEdits = sizeof kUnits / sizeof kUnits[0];

// Three columns; a 0 leaves a gap.
constexpr int kLeft[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr int kMiddle[] = {10, 11, 12, 0, 13, 14, 15, 16, 17};
constexpr int kRight[] = {18, 19, 20, 0, 21, 22, 23, 24, 25};
constexpr int kTop = 16;
constexpr int kPitch = 30;
constexpr int kGap = 14;

// The hub's writes. The atomic unit has the largest factor: it comes first, and above the
// limit nothing is written.
constexpr int kWriteOrder[] = {kAtomic, 2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                               13,      14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 25};

constexpr HubWindow kWindow{.name = "FormTiempo",
                            .caption = QT_TRANSLATE_NOOP("TFormTiempo", "Unidades de tiempo"),
                            .clientSize = {742, 361},
                            .lastEdit = kEdits,
                            .clearsTo = kEditBound,
                            .keys = SourceKeys::KeyDownAndPress,
                            .volver = {628, 300, 83, 27}};

}  // namespace

TFormTiempo::TFormTiempo(QWidget* owner) : THubForm(owner, kWindow) {
  PlaceColumn(kLeft, 80, kTop, kPitch, kGap);
  PlaceColumn(kMiddle, 320, kTop, kPitch, kGap);
  PlaceColumn(kRight, 590, kTop, kPitch, kGap);
  Edits[kCentury]->SetMaxLength(50);
  for (int n = 1; n <= kEdits; ++n) Label(n, Text(kUnits[n - 1].caption));
  WireChanges(kHub, &TFormTiempo::Edit1Change, &TFormTiempo::UnitChange);
  Finish();
}

void TFormTiempo::UnitChange(int n) {
  // An emptied month waits like a lone dash: the other edits keep their values.
  if (n == kMonth && Edits[n]->Text().isEmpty()) return;
  if (!UnitReads(n)) return;
  if (n == kElemental && Value[n] > kLimit) ResetElemental();  // Edit1 is the source after it
  HandToHub(kHub, static_cast<Extended>(Value[n]) * kUnits[n - 1].intoBase);
}

void TFormTiempo::Edit1Change() {
  HubPass(kHub, [this] {
    const Extended base = Value[kHub];
    for (int n : ToWrite(kWriteOrder)) {
      const Extended value = base * kUnits[n - 1].fromBase;
      if (n == kAtomic && value > kLimit) {
        ResetAtomic();
        return;
      }
      WriteValue(Edits[n], Value[n], value);
    }
  });
}

// The "Ohhh..." box quoting the source's text, then the window emptied with Edit1 as the
// source; the focus stays, no key, no beep.
void TFormTiempo::ResetAtomic() {
  OverflowReset reset = EmptyingHubReset(
      //: caption of a box: an exclamation
      tr("Ohhh..."),
      //: %1 is the number typed: "%1 is quite a number!"
      tr("%1 es todo un numerito!").arg(ActiveEdit->Text()));
  reset.icon = platform::Icon::Information;
  // With the guard cleared, emptying the hub runs it again, and it clears every edit.
  ResetAfterOverflow(this, reset);
}

// The simple dialog, the elemental value 0, Edit1 the source with the focus, emptied, then
// keypad 1 after 100 ms; no beep. Inside a hub pass the emptied hub clears nothing and the
// pass goes on writing from its base; the key brings 1 s afterwards.
void TFormTiempo::ResetElemental() {
  ResetAfterOverflow(this, RetypeReset(tr("Este valor excede la capacidad de cálculo,\nlo siento"),
                                       kHub, kElemental, 100, "1"));
}
