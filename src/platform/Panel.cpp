#include "platform/Panel.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "platform/Messages.h"
#include "platform/Readable.h"

TPanel::TPanel(QWidget* parent, const QString& name, const QString& caption)
    : QFrame(parent), caption_(caption) {
  setObjectName(name);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::NoFocus);
  setLineWidth(1);
  SetBevelOuter(Bevel::Raised);
}

void TPanel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void TPanel::SetBevelOuter(Bevel bevel) {
  bevel_ = bevel;
  switch (bevel) {
    case Bevel::None: setFrameStyle(QFrame::NoFrame); break;
    case Bevel::Lowered: setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    case Bevel::Raised: setFrameStyle(QFrame::Panel | QFrame::Raised); break;
  }
}

QColor TPanel::Color() const { return palette().color(QPalette::Window); }

void TPanel::SetColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  platform::FitColors(this);
}

QColor TPanel::FontColor() const { return palette().color(QPalette::WindowText); }

void TPanel::SetFontColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, color);
  setPalette(p);
  platform::FitColors(this);
}

void TPanel::SetBold(bool bold) {
  QFont f = font();
  f.setBold(bold);
  setFont(f);
}

void TPanel::SetAlignment(Qt::Alignment alignment) {
  alignment_ = alignment;
  update();
}

void TPanel::SetTabStop(bool on) { setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus); }

void TPanel::SetFocus() { setFocus(Qt::OtherFocusReason); }

void TPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  // A panel reached by Tab shows it, as a focused cell does.
  if (hasFocus()) {
    QPen pen(palette().color(QPalette::Highlight));
    pen.setWidthF(1.5);
    pen.setStyle(Qt::DotLine);
    painter.save();
    painter.setPen(pen);
    painter.drawRect(QRectF(contentsRect()).adjusted(1.5, 1.5, -1.5, -1.5));
    painter.restore();
  }
  if (caption_.isEmpty()) return;
  painter.setPen(palette().color(QPalette::WindowText));
  const int margin = (alignment_ & Qt::AlignHCenter) ? 0 : 4;
  const QRect room = contentsRect().adjusted(margin + 1, 0, -margin - 1, 0);
  // A caption too wide for the panel is drawn in the narrow face of the font.
  painter.setFont(platform::FittingFont(font(), caption_, room.width()));
  painter.drawText(room, alignment_ | Qt::AlignVCenter, caption_);
}

void TPanel::mouseReleaseEvent(QMouseEvent* event) {
  QFrame::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
      OnClick) {
    platform::Guard([this] { OnClick(); });
  }
}

void TPanel::contextMenuEvent(QContextMenuEvent* event) {
  if (!OnContextPopup && !PopupMenu) {
    QFrame::contextMenuEvent(event);
    return;
  }
  event->accept();
  if (OnContextPopup) platform::Guard([this] { OnContextPopup(); });
  if (PopupMenu) PopupMenu->exec(event->globalPos());
}

void TPanel::focusInEvent(QFocusEvent* event) {
  QFrame::focusInEvent(event);
  update();
  if (!entry_.In()) return;
  if (OnEnter) platform::Guard([this] { OnEnter(); });
}

void TPanel::focusOutEvent(QFocusEvent* event) {
  QFrame::focusOutEvent(event);
  update();
  entry_.Out(event);
}
