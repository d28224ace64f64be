// The inch and feet windows: opening one (created, shown, destroyed), a key stroke in the
// millimetre edit (the window's own filter, nothing converts), and one click of the
// conversion toward inches or feet, which rewrites every edit.
#include "BenchSupport.h"
#include "platform/Controls.h"
#include "tools/length/Unidad1.h"
#include "tools/length/Unidadpie.h"

namespace {

// Types a length into the metric edit, then clicks the conversion button over and over.
template <class Form>
void MeasureConversion(benchmark::State& state, const char* editName, const char* text) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  platform::SetDecimalSeparator(u',');
  {
    auto form = std::make_unique<Form>(nullptr);
    form->show();
    QApplication::setActiveWindow(form.get());
    QCoreApplication::processEvents();
    auto* edit = form->template Find<TEdit>(QString::fromLatin1(editName));
    auto* button = form->template Find<TBitBtn>(QStringLiteral("BitBtn2"));
    for (auto _ : state) {
      edit->SetText(QString::fromLatin1(text));
      button->click();
    }
    if (!host.boxes.empty()) state.SkipWithError("a message box appeared");
  }
  platform::SetHost(nullptr);
}

void BM_InchWindowOpen(benchmark::State& state) { MeasureOpening<TForm1>(state); }
void BM_InchKeystroke(benchmark::State& state) { MeasureKeystroke<TForm1>(state, "Edit4"); }
void BM_InchToFraction(benchmark::State& state) {
  MeasureConversion<TForm1>(state, "Edit4", "100");
}
void BM_FeetWindowOpen(benchmark::State& state) { MeasureOpening<TFormPie>(state); }
void BM_FeetToFraction(benchmark::State& state) {
  MeasureConversion<TFormPie>(state, "Edit1", "100");
}
BENCHMARK(BM_InchWindowOpen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InchKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InchToFraction)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FeetWindowOpen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FeetToFraction)->Unit(benchmark::kMicrosecond);

}  // namespace
