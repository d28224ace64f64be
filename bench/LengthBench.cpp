// One keystroke in the length window, from the key event until the last of the 19 edits
// has been written, for a few source edits.
#include "BenchSupport.h"
#include "tools/length/Unidadv.h"

namespace {

void BM_LengthKeystroke_Metre(benchmark::State& state) { MeasureKeystroke<TForm3>(state, "Edit2"); }
void BM_LengthKeystroke_Centimetre(benchmark::State& state) {
  MeasureKeystroke<TForm3>(state, "Edit3");
}
void BM_LengthKeystroke_NauticalMile(benchmark::State& state) {
  MeasureKeystroke<TForm3>(state, "Edit10");
}
void BM_LengthKeystroke_LightYear(benchmark::State& state) {
  MeasureKeystroke<TForm3>(state, "Edit17");
}
BENCHMARK(BM_LengthKeystroke_Metre)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LengthKeystroke_Centimetre)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LengthKeystroke_NauticalMile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LengthKeystroke_LightYear)->Unit(benchmark::kMicrosecond);

}  // namespace
