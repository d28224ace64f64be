#include "value/Value.h"

#include <locale.h>

#include <charconv>
#include <cstring>
#include <string>

#include "value/Locale.h"

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

// Checks the syntax and writes the number in C notation ("-12.5e-3") for strtold.
bool Normalise(const QString& text, char16_t separator, std::string& out) {
  const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
  const char16_t* const end = p + text.size();
  while (p < end && *p == u' ') ++p;
  if (p < end && (*p == u'+' || *p == u'-')) {
    if (*p == u'-') out += '-';
    ++p;
  }
  bool mantissa = false;
  const char16_t* digits = p;
  while (p < end && IsDigit(*p)) ++p;
  if (p > digits) {
    out.append(digits, p);  // char16_t digits narrow to char one by one
    mantissa = true;
  } else {
    out += '0';
  }
  if (p < end && *p == separator) {
    ++p;
    mantissa = true;
    out += '.';
    digits = p;
    while (p < end && IsDigit(*p)) ++p;
    out.append(digits, p);
  }
  if (!mantissa) return false;
  if (p < end && (*p == u'E' || *p == u'e')) {
    ++p;
    bool negative = false;
    if (p < end && (*p == u'+' || *p == u'-')) negative = *p++ == u'-';
    int exponent = 0;
    while (p < end && IsDigit(*p) && exponent < 500) exponent = exponent * 10 + (*p++ - u'0');
    if (p < end && IsDigit(*p)) return false;  // a digit left over after the exponent limit
    out += negative ? "e-" : "e";
    out += std::to_string(exponent);
  }
  while (p < end && *p == u' ') ++p;
  return p == end;
}

// A number as the windows write it, by its significant digits: value = 0.d1d2... * 10^before.
struct WrittenNumber {
  bool negative = false;
  std::string digits;  // without leading or trailing zeros; empty for zero
  int before = 0;
};

// Reads "-12,5E-3" and the like: an optional minus, digits, the separator and digits, "E",
// an optional minus and up to four digits. Nothing else is a number that a window wrote.
bool ReadWritten(const QString& text, char16_t separator, WrittenNumber& out) {
  const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
  const char16_t* const end = p + text.size();
  if (p < end && *p == u'-') {
    out.negative = true;
    ++p;
  }
  std::string all;
  while (p < end && IsDigit(*p)) all += static_cast<char>(*p++);
  const int whole = static_cast<int>(all.size());
  if (whole == 0) return false;
  if (p < end && *p == separator) {
    const std::size_t at = all.size();
    for (++p; p < end && IsDigit(*p);) all += static_cast<char>(*p++);
    if (all.size() == at) return false;
  }
  int exponent = 0;
  if (p < end && *p == u'E') {
    const bool negative = ++p < end && *p == u'-';
    if (negative) ++p;
    const char16_t* digits = p;
    while (p < end && IsDigit(*p) && p - digits < 4) exponent = exponent * 10 + (*p++ - u'0');
    if (p == digits) return false;
    if (negative) exponent = -exponent;
  }
  if (p != end) return false;
  const std::size_t first = all.find_first_not_of('0');
  if (first == std::string::npos) return true;  // zero
  out.digits = all.substr(first, all.find_last_not_of('0') + 1 - first);
  out.before = whole - static_cast<int>(first) + exponent;
  return true;
}

// Rounds to `count` significant digits, halves away from zero (the digits are the magnitude).
void RoundDigits(WrittenNumber& number, std::size_t count) {
  std::string& digits = number.digits;
  if (digits.size() <= count) return;
  const bool up = digits[count] >= '5';
  digits.resize(count);
  if (up) {
    std::size_t i = count;
    while (i > 0 && digits[i - 1] == '9') --i;
    if (i == 0) {
      digits.assign(1, '1');  // not = "1": GCC 12 at -O3 warns falsely (-Wrestrict) on it
      ++number.before;
    } else {
      ++digits[i - 1];
      digits.resize(i);
    }
  }
  digits.resize(digits.find_last_not_of('0') + 1);
}

}  // namespace

bool TryParseValue(const QString& text, Extended& value) {
  std::string c;
  c.reserve(static_cast<size_t>(text.size()) + 8);
  if (!Normalise(text, platform::DecimalSeparator(), c)) return false;
  const Extended v = strtold_l(c.c_str(), nullptr, CLocale());
  if (std::isinf(v) || std::isnan(v)) return false;  // beyond the extended range
  value = v;
  return true;
}

bool TryParseValue(const QString& text, double& field) {
  Extended read = 0;
  if (!TryParseValue(text, read)) return false;
  field = Store(read);
  return true;
}

Extended ParseValue(const QString& text) {
  Extended value = 0;
  if (!TryParseValue(text, value)) {
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
  }
  return value;
}

QString FormatValue(double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (value == 0) return QStringLiteral("0");

  // 18 significant digits, rounded to the nearest from the exact binary value, then rounded
  // half up to 15.
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, 17);
  char digits[18];
  digits[0] = buffer[0];
  std::memcpy(digits + 1, buffer + 2, 17);
  const char* e =
      static_cast<const char*>(std::memchr(buffer, 'e', static_cast<size_t>(result.ptr - buffer)));
  int exponent = 0;  // value = d.ddd... * 10^exponent; the buffer has no terminating NUL
  const char* digitsOfExponent = e[1] == '+' ? e + 2 : e + 1;
  std::from_chars(digitsOfExponent, result.ptr, exponent);
  int count = 15;
  if (digits[15] >= '5') {
    int i = 14;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits[0] = '1';
      ++exponent;
    }
  }
  while (count > 1 && digits[count - 1] == '0') --count;

  const char16_t separator = platform::DecimalSeparator();
  const int before = exponent + 1;  // digits before the point in 0.d1d2... * 10^before
  QString out;
  out.reserve(24);
  if (value < 0) out += u'-';
  if (before >= -3 && before <= 15) {
    if (before <= 0) {
      out += u'0';
      out += separator;
      for (int i = 0; i < -before; ++i) out += u'0';
      out += QLatin1String(digits, count);
    } else if (count <= before) {
      out += QLatin1String(digits, count);
      for (int i = count; i < before; ++i) out += u'0';
    } else {
      out += QLatin1String(digits, before);
      out += separator;
      out += QLatin1String(digits + before, count - before);
    }
  } else {
    out += QLatin1Char(digits[0]);
    if (count > 1) {
      out += separator;
      out += QLatin1String(digits + 1, count - 1);
    }
    out += u'E';
    if (exponent < 0) out += u'-';
    out += QString::number(std::abs(exponent));
  }
  return out;
}

QString FormatValue(Extended value) { return FormatValue(Store(value)); }

QString Restyle(const QString& written, const NumberStyle& style) {
  if (style.AsWindow()) return written;
  const char16_t separator = platform::DecimalSeparator();
  WrittenNumber number;
  if (!ReadWritten(written, separator, number)) return written;
  if (number.digits.empty()) return QStringLiteral("0");
  if (style.digits > 0) RoundDigits(number, static_cast<std::size_t>(style.digits));

  const std::string& digits = number.digits;
  const int count = static_cast<int>(digits.size());
  QString out;
  out.reserve(count + 8);
  if (number.negative) out += u'-';
  // `whole` digits before the separator, the last of them zeros where the digits run out.
  auto mantissa = [&](int whole) {
    for (int i = 0; i < whole; ++i) out += QLatin1Char(i < count ? digits[i] : '0');
    if (count > whole) {
      out += separator;
      out += QLatin1String(digits.data() + whole, count - whole);
    }
  };
  auto power = [&](int exponent) {
    if (exponent == 0) return;
    out += u'E';
    if (exponent < 0) out += u'-';
    out += QString::number(std::abs(exponent));
  };
  const int exponent = number.before - 1;  // of the first digit
  switch (style.notation) {
    case Notation::AsWindow:
      if (number.before > 15 || number.before < -3) {
        mantissa(1);
        power(exponent);
      } else if (number.before <= 0) {
        out += u'0';
        out += separator;
        out += QString(-number.before, u'0');
        out += QLatin1String(digits.data(), count);
      } else {
        mantissa(number.before);
      }
      break;
    case Notation::Scientific:
      mantissa(1);
      power(exponent);
      break;
    case Notation::Engineering: {
      const int third = (exponent >= 0 ? exponent : exponent - 2) / 3 * 3;
      mantissa(exponent - third + 1);
      power(third);
      break;
    }
  }
  return out;
}

namespace {
NumberStyle resultStyle;
}  // namespace

const NumberStyle& ResultStyle() { return resultStyle; }

void SetResultStyle(const NumberStyle& style) { resultStyle = style; }

Extended RoundTo(Extended x, int k) {
  static constexpr Extended kPower[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                        1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                        1e14L, 1e15L, 1e16L, 1e17L, 1e18L};
  static constexpr Extended kInverse[] = {1e-0L,  1e-1L,  1e-2L,  1e-3L,  1e-4L,  1e-5L,  1e-6L,
                                          1e-7L,  1e-8L,  1e-9L,  1e-10L, 1e-11L, 1e-12L, 1e-13L,
                                          1e-14L, 1e-15L, 1e-16L, 1e-17L, 1e-18L};
  if (k < 0) k = 0;
  if (k > 18) k = 18;
  // The sum goes to floor as a double.
  const double shifted = Store(x * kPower[k] + 0.5L);
  return static_cast<Extended>(std::floor(shifted)) * kInverse[k];
}
