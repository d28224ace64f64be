#pragma once
// What the inch and feet windows share of a measure in inches and a common fraction: the bar
// between numerator and denominator, the step buttons "Ant" and "Sig", and the key filter of
// the edits that take whole numbers only.

#include <QPoint>
#include <QRect>

class QWidget;
class TBevel;
class TSpeedButton;

// The short bar "Bevel1" between the numerator and denominator edits.
TBevel* AddFractionBar(QWidget* parent, const QRect& geometry);
// No label stands beside the stacked fraction: these say to a screen reader what each of its
// edits holds.
void NameFractionEdits(QWidget* numerator, QWidget* denominator);

// "SpeedButton1" ("Ant") and "SpeedButton2" ("Sig"): flat, bold aqua captions beside their
// pictures, with their hints.
struct StepButtons {
  TSpeedButton* previous;
  TSpeedButton* next;
};
StepButtons AddStepButtons(QWidget* parent, QPoint previous, QPoint next);

// Digits and Backspace pass; every other key is discarded (0).
char16_t DigitsOnly(char16_t key);
