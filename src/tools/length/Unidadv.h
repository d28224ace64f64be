#pragma once
// The length window: one length in 19 units at once. Its edits form a network: the
// centimetre edit is the hub of the metric side, the fathom edit the hub of the British
// side, and the two hubs are linked (1 fathom = 182.88 cm). Every edit's change handler
// writes its neighbours; the pass flags and ActiveEdit decide where the spreading stops.

#include <Qt>

#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TEdit;
class TLabel;
class TBitBtn;

class TForm3 : public TForm {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* owner);

 private:
  void BuildControls();
  void WireEvents();
  // An edit and its label; the caption is UTF-8, marked for translation in this window's
  // context.
  TEdit* AddEdit(const char* name, const char* labelName, const char* caption, int x, int y,
                 bool rightAligned);

  // Key-stroke bookkeeping and the key filter, shared by every edit.
  void Edit15KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }

  // Metric side.
  void Edit15Change();
  void Edit1Change();
  void Edit12Change();
  void Edit13Change();
  void Edit14Change();
  void Edit2Change();
  void Edit3Change();
  void Edit11Change();
  // British side.
  void Edit18Change();
  void Edit4Change();
  void Edit5Change();
  void Edit6Change();
  void Edit8Change();
  void Edit9Change();
  void Edit10Change();
  void Edit7Change();
  // Astronomical units.
  void Edit16Change();
  void Edit17Change();
  void Edit19Change();

  // The entry of the edits that hand their value over: false when the edit's pass is
  // already set (it is set now) or the edit is not the source.
  bool FirstPass(bool& pass, TEdit* edit);
  // Reads the edit and makes target the source, writing it with its value (rounded to 6
  // decimals): Ma to km, hm, dam and dm to m, ua, light year and parsec to Ma.
  void HandOver(TEdit* edit, double& value, long double factor, TEdit* target, double& targetValue);
  // Reads the edit's text into its value field; false (silently) when it does not read.
  bool Parse(TEdit* edit, double& value);
  bool ParseIfFocused(TEdit* edit, double& value);
  // The "Vaya!" reset: a box, then the window starts again from 1 metre.
  void ResetAfterOverflow();
  // The recovery of the millimetre edit when its write fails: starts again from 100 cm.
  void RestartFromCentimetres();

  TEdit* Edit1 = nullptr;
  TEdit* Edit2 = nullptr;
  TEdit* Edit3 = nullptr;
  TEdit* Edit4 = nullptr;
  TEdit* Edit5 = nullptr;
  TEdit* Edit6 = nullptr;
  TEdit* Edit7 = nullptr;
  TEdit* Edit8 = nullptr;
  TEdit* Edit9 = nullptr;
  TEdit* Edit10 = nullptr;
  TEdit* Edit11 = nullptr;
  TEdit* Edit12 = nullptr;
  TEdit* Edit13 = nullptr;
  TEdit* Edit14 = nullptr;
  TEdit* Edit15 = nullptr;
  TEdit* Edit16 = nullptr;
  TEdit* Edit17 = nullptr;
  TEdit* Edit18 = nullptr;
  TEdit* Edit19 = nullptr;
  TBitBtn* BitBtn1 = nullptr;

  double Myriametres = 0;
  double Kilometres = 0;
  double Hectometres = 0;
  double Decametres = 0;
  double Metres = 0;
  double Decimetres = 0;
  double Centimetres = 0;
  double Millimetres = 0;
  double Mils = 0;
  double Inches = 0;
  double Feet = 0;
  double Yards = 0;
  double Fathoms = 0;
  double Chains = 0;
  double StatuteMiles = 0;
  double NauticalMiles = 0;
  double AstronomicalUnits = 0;
  double LightYears = 0;
  double Parsecs = 0;

  TEdit* ActiveEdit = nullptr;
  bool MaPass = false;
  bool HmPass = false;
  bool DamPass = false;
  bool DmPass = false;
  bool CmPass = false;
  bool MmPass = false;
  bool MilPass = false;
  bool FathomPass = false;
  bool AuPass = false;
  bool LyPass = false;
  bool PcPass = false;
  KeyBookkeeping Bookkeeping{SourceKeys::KeyDown, &ActiveEdit, [this] {
                               MaPass = HmPass = DamPass = DmPass = CmPass = MmPass = false;
                               MilPass = FathomPass = AuPass = LyPass = PcPass = false;
                             }};
};
