#pragma once
// The user's input as the program's own code and the tests produce it.
//
// Key strokes sent through the normal key path of the focused widget: key down (with the
// modifier keys held down first), the character, key up. SimulateKeys queues them, so they
// arrive after the running handler has returned, as keys injected into the system's input
// stream do.

#include <QPoint>
#include <QString>
#include <Qt>
#include <vector>

class QKeyEvent;
class QWidget;

namespace platform {

struct KeyStroke {
  int key = 0;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  QString text;  // the character the key types, if any
};

namespace keys {
KeyStroke Numpad(int digit);  // a digit key of the numeric keypad
KeyStroke Backspace();
KeyStroke Delete();
KeyStroke ShiftHome();
KeyStroke Character(QChar c);
}  // namespace keys

// The character that a key stroke types, as the form library delivers it: Ctrl+letter as its
// control code, Backspace 8, Enter 13, Escape 27; Delete and Alt combinations type none (0).
char16_t CharacterOf(const QKeyEvent* event);

// Queues the strokes; each reaches the widget that has the keyboard focus when it is
// processed (or the active window when nothing has the focus).
void SimulateKeys(const std::vector<KeyStroke>& strokes);
// Strokes queued and not yet delivered.
int PendingSimulatedKeys();

// Delivers one stroke to target at once: modifier keys down, key down, key up, modifiers up.
void SendKeyStroke(QWidget* target, const KeyStroke& stroke);

// A mouse click at pos (the middle of the widget when pos is null): press and release,
// through the application, so the widget takes the focus and places its caret as a real
// click does.
void SendMouseClick(QWidget* target, QPoint pos = {}, Qt::MouseButton button = Qt::LeftButton);
// The mouse pressed and released over the widget with no button, then moved: hover.
void SendMouseMove(QWidget* target, QPoint pos = {});

}  // namespace platform
