#pragma once
// The numbers themselves: reading a text as a number, showing a number, rounding it, the
// conversion factors, and (through FloatErrors.h) the floating-point error convention. Only
// Qt Core is needed here; the converter windows' conventions built on it are in Numeric.h.

#include <QString>

#include "numeric/FloatErrors.h"

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
