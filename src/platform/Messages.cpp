#include "platform/Messages.h"

#include <QApplication>
#include <QWidget>

namespace platform {
namespace {
QString& Title() {
  static QString title;
  return title;
}
int g_openBoxes = 0;

// Every box goes through here, so that the kit knows when one is open.
Answer Show(const Box& box) {
  struct Open {
    Open() { ++g_openBoxes; }
    ~Open() { --g_openBoxes; }
  } open;
  return host().ShowBox(box);
}
}  // namespace

bool BoxOpen() { return g_openBoxes > 0; }

const QString& ApplicationTitle() { return Title(); }

// Not Qt's application display name: on X11 Qt appends that to every window's title, and
// each window shows its own caption exactly.
void SetApplicationTitle(const QString& title) { Title() = title; }

Answer MessageBox(QWidget* owner, const QString& text, const QString& caption, Icon icon,
                  Buttons buttons, bool systemModal) {
  return Show({owner, caption, text, icon, buttons, systemModal});
}

void ShowMessage(const QString& text) {
  QWidget* owner = QCoreApplication::instance() ? QApplication::activeWindow() : nullptr;
  Show({owner, ApplicationTitle(), text, Icon::None, Buttons::Ok, false});
}

void ShowException(const QString& message) {
  QString text = message;
  if (!text.isEmpty() && text.back() > u'.') text += u'.';
  QWidget* owner = QCoreApplication::instance() ? QApplication::activeWindow() : nullptr;
  Show({owner, ApplicationTitle(), text, Icon::Error, Buttons::Ok, false});
}

void ShowException(const std::exception& error) {
  if (const auto* own = dynamic_cast<const Exception*>(&error)) {
    ShowException(own->Message());
  } else {
    ShowException(QString::fromLocal8Bit(error.what()));
  }
}

}  // namespace platform
