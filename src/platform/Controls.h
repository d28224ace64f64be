#pragma once
// The simple controls of the program's windows: labels, buttons (with the modal result and
// the OK kind of the form library) and frames. Each carries its designed name.

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <span>
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

class TEdit;

// A column of single-line edits "Edit<n>" of the given size, created in the order of the
// numbers from (x, y) down, one pitch apart; a 0 among the numbers leaves a gap of `gap`
// pixels instead of a row. edits[n] receives the edit numbered n. Returns the y at which a
// next row would stand.
int PlaceEditColumn(QWidget* parent, std::span<const int> numbers, int x, int y, int pitch, int gap,
                    TEdit** edits, QSize size = QSize(121, 21));

// A caption drawn in pieces beside an edit, such as a unit with a raised exponent
// ("metro cúbico [m", "3" two pixels higher, "]"): one label per piece, as high as the edit
// with its text centred on the edit's line, raised by its rise in pixels and drawn at `scale`
// times the caption's font size; side by side, together ending `gap` pixels before the edit
// (where AttachLabel's caption ends unless told otherwise), each piece's text meeting the
// next one's and an exponent that ends the caption meeting the letters before it. The edit
// is named by the caption as it reads, the digits of a raised piece raised
// ("metro cúbico [m³]").
struct LabelPiece {
  QString name;
  QString caption;
  int rise = 0;
  qreal scale = 1;
};
std::vector<TLabel*> AttachLabelPieces(QWidget* edit, const std::vector<LabelPiece>& pieces,
                                       const QColor& color = QColor(), bool bold = false,
                                       int gap = 6);

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

// A gauge of the pie kind: the share of the progress within its range drawn as a sector
// filled from the top clockwise, in whole percent, with no text. The scenario driver reads
// it through its "position" property ("57 (15 %)").
class TGauge : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString position READ PositionText)

 public:
  TGauge(QWidget* parent, const QString& name);

  void SetRange(int minValue, int maxValue);
  // Clamped to the range.
  void SetProgress(int progress);
  int Progress() const { return progress_; }
  // The whole percentage of the range that the progress covers.
  int PercentDone() const;
  void SetBackColor(const QColor& color);
  void SetForeColor(const QColor& color);
  QString PositionText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int min_ = 0;
  int max_ = 100;
  int progress_ = 0;
  QColor back_;
  QColor fore_;
};
