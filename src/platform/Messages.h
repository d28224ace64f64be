#pragma once
// Message boxes, the library's simple message dialog and the application's default error
// box, all shown through host() so that tests record them.

#include <QString>
#include <exception>
#include <utility>

#include "platform/Host.h"
#include "value/Exception.h"

namespace platform {

// The application title: the caption of the simple message dialog and of the error box.
const QString& ApplicationTitle();
void SetApplicationTitle(const QString& title);

// Whether a message box of ours is open (shown and not yet answered).
bool BoxOpen();

Answer MessageBox(QWidget* owner, const QString& text, const QString& caption, Icon icon,
                  Buttons buttons = Buttons::Ok, bool systemModal = false);

// The library's simple message dialog: the application title, OK, no icon.
void ShowMessage(const QString& text);

// The application's default error box: the message, with a full stop added when its last
// character is above '.'.
void ShowException(const QString& message);
void ShowException(const std::exception& error);

// Runs f at a place where Qt calls us (a key, a click, a timer): an exception that escapes
// it is shown in the default error box and the program goes on. Exceptions never unwind
// through Qt's frames.
template <class F>
void Guard(F&& f) noexcept {
  try {
    std::forward<F>(f)();
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(QStringLiteral("Unknown error"));
  }
}

}  // namespace platform
