// One keystroke's whole propagation in the mass and velocity windows: in the hub, which
// writes every other edit, and in a unit edit, which writes the hub first.
#include "BenchSupport.h"
#include "tools/physical/Unidadmasa.h"
#include "tools/physical/Unidadvel.h"

namespace {

void BM_MassHubKeystroke(benchmark::State& state) { MeasureKeystroke<TFormMasa>(state, "Edit2"); }
BENCHMARK(BM_MassHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_MassUnitKeystroke(benchmark::State& state) { MeasureKeystroke<TFormMasa>(state, "Edit14"); }
BENCHMARK(BM_MassUnitKeystroke)->Unit(benchmark::kMicrosecond);

void BM_VelocityHubKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormVel>(state, "Edit1");
}
BENCHMARK(BM_VelocityHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_VelocityUnitKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormVel>(state, "Edit7");
}
BENCHMARK(BM_VelocityUnitKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
