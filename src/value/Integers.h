#pragma once
// Whole numbers: reading a text as a decimal integer with a fallback, or as the library's
// 64-bit conversion reads it (hexadecimal too), and taking the floor
// of an extended value into an integer type, which fails like the other operations of the
// floating-point error convention when the value does not fit.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <limits>

#include "value/FloatErrors.h"

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

// As the form library's 64-bit conversion reads a text: leading blanks, an optional sign,
// then decimal digits or a hexadecimal number introduced by "$" or "0x". Any other text, the
// empty text and trailing blanks included, reads as 0, and so does a decimal number beyond
// the 64-bit range or a hexadecimal one of more than 64 bits (up to 64 bits it is taken as
// the bit pattern: "$FFFFFFFFFFFFFFFF" is -1).
std::int64_t ReadInt64(const QString& text);

// floor(x), rounded to a double first, as an integer of type T; a value outside T's range
// (or not a number) raises the invalid operation of the convention.
std::int64_t FloorToInteger(Extended x, std::int64_t min, std::int64_t max);
template <class T>
T FloorToInteger(Extended x) {
  return static_cast<T>(
      FloorToInteger(x, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}
