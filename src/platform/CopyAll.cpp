#include "platform/CopyAll.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <algorithm>

#include "platform/Accessibility.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/Host.h"
#include "platform/Messages.h"
#include "platform/Panel.h"

namespace platform {
namespace {

bool Shown(const QWidget* widget, const QWidget* window) {
  return !widget->isHidden() && widget->isVisibleTo(window);
}

// The controls that show a unit's value: edits (not those inside a drop-down or a spin box),
// lists with their chosen line, and read-only text boxes.
bool IsUnitField(QWidget* widget) {
  if (qobject_cast<QLineEdit*>(widget)) {
    QWidget* parent = widget->parentWidget();
    return !(parent &&
             (qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent)));
  }
  return qobject_cast<QListWidget*>(widget) || qobject_cast<QPlainTextEdit*>(widget);
}

// The unit fields shown in the window, in its tab order.
std::vector<QWidget*> UnitFields(QWidget* window) {
  std::vector<QWidget*> fields;
  for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
    if (w->window() == window && Shown(w, window) && IsUnitField(w)) fields.push_back(w);
  }
  return fields;
}

QString ShownText(QWidget* field) {
  if (auto* edit = qobject_cast<QLineEdit*>(field)) return edit->text();
  if (auto* list = qobject_cast<QListWidget*>(field)) {
    return list->currentItem() ? list->currentItem()->text() : QString();
  }
  if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) return memo->toPlainText().simplified();
  return QString();
}

CopiedTable UnitTable(QWidget* window) {
  CopiedTable table;
  const std::vector<QWidget*> fields = UnitFields(window);
  if (fields.empty()) return table;
  // The captions are those that the window reads out: each field's label, exponents raised.
  NameControlsForAccessibility(window);
  table.cols = 2;
  for (QWidget* field : fields) {
    table.cells.push_back({field->accessibleName(), table.rows, 0});
    table.cells.push_back({ShownText(field), table.rows, 1});
    ++table.rows;
  }
  return table;
}

CopiedTable GridTable(const TStringGrid* grid) {
  CopiedTable table;
  std::vector<int> cols;
  for (int col = 0; col < grid->ColCount(); ++col) {
    if (!grid->isColumnHidden(col)) cols.push_back(col);
  }
  table.cols = static_cast<int>(cols.size());
  for (int row = 0; row < grid->RowCount(); ++row) {
    if (grid->isRowHidden(row)) continue;
    for (int i = 0; i < table.cols; ++i) {
      table.cells.push_back(
          {grid->Cell(cols[i], row), table.rows, i, 1, 1, grid->IsFixed(cols[i], row)});
    }
    ++table.rows;
  }
  return table;
}

// Panels that stand side by side and one under another as the cells of a table: each panel a
// cell, spanning the columns and rows whose edges it covers. A panel that holds controls
// other than its captions is a frame, not a cell.
CopiedTable PanelTable(QWidget* window) {
  struct Placed {
    QRect rect;
    QString text;
  };
  std::vector<Placed> panels;
  for (TPanel* panel : window->findChildren<TPanel*>()) {
    if (!Shown(panel, window)) continue;
    bool frame = false;
    QStringList captions;
    for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (auto* label = qobject_cast<QLabel*>(child)) {
        captions << PlainCaption(label->text());
      } else {
        frame = true;
      }
    }
    if (frame) continue;
    const QString text = panel->Caption().isEmpty() ? captions.join(u' ') : panel->Caption();
    panels.push_back({QRect(panel->mapTo(window, QPoint(0, 0)), panel->size()), text.simplified()});
  }
  std::vector<int> tops, lefts;
  for (const Placed& p : panels) {
    tops.push_back(p.rect.top());
    lefts.push_back(p.rect.left());
  }
  for (auto* edges : {&tops, &lefts}) {
    std::sort(edges->begin(), edges->end());
    edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
  }
  CopiedTable table;
  if (tops.size() < 3 || lefts.size() < 3) return table;
  auto index = [](const std::vector<int>& edges, int at) {
    return static_cast<int>(std::lower_bound(edges.begin(), edges.end(), at) - edges.begin());
  };
  auto covered = [](const std::vector<int>& edges, int from, int to) {
    return static_cast<int>(
        std::count_if(edges.begin(), edges.end(), [&](int e) { return e >= from && e <= to; }));
  };
  table.rows = static_cast<int>(tops.size());
  table.cols = static_cast<int>(lefts.size());
  for (const Placed& p : panels) {
    table.cells.push_back({p.text, index(tops, p.rect.top()), index(lefts, p.rect.left()),
                           covered(tops, p.rect.top(), p.rect.bottom()),
                           covered(lefts, p.rect.left(), p.rect.right())});
  }
  std::sort(table.cells.begin(), table.cells.end(), [](const CopiedCell& a, const CopiedCell& b) {
    return a.row != b.row ? a.row < b.row : a.col < b.col;
  });
  return table;
}

std::vector<CopiedTable> ShownTables(QWidget* window) {
  std::vector<CopiedTable> tables;
  for (TStringGrid* grid : window->findChildren<TStringGrid*>()) {
    if (Shown(grid, window)) tables.push_back(GridTable(grid));
  }
  CopiedTable panels = PanelTable(window);
  if (panels.rows > 0) tables.push_back(std::move(panels));
  return tables;
}

// Each place of the table: the cell that starts there, or the one that covers it.
std::vector<std::vector<const CopiedCell*>> Places(const CopiedTable& table) {
  std::vector<std::vector<const CopiedCell*>> places(
      static_cast<std::size_t>(table.rows), std::vector<const CopiedCell*>(table.cols, nullptr));
  for (const CopiedCell& cell : table.cells) {
    for (int r = cell.row; r < std::min(table.rows, cell.row + cell.rowSpan); ++r) {
      for (int c = cell.col; c < std::min(table.cols, cell.col + cell.colSpan); ++c) {
        if (!places[r][c]) places[r][c] = &cell;
      }
    }
  }
  return places;
}

class CopyAllKey : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() != Qt::Key_C || mods != (Qt::ControlModifier | Qt::ShiftModifier)) return false;
    auto* form = qobject_cast<TForm*>(static_cast<QWidget*>(watched)->window());
    if (!form || QApplication::activePopupWidget()) return false;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != form) return false;
    bool copied = false;
    Guard([&] { copied = CopyAllUnits(form); });
    return copied;
  }
};

}  // namespace

std::vector<CopiedTable> TablesToCopy(QWidget* window) {
  std::vector<CopiedTable> tables = ShownTables(window);
  if (tables.empty()) {
    CopiedTable units = UnitTable(window);
    if (units.rows > 0) tables.push_back(std::move(units));
  }
  const QString heading = window->property(kCopyHeading).toString();
  if (!heading.isEmpty() && !tables.empty()) {
    CopiedTable& first = tables.front();
    for (CopiedCell& cell : first.cells) ++cell.row;
    first.cells.insert(first.cells.begin(), {heading, 0, 0, 1, std::max(first.cols, 1), true});
    ++first.rows;
  }
  return tables;
}

QString TablesAsText(const std::vector<CopiedTable>& tables) {
  QStringList lines;
  for (const CopiedTable& table : tables) {
    if (!lines.isEmpty()) lines << QString();
    const auto places = Places(table);
    for (int r = 0; r < table.rows; ++r) {
      QStringList row;
      for (int c = 0; c < table.cols; ++c) {
        const CopiedCell* cell = places[r][c];
        row << (cell && cell->row == r && cell->col == c ? cell->text : QString());
      }
      lines << row.join(u'\t');
    }
  }
  return lines.join(u'\n');
}

QString TablesAsHtml(const std::vector<CopiedTable>& tables) {
  QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"/></head><body>\n");
  for (const CopiedTable& table : tables) {
    html += QStringLiteral("<table>\n");
    const auto places = Places(table);
    for (int r = 0; r < table.rows; ++r) {
      html += QStringLiteral("<tr>");
      for (int c = 0; c < table.cols; ++c) {
        const CopiedCell* cell = places[r][c];
        if (!cell) {
          html += QStringLiteral("<td></td>");
          continue;
        }
        if (cell->row != r || cell->col != c) continue;  // covered by a span
        const QString tag = cell->heading ? QStringLiteral("th") : QStringLiteral("td");
        html += u'<' + tag;
        if (cell->colSpan > 1) html += QStringLiteral(" colspan=\"%1\"").arg(cell->colSpan);
        if (cell->rowSpan > 1) html += QStringLiteral(" rowspan=\"%1\"").arg(cell->rowSpan);
        html += u'>' + cell->text.toHtmlEscaped() + QStringLiteral("</") + tag + u'>';
      }
      html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
  }
  return html + QStringLiteral("</body></html>\n");
}

bool CopyAllUnits(QWidget* window) {
  if (BoxOpen()) return false;
  const std::vector<CopiedTable> tables = TablesToCopy(window);
  if (tables.empty()) return false;
  host().SetClipboardData(TablesAsText(tables), TablesAsHtml(tables));
  return true;
}

void AddCopyAllItem(QMenu* menu, QWidget* edit) {
  QWidget* window = edit->window();
  if (!qobject_cast<TForm*>(window) || !ShownTables(window).empty()) return;
  const std::vector<QWidget*> fields = UnitFields(window);
  if (std::find(fields.begin(), fields.end(), edit) == fields.end()) return;
  menu->addSeparator();
  QAction* item =
      menu->addAction(QCoreApplication::translate("Platform", "Copiar todas las unidades"));
  item->setObjectName(QStringLiteral("copy-all-units"));
  item->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  QObject::connect(item, &QAction::triggered, window,
                   [window] { Guard([window] { CopyAllUnits(window); }); });
}

void EnableCopyAllKey() {
  static QPointer<CopyAllKey> filter;
  if (filter || !QCoreApplication::instance()) return;
  filter = new CopyAllKey(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(filter);
}

}  // namespace platform
