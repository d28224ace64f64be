#pragma once
// The track bar of the form library: a horizontal slider over a range of whole positions.
// Setting the position from the program runs OnChange at once, before it returns, and only
// when the position changes (exceptions travel to the writer); the user's moves (mouse,
// arrow keys, Home, End, page keys) run it too. OnEnter: the focus comes in from another
// control. Where Qt calls us, escaped exceptions end in the default error box.

#include <QSlider>
#include <functional>

#include "platform/Entry.h"

class TTrackBar : public QSlider {
  Q_OBJECT

 public:
  TTrackBar(QWidget* parent, const QString& name, int min = 0, int max = 10);

  int Position() const { return value(); }
  void SetPosition(int position);
  void SetMax(int max);
  bool Focused() const { return hasFocus(); }

  std::function<void()> OnChange;
  std::function<void()> OnEnter;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  platform::Entry entry_;
};
