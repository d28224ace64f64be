// One keystroke's whole propagation in the temperature, density, weight and pressure windows:
// in the hub, which writes every other edit, and in a unit edit, which writes the hub first.
#include "BenchSupport.h"
#include "tools/physical/Unidaddensidad.h"
#include "tools/physical/Unidadpeso.h"
#include "tools/physical/Unidadpresion.h"
#include "tools/physical/Unidadtemp.h"

namespace {

void BM_TemperatureHubKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormTemp>(state, "Edit1");
}
BENCHMARK(BM_TemperatureHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_TemperatureUnitKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormTemp>(state, "Edit5");
}
BENCHMARK(BM_TemperatureUnitKeystroke)->Unit(benchmark::kMicrosecond);

void BM_DensityHubKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormDensidad>(state, "Edit1");
}
BENCHMARK(BM_DensityHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_DensityUnitKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormDensidad>(state, "Edit8");
}
BENCHMARK(BM_DensityUnitKeystroke)->Unit(benchmark::kMicrosecond);

// A gram-group unit feeds the gram hub, which feeds the pound hub; a pound-group unit the
// other way round.
void BM_WeightGramGroupKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormPeso>(state, "Edit2");
}
BENCHMARK(BM_WeightGramGroupKeystroke)->Unit(benchmark::kMicrosecond);

void BM_WeightPoundGroupKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormPeso>(state, "Edit5");
}
BENCHMARK(BM_WeightPoundGroupKeystroke)->Unit(benchmark::kMicrosecond);

// The hub writes the pascal sub-hub among the others; a hectopascal goes through the
// sub-hub to the hub, whose pass re-enters the sub-hub.
void BM_PressureHubKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormPresion>(state, "Edit1");
}
BENCHMARK(BM_PressureHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_PressureHectopascalKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormPresion>(state, "Edit5");
}
BENCHMARK(BM_PressureHectopascalKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
