// Opening the windows with the most texts in English against Spanish, the sources' language:
// each text of the window is looked up in the translation on the way.
#include <memory>

#include "BenchSupport.h"
#include "app/Language.h"
#include "app/Unidadpresentacion.h"
#include "tools/money/Unidaddivisas.h"
#include "tools/physical/Unidadclinica.h"
#include "tools/tables/Unidadandalucia.h"

namespace {

template <class Form>
void OpenIn(benchmark::State& state, const char* code) {
  language::Apply(QString::fromLatin1(code));
  MeasureOpening<Form>(state);
  language::Apply(QStringLiteral("es"));
}

template <class Form>
void Spanish(benchmark::State& state) {
  OpenIn<Form>(state, "es");
}
template <class Form>
void English(benchmark::State& state) {
  OpenIn<Form>(state, "en");
}

BENCHMARK(Spanish<TFormClinic>)->Name("BM_ClinicalOpenSpanish")->Unit(benchmark::kMillisecond);
BENCHMARK(English<TFormClinic>)->Name("BM_ClinicalOpenEnglish")->Unit(benchmark::kMillisecond);
BENCHMARK(Spanish<TFormAndalucia>)->Name("BM_AndaluciaOpenSpanish")->Unit(benchmark::kMillisecond);
BENCHMARK(English<TFormAndalucia>)->Name("BM_AndaluciaOpenEnglish")->Unit(benchmark::kMillisecond);
BENCHMARK(Spanish<TFormDivisas>)->Name("BM_CurrenciesOpenSpanish")->Unit(benchmark::kMillisecond);
BENCHMARK(English<TFormDivisas>)->Name("BM_CurrenciesOpenEnglish")->Unit(benchmark::kMillisecond);

// What a language costs the start-up: its translations installed (Tarvel's and Qt's own), and
// the main window made in it.
void BM_LanguageInstalled(benchmark::State& state) {
  for (auto _ : state) {
    language::Apply(QStringLiteral("en"));
    state.PauseTiming();
    language::Apply(QStringLiteral("es"));
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LanguageInstalled)->Unit(benchmark::kMicrosecond);

void MainWindowIn(benchmark::State& state, const char* code) {
  language::Apply(QString::fromLatin1(code));
  for (auto _ : state) std::make_unique<TFormPrincipal>();
  language::Apply(QStringLiteral("es"));
}
void BM_MainWindowSpanish(benchmark::State& state) { MainWindowIn(state, "es"); }
void BM_MainWindowEnglish(benchmark::State& state) { MainWindowIn(state, "en"); }
BENCHMARK(BM_MainWindowSpanish)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MainWindowEnglish)->Unit(benchmark::kMicrosecond);

}  // namespace
