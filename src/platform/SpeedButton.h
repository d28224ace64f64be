#pragma once
// The form library's speed button: a flat button with a picture (and a caption under it, when
// it has one) that never takes the focus.

#include <QToolButton>
#include <functional>

class TSpeedButton : public QToolButton {
  Q_OBJECT

 public:
  TSpeedButton(QWidget* parent, const QString& name, const QString& caption, const QIcon& icon,
               QSize size);
  std::function<void()> OnClick;
};
