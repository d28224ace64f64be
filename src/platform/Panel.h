#pragma once
// The panel of the form library: a caption in a frame whose outer bevel is lowered, raised or
// absent, on a colour of its own. A panel in the tab order takes the keyboard focus from Tab
// and from the program, never from a click (as the form library's panels do):
// - OnClick: the left button released over it.
// - OnEnter: the focus comes into it from another control of the window (the window coming
//   back, after a box or a pop-up menu, gives it back without entering it again).
// - OnContextPopup: the right button (or the menu key); its PopupMenu, if any, opens after
//   the handler at the place of the click.
// A caption too wide for the panel is drawn in the narrow face of its font. Where Qt calls
// us, escaped exceptions end in the default error box.

#include <QFrame>
#include <functional>

#include "platform/Entry.h"

class QMenu;

class TPanel : public QFrame {
  Q_OBJECT
  Q_PROPERTY(QString caption READ Caption)

 public:
  enum class Bevel { None, Lowered, Raised };

  TPanel(QWidget* parent, const QString& name, const QString& caption = QString());

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  Bevel BevelOuter() const { return bevel_; }
  void SetBevelOuter(Bevel bevel);
  QColor Color() const;
  void SetColor(const QColor& color);
  QColor FontColor() const;
  void SetFontColor(const QColor& color);
  bool Bold() const { return font().bold(); }
  void SetBold(bool bold);
  // Where the caption stands; centred by default.
  void SetAlignment(Qt::Alignment alignment);
  // In the tab order: Tab and the program may give it the focus.
  void SetTabStop(bool on);
  void SetFocus();

  QMenu* PopupMenu = nullptr;
  std::function<void()> OnClick;
  std::function<void()> OnEnter;
  std::function<void()> OnContextPopup;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QString caption_;
  Bevel bevel_ = Bevel::Raised;
  Qt::Alignment alignment_ = Qt::AlignCenter;
  platform::Entry entry_;
};
