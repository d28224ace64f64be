#include "app/Unidadbuscar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "app/RecentUnits.h"
#include "app/SearchText.h"
#include "app/UnitIndex.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/ListBox.h"
#include "platform/Messages.h"

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
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
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
  SetCaption(QStringLiteral("Buscar unidad"));
  SetBorder(Border::Dialog);
  SetClientSize(480, 340);
  SetPosition(Position::ScreenCenter);

  Edit1 = new TEdit(this, QStringLiteral("Edit1"), QString());
  Edit1->setGeometry(10, 10, 460, 25);
  Edit1->setPlaceholderText(QStringLiteral("Unidad o cantidad: pulgada, ft, 5 pies, 100 km/h"));
  Edit1->setAccessibleName(QStringLiteral("Buscar unidad"));
  Edit1->setAccessibleDescription(
      QStringLiteral("Nombre o símbolo de una unidad, o una cantidad con su unidad"));
  Edit1->OnChange = [this](TEdit*) { Edit1Change(); };
  // Back from the list, typing goes on at the end of the text.
  Edit1->OnEnter = [](TEdit* edit) { edit->SetSelStart(static_cast<int>(edit->Text().size())); };

  ListBox1 = new TListBox(this, QStringLiteral("ListBox1"));
  ListBox1->setGeometry(10, 42, 460, 262);
  ListBox1->setItemDelegate(new RowDelegate(ListBox1));
  ListBox1->setAccessibleName(QStringLiteral("Unidades encontradas"));
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    if (item->flags() & Qt::ItemIsSelectable) platform::Guard([this] { Choose(); });
  });

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

void TFormBuscar::Fill(const std::vector<const UnitEntry*>& units, const QString& heading) {
  rows_ = units;
  heading_ = !heading.isEmpty() && !rows_.empty();
  ListBox1->setUpdatesEnabled(false);
  ListBox1->clear();
  if (heading_) {
    auto* item = new QListWidgetItem(heading, ListBox1);
    item->setFlags(Qt::ItemIsEnabled);
    QFont bold = ListBox1->font();
    bold.setBold(true);
    item->setFont(bold);
  }
  const int shown = std::min(static_cast<int>(rows_.size()), kMaxRows);
  for (int i = 0; i < shown; ++i) {
    const UnitEntry& unit = *rows_[i];
    auto* item = new QListWidgetItem(unit.Spoken(), ListBox1);
    item->setData(kCaptionRole, unit.caption);
    item->setData(kWindowRole, unit.window);
    item->setData(Qt::AccessibleTextRole, unit.Spoken());
    item->setToolTip(unit.Spoken());
  }
  if (shown > 0) ListBox1->SetItemIndex(FirstUnitRow());
  ListBox1->setUpdatesEnabled(true);
}

void TFormBuscar::ShowRecent() {
  typedNumber_.clear();
  Fill(recent::Units(index_), QStringLiteral("Recientes"));
  Label1->SetCaption(QString());
  ListBox1->setAccessibleDescription(heading_ ? QStringLiteral("Unidades abiertas últimamente")
                                              : QString());
}

void TFormBuscar::Edit1Change() {
  const QString text = Edit1->Text();
  if (text.trimmed().isEmpty()) {
    ShowRecent();
    return;
  }
  const search::Query query = search::ReadQuery(text);
  typedNumber_ = query.number;
  Fill(search::Fold(query.unit).isEmpty() ? std::vector<const UnitEntry*>()
                                          : index_().Find(query.unit),
       QString());
  const int shown = std::min(static_cast<int>(rows_.size()), kMaxRows);

  QString count;
  if (rows_.empty()) {
    count = query.unit.isEmpty() ? QStringLiteral("Escriba la unidad tras el número: %1 pies")
                                       .arg(query.number)
                                 : QStringLiteral("Ninguna unidad se llama así.");
  } else {
    count = rows_.size() == 1 ? QStringLiteral("1 unidad") : QStringLiteral("%1 unidades").arg(rows_.size());
    if (static_cast<int>(rows_.size()) > shown) count += QStringLiteral(", las %1 primeras a la vista").arg(shown);
    if (!query.number.isEmpty()) count += QStringLiteral(". Intro escribe %1 en la elegida.").arg(query.number);
  }
  Label1->SetCaption(count);
  ListBox1->setAccessibleDescription(count);
}

void TFormBuscar::Choose() {
  if (rows_.empty()) return;
  const int row = std::max(ListBox1->ItemIndex() - FirstUnitRow(), 0);
  if (row >= static_cast<int>(rows_.size())) return;
  chosen_ = rows_[row];
  number_ = typedNumber_;
  SetModalResult(mrOk);
}

bool TFormBuscar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return TForm::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
  if (mods != Qt::NoModifier) return false;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      platform::Guard([this] { Choose(); });
      return true;
    case Qt::Key_Escape:
      SetModalResult(mrCancel);
      return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
      if (watched == Edit1 && ListBox1->count() > 0) {
        ListBox1->setFocus(Qt::TabFocusReason);
        if (ListBox1->ItemIndex() < FirstUnitRow()) ListBox1->SetItemIndex(FirstUnitRow());
        return true;
      }
      return false;
    case Qt::Key_Up:
      if (watched == ListBox1 && ListBox1->ItemIndex() <= FirstUnitRow()) {
        Edit1->SetFocus();
        return true;
      }
      return false;
    default:
      return false;
  }
}
