#include "platform/FocusStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionButton>

namespace platform {

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  if (element != CE_PushButton) return;
  const State keyboardFocus = State_HasFocus | State_KeyboardFocusChange;
  if ((option->state & keyboardFocus) != keyboardFocus) return;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  QPen pen(option->palette.color(QPalette::Highlight));
  pen.setWidthF(1.5);
  pen.setStyle(Qt::DotLine);
  painter->setPen(pen);
  painter->setBrush(Qt::NoBrush);
  painter->drawRoundedRect(QRectF(option->rect).adjusted(3.5, 3.5, -3.5, -3.5), 2, 2);
  painter->restore();
}

void InstallFocusStyle() {
  if (dynamic_cast<FocusStyle*>(QApplication::style())) return;
  // The proxy takes the current style over; the application owns the proxy.
  QApplication::setStyle(new FocusStyle(QApplication::style()->name()));
}

}  // namespace platform
