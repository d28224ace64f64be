#include "platform/Grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "platform/Edit.h"
#include "platform/Input.h"
#include "platform/Messages.h"

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

  // The cell follows the editor at every change already.
  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    // A text too wide for its cell is shown in the narrow face of the font.
    QStyleOptionViewItem fitted(option);
    const QString text = index.data().toString();
    if (option.fontMetrics.horizontalAdvance(text) > option.rect.width() - 6) {
      fitted.font.setFamily(QStringLiteral("Liberation Sans Narrow"));
      fitted.fontMetrics = QFontMetrics(fitted.font);
    }
    if (!grid_->IsFixed(index.column(), index.row())) {
      QStyledItemDelegate::paint(painter, fitted, index);
      return;
    }
    painter->save();
    painter->fillRect(option.rect, grid_->FixedColor());
    painter->setFont(fitted.font);
    painter->setPen(grid_->palette().color(QPalette::Active, QPalette::WindowText));
    painter->drawText(option.rect.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
  }

 private:
  TStringGrid* grid_;
};

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
