#pragma once
// The temperature window: five scales, converted through Celsius. The scales are affine, so
// none converts to another directly: every scale relays to the Celsius edit, and the Celsius
// pass fills the others.

#include "numeric/HubForm.h"

class TLabel;

class TFormTemp : public THubForm {
  Q_OBJECT

 public:
  explicit TFormTemp(QWidget* owner);

  // Edits "Edit1" (Celsius), "Edit2" (Fahrenheit), "Edit3" (Réaumur), "Edit4" (Kelvin) and
  // "Edit5" (Rankine), "Label<n>" beside each; Label4 is red while the Kelvin value is below
  // zero. Every edit's key handlers (Edit1KeyDown, Edit1KeyPress): the edit becomes the source
  // and the guard is cleared.

  // The Celsius pass.
  void Edit1Change();
  // The relays to Celsius (Edit2Change ... Edit5Change): the edit's own value, then Celsius
  // from it, written to Edit1.
  void UnitChange(int n);

 private:
  // Scale n's value from c degrees Celsius.
  Extended FromCelsius(int n, Extended c) const;
  void ShowKelvinSign();

  TLabel* Label4 = nullptr;
};
