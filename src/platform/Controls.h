#pragma once
// The simple controls of the program's windows: labels, buttons (with the modal result and
// the OK kind of the form library) and frames. Each carries its designed name.

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <vector>

class TLabel : public QLabel {
  Q_OBJECT

 public:
  TLabel(QWidget* parent, const QString& name, const QString& caption);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }
  void SetFontColor(const QColor& color);
  QColor FontColor() const;
  void SetBold(bool bold);
  void SetUnderline(bool underline);
  // Places the label at (x, y) with its natural size; right-aligned labels end at x.
  void PlaceAt(int x, int y, Qt::Alignment alignment = Qt::AlignLeft);

  std::function<void()> OnClick;
  std::function<void(QMouseEvent*)> OnMouseMove;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
};

// The label of an edit, beside it on the same line: at its left, right-aligned and ending a
// few pixels before the edit (the default), or left-aligned at x.
TLabel* AttachLabel(QWidget* edit, const QString& name, const QString& caption,
                    const QColor& color = QColor(), bool bold = false);
TLabel* PlaceLabel(QWidget* parent, const QString& name, const QString& caption, int x, int y,
                   const QColor& color = QColor(), bool bold = false);

// A caption drawn in pieces beside an edit, such as a unit with a raised exponent
// ("metro cúbico [m", "3" two pixels higher, "]"): one label per piece, each raised by its
// rise in pixels, side by side and together ending where AttachLabel's caption ends.
struct LabelPiece {
  QString name;
  QString caption;
  int rise = 0;
};
std::vector<TLabel*> AttachLabelPieces(QWidget* edit, const std::vector<LabelPiece>& pieces,
                                       const QColor& color = QColor(), bool bold = false);

class TButton : public QPushButton {
  Q_OBJECT

 public:
  TButton(QWidget* parent, const QString& name, const QString& caption);

  // The form's modal result that a click sets, closing the form (0: none).
  int ModalResult = 0;
  std::function<void()> OnClick;

 private:
  void Clicked();
};

// A button with a picture. The OK kind is the form's default button and closes it with the
// OK result; the Cancel kind is the Cancel button.
class TBitBtn : public TButton {
  Q_OBJECT

 public:
  enum class Kind { Custom, OK, Cancel };
  TBitBtn(QWidget* parent, const QString& name, const QString& caption, Kind kind = Kind::Custom);
};

// Bevels, panels and rules.
class TBevel : public QFrame {
  Q_OBJECT

 public:
  enum class Shape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine };
  TBevel(QWidget* parent, const QString& name, Shape shape, bool raised = false);
};
