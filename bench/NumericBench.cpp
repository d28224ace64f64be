// The cost of reading and showing one number, as every keystroke does many times.
#include <benchmark/benchmark.h>

#include "numeric/Numeric.h"
#include "value/Locale.h"

namespace {

void BM_ParseValue(benchmark::State& state) {
  platform::SetDecimalSeparator(u',');
  const QString texts[] = {QStringLiteral("1"), QStringLiteral("39,370079"),
                           QStringLiteral("6,02213737699784E26"), QStringLiteral("-0,0005396")};
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ParseValue(texts[i++ & 3]));
}
BENCHMARK(BM_ParseValue);

void BM_FormatValue(benchmark::State& state) {
  platform::SetDecimalSeparator(u',');
  const double values[] = {1.0, 39.37007874015748, 6.022137376997844e26, -0.000539611824837685};
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(FormatValue(values[i++ & 3]));
}
BENCHMARK(BM_FormatValue);

void BM_FilterNumericKey(benchmark::State& state) {
  platform::SetDecimalSeparator(u',');
  const QString text = QStringLiteral("1234,5");
  for (auto _ : state) benchmark::DoNotOptimize(FilterNumericKey(u'6', text, 6, 0));
}
BENCHMARK(BM_FilterNumericKey);

}  // namespace
