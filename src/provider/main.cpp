// tarvel-search-provider: started by the session bus when a desktop's search box asks for
// Tarvel's answers; see Provider.h.

#include <signal.h>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QWidget>
#include <cstdio>
#include <vector>

#include "app/Language.h"
#include "platform/Host.h"
#include "provider/Provider.h"
#include "value/Locale.h"

int main(int argc, char** argv) {
  // Headless: the windows that convert are never shown. Asked for on Qt's own command line,
  // not through the environment, which the Tarvel it may start inherits.
  std::vector<char*> arguments(argv, argv + argc);
  char platform[] = "-platform";
  char offscreen[] = "offscreen";
  arguments.insert(arguments.begin() + 1, {platform, offscreen});
  int count = static_cast<int>(arguments.size());
  arguments.push_back(nullptr);
  QApplication app(count, arguments.data());
  // An index that outgrows the user's file size limit is not kept; the provider goes on.
  ::signal(SIGXFSZ, SIG_IGN);
  // Nobody is there to answer a message box: every one is logged and passes.
  platform::RecordingHost host;
  platform::SetHost(&host);
  platform::ReadDecimalSeparatorFromSystem();
  // The answers in the language Tarvel speaks on this desktop.
  language::Apply(language::Resolve(language::Chosen()));
  RegisterProviderTypes();

  QWidget owner;
  Provider provider(&owner, ProviderIndexFile());
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
