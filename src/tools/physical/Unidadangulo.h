#pragma once
// The plane-angle window: radians and degrees are two hubs that feed each other; minutes,
// seconds, grads, revolutions and right angles relay to one of them; a row of three edits
// shows the angle as degrees, minutes and seconds, with carries both ways; a pie gauge shows
// the part of a full turn. The source of a conversion is the edit that last got the focus.

#include "numeric/KeyStrokes.h"
#include "platform/Form.h"
#include "value/FloatErrors.h"

class TBitBtn;
class TEdit;
class TGauge;

class TFormAngulo : public TForm {
  Q_OBJECT

 public:
  explicit TFormAngulo(QWidget* owner);

  // Edits "Edit1" to "Edit10" and "Label1" to "Label10" are found by name.
  TGauge* CGauge1;
  TBitBtn* BitBtn1;

  // Every edit's OnEnter: the edit becomes the source.
  void EditEnter(TEdit* sender);
  // The key filters: decimal (Edit1 to Edit7, Edit10) and whole numbers (Edit8, Edit9).
  void Edit1KeyPress(TEdit* sender, char16_t& key);
  void Edit8KeyPress(TEdit* sender, char16_t& key);
  // Every edit's key-down: the Delete key clears the guards and the carries.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  // The radian hub and the degree hub.
  void Edit1Change();
  void Edit2Change();
  // Minutes, seconds, grads, revolutions and right angles (Edit3Change ... Edit7Change).
  void RelayChange(int n);
  // The degrees-minutes-seconds row.
  void Edit8Change();
  void Edit9Change();
  void Edit10Change();

  double DegreeValue() const { return Degrees; }

 private:
  void ClearGuards();
  void ShowTurn();
  void CapacityReset();
  // A program write into one of the row's edits whose handlers must not run: they would
  // recompute the angle from values about to change.
  void WriteRow(TEdit* edit, const QString& text);

  TEdit* Edits[11] = {};  // by number
  TEdit* ActiveEdit = nullptr;
  bool RadianUpdating = false;
  bool DegreeUpdating = false;
  bool RowHeld = false;  // set while WriteRow writes
  int MinuteCarry = 0;
  int DegreeCarry = 0;
  // A character or Delete clears the guards and the carries; the source is the edit entered.
  KeyBookkeeping Bookkeeping{SourceKeys::PressAndDelete, nullptr, [this] { ClearGuards(); }, false};
  double Radians = 0, Degrees = 0, Minutes = 0, Seconds = 0, Grads = 0, Revolutions = 0,
         RightAngles = 0;
  double DmsDegrees = 0, DmsMinutes = 0, DmsSeconds = 0;
  double TurnDegrees = 0;
  int Turns = 0;
};
