#include "driver/WindowInput.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace driver {
namespace {

QWindow* Handle(QWidget* widget) {
  QWidget* top = widget->window();
  return top ? top->windowHandle() : nullptr;
}

// pos in widget, in the coordinates of its top-level window.
QPoint InWindow(QWidget* widget, QWindow* window, QPoint pos) {
  if (pos.isNull()) pos = widget->rect().center();
  return window->mapFromGlobal(widget->mapToGlobal(pos));
}

}  // namespace

void StrokeInto(QWidget* widget, const platform::KeyStroke& stroke) {
  QWindow* window = Handle(widget);
  if (!window) return;
  QTest::sendKeyEvent(QTest::Click, window, static_cast<Qt::Key>(stroke.key), stroke.text,
                      stroke.modifiers);
}

void ClickOn(QWidget* widget, QPoint pos, Qt::MouseButton button) {
  QPointer<QWindow> window = Handle(widget);
  if (!window) return;
  const QPoint at = InWindow(widget, window, pos);
  QTest::mousePress(window, button, Qt::NoModifier, at);
  // The press may have closed the window, or opened a pop-up that has closed since.
  if (window) QTest::mouseRelease(window, button, Qt::NoModifier, at);
}

void MoveOver(QWidget* widget, QPoint pos) {
  QWindow* window = Handle(widget);
  if (!window) return;
  const QPoint at = InWindow(widget, window, pos);
  // Qt drops a move to where the pointer already is (after a click there, say): the pointer
  // comes from the next pixel.
  QTest::mouseMove(window, at + QPoint(at.x() > 0 ? -1 : 1, 0));
  QTest::mouseMove(window, at);
}

}  // namespace driver
