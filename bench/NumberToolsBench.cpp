// The number tools: opening each window, and one keystroke: the base window rewrites the other edit
// from the number typed, the Roman-numeral window writes the numeral, the words window writes the
// words of an 18-digit number.
#include "BenchSupport.h"
#include "tools/numbers/Unidadletras.h"
#include "tools/numbers/Unidadromanos.h"
#include "tools/numbers/Unitdadbase.h"

namespace {

void BM_NumberBaseKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormBase>(state, "Edit1");
}
BENCHMARK(BM_NumberBaseKeystroke)->Unit(benchmark::kMicrosecond);

void BM_RomanKeystroke(benchmark::State& state) { MeasureKeystroke<TFormRomanos>(state, "Edit1"); }
BENCHMARK(BM_RomanKeystroke)->Unit(benchmark::kMicrosecond);

// Each stroke replaces the last digit of 18: the longest words the window writes.
void BM_NumberWordsKeystroke(benchmark::State& state) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  {
    TFormLetras form(nullptr);
    form.show();
    QApplication::setActiveWindow(&form);
    QCoreApplication::processEvents();
    platform::SendMouseClick(form.Edit1);
    form.Edit1->SetText(QStringLiteral("99999999999999999"));
    int digit = 1;
    for (auto _ : state) {
      form.Edit1->setSelection(17, 1);
      platform::SendKeyStroke(form.Edit1, platform::keys::Character(QChar(u'0' + digit)));
      digit = digit % 9 + 1;
    }
  }
  platform::SetHost(nullptr);
}
BENCHMARK(BM_NumberWordsKeystroke)->Unit(benchmark::kMicrosecond);

void BM_NumberBaseOpen(benchmark::State& state) { MeasureOpening<TFormBase>(state); }
BENCHMARK(BM_NumberBaseOpen)->Unit(benchmark::kMicrosecond);
void BM_RomanOpen(benchmark::State& state) { MeasureOpening<TFormRomanos>(state); }
BENCHMARK(BM_RomanOpen)->Unit(benchmark::kMicrosecond);
void BM_NumberWordsOpen(benchmark::State& state) { MeasureOpening<TFormLetras>(state); }
BENCHMARK(BM_NumberWordsOpen)->Unit(benchmark::kMicrosecond);

}  // namespace
