#include "platform/Grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "platform/Edit.h"
#include "platform/Input.h"
#include "platform/Messages.h"
#include "platform/Readable.h"

namespace {

// Ctrl+Tab and Ctrl+Shift+Tab: the keys that leave a grid which keeps Tab for its cells.
// Returns 1 forwards, -1 backwards, 0 for any other key.
int LeavingKey(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return 0;
  const auto* key = static_cast<const QKeyEvent*>(event);
  const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
  if (!(mods & Qt::ControlModifier) || (mods & Qt::AltModifier)) return 0;
  if (key->key() == Qt::Key_Backtab) return -1;
  if (key->key() == Qt::Key_Tab) return (mods & Qt::ShiftModifier) ? -1 : 1;
  return 0;
}

}  // namespace

// The grid's cells: fixed ones painted in the fixed colour, editable ones edited in a TEdit
// whose keys and changes go to the grid.
class GridDelegate : public QStyledItemDelegate {
 public:
  explicit GridDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    auto* editor = new TEdit(parent, QString(), QString());
    editor->setFrame(false);
    TStringGrid* grid = grid_;
    const int col = index.column();
    const int row = index.row();
    editor->OnKeyPress = [grid](TEdit*, char16_t& key) {
      if (grid->OnKeyPress) grid->OnKeyPress(key);
    };
    editor->OnChange = [grid, col, row](TEdit* sender) {
      grid->EditorChanged(col, row, sender->Text());
    };
    // A screen reader reads the cell being edited by the headings of its column and row.
    QStringList headings;
    if (grid->FixedRows() > 0) headings << grid->Cell(col, 0).simplified();
    if (col > 0) headings << grid->Cell(0, row).simplified();
    headings.removeAll(QString());
    editor->setAccessibleName(headings.join(QStringLiteral(", ")));
    grid->EditorOpened(editor, col, row);
    return editor;
  }

  void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
    grid_->EditorClosed(qobject_cast<TEdit*>(editor));
    QStyledItemDelegate::destroyEditor(editor, index);
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    // Qt calls this again whenever the cell changes: the text being typed, with its caret,
    // stays as it is when the cell already holds it.
    auto* edit = qobject_cast<TEdit*>(editor);
    const QString text = grid_->Cell(index.column(), index.row());
    if (edit->text() == text) return;
    const QSignalBlocker block(edit);
    edit->setText(text);
  }

  // Ctrl+Tab in a cell being edited ends the editing and leaves the grid, where plain Tab
  // would go on to the next cell.
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor && LeavingKey(event) != 0) {
      const auto* key = static_cast<const QKeyEvent*>(event);
      QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers());
      emit closeEditor(editor, QAbstractItemDelegate::NoHint);
      QCoreApplication::sendEvent(grid_, &again);
      return true;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
  }

  // The cell follows the editor at every change already.
  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    int state = grid_->IsFixed(index.column(), index.row()) ? TStringGrid::Fixed : 0;
    if (option.state & QStyle::State_Selected) state |= TStringGrid::Selected;
    if (option.state & QStyle::State_HasFocus) state |= TStringGrid::Focused;
    if (grid_->DrawCell(painter, index.column(), index.row(), option.rect, state)) return;
    // A text too wide for its cell is shown in the narrow face of the font.
    QStyleOptionViewItem fitted(option);
    const QString text = index.data().toString();
    fitted.font = platform::FittingFont(option.font, text, option.rect.width() - 6);
    fitted.fontMetrics = QFontMetrics(fitted.font);
    if (!grid_->IsFixed(index.column(), index.row())) {
      QStyledItemDelegate::paint(painter, fitted, index);
      return;
    }
    painter->save();
    painter->fillRect(option.rect, grid_->FixedColor());
    painter->setFont(fitted.font);
    painter->setPen(
        platform::TextColor(grid_, grid_->palette().color(QPalette::Active, QPalette::WindowText),
                            grid_->FixedColor()));
    painter->drawText(option.rect.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
  }

 private:
  TStringGrid* grid_;
};

// The fixed row of a grid that scrolls under it: the horizontal header, showing the texts of
// row 0 (hidden among the rows), drawn as the grid draws its cells.
class FixedRowHeader : public QHeaderView {
 public:
  explicit FixedRowHeader(TStringGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int col) const override {
    if (grid_->DrawCell(painter, col, 0, rect, TStringGrid::Fixed)) return;
    painter->save();
    painter->fillRect(rect, grid_->FixedColor());
    painter->setPen(
        platform::TextColor(grid_, grid_->palette().color(QPalette::Active, QPalette::WindowText),
                            grid_->FixedColor()));
    painter->drawText(rect.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      grid_->Cell(col, 0));
    painter->restore();
  }
  // A press on the titles is the grid's: it takes the focus, orders nothing by itself.
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

namespace {
qint64 CellKey(int col, int row) {
  return (static_cast<qint64>(row) << 32) | static_cast<quint32>(col);
}
}  // namespace

TStringGrid::TStringGrid(QWidget* parent, const QString& name, int colCount, int rowCount,
                         int fixedCols, int fixedRows)
    : QTableWidget(rowCount, colCount, parent),
      fixedCols_(fixedCols),
      fixedRows_(fixedRows),
      fixedColor_(palette().color(QPalette::Button)) {
  setObjectName(name);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(true);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setItemDelegate(new GridDelegate(this));
  viewport()->installEventFilter(this);
  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
    if (quiet_ || row < 0 || !OnSelectCell) return;
    platform::Guard([&] { OnSelectCell(col, row); });
  });
  for (int row = 0; row < rowCount; ++row) {
    for (int col = 0; col < colCount; ++col) {
      auto* item = new QTableWidgetItem;
      // Fixed cells can be neither selected nor entered from the keyboard.
      item->setFlags(IsFixed(col, row)
                         ? Qt::NoItemFlags
                         : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
      setItem(row, col, item);
    }
  }
  SetEditable(true);
  if (rowCount > fixedRows && colCount > fixedCols) setCurrentCell(fixedRows, fixedCols);
}

QString TStringGrid::Cell(int col, int row) const {
  const QTableWidgetItem* cell = item(row, col);
  return cell ? cell->text() : QString();
}

void TStringGrid::SetCell(int col, int row, const QString& text) {
  QTableWidgetItem* cell = item(row, col);
  if (!cell) return;
  cell->setText(text);
  if (editor_ && col == editorCol_ && row == editorRow_ && editor_->text() != text) {
    const QSignalBlocker block(editor_.data());
    editor_->setText(text);
  }
}

void TStringGrid::SetCellSize(int colWidth, int rowHeight) {
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setDefaultSectionSize(colWidth);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  const int frame = 2 * frameWidth();
  setFixedSize(colWidth * columnCount() + frame, rowHeight * rowCount() + frame);
}

void TStringGrid::SetFixedColor(const QColor& color) {
  fixedColor_ = color;
  viewport()->update();
}

void TStringGrid::SetEditable(bool on) {
  editable_ = on;
  setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                     : QAbstractItemView::NoEditTriggers);
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
  // Tab moves between the cells; Ctrl+Tab and Ctrl+Shift+Tab move on to the window's next or
  // previous control, as in every view that keeps Tab for itself.
  if (const int leaving = LeavingKey(event)) {
    QWidget::focusNextPrevChild(leaving > 0);
    return;
  }
  const char16_t c = platform::CharacterOf(event);
  const QModelIndex index = currentIndex();
  const bool typing = c == 8 || (c >= 0x20 && !(event->modifiers() & Qt::ControlModifier));
  if (typing && editable_ && state() != EditingState && index.isValid() &&
      (index.flags() & Qt::ItemIsEditable)) {
    // The key opens the cell's editor and replaces the text there, through the editor's
    // own path: the grid's key handler first, then the change.
    if (edit(index, QAbstractItemView::AllEditTriggers, nullptr) && editor_) {
      editor_->selectAll();
      QCoreApplication::sendEvent(editor_.data(), event);
      return;
    }
  }
  QTableWidget::keyPressEvent(event);
}

void TStringGrid::EditorOpened(TEdit* editor, int col, int row) {
  editor_ = editor;
  editorCol_ = col;
  editorRow_ = row;
}

void TStringGrid::EditorClosed(TEdit* editor) {
  if (editor_ == editor) {
    editor_ = nullptr;
    editorCol_ = editorRow_ = -1;
  }
}

void TStringGrid::EditorChanged(int col, int row, const QString& text) {
  if (QTableWidgetItem* cell = item(row, col)) cell->setText(text);
  if (OnSetEditText) OnSetEditText(col, row, text);
}

void TStringGrid::SetColWidth(int col, int width) {
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setColumnWidth(col, width);
}

void TStringGrid::SetRowHeight(int height) {
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(height);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  if (TitlesInHeader()) horizontalHeader()->setFixedHeight(height);
}

void TStringGrid::ScrollUnderFixedRow() {
  if (fixedRows_ != 1) return;
  QList<int> widths;
  for (int col = 0; col < columnCount(); ++col) widths << columnWidth(col);
  auto* header = new FixedRowHeader(this);
  setHorizontalHeader(header);
  for (int col = 0; col < columnCount(); ++col) setColumnWidth(col, widths[col]);
  header->setFixedHeight(verticalHeader()->defaultSectionSize());
  header->show();
  setRowHidden(0, true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

bool TStringGrid::TitlesInHeader() const {
  return dynamic_cast<const FixedRowHeader*>(horizontalHeader()) != nullptr;
}

QObject* TStringGrid::Objects(int col, int row) const {
  if (col < 0 || col >= columnCount() || row < 0 || row >= rowCount()) return nullptr;
  return objects_.value(CellKey(col, row), nullptr);
}

void TStringGrid::SetObjects(int col, int row, QObject* object) {
  if (col < 0 || col >= columnCount() || row < 0 || row >= rowCount()) return;
  if (object) {
    objects_.insert(CellKey(col, row), object);
  } else {
    objects_.remove(CellKey(col, row));
  }
}

void TStringGrid::SetRow(int row) {
  if (row < fixedRows_ || row >= rowCount()) return;
  quiet_ = true;
  setCurrentCell(row, qMax(currentColumn(), fixedCols_));
  quiet_ = false;
  scrollTo(model()->index(row, 0));
}

QRect TStringGrid::CellRect(int col, int row) const {
  if (col < 0 || col >= columnCount() || row < 0 || row >= rowCount()) return {};
  const QHeaderView* header = horizontalHeader();
  if (row == 0 && TitlesInHeader()) {
    return {header->x() + header->sectionViewportPosition(col), header->y(),
            header->sectionSize(col), header->height()};
  }
  return visualRect(model()->index(row, col)).translated(viewport()->pos());
}

void TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
  col = row = -1;
  const QPoint at(x, y);
  const QHeaderView* header = horizontalHeader();
  if (TitlesInHeader() && header->geometry().contains(at)) {
    col = header->logicalIndexAt(x - header->x());
    row = col < 0 ? -1 : 0;
    return;
  }
  if (!viewport()->geometry().contains(at)) return;
  const QModelIndex index = indexAt(at - viewport()->pos());
  if (!index.isValid()) return;
  col = index.column();
  row = index.row();
}

void TStringGrid::RepaintCell(int col, int row) {
  const QRect rect = CellRect(col, row);
  if (rect.isEmpty()) return;
  const bool title = row == 0 && TitlesInHeader();
  QWidget* surface = title ? horizontalHeader()->viewport() : viewport();
  surface->repaint(rect.translated(-surface->mapTo(this, QPoint())));
}

bool TStringGrid::DrawCell(QPainter* painter, int col, int row, const QRect& rect, int state) {
  if (!OnDrawCell) return false;
  painter->save();
  platform::Guard([&] { OnDrawCell(col, row, *painter, rect, state); });
  painter->restore();
  return true;
}

bool TStringGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
    Mouse(viewport(), event);
  }
  // A cell whose text may not show whole (a window may draw it bold or italic) shows it as
  // its tool tip.
  if (watched == viewport() && event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.isValid() ? Cell(index.column(), index.row()) : QString();
    QFont widest = font();
    widest.setBold(true);
    widest.setItalic(true);
    const QRect cell = visualRect(index);
    if (!text.isEmpty() && QFontMetrics(widest).horizontalAdvance(text) > cell.width() - 6) {
      QToolTip::showText(help->globalPos(), text, viewport(), cell);
      return true;
    }
  }
  return QTableWidget::eventFilter(watched, event);
}

void TStringGrid::Mouse(QWidget* from, QEvent* event) {
  const MouseHandler& handler = event->type() == QEvent::MouseButtonPress ? OnMouseDown : OnMouseUp;
  if (!handler) return;
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint at = from->mapTo(this, mouse->position().toPoint());
  platform::Guard([&] { handler(mouse->button(), mouse->modifiers(), at.x(), at.y()); });
}
