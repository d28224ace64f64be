#pragma once
// Graphic units: twips, pixels, points, characters, inches, millimetres and centimetres. The
// twip edit is the hub and always shows whole twips; the other edits convert only to and
// from it. A slider draws a green bar on the screen and gives its length in pixels.

#include "numeric/HubForm.h"

class TPanel;
class TTrackBar;

class TFormGraf : public THubForm {
  Q_OBJECT

 public:
  explicit TFormGraf(QWidget* owner);

  // Edits "Edit1" (twip) to "Edit7" (pixel) with "Label1" to "Label7" beside them.
  TEdit* Edit(int n) const { return Edits[n]; }
  TTrackBar* TrackBar1;
  TPanel* Panel1;  // the green bar
  TPanel* Panel2;  // the slider's frame

  // The window's own key filter, on every edit, after the bookkeeping: a character or Delete
  // clears the guard and puts the slider back to 0.
  void Edit1KeyPress(TEdit* sender, char16_t& key);
  // Delete: the edit becomes the source and the slider goes back to 0.
  void Edit1KeyDown(TEdit* sender, int& key);
  // Edit1Enter ... Edit7Enter: the source is the edit last entered.
  void EditEnter(int n);
  void TrackBar1Enter();
  // The hub, the twip edit's change handler.
  void Edit1Change();
  // Edit2Change ... Edit7Change: the edit's own value in twips, written into the hub.
  void UnitChange(int n);
  void TrackBar1Change();

  // The slider's pixels for a position on a screen of this logical resolution (pixels per
  // inch) and width (pixels).
  static int SliderPixelsFor(int position, double pixelsPerInch, int screenWidth);

  // UnitValue(1) is the base value, in twips.
  int SliderPixels = 0;

 protected:
  // Every key stroke puts the slider back to 0.
  void GuardsCleared() override { ResetSlider(); }

 private:
  // The slider back to 0, as every key and every entry into the pixel edit put it.
  void ResetSlider();

  bool SliderResetting = false;
};
