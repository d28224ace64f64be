#include "platform/Input.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace platform {
namespace {

int g_pending = 0;

const QEvent::Type kInjectEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class InjectEvent : public QEvent {
 public:
  explicit InjectEvent(std::vector<KeyStroke> strokes)
      : QEvent(kInjectEvent), strokes(std::move(strokes)) {}
  std::vector<KeyStroke> strokes;
};

class Injector : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() != kInjectEvent) return QObject::event(e);
    for (const KeyStroke& stroke : static_cast<InjectEvent*>(e)->strokes) {
      --g_pending;
      QWidget* target = QApplication::focusWidget();
      if (!target) target = QApplication::activeWindow();
      if (target) SendKeyStroke(target, stroke);
    }
    return true;
  }
};

Injector& TheInjector() {
  static Injector* injector = new Injector;  // lives as long as the application
  return *injector;
}

void Send(QWidget* target, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
          const QString& text) {
  QKeyEvent event(type, key, modifiers, text);
  QCoreApplication::sendEvent(target, &event);
}

}  // namespace

namespace keys {
KeyStroke Numpad(int digit) {
  return {Qt::Key_0 + digit, Qt::KeypadModifier, QString(QChar(u'0' + digit))};
}
KeyStroke Backspace() { return {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")}; }
KeyStroke Delete() { return {Qt::Key_Delete, Qt::NoModifier, QString()}; }
KeyStroke ShiftHome() { return {Qt::Key_Home, Qt::ShiftModifier, QString()}; }
KeyStroke Character(QChar c) {
  switch (c.unicode()) {
    case 8: return Backspace();
    case 9: return {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")};
    case 13: return {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")};
    case 27: return {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")};
    default: break;
  }
  const int key = c.isLetter() ? c.toUpper().unicode() : c.unicode();
  return {key, c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c)};
}
}  // namespace keys

char16_t CharacterOf(const QKeyEvent* event) {
  const int key = event->key();
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool ctrl = mods & Qt::ControlModifier;
  const bool alt = mods & Qt::AltModifier;
  if (ctrl && !alt) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<char16_t>(key - Qt::Key_A + 1);
    return 0;
  }
  if (alt && !ctrl) return 0;
  switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Delete: return 0;
    default: break;
  }
  const QString text = event->text();
  if (text.isEmpty()) return 0;
  const char16_t c = text.at(0).unicode();
  return (c >= 0x20 && c != 0x7f) ? c : 0;
}

void SimulateKeys(const std::vector<KeyStroke>& strokes) {
  if (strokes.empty()) return;
  g_pending += static_cast<int>(strokes.size());
  QCoreApplication::postEvent(&TheInjector(), new InjectEvent(strokes));
}

int PendingSimulatedKeys() { return g_pending; }

void SendKeyStroke(QWidget* target, const KeyStroke& stroke) {
  QPointer<QWidget> guard(target);
  static constexpr struct {
    Qt::KeyboardModifier modifier;
    int key;
  } kModifierKeys[] = {{Qt::ShiftModifier, Qt::Key_Shift},
                       {Qt::ControlModifier, Qt::Key_Control},
                       {Qt::AltModifier, Qt::Key_Alt}};
  Qt::KeyboardModifiers held;
  for (const auto& m : kModifierKeys) {
    if (!(stroke.modifiers & m.modifier) || !guard) continue;
    held |= m.modifier;
    Send(guard, QEvent::KeyPress, m.key, held, QString());
  }
  if (guard) Send(guard, QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
  if (guard) Send(guard, QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text);
  for (auto it = std::rbegin(kModifierKeys); it != std::rend(kModifierKeys); ++it) {
    if (!(held & it->modifier) || !guard) continue;
    held &= ~Qt::KeyboardModifiers(it->modifier);
    Send(guard, QEvent::KeyRelease, it->key, held, QString());
  }
}

}  // namespace platform

namespace platform {

void SendMouseClick(QWidget* target, QPoint pos, Qt::MouseButton button) {
  if (pos.isNull()) pos = target->rect().center();
  QPointer<QWidget> guard(target);
  // A real press gives the focus to the first widget under the mouse that takes it by
  // clicking; events sent from the program do not, so do it as Qt would.
  for (QWidget* w = target; w && !w->isWindow(); w = w->parentWidget()) {
    if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus)) {
      if (!w->hasFocus()) w->setFocus(Qt::MouseFocusReason);
      break;
    }
  }
  if (!guard) return;
  const QPointF local(pos);
  const QPointF global(target->mapToGlobal(pos));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  if (!guard) return;
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(target, &release);
}

void SendMouseMove(QWidget* target, QPoint pos) {
  if (pos.isNull()) pos = target->rect().center();
  QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(target->mapToGlobal(pos)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &move);
}

}  // namespace platform
