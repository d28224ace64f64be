// The old Andalusian measures: opening the window (its first tables filled), a keystroke in
// the metre edit, which refills its table, and one in a table cell, which writes the metre
// edit and refills the rest of the table.
#include <QApplication>
#include <memory>

#include "BenchSupport.h"
#include "platform/Grid.h"
#include "tools/tables/Unidadandalucia.h"

namespace {

void BM_AndaluciaOpen(benchmark::State& state) { MeasureOpening<TFormAndalucia>(state); }
BENCHMARK(BM_AndaluciaOpen)->Unit(benchmark::kMillisecond);

void BM_AndaluciaMetreKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormAndalucia>(state, "Edit1");
}
BENCHMARK(BM_AndaluciaMetreKeystroke)->Unit(benchmark::kMicrosecond);

void BM_AndaluciaCellKeystroke(benchmark::State& state) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  platform::SetDecimalSeparator(u',');
  {
    auto form = std::make_unique<TFormAndalucia>(nullptr);
    form->show();
    QApplication::setActiveWindow(form.get());
    QCoreApplication::processEvents();
    TStringGrid* grid = form->StringGrid[1];
    grid->setFocus();
    grid->setCurrentCell(2, 1);
    int digit = 1;
    for (auto _ : state) {
      // Each digit replaces the cell's text: the first key opens the editor over it.
      if (TEdit* editor = grid->InplaceEditor()) editor->selectAll();
      QWidget* target = grid->InplaceEditor() ? static_cast<QWidget*>(grid->InplaceEditor()) : grid;
      platform::SendKeyStroke(target, platform::keys::Character(QChar(u'0' + digit)));
      digit = digit % 9 + 1;
    }
    if (!host.boxes.empty()) state.SkipWithError("a message box appeared");
  }
  platform::SetHost(nullptr);
}
BENCHMARK(BM_AndaluciaCellKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
