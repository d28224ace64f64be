// One keystroke's whole propagation in the prefixes window: in the bare unit, which writes
// the twenty prefixes, and in a prefix edit, which writes the unit first.
#include "BenchSupport.h"
#include "tools/numbers/Unidadprefijos.h"

namespace {

void BM_PrefixesHubKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormPrefijos>(state, "Edit21");
}
BENCHMARK(BM_PrefixesHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_PrefixesUnitKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormPrefijos>(state, "Edit8");
}
BENCHMARK(BM_PrefixesUnitKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
