// The currency window: its opening with rates kept, a keystroke's conversion into every
// currency, and the longest the event loop is held while a download of the bank's file is
// read, checked and kept (a server of the benchmark's own on the loopback address).

#include <time.h>

#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "BenchSupport.h"
#include "platform/Controls.h"
#include "platform/KeptFile.h"
#include "platform/StatusBar.h"
#include "tools/money/BankScan.h"
#include "tools/money/History.h"
#include "tools/money/OwnCurrencies.h"
#include "tools/money/Rates.h"
#include "tools/money/Unidaddivisas.h"

namespace {

double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Turns the event loop while the window downloads, and keeps the longest turn's wall and
// processor time.
struct LongestTurn {
  double wallMs = 0, cpuMs = 0;
  void WhileDownloading(const TFormDivisas& form) {
    while (form.Downloading()) {
      QElapsedTimer turn;
      turn.start();
      const double cpu = ThreadCpuMs();
      QCoreApplication::processEvents(QEventLoop::AllEvents);
      wallMs = std::max(wallMs, turn.nsecsElapsed() / 1e6);
      cpuMs = std::max(cpuMs, ThreadCpuMs() - cpu);
    }
  }
};

// Two letters of a made-up code.
QByteArray Code(int i) { return QByteArray(1, char('A' + i / 26 % 26)) + char('A' + i % 26); }

// The bank's file as it publishes it, dated by its latest publication so that opening the
// window asks for nothing.
// With more: as many currencies as the bank's file may hold (100), the others made up.
QByteArray BankFile(int more = 0) {
  const char* rates[] = {"USD=1.0500",  "JPY=158.42",  "CZK=24.318",  "DKK=7.4612",   "GBP=0.84250",
                         "HUF=389.55",  "PLN=4.2260",  "RON=5.0910",  "SEK=11.0275",  "CHF=0.9342",
                         "ISK=146.10",  "NOK=11.7850", "TRY=45.1830", "AUD=1.6215",   "BRL=6.2740",
                         "CAD=1.4705",  "CNY=7.4980",  "HKD=8.1690",  "IDR=17485.20", "ILS=3.8120",
                         "INR=90.4150", "KRW=1512.36", "MXN=20.1855", "MYR=4.6230",   "NZD=1.8160",
                         "PHP=61.284",  "SGD=1.3710",  "THB=35.870",  "ZAR=19.4210"};
  QByteArray cubes;
  for (const char* rate : rates) {
    const QList<QByteArray> parts = QByteArray(rate).split('=');
    cubes += "\t\t\t<Cube currency='" + parts[0] + "' rate='" + parts[1] + "'/>\n";
  }
  for (int i = 0; i < more; ++i) cubes += "\t\t\t<Cube currency='Q" + Code(i) + "' rate='2.5'/>\n";
  const QByteArray date =
      money::LastPublication(QDateTime::currentDateTimeUtc()).toString(Qt::ISODate).toLatin1();
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gesmes:Envelope "
         "xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
         "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
         "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
         "\t<gesmes:Sender><gesmes:name>European Central Bank</gesmes:name></gesmes:Sender>\n"
         "\t<Cube>\n\t\t<Cube time='" +
         date + "'>\n" + cubes + "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
}

// A cache folder of its own with the bank's file kept in it, for the benchmark's time.
// full: the most a window holds, 100 of the bank's currencies and 200 of the user's own.
class KeptRates {
 public:
  explicit KeptRates(bool full = false)
      : saved_(qgetenv("XDG_CACHE_HOME")), savedData_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_CACHE_HOME", QFile::encodeName(folder_.filePath(QStringLiteral("cache"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder_.filePath(QStringLiteral("data"))));
    platform::WriteWholeFile(money::KeptRatesPath(), BankFile(full ? 100 - 29 : 0));
    std::vector<money::OwnCurrency> own;
    for (int i = 0; full && i < money::kMostOwnCurrencies; ++i) {
      const QString code = QStringLiteral("X") + QString::fromLatin1(Code(i));
      own.push_back({code, QStringLiteral("moneda propia ") + code, 3.25, QDate(2026, 12, 1)});
    }
    money::SaveOwnCurrencies(own);
  }
  ~KeptRates() {
    qputenv("XDG_CACHE_HOME", saved_);
    qputenv("XDG_DATA_HOME", savedData_);
  }

 private:
  QByteArray saved_, savedData_;
  QTemporaryDir folder_;
};

// One file served on the loopback address to every request, for the benchmark's time.
class ServedFile {
 public:
  explicit ServedFile(QByteArray body) : body_(std::move(body)) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          if (!socket->readAll().contains("\r\n\r\n")) return;
          socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " +
                        QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_);
          socket->disconnectFromHost();
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  QByteArray Url(const char* name) const {
    return QStringLiteral("http://127.0.0.1:%1/%2")
        .arg(server_.serverPort())
        .arg(QLatin1String(name))
        .toUtf8();
  }

 private:
  QByteArray body_;
  QTcpServer server_;
};

void BM_CurrencyWindowOpens(benchmark::State& state) {
  KeptRates kept;
  MeasureOpening<TFormDivisas>(state);
}
BENCHMARK(BM_CurrencyWindowOpens)->Unit(benchmark::kMillisecond);

void BM_CurrencyKeystroke(benchmark::State& state) {
  KeptRates kept;
  MeasureKeystroke<TFormDivisas>(state, "EditUSD");
}
BENCHMARK(BM_CurrencyKeystroke)->Unit(benchmark::kMicrosecond);

void BM_CurrencyWindowOpensFull(benchmark::State& state) {
  KeptRates kept(true);
  MeasureOpening<TFormDivisas>(state);
}
BENCHMARK(BM_CurrencyWindowOpensFull)->Unit(benchmark::kMillisecond);

void BM_CurrencyKeystrokeFull(benchmark::State& state) {
  KeptRates kept(true);
  MeasureKeystroke<TFormDivisas>(state, "EditUSD");
}
BENCHMARK(BM_CurrencyKeystrokeFull)->Unit(benchmark::kMicrosecond);

void BM_CurrencyDownloadPause(benchmark::State& state) {
  KeptRates kept;
  const ServedFile server(BankFile());
  const QByteArray saved = qgetenv("TARVEL_RATES_URL");
  qputenv("TARVEL_RATES_URL", server.Url("eurofxref-daily.xml"));
  platform::RecordingHost host;
  platform::SetHost(&host);
  {
    TFormDivisas form(nullptr);
    form.show();
    QCoreApplication::processEvents();
    // The first download loads the network module and starts Qt Network; it is done before.
    while (form.Downloading()) QCoreApplication::processEvents(QEventLoop::AllEvents);
    double longest = 0, longestCpu = 0;
    std::vector<double> longests;
    for (auto _ : state) {
      form.BitBtn2->click();  // "Actualizar"
      // Each turn of the event loop, while the download is read, checked and kept.
      LongestTurn download;
      download.WhileDownloading(form);
      longests.push_back(download.wallMs);
      longest = std::max(longest, download.wallMs);
      longestCpu = std::max(longestCpu, download.cpuMs);
    }
    // The longest turn of all and of a typical download (the median of each one's longest),
    // as the clock on the wall sees them: on a busy machine a turn also waits for the
    // processor. And the most processor time that one turn took.
    std::sort(longests.begin(), longests.end());
    state.counters["longest_pause_ms"] = longest;
    state.counters["median_longest_ms"] = longests.empty() ? 0 : longests[longests.size() / 2];
    state.counters["longest_cpu_ms"] = longestCpu;
    if (!form.StatusBar1->currentMessage().startsWith(QStringLiteral("Tipos de referencia")) ||
        form.StatusBar1->currentMessage().contains(u'—'))
      state.SkipWithError(qPrintable(form.StatusBar1->currentMessage()));
  }
  platform::SetHost(nullptr);
  qputenv("TARVEL_RATES_URL", saved);
}
BENCHMARK(BM_CurrencyDownloadPause)->Unit(benchmark::kMillisecond);

// The bank's history as large as it is: every working day since 4 January 1999, forty
// currencies a day (some 10 MB).
QByteArray FullHistory() {
  QByteArray cubes;
  for (QDate day = QDate(2026, 12, 9); day >= QDate(1999, 1, 4); day = day.addDays(-1)) {
    if (day.dayOfWeek() >= 6) continue;
    cubes += "<Cube time=\"" + day.toString(Qt::ISODate).toLatin1() + "\">";
    for (int c = 0; c < 40; ++c)
      cubes += "<Cube currency=\"Q" + Code(c) + "\" rate=\"" + QByteArray::number(1.5 + c) + "\"/>";
    cubes += "</Cube>\n";
  }
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gesmes:Envelope "
         "xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
         "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\"><Cube>\n" +
         cubes + "</Cube></gesmes:Envelope>\n";
}

// Reading the kept history when the first past day is chosen: from the file to the history
// in memory, on its own thread, as the window waits for it (wall time).
void BM_HistoryReadKept(benchmark::State& state) {
  KeptRates kept;
  platform::WriteWholeFile(money::KeptHistoryPath(), FullHistory());
  QObject context;
  for (auto _ : state) {
    bool done = false;
    money::LoadKeptHistory(&context,
                           [&](std::shared_ptr<const money::RateHistory> history, const QString&) {
                             done = true;
                             if (!history) state.SkipWithError("the history did not read");
                           });
    while (!done)
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
  }
}
BENCHMARK(BM_HistoryReadKept)->Unit(benchmark::kMillisecond);

// The parts of that reading: the file read and checked (scanned, as the bank writes it), then
// held compactly.
void BM_HistoryParts(benchmark::State& state) {
  const QByteArray bytes = FullHistory();
  for (auto _ : state) {
    std::vector<money::RateSheet> days;
    QElapsedTimer clock;
    clock.start();
    if (!money::ScanBankDays(bytes, QDate(2026, 12, 10), money::kMostHistoryDays, days))
      state.SkipWithError("the scan left the history to the XML reader");
    state.counters["read_ms"] = clock.nsecsElapsed() / 1e6;
    clock.restart();
    const money::RateHistory history(std::move(days));
    state.counters["held_ms"] = clock.nsecsElapsed() / 1e6;
  }
}
BENCHMARK(BM_HistoryParts)->Unit(benchmark::kMillisecond);

// The XML reader over the same file: what a history that the scan leaves to it costs more.
void BM_HistoryXmlReader(benchmark::State& state) {
  const QByteArray bytes = FullHistory();
  for (auto _ : state) {
    std::vector<money::RateSheet> days;
    if (!money::ReadBankDays(bytes, QDate(2026, 12, 10), money::kMostHistoryDays, days).isEmpty())
      state.SkipWithError("the history did not read");
  }
}
BENCHMARK(BM_HistoryXmlReader)->Unit(benchmark::kMillisecond);

// The longest turn of the event loop while the history is downloaded, read, checked, kept and
// shown, from the first past day chosen in a new window (wall and processor time).
void BM_HistoryDownloadPause(benchmark::State& state) {
  KeptRates kept;
  const ServedFile server(FullHistory());
  qputenv("TARVEL_RATES_HISTORY_URL", server.Url("eurofxref-hist.xml"));
  platform::RecordingHost host;
  platform::SetHost(&host);
  LongestTurn longest;
  for (auto _ : state) {
    QFile::remove(money::KeptHistoryPath());
    TFormDivisas form(nullptr);
    form.show();
    QCoreApplication::processEvents();
    form.FechaTipos->setDate(QDate(2010, 6, 1));
    longest.WhileDownloading(form);
    if (form.PastRates().date != QDate(2010, 6, 1)) state.SkipWithError("no rates of that day");
  }
  state.counters["longest_pause_ms"] = longest.wallMs;
  state.counters["longest_cpu_ms"] = longest.cpuMs;
  platform::SetHost(nullptr);
  qunsetenv("TARVEL_RATES_HISTORY_URL");
}
BENCHMARK(BM_HistoryDownloadPause)->Unit(benchmark::kMillisecond)->Iterations(3);

// A change of day in the window once the history is read: the day's rates found and the rows
// made anew.
void BM_HistoryDateChange(benchmark::State& state) {
  KeptRates kept;
  platform::WriteWholeFile(money::KeptHistoryPath(), FullHistory());
  platform::RecordingHost host;
  platform::SetHost(&host);
  {
    TFormDivisas form(nullptr);
    form.show();
    form.FechaTipos->setDate(QDate(2010, 6, 1));
    while (form.Downloading()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    int day = 0;
    for (auto _ : state) form.FechaTipos->setDate(QDate(2015, 3, 2).addDays(day++ % 300));
    if (form.PastRates().Empty()) state.SkipWithError("no rates of a past day");
  }
  platform::SetHost(nullptr);
}
BENCHMARK(BM_HistoryDateChange)->Unit(benchmark::kMillisecond);

}  // namespace
