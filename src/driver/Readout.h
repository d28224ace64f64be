#pragma once
// What the scenario driver reads off a window: controls by name, their texts as "show"
// prints them, their look as "state" prints it, and key names.

#include <QString>
#include <QStringList>

#include "platform/Input.h"

class QWidget;

namespace driver {

// The named control of the window (searched through its children), or null.
QWidget* FindControl(QWidget* window, const QString& name);
// Every named control of the window that takes part in the tab order, in tab order.
QList<QWidget*> ControlsInTabOrder(QWidget* window);
// The lines "show" prints for one control: "Edit1 = 0,5", grids one line per cell.
QStringList Describe(QWidget* control);
// The line "state" prints for one control.
QString DescribeState(QWidget* control);
// The status bar's text of the window (panels joined by " | "), or null when it has none.
QString StatusText(QWidget* window, bool* found);
// A key name with optional modifiers ("Delete", "Ctrl+V", "Shift+Home", "Keypad1"), as Qt's
// portable key names read it, with our own spellings besides ("Control", "PageUp",
// "PageDown", "Keypad1" and the Ctrl key alone); false when the name is unknown. The stroke
// carries the character the key types.
bool ParseKey(const QString& name, platform::KeyStroke* stroke);
// Line breaks shown as \n.
QString OneLine(QString text);

}  // namespace driver
