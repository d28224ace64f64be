#pragma once
// The surface window: one area in eleven units. Five edits are hubs (km², ha, m², cm² and
// sq.in), each linked to its neighbours by a fixed factor; the other six are leaves hanging
// from one hub each. A hub's busy flag is set when its handler starts and stays set until the
// next key stroke, so a value typed anywhere reaches every edit once.

#include "numeric/FloatErrors.h"
#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TBitBtn;
class TEdit;

class TFormSup : public TForm {
  Q_OBJECT

 public:
  explicit TFormSup(QWidget* owner);

  // Edits "Edit1" to "Edit10" and "Edit12" (there is no Edit11), "Label<n>" beside each.
  TBitBtn* BitBtn1;

  // Every edit's key press: the key-stroke bookkeeping, then the numeric filter.
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // Every edit's key-down: the same bookkeeping for Delete, which types no character.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  // The change handler of edit n (Edit1Change ... Edit12Change): hubs and leaves.
  void EditChange(int n);

  // The last value of the unit of edit n.
  double UnitValue(int n) const { return Value[n]; }

 private:
  void HubChange(int n);
  void LeafChange(int n);
  // Reads edit n's text into its value; a text that does not read is reported and the
  // window is emptied.
  bool Parse(int n);
  // Edit n's writes, in order, each skipped when its target is ActiveEdit or a busy hub.
  void WriteTargets(int n);
  bool* BusyFlag(int n);
  // The m² to cm² write failed: the window starts again from 100 m².
  void RestartFromSquareMetres();

  TEdit* Edits[13] = {};  // by number
  TEdit* ActiveEdit = nullptr;
  bool UpdatingKm2 = false;
  bool UpdatingHa = false;
  bool UpdatingM2 = false;
  bool UpdatingCm2 = false;
  bool UpdatingSqIn = false;
  KeyBookkeeping Bookkeeping{
      SourceKeys::PressAndDelete, &ActiveEdit,
      [this] { UpdatingKm2 = UpdatingHa = UpdatingM2 = UpdatingCm2 = UpdatingSqIn = false; }};
  double Value[13] = {};  // by edit number
};
