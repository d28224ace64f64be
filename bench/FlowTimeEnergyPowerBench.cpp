// One keystroke's whole propagation in the flow, time, energy and power windows: in the hub,
// which writes every other edit, and in a unit edit, which writes the hub first.
#include "BenchSupport.h"
#include "tools/physical/U_caudal.h"
#include "tools/physical/Unidadenergia.h"
#include "tools/physical/Unidadpotencia.h"
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

void BM_EnergyHubKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormEnergia>(state, "Edit1");
}
BENCHMARK(BM_EnergyHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_EnergyUnitKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormEnergia>(state, "Edit29");
}
BENCHMARK(BM_EnergyUnitKeystroke)->Unit(benchmark::kMicrosecond);

void BM_PowerHubKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormPotencia>(state, "Edit1");
}
BENCHMARK(BM_PowerHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_PowerUnitKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormPotencia>(state, "Edit16");
}
BENCHMARK(BM_PowerUnitKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
