#include "numeric/Integers.h"

namespace {

int HexDigit(char16_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

int64_t ReadInt64(QStringView text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && text[i] == u' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  const bool dollar = i < n && text[i] == u'$';
  const bool zeroX = i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X');
  if (dollar || zeroX) {
    i += dollar ? 1 : 2;
    if (i == n) return 0;
    uint64_t bits = 0;
    for (; i < n; ++i) {
      const int d = HexDigit(text[i].unicode());
      if (d < 0 || bits > (UINT64_MAX >> 4)) return 0;
      bits = bits << 4 | static_cast<uint64_t>(d);
    }
    return static_cast<int64_t>(negative ? 0 - bits : bits);
  }
  if (i == n) return 0;
  // The magnitude may reach 2^63 for a negative number.
  const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  uint64_t magnitude = 0;
  for (; i < n; ++i) {
    const char16_t c = text[i].unicode();
    if (c < '0' || c > '9') return 0;
    const auto d = static_cast<uint64_t>(c - '0');
    if (magnitude > (limit - d) / 10) return 0;
    magnitude = magnitude * 10 + d;
  }
  return static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
}
