// One keystroke's whole propagation in the flow, time, energy and power windows: in the hub,
// which writes every other edit, and in a unit edit, which writes the hub first.
#include "BenchSupport.h"
#include "tools/physical/U_caudal.h"
#include "tools/physical/Unidadtiempo.h"

namespace {

void BM_FlowHubKeystroke(benchmark::State& state) { MeasureKeystroke<TFormCaudal>(state, "Edit1"); }
BENCHMARK(BM_FlowHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_FlowUnitKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormCaudal>(state, "Edit14");
}
BENCHMARK(BM_FlowUnitKeystroke)->Unit(benchmark::kMicrosecond);

void BM_TimeHubKeystroke(benchmark::State& state) { MeasureKeystroke<TFormTiempo>(state, "Edit1"); }
BENCHMARK(BM_TimeHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_TimeUnitKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormTiempo>(state, "Edit21");
}
BENCHMARK(BM_TimeUnitKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
