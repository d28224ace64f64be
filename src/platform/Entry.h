#pragma once
// Whether a change of the keyboard focus enters or leaves a control, as the form library
// counts it: the window coming back (after a box, a pop-up menu or another program) gives
// the focus back without entering the control again, and losing it so does not leave it.

#include <QFocusEvent>

namespace platform {

class Entry {
 public:
  // A focus-in: true when it enters the control.
  bool In() {
    if (entered_) return false;
    entered_ = true;
    return true;
  }
  // A focus-out: true when it leaves the control.
  bool Out(const QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    entered_ = false;
    return true;
  }

 private:
  bool entered_ = false;
};

}  // namespace platform
