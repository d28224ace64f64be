#include "platform/Application.h"

#include "platform/Messages.h"

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  platform::Guard([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}
