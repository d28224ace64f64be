#include "app/Startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/Language.h"
#include "app/TarvelBus.h"
#include "app/Unidadpresentacion.h"
#include "platform/Application.h"
#include "platform/FocusStyle.h"
#include "platform/Messages.h"
#include "platform/Readable.h"
#include "value/Locale.h"

//: the program's name and what it is: the caption of its message boxes
const char* const kApplicationTitle =
    QT_TRANSLATE_NOOP("Startup", "Tarvel - conversor de unidades");

namespace {

// Runs a piece of start-up once the window has been drawn for the first time (or after a
// second, should it never be drawn), so that it does not keep the window from the screen.
class WhenDrawn : public QObject {
 public:
  WhenDrawn(QWidget* window, std::function<void()> then) : QObject(window), then_(std::move(then)) {
    window->installEventFilter(this);
    QTimer::singleShot(1000, this, &WhenDrawn::Run);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    // After the paint, once the picture has gone to the screen.
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, this, &WhenDrawn::Run);
    return false;
  }

 private:
  void Run() {
    if (!then_) return;
    const std::function<void()> then = std::move(then_);
    then_ = nullptr;
    deleteLater();
    then();
  }
  std::function<void()> then_;
};

}  // namespace

// The pictures are compiled into the core library, whose resources a static link does not
// register by itself.
static void RegisterPictures() { Q_INIT_RESOURCE(tarvel); }

void PrepareApplication(const QString& language) {
  RegisterPictures();
  // The language's texts, Qt's own too (the buttons of message boxes, the edits' context
  // menu), and the title of the program's message boxes in it.
  language::Apply(language);
  platform::ReadDecimalSeparatorFromSystem();
  // The windows were designed for these families; fontconfig's metric-compatible
  // substitutes stand in for them.
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"));
  // Asked for by the installed name: a family that is not installed costs Qt a fallback
  // search at its first use, a good part of the start-up.
  QFont font(QFont::substitute(QStringLiteral("MS Sans Serif")));
  font.setPixelSize(11);
  platform::SetDesignedFont(font);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarvel/tarvel.png")));
  platform::InstallFocusStyle();
}

int RunTarvel(int argc, char** argv) {
  TApplication app(argc, argv);
  // One Tarvel per desktop: a second start brings the running one forward.
  if (HandOverToRunningTarvel()) return 0;
  // Whatever happens, the program ends with exit code 0.
  platform::Guard([&] {
    PrepareApplication(language::Resolve(language::Chosen()));
    TFormPrincipal FormPrincipal;
    // The program ends when the main window closes, even from the tray while it is hidden.
    QObject::connect(&FormPrincipal, &TFormPrincipal::Closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // The tray icon and the interface on the bus each ask the session bus and wait for its
    // answers: once the window is up, not on the way to it.
    new WhenDrawn(&FormPrincipal, [&FormPrincipal] {
      platform::Guard([&] {
        FormPrincipal.TrayIcon();
        OfferTarvelOnTheBus(&FormPrincipal);
      });
    });
    FormPrincipal.show();
    QApplication::exec();
  });
  return 0;
}
