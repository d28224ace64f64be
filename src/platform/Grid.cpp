#include "platform/Grid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/Messages.h"

namespace {
qint64 Key(int col, int row) {
  return (static_cast<qint64>(row) << 32) | static_cast<quint32>(col);
}
}  // namespace

// The fixed row: the horizontal header, drawn by the grid's owner when it draws its cells.
class FixedRowHeader : public QHeaderView {
 public:
  explicit FixedRowHeader(TStringGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
    if (!grid_->OnDrawCell) {
      QHeaderView::paintSection(painter, rect, logicalIndex);
      return;
    }
    painter->save();
    platform::Guard(
        [&] { grid_->OnDrawCell(logicalIndex, 0, *painter, rect, TStringGrid::Fixed); });
    painter->restore();
  }
  void mousePressEvent(QMouseEvent* event) override {
    grid_->setFocus(Qt::MouseFocusReason);
    grid_->Mouse(this, event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override { grid_->Mouse(this, event); }
  void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }

 private:
  TStringGrid* grid_;
};

class OwnerDrawDelegate : public QStyledItemDelegate {
 public:
  explicit OwnerDrawDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (!grid_->OnDrawCell) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    int state = 0;
    if (option.state & QStyle::State_Selected) state |= TStringGrid::Selected;
    if (option.state & QStyle::State_HasFocus) state |= TStringGrid::Focused;
    painter->save();
    platform::Guard(
        [&] { grid_->OnDrawCell(index.column(), index.row() + 1, *painter, option.rect, state); });
    painter->restore();
  }

 private:
  TStringGrid* grid_;
};

TStringGrid::TStringGrid(QWidget* parent, const QString& name, int colCount, int rowCount)
    : QTableWidget(rowCount - 1, colCount, parent) {
  setObjectName(name);
  setHorizontalHeader(new FixedRowHeader(this));
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setItemDelegate(new OwnerDrawDelegate(this));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setWordWrap(false);
  viewport()->installEventFilter(this);
  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
    if (quiet_ || row < 0 || !OnSelectCell) return;
    platform::Guard([&] { OnSelectCell(col, row + 1); });
  });
}

void TStringGrid::SetRowCount(int rows) { setRowCount(rows - 1); }

void TStringGrid::SetColWidth(int col, int width) { setColumnWidth(col, width); }

void TStringGrid::SetDefaultRowHeight(int height) {
  verticalHeader()->setDefaultSectionSize(height);
  verticalHeader()->setMinimumSectionSize(height);
  horizontalHeader()->setFixedHeight(height);
}

QString TStringGrid::Cells(int col, int row) const {
  const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
  return cell ? cell->text() : QString();
}

void TStringGrid::SetCells(int col, int row, const QString& text) {
  if (col < 0 || col >= columnCount() || row < 0 || row >= RowCount()) return;
  QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
  if (cell) {
    cell->setText(text);
  } else if (row == 0) {
    setHorizontalHeaderItem(col, new QTableWidgetItem(text));
  } else {
    setItem(row - 1, col, new QTableWidgetItem(text));
  }
}

QObject* TStringGrid::Objects(int col, int row) const {
  if (col < 0 || col >= columnCount() || row < 0 || row >= RowCount()) return nullptr;
  return objects_.value(Key(col, row), nullptr);
}

void TStringGrid::SetObjects(int col, int row, QObject* object) {
  if (col < 0 || col >= columnCount() || row < 0 || row >= RowCount()) return;
  if (object) {
    objects_.insert(Key(col, row), object);
  } else {
    objects_.remove(Key(col, row));
  }
}

int TStringGrid::Row() const {
  const int row = currentRow();
  return row < 0 ? -1 : row + 1;
}

void TStringGrid::SetRow(int row) {
  if (row < 1 || row >= RowCount()) return;
  quiet_ = true;
  setCurrentCell(row - 1, qMax(currentColumn(), 0));
  quiet_ = false;
  scrollTo(model()->index(row - 1, 0));
}

QRect TStringGrid::CellRect(int col, int row) const {
  if (col < 0 || col >= columnCount() || row < 0 || row >= RowCount()) return {};
  const QHeaderView* header = horizontalHeader();
  if (row == 0) {
    return {header->x() + header->sectionViewportPosition(col), header->y(),
            header->sectionSize(col), header->height()};
  }
  return visualRect(model()->index(row - 1, col)).translated(viewport()->pos());
}

void TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
  col = row = -1;
  const QPoint at(x, y);
  const QHeaderView* header = horizontalHeader();
  if (header->isVisible() && header->geometry().contains(at)) {
    col = header->logicalIndexAt(x - header->x());
    row = col < 0 ? -1 : 0;
    return;
  }
  if (!viewport()->geometry().contains(at)) return;
  const QModelIndex index = indexAt(at - viewport()->pos());
  if (!index.isValid()) return;
  col = index.column();
  row = index.row() + 1;
}

void TStringGrid::RepaintCell(int col, int row) {
  QRect rect = CellRect(col, row);
  if (rect.isEmpty()) return;
  QWidget* surface = row == 0 ? static_cast<QWidget*>(horizontalHeader()->viewport()) : viewport();
  const QPoint origin = row == 0 ? horizontalHeader()->pos() : viewport()->pos();
  surface->repaint(rect.translated(-origin));
}

bool TStringGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
    Mouse(viewport(), event);
  }
  return QTableWidget::eventFilter(watched, event);
}

void TStringGrid::Mouse(QWidget* from, QEvent* event) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint at = from->mapTo(this, mouse->position().toPoint());
  const MouseHandler& handler = event->type() == QEvent::MouseButtonPress ? OnMouseDown : OnMouseUp;
  if (!handler) return;
  platform::Guard([&] { handler(mouse->button(), mouse->modifiers(), at.x(), at.y()); });
}
