#include "platform/Application.h"

#include "platform/Messages.h"

int TApplication::strayExceptions_ = 0;

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  bool returned = false;
  platform::Guard([&] {
    handled = QApplication::notify(receiver, event);
    returned = true;
  });
  if (!returned) ++strayExceptions_;
  return handled;
}
