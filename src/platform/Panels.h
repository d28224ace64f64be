#pragma once
// Group boxes, panels and radio buttons; the system colours an edit is painted in; and the
// anchors by which a control keeps its distances to the edges of a parent that is resized.

#include <QFrame>
#include <QGroupBox>
#include <QRadioButton>
#include <functional>

// A frame with a caption. Only the caption takes the box's font: controls laid over the box
// keep their own.
class TGroupBox : public QGroupBox {
  Q_OBJECT

 public:
  TGroupBox(QWidget* parent, const QString& name, const QString& caption);
  void SetBold(bool bold);
};

// A raised panel that holds controls, or shows a caption centred on it; it may be filled with
// a colour of its own.
class TPanel : public QFrame {
  Q_OBJECT
  Q_PROPERTY(QString caption READ Caption WRITE SetCaption)

 public:
  TPanel(QWidget* parent, const QString& name);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  void SetColor(const QColor& color);
  QColor Color() const { return palette().color(QPalette::Window); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

// A radio button. The buttons with the same parent form one exclusive group. OnClick runs
// when the user chooses it, by a click anywhere on the button or from the keyboard.
class TRadioButton : public QRadioButton {
  Q_OBJECT

 public:
  TRadioButton(QWidget* parent, const QString& name, const QString& caption, bool checked = false);
  bool Checked() const { return isChecked(); }
  std::function<void()> OnClick;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
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
