#include "platform/Network.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <memory>

#include "platform/Host.h"
#include "platform/KeptFile.h"
#include "platform/Modules.h"

namespace platform {
namespace {

int g_inFlight = 0;
int g_patience = 15000;

FetchFunction ModuleEntry() {
  static const auto entry =
      reinterpret_cast<FetchFunction>(platform::ModuleEntry(TARVEL_NETWORK_MODULE, kFetchSymbol));
  return entry;
}

}  // namespace

void FetchThroughModule(const QUrl& url, const FetchLimits& limits, FetchDone done) {
  if (const FetchFunction entry = ModuleEntry()) {
    entry(url, limits, std::move(done));
    return;
  }
  QTimer::singleShot(0, qApp, [done = std::move(done)] {
    done({FetchResult::Outcome::Offline,
          {},
          QCoreApplication::translate("Platform", "falta el módulo de red")});
  });
}

void SetFetchPatience(int milliseconds) { g_patience = milliseconds; }

QString AddressProblem(const QUrl& url) {
  if (!url.isValid() || url.host().isEmpty())
    return QCoreApplication::translate("Platform", "dirección de descarga no válida");
  if (url.scheme() == QLatin1String("https")) return QString();
  if (url.scheme() == QLatin1String("http") && IsLoopback(url)) return QString();
  return QCoreApplication::translate("Platform", "solo se descarga por https");
}

void Fetch(const QUrl& url, const FetchLimits& asked, QObject* context, FetchDone done) {
  ++g_inFlight;
  if (const QString problem = AddressProblem(url); !problem.isEmpty()) {
    QTimer::singleShot(0, qApp, [problem, context = QPointer<QObject>(context), done] {
      --g_inFlight;
      if (context) done({FetchResult::Outcome::Refused, {}, problem});
    });
    return;
  }
  FetchLimits limits = asked;
  if (limits.timeoutMs <= 0) limits.timeoutMs = g_patience;
  host().Fetch(
      url, limits,
      [context = QPointer<QObject>(context), done = std::move(done)](const FetchResult& result) {
        --g_inFlight;
        if (context) done(result);
      });
}

int FetchesInFlight() { return g_inFlight; }

void RunAside(QObject* context, std::function<void()> work, std::function<void()> done) {
  ++g_inFlight;
  // Whatever is under way is finished before the program ends.
  static const bool waits = QObject::connect(qApp, &QCoreApplication::aboutToQuit,
                                             [] { QThreadPool::globalInstance()->waitForDone(); });
  Q_UNUSED(waits);
  QThreadPool::globalInstance()->start([context = QPointer<QObject>(context),
                                        work = std::move(work), done = std::move(done)]() mutable {
    work();
    QMetaObject::invokeMethod(
        qApp,
        [context, done = std::move(done)] {
          --g_inFlight;
          if (context) done();
        },
        Qt::QueuedConnection);
  });
}

void KeepDownloaded(const QString& path, const QByteArray& content, QObject* context,
                    std::function<void(const QString& reason)> done) {
  auto reason = std::make_shared<QString>();
  RunAside(
      context,
      [path, content, reason] {
        if (WriteWholeFile(path, content, reason.get())) reason->clear();
      },
      [reason, done = std::move(done)] { done(*reason); });
}

bool IsLoopback(const QUrl& url) {
  QString host = url.host().toLower();
  if (host == QLatin1String("localhost") || host == QLatin1String("::1")) return true;
  if (host.startsWith(QLatin1String("::ffff:"))) host = host.mid(7);
  // 127.0.0.0/8, written as four numbers of 0 to 255 (QUrl has already normalised the forms
  // of an IPv4 address).
  const QStringList parts = host.split(u'.');
  if (parts.size() != 4 || parts[0] != QLatin1String("127")) return false;
  for (const QString& part : parts) {
    bool number = false;
    const int value = part.toInt(&number);
    if (!number || value < 0 || value > 255) return false;
  }
  return true;
}

}  // namespace platform
