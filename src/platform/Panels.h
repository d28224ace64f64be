#pragma once
// Group boxes, panels (TPanel, raised by default, in Panel.h) and radio buttons; the system
// colours an edit is painted in; and the anchors by which a control keeps its distances to
// the edges of a parent that is resized.

#include <QFrame>
#include <QGroupBox>
#include <QRadioButton>
#include <functional>

#include "platform/Panel.h"

// A frame with a caption. Only the caption takes the box's font: controls laid over the box
// keep their own.
class TGroupBox : public QGroupBox {
  Q_OBJECT

 public:
  TGroupBox(QWidget* parent, const QString& name, const QString& caption);
  void SetBold(bool bold);
};

// A radio button. The buttons with the same parent form one exclusive group. OnClick runs
// when the user chooses it, by a click anywhere on the button or from the keyboard. As on
// every desktop, Tab comes into a group on its checked button (on each of them while none is
// checked), and the arrow keys choose the previous or next button of the group.
class TRadioButton : public QRadioButton {
  Q_OBJECT

 public:
  TRadioButton(QWidget* parent, const QString& name, const QString& caption, bool checked = false);
  bool Checked() const { return isChecked(); }
  std::function<void()> OnClick;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
  void keyPressEvent(QKeyEvent* event) override;
};

namespace platform {

// The system colours of the form library: the window colour of an edit's face, and the
// button face of a control that does not take input.
QColor WindowColor();
QColor ButtonFaceColor();
// Paints the control's background in the colour, enabled or not.
void SetColor(QWidget* control, const QColor& color);

enum Anchor { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
// From now on the control keeps the distances it has to the anchored edges of its parent:
// anchored left and right it stretches with the parent's width, anchored right only it
// moves with the right edge; likewise top and bottom.
void SetAnchors(QWidget* control, int anchors);

}  // namespace platform
