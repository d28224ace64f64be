#include "app/Unidadbuscar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>

#include "app/FavouriteUnits.h"
#include "app/RecentUnits.h"
#include "app/UnitAnswers.h"
#include "app/UnitIndex.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/ListBox.h"
#include "platform/Messages.h"
#include "value/SearchText.h"
#include "value/Value.h"

namespace {

constexpr int kMaxRows = 60;
constexpr int kCaptionRole = Qt::UserRole;
constexpr int kWindowRole = Qt::UserRole + 1;

// A row: the unit's caption, and its window's title at the right in a quieter colour.
class RowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    // A heading is drawn as the list draws its text.
    if (!index.data(kCaptionRole).isValid()) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);

    const QRect text =
        style->subElementRect(QStyle::SE_ItemViewItemText, &plain, widget).adjusted(2, 0, -4, 0);
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    const QString window = index.data(kWindowRole).toString();
    const QString caption = index.data(kCaptionRole).toString();
    // The window's title takes what the caption leaves, and at least two fifths.
    const int room = text.width() - option.fontMetrics.horizontalAdvance(caption) - 16;
    const int windowWidth = std::min(option.fontMetrics.horizontalAdvance(window) + 4,
                                     std::max(room, text.width() * 2 / 5));
    painter->save();
    painter->setPen(
        palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
    painter->drawText(text, Qt::AlignRight | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(window, Qt::ElideRight, windowWidth));
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect captionRect = text.adjusted(0, 0, -windowWidth - 12, 0);
    painter->drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(caption, Qt::ElideRight, captionRect.width()));
    painter->restore();
  }
};

}  // namespace

TFormBuscar::TFormBuscar(QWidget* owner, IndexSource index, const QString& typed)
    : TForm(owner, QStringLiteral("FormBuscar")), index_(std::move(index)) {
  SetCaption(tr("Buscar unidad"));
  SetBorder(Border::Dialog);
  SetClientSize(480, 340);
  SetPosition(Position::ScreenCenter);

  Edit1 = new TEdit(this, QStringLiteral("Edit1"), QString());
  Edit1->setGeometry(10, 10, 460, 25);
  Edit1->setPlaceholderText(tr("Unidad o cantidad: pulgada, ft, 5 pies, 100 km/h"));
  Edit1->setAccessibleName(tr("Buscar unidad"));
  Edit1->setAccessibleDescription(
      tr("Nombre o símbolo de una unidad, o una cantidad con su unidad"));
  Edit1->OnChange = [this](TEdit*) { Edit1Change(); };
  // Back from the list, typing goes on at the end of the text.
  Edit1->OnEnter = [](TEdit* edit) { edit->SetSelStart(static_cast<int>(edit->Text().size())); };

  ListBox1 = new TListBox(this, QStringLiteral("ListBox1"));
  ListBox1->setGeometry(10, 42, 460, 262);
  ListBox1->setItemDelegate(new RowDelegate(ListBox1));
  ListBox1->setAccessibleName(tr("Unidades encontradas"));
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    if (item->flags() & Qt::ItemIsSelectable) platform::Guard([this] { Choose(); });
  });
  ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ListBox1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { platform::Guard([&] { ListMenu(at); }); });

  Label1 = new TLabel(this, QStringLiteral("Label1"), QString());
  Label1->setGeometry(10, 310, 460, 22);

  Edit1->installEventFilter(this);
  ListBox1->installEventFilter(this);
  SetTabChain({Edit1, ListBox1});
  Edit1->setFocus();
  if (typed.isEmpty()) {
    ShowRecent();
  } else {
    Edit1->SetText(typed);
  }
}

void TFormBuscar::Fill(const std::vector<Section>& sections) {
  rows_.clear();
  ListBox1->setUpdatesEnabled(false);
  ListBox1->clear();
  for (const Section& section : sections) {
    if (section.rows.empty()) continue;
    if (!section.heading.isEmpty()) {
      auto* item = new QListWidgetItem(section.heading, ListBox1);
      item->setFlags(Qt::ItemIsEnabled);
      QFont bold = ListBox1->font();
      bold.setBold(true);
      item->setFont(bold);
      rows_.push_back({});
    }
    for (const Row& row : section.rows) {
      if (rows_.size() >= static_cast<std::size_t>(kMaxRows)) break;
      const UnitEntry& unit = *row.unit;
      // A quantity is written as a search for it would be: "5 pies".
      Extended value = 0;
      const QString caption = row.number.isEmpty() || !TryParseValue(row.number, value)
                                  ? unit.caption
                                  : row.number + u' ' + UnitAfter(unit.caption, value);
      const QString spoken =
          row.number.isEmpty() ? unit.Spoken() : caption + QStringLiteral(" — ") + unit.window;
      auto* item = new QListWidgetItem(spoken, ListBox1);
      item->setData(kCaptionRole, caption);
      item->setData(kWindowRole, unit.window);
      item->setData(Qt::AccessibleTextRole, spoken);
      item->setToolTip(spoken);
      rows_.push_back(row);
    }
  }
  const int first = UnitRow(0, 1);
  if (first >= 0) ListBox1->SetItemIndex(first);
  ListBox1->setUpdatesEnabled(true);
}

int TFormBuscar::UnitRow(int row, int step) const {
  for (; row >= 0 && row < static_cast<int>(rows_.size()); row += step) {
    if (rows_[row].unit) return row;
  }
  return -1;
}

void TFormBuscar::ShowRecent() {
  typedNumber_.clear();
  Section favourites{tr("Favoritas"), {}};
  for (const UnitEntry* unit : favourite::Units(index_)) favourites.rows.push_back({unit, {}});
  Section recents{tr("Recientes"), {}};
  for (const recent::Recent& unit : recent::Listed(index_))
    recents.rows.push_back({unit.unit, unit.number});
  Fill({favourites, recents});
  Label1->SetCaption(QString());
  QString description;
  if (!favourites.rows.empty() && !recents.rows.empty()) {
    description = tr("Unidades favoritas y abiertas últimamente");
  } else if (!favourites.rows.empty()) {
    description = tr("Unidades favoritas");
  } else if (!recents.rows.empty()) {
    description = tr("Unidades abiertas últimamente");
  }
  ListBox1->setAccessibleDescription(description);
}

void TFormBuscar::Edit1Change() {
  const QString text = Edit1->Text();
  if (text.trimmed().isEmpty()) {
    ShowRecent();
    return;
  }
  const search::Query query = search::ReadQuery(text);
  typedNumber_ = query.number;
  Section found;
  if (!search::Fold(query.unit).isEmpty()) {
    for (const UnitEntry* unit : index_().Find(query.unit)) found.rows.push_back({unit, {}});
  }
  units_ = static_cast<int>(found.rows.size());
  Fill({found});
  const int shown = std::min(units_, kMaxRows);

  QString count;
  if (units_ == 0) {
    //: %1 is the number typed; the unit after it is an example
    count = query.unit.isEmpty() ? tr("Escriba la unidad tras el número: %1 pies").arg(query.number)
                                 : tr("Ninguna unidad se llama así.");
  } else {
    if (units_ == 1) {
      count = tr("1 unidad");
    } else if (units_ > shown) {
      count = tr("%1 unidades, las %2 primeras a la vista").arg(units_).arg(shown);
    } else {
      count = tr("%1 unidades").arg(units_);
    }
    //: %1 is how many units answer ("12 unidades"), %2 the number typed before the unit
    if (!query.number.isEmpty())
      count = tr("%1. Intro escribe %2 en la elegida.").arg(count, query.number);
  }
  Label1->SetCaption(count);
  ListBox1->setAccessibleDescription(count);
}

void TFormBuscar::Choose() {
  const int row = UnitRow(std::max(ListBox1->ItemIndex(), 0), 1);
  if (row < 0) return;
  chosen_ = rows_[row].unit;
  number_ = rows_[row].number.isEmpty() ? typedNumber_ : rows_[row].number;
  SetModalResult(mrOk);
}

void TFormBuscar::ToggleFavourite() {
  const int row = ListBox1->ItemIndex();
  if (row < 0 || row >= static_cast<int>(rows_.size()) || !rows_[row].unit) return;
  const Row selected = rows_[row];
  const favourite::Toggled toggled = favourite::Toggle(recent::PlaceOf(*selected.unit));
  const QString unit = selected.unit->caption;
  QString said;
  switch (toggled.outcome) {
    case favourite::Toggled::Outcome::Added:
      said = tr("%1 está ahora entre las favoritas.").arg(unit);
      break;
    case favourite::Toggled::Outcome::Removed:
      said = tr("%1 ya no está entre las favoritas.").arg(unit);
      break;
    case favourite::Toggled::Outcome::Full:
      said =
          tr("Ya hay %1 favoritas: quite alguna antes de añadir otra.").arg(favourite::kMaxUnits);
      break;
    case favourite::Toggled::Outcome::NotKept:
      said = toggled.reason.isEmpty()
                 ? tr("Esta unidad no puede guardarse entre las favoritas.")
                 : tr("No se pudieron guardar las favoritas: %1.").arg(toggled.reason);
      break;
  }
  // With nothing typed the favourites are listed: the list shows the change, and the same
  // row stays selected.
  if (Edit1->Text().trimmed().isEmpty()) {
    ShowRecent();
    int again = -1;
    for (int i = 0; i < static_cast<int>(rows_.size()) && again < 0; ++i) {
      if (rows_[i].unit == selected.unit && rows_[i].number == selected.number) again = i;
    }
    for (int i = 0; i < static_cast<int>(rows_.size()) && again < 0; ++i) {
      if (rows_[i].unit == selected.unit) again = i;
    }
    if (again >= 0) ListBox1->SetItemIndex(again);
  }
  Label1->SetCaption(said);
  ListBox1->setAccessibleDescription(said);
}

void TFormBuscar::ListMenu(const QPoint& at) {
  const int row = ListBox1->ItemIndex();
  const bool unit = row >= 0 && row < static_cast<int>(rows_.size()) && rows_[row].unit;
  QPointer<QMenu> menu = new QMenu(this);
  menu->setObjectName(QStringLiteral("PopupMenu1"));
  QAction* add = menu->addAction(tr("Añadir a favoritas"));
  add->setObjectName(QStringLiteral("Aadirafavoritas1"));
  add->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  add->setCheckable(true);
  add->setEnabled(unit);
  add->setChecked(unit && favourite::Contains(recent::PlaceOf(*rows_[row].unit)));
  QAction* chosen = menu->exec(ListBox1->viewport()->mapToGlobal(at));
  delete menu;
  if (chosen == add) ToggleFavourite();
}

bool TFormBuscar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return TForm::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
  if (mods == Qt::ControlModifier && key->key() == Qt::Key_D) {
    platform::Guard([this] { ToggleFavourite(); });
    return true;
  }
  if (mods != Qt::NoModifier) return false;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: platform::Guard([this] { Choose(); }); return true;
    case Qt::Key_Escape: SetModalResult(mrCancel); return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
      if (watched == Edit1 && UnitRow(0, 1) >= 0) {
        ListBox1->setFocus(Qt::TabFocusReason);
        if (UnitRow(ListBox1->ItemIndex(), 1) != ListBox1->ItemIndex())
          ListBox1->SetItemIndex(UnitRow(0, 1));
        return true;
      }
      // Past a heading to the unit under it.
      if (watched == ListBox1 && key->key() == Qt::Key_Down) {
        const int next = UnitRow(ListBox1->ItemIndex() + 1, 1);
        if (next >= 0) ListBox1->SetItemIndex(next);
        return true;
      }
      return false;
    case Qt::Key_Up:
      if (watched == ListBox1) {
        const int previous = UnitRow(ListBox1->ItemIndex() - 1, -1);
        if (previous >= 0) {
          ListBox1->SetItemIndex(previous);
        } else {
          Edit1->SetFocus();
        }
        return true;
      }
      return false;
    default: return false;
  }
}
