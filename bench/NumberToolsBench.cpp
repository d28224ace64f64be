// One keystroke in the number tools: the base window rewrites the other edit from the
// number typed.
#include "BenchSupport.h"
#include "tools/numbers/Unitdadbase.h"

namespace {

void BM_NumberBaseKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormBase>(state, "Edit1");
}
BENCHMARK(BM_NumberBaseKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
