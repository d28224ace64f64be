#pragma once
// The temperature window: five scales, converted through Celsius. The scales are affine, so
// none converts to another directly: every scale relays to the Celsius edit, and the Celsius
// pass fills the others.

#include "numeric/KeyStrokes.h"
#include "platform/Form.h"

class TBitBtn;
class TEdit;
class TLabel;

class TFormTemp : public TForm {
  Q_OBJECT

 public:
  explicit TFormTemp(QWidget* owner);

  TEdit* Edit1;    // Celsius
  TEdit* Edit2;    // Fahrenheit
  TEdit* Edit3;    // Réaumur
  TEdit* Edit4;    // Kelvin
  TEdit* Edit5;    // Rankine
  TLabel* Label4;  // red while the Kelvin value is below zero
  TBitBtn* BitBtn1;

  // Every edit's key handlers: the edit becomes the source and the guard is cleared.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The Celsius pass.
  void Edit1Change();
  // The relays to Celsius.
  void Edit2Change();
  void Edit3Change();
  void Edit4Change();
  void Edit5Change();

 private:
  // The shared steps of a relay: the edit's own value, then Celsius from it, written to
  // Edit1. False when the relay stopped before writing.
  template <class ToCelsius>
  bool Relay(TEdit* edit, double& field, ToCelsius toCelsius);
  void ShowKelvinSign();

  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  KeyBookkeeping Bookkeeping{SourceKeys::KeyDownAndPress, &ActiveEdit,
                             [this] { Updating = false; }};
  double Celsius = 0;
  double Fahrenheit = 0;
  double Reaumur = 0;
  double Kelvin = 0;
  double Rankine = 0;
};
