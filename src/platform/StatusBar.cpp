#include "platform/StatusBar.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QVariant>

#include "platform/Controls.h"
#include "platform/Panels.h"

namespace {

const char* const kHint = "hint";

// Follows the mouse over every window: the hint of the control under the pointer goes to
// its window's status bar when that bar shows hints. Mouse moves reach the application's
// filters even over controls that do not track the mouse.
class HintWatcher : public QObject {
 public:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() != QEvent::MouseMove || !receiver->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(receiver);
    auto* bar = widget->window()->findChild<TStatusBar*>();
    if (!bar || !bar->AutoHint) return false;
    // A move that a control does not take goes on to its parents: the hint is the one of the
    // control under the pointer, whichever of them this is.
    QWidget* top = widget->window();
    const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    QWidget* under = top->childAt(top->mapFromGlobal(at));
    if (under && widget->isAncestorOf(under)) widget = under;
    QString hint;
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
      hint = platform::Hint(w);
      if (!hint.isEmpty()) break;
    }
    bar->ShowHint(hint);
    return false;
  }
};

void WatchHints() {
  static HintWatcher* watcher = nullptr;
  if (watcher || !QCoreApplication::instance()) return;
  watcher = new HintWatcher;
  QCoreApplication::instance()->installEventFilter(watcher);
}

}  // namespace

TStatusBar::TStatusBar(QWidget* form, const QString& name, int height) : QStatusBar(form) {
  setObjectName(name);
  setSizeGripEnabled(false);
  setGeometry(0, form->height() - height, form->width(), height);
  platform::SetAnchors(this, platform::akLeft | platform::akRight | platform::akBottom);
  WatchHints();
}

int TStatusBar::AddPanel(int width, Qt::Alignment alignment) {
  auto* panel =
      new TLabel(this, objectName() + QStringLiteral("Panel%1").arg(panels_.size()), QString());
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setAlignment(alignment | Qt::AlignVCenter);
  panel->setFixedWidth(width);
  addWidget(panel);
  panels_.push_back(panel);
  return PanelCount() - 1;
}

QString TStatusBar::PanelText(int panel) const { return panels_.at(panel)->text(); }

void TStatusBar::SetPanelText(int panel, const QString& text) { panels_.at(panel)->setText(text); }

void TStatusBar::SetSimpleText(const QString& text) {
  if (text.isEmpty()) {
    clearMessage();
  } else {
    showMessage(text);
  }
}

void TStatusBar::ShowHint(const QString& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (panels_.empty()) {
    SetSimpleText(hint);
  } else {
    SetPanelText(0, hint);
  }
}

namespace platform {

void SetHint(QWidget* control, const QString& hint, bool showAsToolTip) {
  control->setProperty(kHint, hint);
  control->setToolTip(showAsToolTip ? hint : QString());
}

QString Hint(const QWidget* control) { return control->property(kHint).toString(); }

void SetPlainToolTip(QWidget* control, const QString& text) {
  // Markup escaped inside markup of our own: what Qt shows is the text, on one line as a
  // plain tool tip would be.
  control->setToolTip(text.isEmpty() ? QString()
                                     : QStringLiteral("<p style='white-space:pre'>") +
                                           text.toHtmlEscaped() + QStringLiteral("</p>"));
}

void SetPlainHint(QWidget* control, const QString& hint) {
  control->setProperty(kHint, hint);
  SetPlainToolTip(control, hint);
}

}  // namespace platform
