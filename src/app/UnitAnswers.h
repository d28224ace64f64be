#pragma once
// Answers to a search typed into a desktop's own search box. For a quantity the unit's real
// window, never shown on screen, converts the number as if the user had typed it there, and
// its other units are read back from it, so every figure is the one the window shows; for a
// unit's name, the unit and its window.

#include <QString>
#include <vector>

class QWidget;
class UnitIndex;
struct UnitEntry;

struct UnitAnswer {
  const UnitEntry* unit = nullptr;
  QString number;       // the typed quantity's number, or empty
  QString typedUnit;    // the unit's words as typed, for the answer converted in its window
  QString title;        // "5 pies = 1,524 m", or the unit's caption
  QString description;  // "15,24 dm · 152,4 cm · 60 in — Unidades de longitud", or the window
};

// At most limit answers, the best first; none for a text that names no unit. The windows are
// created with owner, one at a time, and destroyed after reading.
std::vector<UnitAnswer> AnswerSearch(const UnitIndex& index, QWidget* owner, const QString& text,
                                     int limit = 5);
// How a unit is written after a figure: its symbol when the window gives it one alone ("m",
// "cm", "km²"), else its name in Spanish ("pulgada [inch ("), in]" is written "pulgadas"), in
// the plural unless the figure is one.
QString UnitAfter(const QString& caption, long double value);

// One of those answers again from what it was made of: the unit with the number, converted in
// its window when typedUnit is given, else named.
UnitAnswer AnswerUnit(const UnitEntry& unit, QWidget* owner, const QString& number,
                      const QString& typedUnit);
