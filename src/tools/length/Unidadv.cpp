#include "tools/length/Unidadv.h"

#include "numeric/Numeric.h"
#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Messages.h"

namespace {

// ClearAllEdits goes up to Edit19.
constexpr int kEditBound = 19;

// The astronomical units are defined from the myriametre by doubles of seven significant
// digits; the way back multiplies by their reciprocals, kept in extended precision.
constexpr double kUaPerMa = 6.684581e-8;
constexpr double kLyPerMa = 1.057021e-12;
constexpr double kPcPerMa = 3.240735e-13;
constexpr Extended kMaPerUa = 14959800.7713572472L;
constexpr Extended kMaPerLy = 946054997961.251439L;
constexpr Extended kMaPerPc = 3085719751846.41753L;

// The British side hangs on the fathom: 1 fathom = 182.88 cm = 6 ft = 72 in.
constexpr Extended kCmPerFathom = 182.88L;
constexpr Extended kFathomPerCm = 1.0L / 182.88L;

// The literal texts by which one nautical mile shows exact figures in feet and inches.
const QString kOneNauticalMileInFathoms = QStringLiteral("1013,33333");
const QString kOneNauticalMile = QStringLiteral("1");

// Layout: the metric column on the left with the astronomical units below it, the British
// column on the right; a row every 32 pixels.
constexpr int kTop = 24;
constexpr int kRow = 32;
constexpr int kMetricEditX = 150;
constexpr int kBritishLabelX = 300;
constexpr int kBritishEditX = 452;
constexpr int kEditWidth = 121;
constexpr int kEditHeight = 21;

int RowY(int row) { return kTop + kRow * (row - 1); }

}  // namespace

TForm3::TForm3(QWidget* owner) : TForm(owner, QStringLiteral("Form3")) {
  SetCaption(tr("Unidades de longitud"));
  SetBorder(Border::Single);
  SetClientSize(590, 396);
  SetPosition(Position::ScreenCenter);
  KeyPreview = true;
  BuildControls();
  WireEvents();
  ActiveEdit = Edit1;
  Edit15->setFocus(Qt::OtherFocusReason);  // first in tab order
}

TEdit* TForm3::AddEdit(const char* name, const char* labelName, const char* caption, int x, int y,
                       bool rightAligned) {
  auto* edit = new TEdit(this, QString::fromLatin1(name));
  edit->setGeometry(x, y, kEditWidth, kEditHeight);
  edit->SetMaxLength(310);
  TLabel* label = AttachLabel(edit, QString::fromLatin1(labelName), Text(caption));
  if (!rightAligned) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->move(kBritishLabelX, y);
  }
  return edit;
}

void TForm3::BuildControls() {
  // Created in tab order, so the focus chain follows it.
  const int m = kMetricEditX;
  const int b = kBritishEditX;
  Edit15 = AddEdit("Edit15", "Label15", QT_TRANSLATE_NOOP("TForm3", "miriámetro [Ma]"), m, RowY(1),
                   true);
  Edit1 =
      AddEdit("Edit1", "Label1", QT_TRANSLATE_NOOP("TForm3", "kilómetro [km]"), m, RowY(2), true);
  Edit12 = AddEdit("Edit12", "Label12", QT_TRANSLATE_NOOP("TForm3", "hectómetro [hm]"), m, RowY(3),
                   true);
  Edit13 = AddEdit("Edit13", "Label13", QT_TRANSLATE_NOOP("TForm3", "decámetro [dam]"), m, RowY(4),
                   true);
  Edit2 = AddEdit("Edit2", "Label2", QT_TRANSLATE_NOOP("TForm3", "metro [m]"), m, RowY(5), true);
  Edit14 =
      AddEdit("Edit14", "Label14", QT_TRANSLATE_NOOP("TForm3", "decímetro [dm]"), m, RowY(6), true);
  Edit3 =
      AddEdit("Edit3", "Label3", QT_TRANSLATE_NOOP("TForm3", "centímetro [cm]"), m, RowY(7), true);
  Edit11 =
      AddEdit("Edit11", "Label11", QT_TRANSLATE_NOOP("TForm3", "milímetro [mm]"), m, RowY(8), true);
  Edit18 = AddEdit("Edit18", "Label18", QT_TRANSLATE_NOOP("TForm3", "milésima de pulg. [mil]"), b,
                   RowY(1), false);
  Edit4 = AddEdit("Edit4", "Label4", QT_TRANSLATE_NOOP("TForm3", "pulgada [inch (\"), in]"), b,
                  RowY(2), false);
  Edit5 = AddEdit("Edit5", "Label5", QT_TRANSLATE_NOOP("TForm3", "pie [foot ('), ft]"), b, RowY(3),
                  false);
  Edit6 = AddEdit("Edit6", "Label6", QT_TRANSLATE_NOOP("TForm3", "yarda [yard, yd]"), b, RowY(4),
                  false);
  Edit7 =
      AddEdit("Edit7", "Label7", QT_TRANSLATE_NOOP("TForm3", "braza [fathom]"), b, RowY(5), false);
  Edit8 = AddEdit("Edit8", "Label8", QT_TRANSLATE_NOOP("TForm3", "cadena [chain, ch]"), b, RowY(6),
                  false);
  Edit9 = AddEdit("Edit9", "Label9", QT_TRANSLATE_NOOP("TForm3", "milla estatuto [Mi]"), b, RowY(7),
                  false);
  Edit10 = AddEdit("Edit10", "Label10", QT_TRANSLATE_NOOP("TForm3", "nudo [milla marina]"), b,
                   RowY(8), false);
  Edit16 = AddEdit("Edit16", "Label16", QT_TRANSLATE_NOOP("TForm3", "unidad astronómica [ua]"), m,
                   RowY(9), true);
  Edit17 = AddEdit("Edit17", "Label17", QT_TRANSLATE_NOOP("TForm3", "año luz"), m, RowY(10), true);
  Edit19 =
      AddEdit("Edit19", "Label19", QT_TRANSLATE_NOOP("TForm3", "parsec [pc]"), m, RowY(11), true);

  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), tr("Volver"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(b + kEditWidth - 100, RowY(11) - 2, 100, 25);

  SetTabChain({Edit15, Edit1, Edit12, Edit13, Edit2, Edit14, Edit3,  Edit11, Edit18, Edit4,
               Edit5,  Edit6, Edit7,  Edit8,  Edit9, Edit10, Edit16, Edit17, Edit19, BitBtn1});
  // The unit search also finds the foot by its plural where the language does not make it by
  // rule ("5 feet").
  //: the foot's plural, which the unit search also finds (several separated by commas)
  Edit5->setProperty(platform::kSearchNames, tr("pies").split(u',', Qt::SkipEmptyParts));
}

void TForm3::WireEvents() {
  const std::pair<TEdit*, void (TForm3::*)()> handlers[] = {
      {Edit1, &TForm3::Edit1Change},   {Edit2, &TForm3::Edit2Change},
      {Edit3, &TForm3::Edit3Change},   {Edit4, &TForm3::Edit4Change},
      {Edit5, &TForm3::Edit5Change},   {Edit6, &TForm3::Edit6Change},
      {Edit7, &TForm3::Edit7Change},   {Edit8, &TForm3::Edit8Change},
      {Edit9, &TForm3::Edit9Change},   {Edit10, &TForm3::Edit10Change},
      {Edit11, &TForm3::Edit11Change}, {Edit12, &TForm3::Edit12Change},
      {Edit13, &TForm3::Edit13Change}, {Edit14, &TForm3::Edit14Change},
      {Edit15, &TForm3::Edit15Change}, {Edit16, &TForm3::Edit16Change},
      {Edit17, &TForm3::Edit17Change}, {Edit18, &TForm3::Edit18Change},
      {Edit19, &TForm3::Edit19Change}};
  for (const auto& [edit, handler] : handlers) {
    edit->OnChange = [this, handler = handler](TEdit*) { (this->*handler)(); };
    WireKeyHandlers(this, {edit}, &TForm3::Edit15KeyDown, &TForm3::Edit1KeyPress);
  }
}

bool TForm3::Parse(TEdit* edit, double& value) { return TryParseValue(edit->Text(), value); }

bool TForm3::ParseIfFocused(TEdit* edit, double& value) {
  return !edit->Focused() || Parse(edit, value);
}

// ---- Metric side ----

bool TForm3::FirstPass(bool& pass, TEdit* edit) {
  if (pass) return false;
  pass = true;
  return ActiveEdit == edit;
}

void TForm3::HandOver(TEdit* edit, double& value, Extended factor, TEdit* target,
                      double& targetValue) {
  if (!ChangePrologue(edit, kEditBound) || !Parse(edit, value)) return;
  ActiveEdit = target;  // the target acts as the source from here on
  WriteValue(target, targetValue, value * factor, 6);
}

void TForm3::Edit15Change() {
  if (FirstPass(MaPass, Edit15)) HandOver(Edit15, Myriametres, 10.0L, Edit1, Kilometres);
}

void TForm3::Edit1Change() {
  if (!ChangePrologue(Edit1, kEditBound) || !Parse(Edit1, Kilometres)) return;
  if (ActiveEdit == Edit1) WriteValue(Edit3, Centimetres, Kilometres * 100000.0L, 6);
  if (ActiveEdit != Edit15 && !MaPass) WriteValue(Edit15, Myriametres, Kilometres * 0.1L, 7);
  // The astronomical units always come from the myriametre value as it stands now.
  if (!AuPass) WriteValue(Edit16, AstronomicalUnits, Extended(Myriametres) * kUaPerMa);
  if (!LyPass) WriteValue(Edit17, LightYears, Extended(Myriametres) * kLyPerMa);
  if (!PcPass) WriteValue(Edit19, Parsecs, Extended(Myriametres) * kPcPerMa);
}

void TForm3::Edit12Change() {
  if (FirstPass(HmPass, Edit12)) HandOver(Edit12, Hectometres, 100.0L, Edit2, Metres);
}

void TForm3::Edit13Change() {
  if (FirstPass(DamPass, Edit13)) HandOver(Edit13, Decametres, 10.0L, Edit2, Metres);
}

void TForm3::Edit14Change() {
  if (ActiveEdit != Edit14 || DmPass) return;
  DmPass = true;
  HandOver(Edit14, Decimetres, 0.1L, Edit2, Metres);
}

void TForm3::Edit2Change() {
  if (!ChangePrologue(Edit2, kEditBound) || !Parse(Edit2, Metres)) return;
  if (ActiveEdit == Edit2) WriteValue(Edit3, Centimetres, Metres * 100.0L, 6);
  if (ActiveEdit != Edit12 && !HmPass) WriteValue(Edit12, Hectometres, Metres * 0.01L, 6);
  if (ActiveEdit != Edit13 && !DamPass) WriteValue(Edit13, Decametres, Metres * 0.1L, 6);
  if (ActiveEdit != Edit14 && !DmPass) WriteValue(Edit14, Decimetres, Metres * 10.0L, 6);
}

void TForm3::Edit3Change() {
  if (CmPass) return;
  CmPass = true;  // until the next key stroke
  if (!ChangePrologue(Edit3, kEditBound) || !ParseIfFocused(Edit3, Centimetres)) return;
  if (ActiveEdit != Edit2) WriteValue(Edit2, Metres, Centimetres * 0.01L, 6);
  if (ActiveEdit != Edit1) WriteValue(Edit1, Kilometres, Centimetres * 0.00001L, 7);
  // Over to the British side.
  if (!FathomPass) WriteValue(Edit7, Fathoms, Centimetres * kFathomPerCm, 6);
  if (!MmPass) WriteValue(Edit11, Millimetres, Centimetres * 10.0L, 6);
}

void TForm3::Edit11Change() {
  if (MmPass) return;
  MmPass = true;
  if (!ChangePrologue(Edit11, kEditBound) || !ParseIfFocused(Edit11, Millimetres)) return;
  if (Millimetres > 1e300) {
    ResetAfterOverflow();
    return;
  }
  if (CmPass) return;
  try {
    WriteValue(Edit3, Centimetres, Millimetres * 0.1L, 6);
  } catch (const std::exception&) {
    RestartFromCentimetres();
  }
}

// ---- British side ----

void TForm3::Edit18Change() {
  if (ActiveEdit != Edit18 || MilPass) return;
  MilPass = true;
  if (!ChangePrologue(Edit18, kEditBound) || !Parse(Edit18, Mils)) return;
  if (Mils > 1e300) {
    ResetAfterOverflow();
    return;
  }
  ActiveEdit = Edit4;  // the inch edit acts as the source from here on
  WriteValue(Edit4, Inches, Mils * 0.001L, 7);
}

void TForm3::Edit4Change() {
  if (!ChangePrologue(Edit4, kEditBound) || !Parse(Edit4, Inches)) return;
  if (ActiveEdit == Edit4) WriteValue(Edit7, Fathoms, Inches * (1.0L / 72.0L), 6);
  // From the inch text as shown, so the mils follow its rounding.
  if (!MilPass) WriteValue(Edit18, Mils, Inches * 1000.0L, 6);
}

void TForm3::Edit5Change() {
  if (!ChangePrologue(Edit5, kEditBound) || !Parse(Edit5, Feet)) return;
  if (ActiveEdit == Edit7 || !Edit5->Focused()) return;
  WriteValue(Edit7, Fathoms, Feet * (1.0L / 6.0L), 6);
}

void TForm3::Edit6Change() {
  if (ActiveEdit != Edit6) return;
  if (!ChangePrologue(Edit6, kEditBound) || !Parse(Edit6, Yards)) return;
  WriteValue(Edit7, Fathoms, Yards * 0.5L, 6);
}

void TForm3::Edit8Change() {
  if (ActiveEdit != Edit8) return;
  if (!ChangePrologue(Edit8, kEditBound) || !Parse(Edit8, Chains)) return;
  if (Edit7->Focused() || !Edit8->Focused()) return;
  WriteValue(Edit7, Fathoms, Chains * 11.0L, 6);
}

void TForm3::Edit9Change() {
  if (ActiveEdit != Edit9) return;
  if (!ChangePrologue(Edit9, kEditBound) || !Parse(Edit9, StatuteMiles)) return;
  WriteValue(Edit7, Fathoms, StatuteMiles * 880.0L, 7);
}

void TForm3::Edit10Change() {
  if (ActiveEdit != Edit10) return;
  if (!ChangePrologue(Edit10, kEditBound) || !Parse(Edit10, NauticalMiles)) return;
  WriteValue(Edit7, Fathoms, NauticalMiles * 6080.0L * (1.0L / 6.0L), 7);
}

void TForm3::Edit7Change() {
  if (FathomPass) return;  // set only below, once the British edits are written
  if (!ChangePrologue(Edit7, kEditBound) || !ParseIfFocused(Edit7, Fathoms)) return;
  if (ActiveEdit != Edit8) WriteValue(Edit8, Chains, Fathoms * (1.0L / 11.0L), 6);
  if (ActiveEdit != Edit9) WriteValue(Edit9, StatuteMiles, Fathoms * (1.0L / 880.0L), 7);
  if (ActiveEdit != Edit10) {
    if (Edit7->Text() == kOneNauticalMileInFathoms) {
      Edit10->SetText(kOneNauticalMile);
    } else {
      WriteValue(Edit10, NauticalMiles, Fathoms * 6.0L * (1.0L / 6080.0L), 7);
    }
  }
  if (ActiveEdit != Edit6) WriteValue(Edit6, Yards, Fathoms * 2.0L, 6);
  // One nautical mile is exactly 6080 feet, 72960 inches.
  if (ActiveEdit != Edit5) {
    if (Edit10->Text() == kOneNauticalMile) {
      Edit5->SetText(QStringLiteral("6080"));
    } else {
      WriteValue(Edit5, Feet, Fathoms * 6.0L, 6);
    }
  }
  if (ActiveEdit != Edit4) {
    if (Edit10->Text() == kOneNauticalMile) {
      Edit4->SetText(QStringLiteral("72960"));
    } else {
      WriteValue(Edit4, Inches, Fathoms * 72.0L, 6);
    }
  }
  FathomPass = true;
  // Over to the metric side.
  if (CmPass) return;
  WriteValue(Edit3, Centimetres, Fathoms * kCmPerFathom, 6);
}

// ---- Astronomical units ----

void TForm3::Edit16Change() {
  if (FirstPass(AuPass, Edit16)) HandOver(Edit16, AstronomicalUnits, kMaPerUa, Edit15, Myriametres);
}

void TForm3::Edit17Change() {
  if (FirstPass(LyPass, Edit17)) HandOver(Edit17, LightYears, kMaPerLy, Edit15, Myriametres);
}

void TForm3::Edit19Change() {
  if (FirstPass(PcPass, Edit19)) HandOver(Edit19, Parsecs, kMaPerPc, Edit15, Myriametres);
}

// ---- Resets ----

void TForm3::ResetAfterOverflow() {
  OverflowReset reset;
  reset.caption = tr("Vaya!");
  reset.text = tr("¡Qué número más grande tienes...!");
  reset.edit = Edit2;
  reset.value = &Metres;
  reset.activeEdit = &ActiveEdit;
  ::ResetAfterOverflow(this, reset);
}

void TForm3::RestartFromCentimetres() {
  OverflowReset restart;
  restart.simpleDialog = true;
  restart.text = tr("Esto así no funciona... ");
  restart.edit = Edit3;
  restart.value = &Centimetres;
  restart.resetValue = 0;
  restart.activeEdit = &ActiveEdit;
  // The failed chain left the centimetre pass set; without clearing it, emptying the edit
  // would not clear the window.
  restart.resetGuards = [this] { Bookkeeping.ClearGuards(); };
  restart.keys = {{100, platform::keys::Numpad(1)},
                  {100, platform::keys::Numpad(0)},
                  {100, platform::keys::Numpad(0)}};
  restart.beep = false;
  ::ResetAfterOverflow(this, restart);
}
