#pragma once
// Whole numbers: reading a text as a decimal integer with a fallback, and taking the floor
// of an extended value into an integer type, which fails like the other operations of the
// floating-point error convention when the value does not fit.

#include <QString>
#include <cstdint>
#include <limits>

#include "numeric/FloatErrors.h"

// The text's value as a decimal integer (leading blanks, an optional sign, digits), or
// fallback when the text is not one or its value lies outside [min, max].
std::int64_t ReadInteger(const QString& text, std::int64_t fallback, std::int64_t min,
                         std::int64_t max);

// The same within the range of the integer type T.
template <class T>
T ReadInteger(const QString& text, T fallback) {
  return static_cast<T>(
      ReadInteger(text, fallback, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// floor(x), rounded to a double first, as an integer of type T; a value outside T's range
// (or not a number) raises the invalid operation of the convention.
std::int64_t FloorToInteger(Extended x, std::int64_t min, std::int64_t max);
template <class T>
T FloorToInteger(Extended x) {
  return static_cast<T>(
      FloorToInteger(x, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}
