#include "platform/TrackBar.h"

#include <QFocusEvent>
#include <QSignalBlocker>

#include "platform/Messages.h"

TTrackBar::TTrackBar(QWidget* parent, const QString& name, int min, int max)
    : QSlider(Qt::Horizontal, parent) {
  setObjectName(name);
  setRange(min, max);
  setSingleStep(1);
  setPageStep(1);
  setTickPosition(QSlider::TicksAbove);
  // The user's moves; the program's own come through SetPosition with the signal held back.
  connect(this, &QSlider::valueChanged, this, [this] {
    if (OnChange) platform::Guard([this] { OnChange(); });
  });
}

void TTrackBar::SetPosition(int position) {
  const int before = value();
  {
    const QSignalBlocker hold(this);
    setValue(position);
  }
  if (value() != before && OnChange) OnChange();
}

void TTrackBar::SetMax(int max) {
  const int before = value();
  {
    const QSignalBlocker hold(this);
    setMaximum(max);
  }
  if (value() != before && OnChange) OnChange();
}

void TTrackBar::focusInEvent(QFocusEvent* event) {
  QSlider::focusInEvent(event);
  if (!entry_.In()) return;
  if (OnEnter) platform::Guard([this] { OnEnter(); });
}

void TTrackBar::focusOutEvent(QFocusEvent* event) {
  QSlider::focusOutEvent(event);
  entry_.Out(event);
}
