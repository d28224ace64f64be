#include "app/TarvelBus.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "app/Unidadpresentacion.h"
#include "app/UnitIndex.h"
#include "platform/Folders.h"
#include "platform/Messages.h"

namespace {

// A request is carried out after the call has been answered: a window it opens is modal.
// While a window of the program is open it only brings the program forward.
template <class F>
void WhenFree(TFormPrincipal* main, F&& request) {
  QTimer::singleShot(0, main, [main, request = std::forward<F>(request)] {
    platform::Guard([&] {
      main->AbrirelConversor1Click();
      if (QWidget* open = QApplication::activeModalWidget()) {
        open->raise();
        open->activateWindow();
        return;
      }
      request();
    });
  });
}

}  // namespace

TarvelBusAdaptor::TarvelBusAdaptor(TFormPrincipal* main)
    : QDBusAbstractAdaptor(main), main_(main) {}

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

// Only the desktop's own bus: without one, asking for "the" session bus would start a bus of
// our own (and a helper program to do it), which nobody else could reach.
static bool DesktopHasABus() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") ||
         (!runtime.isEmpty() &&
          QFileInfo::exists(QString::fromLocal8Bit(runtime) + QStringLiteral("/bus")));
}

// A running Tarvel holds a lock on a file of its own in the private folder, named after its
// session bus. A start that takes the lock is the only Tarvel on that bus and need not ask the
// bus (which would cost the window its time); one that finds it held asks the bus. False when
// the lock is held, or cannot be had.
static bool FirstOnThisBus() {
  QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
  if (bus.isEmpty()) bus = qgetenv("XDG_RUNTIME_DIR") + "/bus";
  QString folder;
  try {
    folder = platform::PrivateTempFolder();
  } catch (const std::exception&) {
    return false;
  }
  const QString lock =
      folder + QStringLiteral("/running-") +
      QString::fromLatin1(QCryptographicHash::hash(bus, QCryptographicHash::Sha1).toHex().left(16));
  // Held until the program ends; not handed to the programs it starts.
  const int fd =
      ::open(QFile::encodeName(lock).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
  ::close(fd);
  return false;
}

bool HandOverToRunningTarvel() {
  if (!DesktopHasABus() || FirstOnThisBus()) return false;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()->isServiceRegistered(QLatin1String(kTarvelService)))
    return false;
  // A Tarvel that does not answer within a couple of seconds is left alone: this one starts.
  const QDBusMessage reply = bus.call(
      QDBusMessage::createMethodCall(QLatin1String(kTarvelService), QLatin1String(kTarvelPath),
                                     QLatin1String(kTarvelInterface), QStringLiteral("Raise")),
      QDBus::Block, 2000);
  return reply.type() == QDBusMessage::ReplyMessage;
}

void OfferTarvelOnTheBus(TFormPrincipal* main) {
  if (!DesktopHasABus()) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  auto* adaptor = new TarvelBusAdaptor(main);
  if (!bus.registerObject(QLatin1String(kTarvelPath), main, QDBusConnection::ExportAdaptors) ||
      !bus.registerService(QLatin1String(kTarvelService))) {
    bus.unregisterObject(QLatin1String(kTarvelPath));
    delete adaptor;
  }
}
