// One keystroke's whole propagation in the data window: in the bit hub, which writes the 21
// other units, and in a unit edit, which writes the hub first.
#include "BenchSupport.h"
#include "tools/physical/Unidaddatos.h"

namespace {

void BM_DataHubKeystroke(benchmark::State& state) { MeasureKeystroke<TFormDatos>(state, "Edit9"); }
BENCHMARK(BM_DataHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_DataUnitKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormDatos>(state, "Edit20");
}
BENCHMARK(BM_DataUnitKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
