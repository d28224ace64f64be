// tarvel-search-provider: started by the session bus when a desktop's search box asks for
// Tarvel's answers; see Provider.h.

#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QWidget>
#include <cstdio>

#include "platform/Host.h"
#include "platform/Locale.h"
#include "provider/Provider.h"

int main(int argc, char** argv) {
  // Headless: the windows that convert are never shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Nobody is there to answer a message box: every one is logged and passes.
  platform::RecordingHost host;
  platform::SetHost(&host);
  platform::ReadDecimalSeparatorFromSystem();
  RegisterProviderTypes();

  QWidget owner;
  Provider provider(&owner);
  new GnomeSearchAdaptor(&provider);
  new KRunnerAdaptor(&provider);
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.registerObject(QLatin1String(kProviderPath), &provider,
                          QDBusConnection::ExportAdaptors) ||
      !bus.registerService(QLatin1String(kProviderService))) {
    std::fprintf(stderr, "tarvel-search-provider: %s\n",
                 qPrintable(bus.lastError().message().isEmpty() ? QStringLiteral("no session bus")
                                                                : bus.lastError().message()));
    return 1;
  }
  return app.exec();
}
