// Opening the windows with the most texts in English against Spanish, the sources' language:
// each text of the window is looked up in the translation on the way.
#include "BenchSupport.h"
#include "app/Language.h"
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

}  // namespace
