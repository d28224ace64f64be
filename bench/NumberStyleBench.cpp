// One keystroke's whole propagation in the largest hub window (energy, 29 units) as the menu
// opens it, its results shown as the user prefers numbers: as the window writes them (the
// default), and rounded to four significant digits.
#include "BenchSupport.h"
#include "tools/physical/Unidadenergia.h"
#include "value/Value.h"

namespace {

void MeasureInStyle(benchmark::State& state, const NumberStyle& style) {
  SetResultStyle(style);
  MeasureKeystroke<TFormEnergia>(state, "Edit1", platform::ShowResultsInStyle);
  SetResultStyle({});
}

void BM_EnergyHubKeystrokeAsWindow(benchmark::State& state) { MeasureInStyle(state, {}); }
BENCHMARK(BM_EnergyHubKeystrokeAsWindow)->Unit(benchmark::kMicrosecond);

void BM_EnergyHubKeystrokeFourDigits(benchmark::State& state) {
  MeasureInStyle(state, {4, Notation::AsWindow});
}
BENCHMARK(BM_EnergyHubKeystrokeFourDigits)->Unit(benchmark::kMicrosecond);

}  // namespace
