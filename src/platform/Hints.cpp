#include "platform/Hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QStyle>
#include <QToolTip>
#include <QWidget>
#include <limits>

namespace platform {
namespace {

int g_pause = kHintSystem;
int g_hidePause = kHintSystem;

// Shows the hints with the application's pause and stay once a window has set them.
class HintTimer : public QObject {
 public:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::ToolTip && !(type == QEvent::MouseMove && g_pause == 0)) return false;
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget || widget->toolTip().isEmpty()) return false;
    if (type == QEvent::MouseMove && QToolTip::isVisible() && QToolTip::text() == widget->toolTip())
      return false;
    const QPoint at = type == QEvent::ToolTip
                          ? static_cast<QHelpEvent*>(event)->globalPos()
                          : static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    const int stay = g_hidePause == kHintNever ? std::numeric_limits<int>::max() : g_hidePause;
    QToolTip::showText(at, widget->toolTip(), widget, QRect(), stay);
    return type == QEvent::ToolTip;
  }
};

void InstallHintTimer() {
  static HintTimer* timer = nullptr;
  if (timer || !QCoreApplication::instance()) return;
  timer = new HintTimer;
  QCoreApplication::instance()->installEventFilter(timer);
}

}  // namespace

void SetHintPause(int milliseconds) {
  g_pause = milliseconds;
  InstallHintTimer();
}

int HintPause() { return g_pause; }

void SetHintHidePause(int milliseconds) {
  g_hidePause = milliseconds;
  InstallHintTimer();
}

int HintHidePause() { return g_hidePause; }

void SetHintColor(const QColor& color) {
  QPalette palette = QToolTip::palette();
  palette.setColor(QPalette::ToolTipBase, color);
  palette.setColor(QPalette::Window, color);
  QToolTip::setPalette(palette);
}

QColor HintColor() { return QToolTip::palette().color(QPalette::ToolTipBase); }

QColor SystemHintColor() {
  return QApplication::style()
             ? QApplication::style()->standardPalette().color(QPalette::ToolTipBase)
             : QColor(255, 255, 220);
}

}  // namespace platform
