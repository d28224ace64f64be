#pragma once
// The application's hint settings, as the form library keeps them for every window: the
// pause before a control's hint shows, how long it stays, and its colour. A window that
// changes them changes them for the rest of the program run. A control shows its hint when
// its tool tip is set; an empty tool tip is a hint turned off.

#include <QColor>

namespace platform {

// The pause and the stay take milliseconds; kHintSystem leaves them to the desktop, and so
// does any pause but 0, which shows a hint as soon as the mouse moves over its control.
inline constexpr int kHintSystem = -1;
inline constexpr int kHintNever = -2;  // the hint stays until the mouse leaves the control

void SetHintPause(int milliseconds);
int HintPause();
void SetHintHidePause(int milliseconds);
int HintHidePause();

void SetHintColor(const QColor& color);
QColor HintColor();
// The desktop's own colour of tool tips.
QColor SystemHintColor();

}  // namespace platform
