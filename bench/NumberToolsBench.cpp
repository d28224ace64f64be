// One keystroke in the number tools: the base window rewrites the other edit from the
// number typed, the Roman-numeral window writes the numeral.
#include "BenchSupport.h"
#include "tools/numbers/Unidadromanos.h"
#include "tools/numbers/Unitdadbase.h"

namespace {

void BM_NumberBaseKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormBase>(state, "Edit1");
}
BENCHMARK(BM_NumberBaseKeystroke)->Unit(benchmark::kMicrosecond);

void BM_RomanKeystroke(benchmark::State& state) { MeasureKeystroke<TFormRomanos>(state, "Edit1"); }
BENCHMARK(BM_RomanKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
