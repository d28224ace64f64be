// The unit search: the first search, which reads every window into the index, one
// keystroke's filtering in the search window afterwards, and the answers to a desktop's
// search box.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include "app/Unidadbuscar.h"
#include "app/Unidadpresentacion.h"
#include "app/UnitAnswers.h"
#include "app/UnitIndex.h"
#include "platform/Edit.h"
#include "platform/Host.h"
#include "platform/Input.h"
#include "platform/ListBox.h"
#include "value/Locale.h"

namespace {

void BM_UnitSearchFirstSearch(benchmark::State& state) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  platform::SetDecimalSeparator(u',');
  {
    TFormPrincipal main;
    std::size_t units = 0;
    for (auto _ : state) {
      UnitIndex index(&main);
      benchmark::DoNotOptimize(index.Find(QStringLiteral("pie")));
      units = index.Entries().size();
    }
    state.counters["units"] = static_cast<double>(units);
  }
  platform::SetHost(nullptr);
}
BENCHMARK(BM_UnitSearchFirstSearch)->Unit(benchmark::kMillisecond);

// A key typed into the search, the list filled again; the texts go through a unit name
// letter by letter, and through a quantity.
void BM_UnitSearchKeystroke(benchmark::State& state) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  platform::SetDecimalSeparator(u',');
  {
    TFormPrincipal main;
    const UnitIndex& index = main.Units();
    TFormBuscar search(&main, [&]() -> const UnitIndex& { return index; });
    search.show();
    QApplication::setActiveWindow(&search);
    QCoreApplication::processEvents();
    const QString text = QStringLiteral("5 pulgadas cúbicas");
    int at = 0;
    for (auto _ : state) {
      if (at == text.size()) {
        state.PauseTiming();
        search.Edit1->SetText(QString());
        at = 0;
        state.ResumeTiming();
      }
      platform::SendKeyStroke(search.Edit1, platform::keys::Character(text[at++]));
    }
    if (!host.boxes.empty()) state.SkipWithError("a message box appeared");
  }
  platform::SetHost(nullptr);
}
BENCHMARK(BM_UnitSearchKeystroke)->Unit(benchmark::kMicrosecond);

// A desktop search box's query once the provider runs: a quantity converted in its unit's
// window, headless, and a unit's name.
void BM_UnitSearchAnswer(benchmark::State& state, const char* text) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  platform::SetDecimalSeparator(u',');
  {
    QWidget owner;
    const UnitIndex index(&owner);
    const QString query = QString::fromUtf8(text);
    for (auto _ : state) benchmark::DoNotOptimize(AnswerSearch(index, &owner, query));
    if (!host.boxes.empty()) state.SkipWithError("a message box appeared");
  }
  platform::SetHost(nullptr);
}
BENCHMARK_CAPTURE(BM_UnitSearchAnswer, quantity, "5 pies")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UnitSearchAnswer, name, "pul")->Unit(benchmark::kMillisecond);

}  // namespace
