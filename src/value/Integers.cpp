#include "value/Integers.h"

#include <cmath>

std::int64_t ReadInteger(const QString& text, std::int64_t fallback, std::int64_t min,
                         std::int64_t max) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  if (i == text.size()) return fallback;
  // Accumulated as a negative number, whose range reaches one further than the positive.
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c < u'0' || c > u'9') return fallback;
    const int digit = c - u'0';
    if (value < (std::numeric_limits<std::int64_t>::min() + digit) / 10) return fallback;
    value = value * 10 - digit;
  }
  if (!negative) {
    if (value == std::numeric_limits<std::int64_t>::min()) return fallback;
    value = -value;
  }
  return value < min || value > max ? fallback : value;
}

namespace {

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

}  // namespace

std::int64_t ReadInt64(const QString& text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && text[i] == u' ') ++i;
  const qsizetype signEnd = i < n && (text[i] == u'+' || text[i] == u'-') ? i + 1 : i;
  const bool dollar = signEnd < n && text[signEnd] == u'$';
  const bool zeroX = signEnd + 1 < n && text[signEnd] == u'0' &&
                     (text[signEnd + 1] == u'x' || text[signEnd + 1] == u'X');
  if (!dollar && !zeroX) {
    return ReadInteger(text, 0, std::numeric_limits<std::int64_t>::min(),
                       std::numeric_limits<std::int64_t>::max());
  }
  i = signEnd + (dollar ? 1 : 2);
  if (i == n) return 0;
  std::uint64_t bits = 0;
  for (; i < n; ++i) {
    const int d = HexDigit(text[i].unicode());
    if (d < 0 || bits > (UINT64_MAX >> 4)) return 0;
    bits = bits << 4 | static_cast<std::uint64_t>(d);
  }
  const bool negative = signEnd > 0 && text[signEnd - 1] == u'-';
  return static_cast<std::int64_t>(negative ? 0 - bits : bits);
}

std::int64_t FloorToInteger(Extended x, std::int64_t min, std::int64_t max) {
  const double floored = std::floor(Store(x));
  // The upper bound as the double max + 1: exact for 32-bit types, and 2^63 for 64-bit ones,
  // where max itself already rounds up to it.
  if (!(floored >= static_cast<double>(min) && floored < static_cast<double>(max) + 1.0)) {
    RaiseInvalidOp();
  }
  return static_cast<std::int64_t>(floored);
}
