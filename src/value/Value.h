#pragma once
// The numbers themselves: reading a text as a number, showing a number, rounding it, the
// conversion factors, and (through FloatErrors.h) the floating-point error convention. Only
// Qt Core is needed here; the converter windows' conventions built on it are in Numeric.h.

#include <QString>

#include "value/FloatErrors.h"

// Reads a number: spaces, an optional sign, digits with the decimal separator, an optional
// exponent, spaces. Raises EConvertError ("'%s' is not a valid floating point value").
Extended ParseValue(const QString& text);
// The same without raising a conversion error; false when the text does not read.
bool TryParseValue(const QString& text, Extended& value);
// The same into a double field: false, the field untouched, when the text does not read; a
// number beyond the double range is an overflow (the error convention), not a bad text.
bool TryParseValue(const QString& text, double& field);

// 15 significant digits in general format with the decimal separator.
QString FormatValue(double value);
// An extended result is stored into a double first (the error convention applies).
QString FormatValue(Extended value);

// How the user wants the results of the live converters written: as each window writes them
// (the default), or rounded to a number of significant digits, or with a power of ten always
// (scientific), or with a power of ten that is a multiple of 3 (engineering).
enum class Notation { AsWindow, Scientific, Engineering };
struct NumberStyle {
  static constexpr int kMinDigits = 3, kMaxDigits = 15;
  int digits = 0;  // 0: as the window writes them; else kMinDigits to kMaxDigits
  Notation notation = Notation::AsWindow;
  bool AsWindow() const { return digits == 0 && notation == Notation::AsWindow; }
  bool operator==(const NumberStyle&) const = default;
};

// A number as a window writes it (FormatValue, perhaps rounded first: "-1,0625",
// "6,02213737699784E23") written again in the style. With digits it is rounded to that many
// significant digits, halves away from zero, from the digits written; without, its digits
// stay. Then, as FormatValue writes: no trailing zeros, the decimal separator, and
// - as the window: plain from 0,0001 up to below 1E15, else with a power of ten;
// - scientific: one digit before the separator, and a power of ten unless it is 0;
// - engineering: one to three digits before the separator, and a power of ten that is a
//   multiple of 3 unless it is 0 ("35,27E-3").
// A power of ten is "E", a minus sign if negative, and its digits. Any other text, and every
// text in the default style, comes back as it is.
QString Restyle(const QString& written, const NumberStyle& style);

// The style of the results for the whole program: the user's preference once it is read.
const NumberStyle& ResultStyle();
void SetResultStyle(const NumberStyle& style);

// floor(x * 10^k + 0.5) * 10^-k, halves upwards also for negative numbers. k is 0 to 18.
Extended RoundTo(Extended x, int k);

// A conversion factor given as a product of up to four factors, formed left to right in
// extended precision; unused factors are 0.
struct Factors {
  Extended f[4] = {};
  Extended Apply(Extended x) const {
    for (Extended factor : f) {
      if (factor == 0) break;
      x *= factor;
    }
    return x;
  }
};
