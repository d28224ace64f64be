#include "app/TarvelBus.h"

#include <QApplication>
#include <QDBusConnection>
#include <QFileInfo>
#include <QTimer>

#include "app/Unidadpresentacion.h"
#include "app/UnitIndex.h"
#include "platform/Messages.h"

namespace {

// A request is carried out after the call has been answered: a window it opens is modal.
// While a window of the program is open it only brings the program forward.
template <class F>
void WhenFree(TFormPrincipal* main, F&& request) {
  QTimer::singleShot(0, main, [main, request = std::forward<F>(request)] {
    platform::Guard([&] {
      main->AbrirelConversor1Click();
      if (QApplication::activeModalWidget()) return;
      request();
    });
  });
}

}  // namespace

TarvelBusAdaptor::TarvelBusAdaptor(TFormPrincipal* main) : QDBusAbstractAdaptor(main), main_(main) {}

void TarvelBusAdaptor::OpenUnit(int position, const QString& number) {
  WhenFree(main_, [main = main_, position, number] {
    const std::vector<UnitEntry>& units = main->Units().Entries();
    if (position < 0 || position >= static_cast<int>(units.size())) return;
    main->OpenUnit(units[position], number);
  });
}

void TarvelBusAdaptor::Search(const QString& terms) {
  WhenFree(main_, [main = main_, terms] { main->OpenSearch(terms); });
}

void TarvelBusAdaptor::Raise() {
  WhenFree(main_, [] {});
}

void OfferTarvelOnTheBus(TFormPrincipal* main) {
  // Only on the desktop's own bus: without one, asking for "the" session bus would start a
  // bus of our own (and a helper program to do it), which nobody else could reach.
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
      (runtime.isEmpty() || !QFileInfo::exists(QString::fromLocal8Bit(runtime) + QStringLiteral("/bus"))))
    return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  auto* adaptor = new TarvelBusAdaptor(main);
  if (!bus.registerObject(QLatin1String(kTarvelPath), main, QDBusConnection::ExportAdaptors) ||
      !bus.registerService(QLatin1String(kTarvelService))) {
    bus.unregisterObject(QLatin1String(kTarvelPath));
    delete adaptor;
  }
}
