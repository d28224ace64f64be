#pragma once
// The flat button with a picture of the form library (a speed button): it never takes the
// focus. Its caption stands under the picture, or beside it once the style says so.

#include <QToolButton>
#include <functional>

class TSpeedButton : public QToolButton {
  Q_OBJECT

 public:
  TSpeedButton(QWidget* parent, const QString& name, const QString& caption, const QIcon& icon,
               QSize size);
  std::function<void()> OnClick;
};
