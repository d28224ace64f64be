#include "value/Picture.h"

#include <charconv>
#include <cmath>

#include "value/Locale.h"

namespace {

// |value| as 15 significant digits d1 d2 ... d15 and the power p with value = d1,d2... x 10^p.
struct Digits {
  char d[16] = {};
  int power = 0;
};

Digits Significant(double value) {
  Digits out;
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, 14);
  out.d[0] = buffer[0];
  for (int i = 0; i < 14; ++i) out.d[i + 1] = buffer[2 + i];
  const char* e = buffer + 16;  // "d.dddddddddddddde+XX"
  std::from_chars(e[1] == '+' ? e + 2 : e + 1, result.ptr, out.power);
  return out;
}

// Keeps the first n digits (0 to 15), rounding half up on the next one; a carry out of the
// first digit makes it "1" and raises the power.
void KeepDigits(Digits& x, int n) {
  if (n >= 15) return;
  const bool up = n >= 0 && x.d[n] >= '5';
  for (int i = std::max(n, 0); i < 15; ++i) x.d[i] = '0';
  if (!up) return;
  int i = n - 1;
  while (i >= 0 && x.d[i] == '9') x.d[i--] = '0';
  if (i >= 0) {
    ++x.d[i];
  } else {
    x.d[0] = '1';
    ++x.power;
  }
}

QString Sign(double value, const Digits& x) {
  for (char c : x.d) {
    if (c > '0') return value < 0 ? QStringLiteral("-") : QString();
  }
  return QString();  // a negative value that rounds to zero shows no sign
}

}  // namespace

QString FormatFixed(double value, int decimals) {
  Digits x = Significant(value);
  if (value == 0) x.power = 0;
  // Digits before the separator: power + 1. The ones kept: those and the decimals.
  const int kept = x.power + 1 + decimals;
  if (kept < 0) {
    x = Digits{};
    for (char& c : x.d) c = '0';
  } else {
    KeepDigits(x, kept);
  }
  auto digit = [&x](int position) {  // the digit of 10^position
    const int i = x.power - position;
    return i >= 0 && i < 15 ? QLatin1Char(x.d[i]) : QLatin1Char('0');
  };
  QString out = Sign(value, x);
  for (int p = std::max(x.power, 0); p >= 0; --p) out += digit(p);
  if (decimals > 0) out += QChar(platform::DecimalSeparator());
  for (int p = -1; p >= -decimals; --p) out += digit(p);
  return out;
}

QString FormatScientific(double value, int decimals) {
  Digits x = Significant(value);
  if (value == 0) x.power = 0;
  KeepDigits(x, decimals + 1);
  QString out = Sign(value, x);
  out += QLatin1Char(x.d[0]);
  if (decimals > 0) out += QChar(platform::DecimalSeparator());
  for (int i = 1; i <= decimals; ++i) out += QLatin1Char(i < 15 ? x.d[i] : '0');
  out += x.power < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
  const int power = std::abs(x.power);
  if (power < 10) out += u'0';
  out += QString::number(power);
  return out;
}
