// The steel bars, the welded meshes, the shoe sizes and the graphic units: opening each
// window (the steel-bar table has 170 cells), a pick in the meshes' diameter list, and a
// keystroke in the graphic units' hub and in a unit edit.
#include "BenchSupport.h"
#include "platform/ListBox.h"
#include "tools/length/Unidadgraf.h"
#include "tools/length/Unidadz.h"
#include "tools/tables/Unidadhierros.h"
#include "tools/tables/Unidadmallas.h"

namespace {

void BM_HierrosOpen(benchmark::State& state) { MeasureOpening<TFormHierros>(state); }
BENCHMARK(BM_HierrosOpen)->Unit(benchmark::kMillisecond);

void BM_MallasOpen(benchmark::State& state) { MeasureOpening<TFormMallas>(state); }
BENCHMARK(BM_MallasOpen)->Unit(benchmark::kMillisecond);

void BM_ZapatosOpen(benchmark::State& state) { MeasureOpening<TFZapatos>(state); }
BENCHMARK(BM_ZapatosOpen)->Unit(benchmark::kMillisecond);

void BM_GrafOpen(benchmark::State& state) { MeasureOpening<TFormGraf>(state); }
BENCHMARK(BM_GrafOpen)->Unit(benchmark::kMillisecond);

void BM_MallasPick(benchmark::State& state) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  platform::SetDecimalSeparator(u',');
  {
    TFormMallas form(nullptr);
    form.show();
    QCoreApplication::processEvents();
    int item = 0;
    for (auto _ : state) {
      form.ListBox3->setFocus();
      platform::SendKeyStroke(form.ListBox3, {item < 6 ? Qt::Key_Down : Qt::Key_Home, {}, {}});
      item = (item + 1) % 7;
    }
  }
  platform::SetHost(nullptr);
}
BENCHMARK(BM_MallasPick)->Unit(benchmark::kMicrosecond);

void BM_GrafHubKeystroke(benchmark::State& state) { MeasureKeystroke<TFormGraf>(state, "Edit1"); }
BENCHMARK(BM_GrafHubKeystroke)->Unit(benchmark::kMicrosecond);

void BM_GrafUnitKeystroke(benchmark::State& state) { MeasureKeystroke<TFormGraf>(state, "Edit4"); }
BENCHMARK(BM_GrafUnitKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
