// One keystroke's whole propagation in the surface and volume windows, whose edits form a
// network of hubs and leaves: typed into a hub, and into a leaf whose value travels through
// every hub before it reaches the far edits.
#include "BenchSupport.h"
#include "tools/physical/Unidadsup.h"
#include "tools/physical/Unidadvol.h"

namespace {

BENCHMARK(MeasureOpening<TFormSup>)->Name("BM_SurfaceOpening")->Unit(benchmark::kMicrosecond);
BENCHMARK(MeasureOpening<TFormVol>)->Name("BM_VolumeOpening")->Unit(benchmark::kMicrosecond);

void BM_SurfaceHubKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormSup>(state, "Edit3");  // m²
}
BENCHMARK(BM_SurfaceHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_SurfaceLeafKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormSup>(state, "Edit6");  // sq.ft
}
BENCHMARK(BM_SurfaceLeafKeystroke)->Unit(benchmark::kMicrosecond);

// The cubic metre reaches all 26 edits through the four other hubs, with every echo.
void BM_VolumeLeafKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormVol>(state, "Edit1");  // m³
}
BENCHMARK(BM_VolumeLeafKeystroke)->Unit(benchmark::kMicrosecond);

void BM_VolumeHubKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormVol>(state, "Edit2");  // cm³
}
BENCHMARK(BM_VolumeHubKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
