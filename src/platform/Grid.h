#pragma once
// The string grid of the form library: a table of texts addressed as (column, row), whose
// first columns and rows may be fixed (headings, not editable, in their own colour).
// - Cells are written by the program with SetCell, which runs no handler.
// - When the grid is editable, a character typed into a cell opens its in-place editor with
//   the cell's text selected, so the key replaces it; F2 or a double click opens it with the
//   text kept. Every key typed there goes first through the grid's OnKeyPress, which may
//   replace it or discard it (0).
// - Every change of the text being typed updates the cell and then runs OnSetEditText with
//   the new text, at once. Where Qt calls us, escaped exceptions end in the default error
//   box.
// - Tab moves from cell to cell.
// - A grid may draw its cells itself (OnDrawCell, the fixed ones included), learns of the
//   user's choice of another cell (OnSelectCell) and of mouse presses anywhere on it
//   (OnMouseDown, OnMouseUp, in the grid's own coordinates), and may carry an object of the
//   program's on each cell (Objects).
// - A grid taller than its place scrolls under its one fixed row, which stays in view.

#include <QColor>
#include <QHash>
#include <QPointer>
#include <QTableWidget>
#include <functional>

class QPainter;
class TEdit;

class TStringGrid : public QTableWidget {
  Q_OBJECT

 public:
  TStringGrid(QWidget* parent, const QString& name, int colCount, int rowCount, int fixedCols = 1,
              int fixedRows = 1);

  int ColCount() const { return columnCount(); }
  int RowCount() const { return rowCount(); }
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  bool IsFixed(int col, int row) const { return col < fixedCols_ || row < fixedRows_; }

  QString Cell(int col, int row) const;
  // The program's write: no handler runs. When the cell is being edited, its editor shows
  // the new text too.
  void SetCell(int col, int row, const QString& text);

  // The selected cell.
  int Col() const { return currentColumn(); }
  int Row() const { return currentRow(); }

  // Column widths and row heights; the grid takes the size of its cells (no scroll bars).
  void SetCellSize(int colWidth, int rowHeight);
  void SetFixedColor(const QColor& color);
  QColor FixedColor() const { return fixedColor_; }
  void SetEditable(bool on);
  bool Editable() const { return editable_; }

  // The in-place editor while a cell is being edited, else null.
  TEdit* InplaceEditor() const { return editor_; }

  std::function<void(char16_t& key)> OnKeyPress;
  std::function<void(int col, int row, const QString& value)> OnSetEditText;

  // The size of one column; the height of every row.
  void SetColWidth(int col, int width);
  void SetRowHeight(int height);
  // The rows under the one fixed row scroll with a vertical scroll bar while the fixed row
  // stays in view above them; the grid keeps its size.
  void ScrollUnderFixedRow();

  // The object attached to a cell, or null (also outside the grid). Not owned.
  QObject* Objects(int col, int row) const;
  void SetObjects(int col, int row, QObject* object);

  // Makes row the current one (selected, scrolled into view), without OnSelectCell.
  void SetRow(int row);
  // A cell's rectangle in the grid's coordinates; the cell under a point of them (-1, -1
  // outside every cell).
  QRect CellRect(int col, int row) const;
  void MouseToCell(int x, int y, int& col, int& row) const;
  // Draws the cell again at once.
  void RepaintCell(int col, int row);

  enum DrawState { Selected = 1, Focused = 2, Fixed = 4 };
  std::function<void(int col, int row, QPainter& canvas, const QRect& rect, int state)> OnDrawCell;
  std::function<void(int col, int row)> OnSelectCell;
  using MouseHandler =
      std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;
  MouseHandler OnMouseDown;
  MouseHandler OnMouseUp;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class GridDelegate;
  friend class FixedRowHeader;
  bool TitlesInHeader() const;
  void Mouse(QWidget* from, QEvent* event);
  // Draws a cell through OnDrawCell; false when the grid has none.
  bool DrawCell(QPainter* painter, int col, int row, const QRect& rect, int state);
  void EditorOpened(TEdit* editor, int col, int row);
  void EditorClosed(TEdit* editor);
  void EditorChanged(int col, int row, const QString& text);

  int fixedCols_;
  int fixedRows_;
  bool editable_ = true;
  QColor fixedColor_;
  QPointer<TEdit> editor_;
  int editorCol_ = -1;
  int editorRow_ = -1;
  QHash<qint64, QObject*> objects_;
  bool quiet_ = false;  // the program moves the current cell
};
