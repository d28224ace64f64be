// ParseValue on any text: it reads or raises the conversion error, never anything else; what it
// reads is a number, and a number in the double range comes back from its display.
#include <cmath>

#include "FuzzSupport.h"
#include "value/Value.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  FuzzSetUp(data[0]);
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  Extended tried = 0;
  const bool reads = TryParseValue(text, tried);
  try {
    const Extended value = ParseValue(text);
    FUZZ_CHECK(reads && value == tried);
    FUZZ_CHECK(std::isfinite(value));
    double stored = 0;
    try {
      stored = Store(value);
    } catch (const EOverflow&) {
      FUZZ_CHECK(std::fabs(value) > 1.7e308L);
      return 0;
    }
    const Extended back = ParseValue(FormatValue(stored));
    FUZZ_CHECK(std::fabs(back - stored) <= std::fabs(static_cast<Extended>(stored)) * 1e-14L);
  } catch (const EConvertError& error) {
    FUZZ_CHECK(!reads);
    FUZZ_CHECK(error.Message().contains(text));
  }
  return 0;
}
