#include "platform/SpeedButton.h"

#include "platform/Messages.h"

TSpeedButton::TSpeedButton(QWidget* parent, const QString& name, const QString& caption,
                           const QIcon& icon, QSize size)
    : QToolButton(parent) {
  setObjectName(name);
  setText(caption);
  setIcon(icon);
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(size);
  setIconSize(QSize(20, 20));
  setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
  connect(this, &QToolButton::clicked, this, [this] {
    if (OnClick) platform::Guard([this] { OnClick(); });
  });
}
