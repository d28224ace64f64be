// One keystroke's whole propagation in the flow, time, energy and power windows: in the hub,
// which writes every other edit, and in a unit edit, which writes the hub first.
#include "BenchSupport.h"
#include "tools/physical/U_caudal.h"

namespace {

void BM_FlowHubKeystroke(benchmark::State& state) { MeasureKeystroke<TFormCaudal>(state, "Edit1"); }
BENCHMARK(BM_FlowHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_FlowUnitKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormCaudal>(state, "Edit14");
}
BENCHMARK(BM_FlowUnitKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
