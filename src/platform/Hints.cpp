#include "platform/Hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QToolTip>
#include <QWidget>

namespace platform {
namespace {

constexpr int kDefaultHidePause = 10000;  // Qt's tooltips stay about this long

HintSettings& Current() {
  static HintSettings settings{QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay),
                               kDefaultHidePause, QToolTip::palette().color(QPalette::ToolTipBase)};
  return settings;
}

// Shows the tooltips of the controls with the application's pauses instead of Qt's.
class HintTimer : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control || control->toolTip().isEmpty()) return false;
    const HintSettings& settings = Current();
    if (event->type() == QEvent::ToolTip) {
      Show(control, static_cast<QHelpEvent*>(event)->globalPos(), settings);
      return true;
    }
    if (event->type() == QEvent::MouseMove && settings.pause == 0 &&
        QToolTip::text() != control->toolTip()) {
      Show(control, static_cast<QMouseEvent*>(event)->globalPosition().toPoint(), settings);
    }
    return false;
  }

 private:
  static void Show(QWidget* control, QPoint at, const HintSettings& settings) {
    // A tooltip given a rectangle hides when the mouse leaves it.
    const int stay = settings.hidePause < 0 ? 24 * 3600 * 1000 : settings.hidePause;
    QToolTip::showText(at, control->toolTip(), control, control->rect(), stay);
  }
};

}  // namespace

HintSettings ApplicationHints() { return Current(); }

void SetApplicationHints(const HintSettings& settings) {
  static HintTimer* timer = nullptr;
  if (!timer && QCoreApplication::instance()) {
    timer = new HintTimer;
    QCoreApplication::instance()->installEventFilter(timer);
  }
  Current() = settings;
  QPalette palette = QToolTip::palette();
  palette.setColor(QPalette::ToolTipBase, settings.color);
  QToolTip::setPalette(palette);
}

}  // namespace platform
