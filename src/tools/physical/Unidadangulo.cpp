#include "tools/physical/Unidadangulo.h"

#include <QColor>
#include <climits>
#include <cmath>
#include <initializer_list>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Messages.h"
#include "platform/Readable.h"
#include "value/Locale.h"

namespace {

constexpr Extended kPi = 3.141592653589793;  // the double
constexpr Extended kInvPi = 0.31830988618379067L;
constexpr Extended kInv180 = 1.0L / 180;
constexpr Extended kInv360 = 1.0L / 360;
constexpr Extended kInv60 = 1.0L / 60;
constexpr Extended kInv3600 = 1.0L / 3600;
constexpr Extended kGradToPi = 0.005L;
constexpr int kDecimals = 6;
constexpr int kSecondDecimals = 5;
// A seconds part this close to 60 is a whole minute more, a minutes part this close a degree.
constexpr double kSecondsCarry = 59.999999;
constexpr double kMinutesCarry = 59.99999999;

constexpr int kRadian = 1, kDegree = 2, kMinute = 3, kSecond = 4, kRowDegrees = 8, kRowMinutes = 9,
              kRowSeconds = 10;

const char* const kCaptions[] = {QT_TRANSLATE_NOOP("TFormAngulo", "radián"),
                                 QT_TRANSLATE_NOOP("TFormAngulo", "grado sexagesimal [°]"),
                                 QT_TRANSLATE_NOOP("TFormAngulo", "minuto sexagesimal [']"),
                                 QT_TRANSLATE_NOOP("TFormAngulo", "segundo sexagesimal ['']"),
                                 //: the gradian
                                 QT_TRANSLATE_NOOP("TFormAngulo", "grado centesimal [g]"),
                                 QT_TRANSLATE_NOOP("TFormAngulo", "revolución"),
                                 //: the right angle
                                 QT_TRANSLATE_NOOP("TFormAngulo", "recto")};

// The row under the gauge: each edit's x and width, and its symbol.
struct RowEdit {
  int edit;
  int x, width;
  const char* symbol;
  const char* spoken;  // what a screen reader calls the edit, whose symbol stands after it
};
//: the accessible name of the edit of whole degrees, beside the edits of minutes and seconds
constexpr RowEdit kRow[] = {{8, 312, 57, "°", QT_TRANSLATE_NOOP("TFormAngulo", "grados")},
                            {9, 384, 25, "'", QT_TRANSLATE_NOOP("TFormAngulo", "minutos")},
                            {10, 420, 33, "''", QT_TRANSLATE_NOOP("TFormAngulo", "segundos")}};
constexpr int kRowY = 136;

const QColor kDesktop(0x3a, 0x6e, 0xa5);

// An empty text, or one ending in the decimal separator (or a dash alone, where the
// caller says so), stops a handler.
bool Classify(const TEdit* edit, bool dashStops = false) {
  const QString text = edit->Text();
  if (text.isEmpty() || text.back() == platform::DecimalSeparator()) return false;
  return !(dashStops && text == QLatin1String("-"));
}

// The whole number an edit shows, or 0.
int IntegerIn(const TEdit* edit) {
  bool ok = false;
  const int value = edit->Text().toInt(&ok);
  return ok ? value : 0;
}

bool IsDigit(char16_t key) { return key >= u'0' && key <= u'9'; }

}  // namespace

TFormAngulo::TFormAngulo(QWidget* owner) : TForm(owner, QStringLiteral("FormAngulo")) {
  SetCaption(tr("Ángulos planos"));
  SetBorder(Border::Single);
  SetClientSize(481, 260);
  SetPosition(Position::ScreenCenter);

  for (int n = 1; n <= 7; ++n) {
    auto* edit = new TEdit(this, QStringLiteral("Edit%1").arg(n));
    Edits[n] = edit;
    edit->setGeometry(172, 16 + (n - 1) * 32, 121, 21);
    AttachLabel(edit, QStringLiteral("Label%1").arg(n), Text(kCaptions[n - 1]), kNavy, true);
  }

  CGauge1 = new TGauge(this, QStringLiteral("CGauge1"));
  CGauge1->setGeometry(336, 16, 105, 105);
  CGauge1->SetRange(0, 360);
  CGauge1->SetBackColor(palette().color(QPalette::Button));
  CGauge1->SetForeColor(kDesktop);

  for (const RowEdit& row : kRow) {
    auto* edit = new TEdit(this, QStringLiteral("Edit%1").arg(row.edit));
    Edits[row.edit] = edit;
    edit->setGeometry(row.x, kRowY, row.width, 21);
    edit->setAccessibleName(Text(row.spoken));
    edit->KeepNumbersAsWritten();  // whole degrees and minutes, and the seconds beside them
    TLabel* symbol =
        PlaceLabel(this, QStringLiteral("Label%1").arg(row.edit), QString::fromUtf8(row.symbol),
                   row.x + row.width + 2, kRowY, kNavy, true);
    symbol->setFixedHeight(21);
    symbol->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    platform::MarkThinText(symbol);
  }

  for (int n = 1; n <= 10; ++n) Edits[n]->OnEnter = [this](TEdit* sender) { EditEnter(sender); };
  WireKeyHandlers(this, Edits, &TFormAngulo::Edit1KeyDown, &TFormAngulo::Edit1KeyPress);
  WireKeyHandlers(this, {Edits[kRowDegrees], Edits[kRowMinutes]}, &TFormAngulo::Edit1KeyDown,
                  &TFormAngulo::Edit8KeyPress);
  Edits[kRadian]->OnChange = [this](TEdit*) { Edit1Change(); };
  Edits[kDegree]->OnChange = [this](TEdit*) { Edit2Change(); };
  for (int n = 3; n <= 7; ++n) Edits[n]->OnChange = [this, n](TEdit*) { RelayChange(n); };
  Edits[kRowDegrees]->OnChange = [this](TEdit*) { Edit8Change(); };
  Edits[kRowMinutes]->OnChange = [this](TEdit*) { Edit9Change(); };
  Edits[kRowSeconds]->OnChange = [this](TEdit*) { Edit10Change(); };

  //: the button that closes the window
  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), tr("Volver"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(380, 218, 83, 27);

  // Edit1 to Edit7, the button, then the row.
  SetTabChain({Edits[1], Edits[2], Edits[3], Edits[4], Edits[5], Edits[6], Edits[7], BitBtn1,
               Edits[8], Edits[9], Edits[10]});

  ActiveEdit = Edits[kRadian];
}

void TFormAngulo::EditEnter(TEdit* sender) { ActiveEdit = sender; }

void TFormAngulo::ClearGuards() {
  RadianUpdating = false;
  DegreeUpdating = false;
  MinuteCarry = 0;
  DegreeCarry = 0;
}

void TFormAngulo::Edit1KeyPress(TEdit* sender, char16_t& key) {
  Bookkeeping.KeyPress(sender, key);
  const char16_t separator = platform::DecimalSeparator();
  if (key == u'.' || key == u',') {
    key = ActiveEdit->Text().contains(QChar(separator)) ? 0 : separator;
  } else if (!IsDigit(key) && key != 8) {
    key = 0;
  }
}

void TFormAngulo::Edit8KeyPress(TEdit* sender, char16_t& key) {
  Bookkeeping.KeyPress(sender, key);
  if (!IsDigit(key) && key != 8) key = 0;
}

void TFormAngulo::WriteRow(TEdit* edit, const QString& text) {
  RowHeld = true;
  try {
    edit->SetText(text);
  } catch (...) {
    RowHeld = false;
    throw;
  }
  RowHeld = false;
}

void TFormAngulo::Edit1Change() {
  if (RadianUpdating) return;
  RadianUpdating = true;
  try {
    TEdit* edit = Edits[kRadian];
    if (!Classify(edit, true)) return;
    ReadIfFocused(edit, Radians);
    if (ActiveEdit != Edits[kDegree]) {
      WriteValue(Edits[kDegree], Degrees, Radians * 180 * kInvPi);
    }
    ShowTurn();
    if (ActiveEdit != Edits[5]) WriteValue(Edits[5], Grads, Radians * 200 * kInvPi, kDecimals);
    if (ActiveEdit != Edits[6]) {
      WriteValue(Edits[6], Revolutions, Radians * 0.5L * kInvPi, kDecimals);
    }
    if (ActiveEdit != Edits[7]) {
      WriteValue(Edits[7], RightAngles, Radians * kInvPi * 2, kDecimals);
    }
  } catch (const std::exception&) {
    CapacityReset();
  }
}

// The gauge shows the whole degrees within the current turn; the turn count is a 32-bit
// integer.
void TFormAngulo::ShowTurn() {
  const Extended turns = std::trunc(Degrees * kInv360);
  if (!(turns >= INT_MIN && turns <= INT_MAX)) RaiseInvalidOp();
  Turns = static_cast<int>(turns);
  TurnDegrees = Store(Degrees - static_cast<Extended>(Turns) * 360);
  CGauge1->SetProgress(static_cast<int>(std::trunc(TurnDegrees)));
}

// Every unit back at 0 from the degrees, and the focus in radians.
void TFormAngulo::CapacityReset() {
  platform::MessageBox(this, tr("Este número excede la capacidad de cálculo,\nlo lamento..."),
                       QStringLiteral("Tarvel"), platform::Icon::Information);
  DegreeUpdating = false;
  RadianUpdating = false;
  ActiveEdit = Edits[kDegree];
  Edits[kDegree]->SetFocus();
  Edits[kDegree]->SetText(QStringLiteral("0"));
  Edits[kRadian]->SetFocus();
}

void TFormAngulo::Edit2Change() {
  if (DegreeUpdating) return;
  DegreeUpdating = true;
  TEdit* edit = Edits[kDegree];
  if (!Classify(edit)) return;
  if (Edits[kRowSeconds]->Text().isEmpty()) WriteRow(Edits[kRowSeconds], QStringLiteral("0"));
  ReadIfFocused(edit, Degrees);
  if (ActiveEdit != Edits[kRadian] && !RadianUpdating) {
    WriteValue(Edits[kRadian], Radians, Degrees * kPi * kInv180);
  }
  if (ActiveEdit != Edits[kMinute]) WriteValue(Edits[kMinute], Minutes, Degrees * 60, kDecimals);
  if (ActiveEdit != Edits[kSecond]) {
    WriteValue(Edits[kSecond], Seconds, Degrees * 3600, kDecimals);
  }
  const Extended fraction = Degrees - std::floor(static_cast<Extended>(Degrees));
  if (ActiveEdit != Edits[kRowSeconds]) {
    const Extended minutes = fraction * 60;
    DmsSeconds = Store((minutes - std::floor(minutes)) * 60);
    if (DmsSeconds >= kSecondsCarry) {
      DmsSeconds = 0;
      ++MinuteCarry;
    }
    WriteValue(Edits[kRowSeconds], DmsSeconds, DmsSeconds, kSecondDecimals);
  }
  if (ActiveEdit != Edits[kRowMinutes]) {
    DmsMinutes = Store(fraction * 60 + MinuteCarry);
    MinuteCarry = 0;
    if (DmsMinutes >= kMinutesCarry) {
      DmsMinutes = 0;
      ++DegreeCarry;
    }
    Edits[kRowMinutes]->SetText(FormatValue(std::floor(DmsMinutes)));
  }
  if (ActiveEdit != Edits[kRowDegrees]) {
    DmsDegrees = Store(std::floor(static_cast<Extended>(Degrees)) + DegreeCarry);
    DegreeCarry = 0;
    Edits[kRowDegrees]->SetText(FormatValue(DmsDegrees));
  }
}

void TFormAngulo::RelayChange(int n) {
  TEdit* edit = Edits[n];
  if (!Classify(edit)) return;
  double* own[] = {nullptr,  nullptr, nullptr,      &Minutes,
                   &Seconds, &Grads,  &Revolutions, &RightAngles};
  double& value = *own[n];
  ReadIfFocused(edit, value);
  if (n == kMinute || n == kSecond) {
    if (ActiveEdit == Edits[kDegree] || DegreeUpdating) return;
    const Extended degrees = n == kMinute ? value * kInv60 : value * kInv3600;
    WriteValue(Edits[kDegree], Degrees, degrees);
    return;
  }
  if (ActiveEdit == Edits[kRadian] || RadianUpdating) return;
  Extended radians = 0;
  switch (n) {
    case 5: radians = value * kGradToPi * kPi; break;
    case 6: radians = value * 2 * kPi; break;
    default: radians = value * kPi * 0.5L; break;
  }
  WriteValue(Edits[kRadian], Radians, radians);
}

void TFormAngulo::Edit8Change() {
  if (RowHeld) return;
  TEdit* edit = Edits[kRowDegrees];
  if (!Classify(edit)) return;
  ReadIfFocused(edit, DmsDegrees);
  if (Edits[kRowSeconds]->Text().isEmpty()) WriteRow(Edits[kRowSeconds], QStringLiteral("0"));
  if (ActiveEdit == Edits[kDegree] || DegreeUpdating) return;
  const Extended minutes = IntegerIn(Edits[kRowMinutes]);
  const Extended seconds = ParseValue(Edits[kRowSeconds]->Text());
  WriteValue(Edits[kDegree], Degrees, seconds * kInv3600 + (minutes * kInv60 + DmsDegrees));
}

void TFormAngulo::Edit9Change() {
  if (RowHeld) return;
  TEdit* edit = Edits[kRowMinutes];
  if (!Classify(edit)) return;
  if (edit->Focused()) {
    DmsMinutes = Store(ParseValue(edit->Text()));
    if (DmsMinutes >= 60) {
      // Whole degrees go to the degrees edit, the rest stays here; the angle is the same.
      // Counted in extended precision, the rest exact: a pasted count of minutes may exceed
      // any integer.
      const Extended rest = std::fmod(static_cast<Extended>(DmsMinutes), 60.0L);
      const Extended degrees = std::round((DmsMinutes - rest) / 60.0L);
      DmsMinutes = Store(rest);
      DegreeUpdating = false;
      Edits[kRowDegrees]->SetText(FormatValue(Store(degrees + IntegerIn(Edits[kRowDegrees]))));
      DegreeUpdating = false;
      Edits[kRowMinutes]->SetText(FormatValue(DmsMinutes));
      BitBtn1->setFocus();
    }
  }
  if (Edits[kRowSeconds]->Text().isEmpty()) WriteRow(Edits[kRowSeconds], QStringLiteral("0"));
  if (ActiveEdit == Edits[kDegree] || DegreeUpdating) return;
  const Extended degrees = IntegerIn(Edits[kRowDegrees]);
  const Extended seconds = ParseValue(Edits[kRowSeconds]->Text());
  WriteValue(Edits[kDegree], Degrees, seconds * kInv3600 + (degrees + DmsMinutes * kInv60));
}

void TFormAngulo::Edit10Change() {
  TEdit* edit = Edits[kRowSeconds];
  // Too narrow for long values: the tool tip shows the whole text.
  edit->setToolTip(edit->Text());
  if (RowHeld || !Classify(edit)) return;
  if (edit->Focused()) {
    DmsDegrees = IntegerIn(Edits[kRowDegrees]);
    DmsMinutes = IntegerIn(Edits[kRowMinutes]);
    DmsSeconds = Store(ParseValue(edit->Text()));
    if (DmsSeconds >= 60) {
      // The carried parts make the angle below, whatever the rewritten edits would say.
      const Extended minutes = std::floor(DmsSeconds * kInv60);
      DmsSeconds = Store(DmsSeconds - 60 * minutes);
      DmsMinutes = Store(DmsMinutes + minutes);
      WriteRow(edit, FormatValue(DmsSeconds));
      if (DmsMinutes >= 60) {
        DmsMinutes -= 60;
        DmsDegrees += 1;
        DegreeUpdating = false;
        WriteRow(Edits[kRowMinutes], FormatValue(DmsMinutes));
        DegreeUpdating = false;
        WriteRow(Edits[kRowDegrees], FormatValue(DmsDegrees));
        DegreeUpdating = false;
      }
      edit->setToolTip(edit->Text());
      BitBtn1->setFocus();
      ActiveEdit = edit;
    }
  }
  if (ActiveEdit == Edits[kDegree] || DegreeUpdating) return;
  WriteValue(Edits[kDegree], Degrees, DmsMinutes * kInv60 + DmsDegrees + DmsSeconds * kInv3600);
}
