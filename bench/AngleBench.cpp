// One keystroke's whole propagation in the plane-angle window: in the radian hub, which
// starts the degree hub, and in the seconds of the row, which writes the degrees first.
#include "BenchSupport.h"
#include "tools/physical/Unidadangulo.h"

namespace {

void BM_AngleRadianKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormAngulo>(state, "Edit1");
}
BENCHMARK(BM_AngleRadianKeystroke)->Unit(benchmark::kMicrosecond);

void BM_AngleRowSecondsKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormAngulo>(state, "Edit10");
}
BENCHMARK(BM_AngleRowSecondsKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
