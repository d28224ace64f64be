#pragma once
// The user's input as the window system delivers it: every key and every mouse event goes to
// the top-level window, and Qt routes it on as it routes real input (keys to the window's
// focus widget or an open pop-up, clicks to the widget under the pointer, which takes the
// focus by its own policy; shortcuts and key preview on the way).

#include <QPoint>
#include <Qt>

#include "platform/Input.h"

class QWidget;

namespace driver {

// One stroke into the window that holds widget: modifier keys down, key down, key up,
// modifiers up.
void StrokeInto(QWidget* widget, const platform::KeyStroke& stroke);
// Press and release of a button at pos in widget (its middle when pos is null).
void ClickOn(QWidget* widget, QPoint pos = {}, Qt::MouseButton button = Qt::LeftButton);
// The pointer moved over widget to pos (its middle when pos is null).
void MoveOver(QWidget* widget, QPoint pos = {});

}  // namespace driver
