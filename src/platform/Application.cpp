#include "platform/Application.h"

#include <signal.h>

#include "platform/Messages.h"

int TApplication::strayExceptions_ = 0;

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // A file that grows past the user's size limit fails its write (EFBIG), which the program
  // reports, instead of ending the program with SIGXFSZ.
  ::signal(SIGXFSZ, SIG_IGN);
}

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
