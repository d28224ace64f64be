#pragma once
// The string grid of the form library: columns and rows of texts addressed as Cells(col, row),
// with one fixed row on top (row 0, the column titles) that stays in view while the other rows
// scroll. Each cell may carry an object of the program's (Objects). A grid may draw its cells
// itself (OnDrawCell, the fixed row included) and learns of the user's choice of a cell
// (OnSelectCell) and of mouse presses anywhere on it (OnMouseDown, OnMouseUp), in the grid's
// own coordinates, the fixed row included.

#include <QHash>
#include <QTableWidget>
#include <functional>

class QHeaderView;
class QPainter;

class TStringGrid : public QTableWidget {
  Q_OBJECT

 public:
  enum DrawState { Selected = 1, Focused = 2, Fixed = 4 };
  using DrawCellHandler =
      std::function<void(int col, int row, QPainter& canvas, const QRect& rect, int state)>;
  using MouseHandler =
      std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;

  // rowCount counts the fixed row.
  TStringGrid(QWidget* parent, const QString& name, int colCount, int rowCount);

  int ColCount() const { return columnCount(); }
  int RowCount() const { return rowCount() + 1; }
  void SetRowCount(int rows);
  void SetColWidth(int col, int width);
  void SetDefaultRowHeight(int height);

  QString Cells(int col, int row) const;
  void SetCells(int col, int row, const QString& text);
  // The object attached to a cell, or null (also outside the grid). Not owned.
  QObject* Objects(int col, int row) const;
  void SetObjects(int col, int row, QObject* object);

  // The current row (1 for the first row under the fixed one), or -1.
  int Row() const;
  // Makes row the current, selected row and scrolls it into view, without OnSelectCell.
  void SetRow(int row);

  // A cell's rectangle in the grid's coordinates; the cell under a point of them (-1, -1
  // outside every cell).
  QRect CellRect(int col, int row) const;
  void MouseToCell(int x, int y, int& col, int& row) const;
  // Draws the cell again now.
  void RepaintCell(int col, int row);

  DrawCellHandler OnDrawCell;
  std::function<void(int col, int row)> OnSelectCell;
  MouseHandler OnMouseDown;
  MouseHandler OnMouseUp;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class FixedRowHeader;
  friend class OwnerDrawDelegate;
  void Mouse(QWidget* from, QEvent* event);

  QHash<qint64, QObject*> objects_;
  bool quiet_ = false;  // the program moves the current row
};
