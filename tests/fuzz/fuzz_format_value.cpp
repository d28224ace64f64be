// FormatValue and RoundTo on any double: the text is short, uses only the display's
// characters, and reads back as the same number to 15 significant digits.
#include <cmath>
#include <cstring>

#include "FuzzSupport.h"
#include "value/Value.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 + sizeof(double)) return 0;
  FuzzSetUp(data[0]);
  double value;
  std::memcpy(&value, data + 1, sizeof value);
  const int k = size > 1 + sizeof(double) ? data[1 + sizeof(double)] % 19 : 6;  // 0 to 18 decimals
  const QString text = FormatValue(value);
  if (!std::isfinite(value)) return 0;
  FUZZ_CHECK(!text.isEmpty() && text.size() <= 22);
  for (const QChar c : text) {
    FUZZ_CHECK(c.isDigit() || c == u'-' || c == u'E' || c == platform::DecimalSeparator());
  }
  const Extended back = ParseValue(text);
  // Half a unit of the 15th digit at most: 5e-15 of a value that starts with 1.
  FUZZ_CHECK(std::fabs(back - value) <= std::fabs(static_cast<Extended>(value)) * 5.2e-15L);
  try {
    const Extended rounded = RoundTo(value, k);
    FUZZ_CHECK(std::isfinite(rounded));
    // Rounding moves a value by at most half a unit of the last kept decimal (plus the
    // double rounding of the shifted value).
    if (std::fabs(value) < 1e15) {
      FUZZ_CHECK(std::fabs(rounded - value) <=
                 0.5000001L * std::pow(10.0L, -k) +
                     std::fabs(static_cast<Extended>(value)) * 1e-15L);
    }
    FormatValue(rounded);
  } catch (const EOverflow&) {
    FUZZ_CHECK(std::fabs(value) * std::pow(10.0L, k) > 1.7e308L);
  }
  return 0;
}
