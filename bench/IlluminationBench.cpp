// One keystroke's whole propagation in the illumination window: in the hub, which writes the
// nine other units, and in a unit edit, which writes the hub first.
#include "BenchSupport.h"
#include "tools/physical/Unidadilum.h"

namespace {

void BM_IlluminationHubKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFIlum>(state, "Edit1");
}
BENCHMARK(BM_IlluminationHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_IlluminationUnitKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFIlum>(state, "Edit8");
}
BENCHMARK(BM_IlluminationUnitKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
