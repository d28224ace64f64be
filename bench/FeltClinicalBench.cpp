// The felt-temperature and clinical-data windows: opening each one (the clinical list is
// sorted by Spanish name on the way), a choice in a list of the felt temperature, a keystroke's
// conversion and a change of order in the clinical list.
#include <QHeaderView>

#include "BenchSupport.h"
#include "platform/ComboBox.h"
#include "platform/Controls.h"
#include "platform/Grid.h"
#include "platform/Pages.h"
#include "tools/physical/Unidadclinica.h"
#include "tools/physical/Unidadsensaciont.h"

namespace {

void BM_FeltTemperatureOpen(benchmark::State& state) { MeasureOpening<TForm4>(state); }
BENCHMARK(BM_FeltTemperatureOpen)->Unit(benchmark::kMillisecond);

void BM_ClinicalDataOpen(benchmark::State& state) { MeasureOpening<TFormClinic>(state); }
BENCHMARK(BM_ClinicalDataOpen)->Unit(benchmark::kMillisecond);

// Down and Up in the winter temperature list, each running the winter update.
void BM_FeltTemperatureChoice(benchmark::State& state) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  {
    TForm4 form(nullptr);
    form.show();
    QApplication::setActiveWindow(&form);
    form.PageControl1->setCurrentIndex(1);
    QCoreApplication::processEvents();
    form.ComboBox4->setFocus();
    bool down = true;
    for (auto _ : state) {
      platform::SendKeyStroke(form.ComboBox4, {down ? Qt::Key_Down : Qt::Key_Up, {}, QString()});
      down = !down;
    }
  }
  platform::SetHost(nullptr);
}
BENCHMARK(BM_FeltTemperatureChoice)->Unit(benchmark::kMicrosecond);

void BM_ClinicalDataKeystroke(benchmark::State& state) {
  MeasureKeystroke<TFormClinic>(state, "Edit1");
}
BENCHMARK(BM_ClinicalDataKeystroke)->Unit(benchmark::kMicrosecond);

// The English and the Spanish button in turn, each ordering the list and drawing it again.
void BM_ClinicalDataReorder(benchmark::State& state) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  {
    TFormClinic form(nullptr);
    form.show();
    QApplication::setActiveWindow(&form);
    QCoreApplication::processEvents();
    QWidget* header = form.StringGrid1->horizontalHeader()->viewport();
    int col = 1;
    for (auto _ : state) {
      const QRect cell = form.StringGrid1->CellRect(col, 0);
      const QPoint at(cell.right() - 8, cell.center().y());
      platform::SendMouseClick(header, header->mapFrom(form.StringGrid1, at));
      QCoreApplication::processEvents();
      col = 1 - col;
    }
  }
  platform::SetHost(nullptr);
}
BENCHMARK(BM_ClinicalDataReorder)->Unit(benchmark::kMicrosecond);

}  // namespace
