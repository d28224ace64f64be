#include "app/UnitIndex.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <QEvent>
#include <algorithm>
#include <functional>
#include <memory>
#include <set>

#include "app/Catalogue.h"
#include "app/Language.h"
#include "platform/Accessibility.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/Input.h"
#include "platform/Messages.h"
#include "platform/Pages.h"
#include "tools/money/OwnCurrencies.h"
#include "tools/money/Rates.h"
#include "tools/physical/Unidadclinica.h"

namespace {

// The tab sheets that hold the widget, outermost first.
std::vector<TTabSheet*> SheetsHolding(QWidget* widget) {
  std::vector<TTabSheet*> sheets;
  for (QWidget* w = widget->parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
    if (auto* sheet = qobject_cast<TTabSheet*>(w)) sheets.insert(sheets.begin(), sheet);
  }
  return sheets;
}

TPageControl* PageControlOf(TTabSheet* sheet) {
  for (QWidget* w = sheet->parentWidget(); w; w = w->parentWidget()) {
    if (auto* pages = qobject_cast<TPageControl*>(w)) return pages;
  }
  return nullptr;
}

QString TabCaption(TTabSheet* sheet) {
  TPageControl* pages = PageControlOf(sheet);
  return pages ? platform::PlainCaption(pages->tabText(pages->indexOf(sheet))) : QString();
}

bool InsideList(const QWidget* widget) {
  for (const QWidget* w = widget->parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
    if (qobject_cast<const QAbstractItemView*>(w)) return true;
  }
  return false;
}

// Brings every page of every tab control into view in turn, as the user choosing the tabs
// would (each page fills itself the first time), and names the controls each one shows.
void NameOnEveryPage(TForm* form) {
  const QList<TPageControl*> controls = form->findChildren<TPageControl*>();
  std::set<TTabSheet*> shown;
  std::function<void(qsizetype)> visit = [&](qsizetype k) {
    if (k == controls.size()) {
      platform::NameControlsForAccessibility(form);
      return;
    }
    TPageControl* pages = controls[k];
    for (int i = 0; i < pages->count(); ++i) {
      pages->setCurrentIndex(i);
      auto* sheet = qobject_cast<TTabSheet*>(pages->widget(i));
      if (sheet && sheet->OnShow && shown.insert(sheet).second) platform::Guard(sheet->OnShow);
      visit(k + 1);
    }
  };
  visit(0);
}

}  // namespace

UnitIndex::UnitIndex(QWidget* owner) {
  for (int i = 0; i < kMenuRowCount; ++i) {
    const MenuRow& row = kMenu[i];
    if (row.kind != MenuRow::Command || !row.opens) continue;
    const std::unique_ptr<TForm> form(row.opens(owner));
    form->setAttribute(Qt::WA_DontShowOnScreen);
    ReadWindow(form.get(), QString::fromUtf8(row.item));
  }
  PrepareSearch();
}

void UnitIndex::PrepareSearch() {
  // The symbols that one-word names carry ("milímetro [mm]") also abbreviate the names made
  // of those words ("milímetros de Hg" is "mmHg").
  search::WordSymbols symbols;
  for (const UnitEntry& entry : entries_) {
    if (entry.kind != UnitEntry::Kind::Edit) continue;
    const auto [word, symbol] = search::WordSymbolOf(entry.caption);
    if (!word.isEmpty() && !symbols.contains(word)) symbols.insert(word, symbol);
  }
  for (UnitEntry& entry : entries_) entry.target = search::MakeTarget(entry.names, symbols);
}

void UnitIndex::ReadWindow(TForm* form, const QString& item) {
  const QString title = platform::PlainCaption(form->Caption());
  auto add = [&](UnitEntry entry, const QStringList& names) {
    entry.item = item;
    if (entry.window.isEmpty()) entry.window = title;
    // A name said twice (Spanish is the interface's language) is compared once.
    entry.names = names;
    entry.names.removeDuplicates();
    entries_.push_back(std::move(entry));
  };

  // The clinical list stands for its window: its two edits are labelled by the selected
  // analyte's units.
  if (auto* clinic = qobject_cast<TFormClinic*>(form)) {
    const TStringGrid* grid = clinic->StringGrid1;
    for (int row = grid->FixedRows(); row < grid->RowCount(); ++row) {
      const QString spanish = grid->Cell(0, row).trimmed();
      const QString english = grid->Cell(1, row).trimmed();
      if (spanish.isEmpty()) continue;
      UnitEntry entry;
      entry.kind = UnitEntry::Kind::Analyte;
      entry.caption = english.isEmpty() || english == spanish
                          ? spanish
                          : spanish + QStringLiteral(" (") + english + u')';
      entry.control = clinic->Edit1->objectName();
      // The analyte's Spanish name is its key in every language.
      entry.analyte = clinic->AnalyteKey(row);
      add(entry, {spanish, english, entry.analyte});
    }
    return;
  }

  NameOnEveryPage(form);
  for (TEdit* edit : form->findChildren<TEdit*>()) {
    if (!IsUnitEdit(edit)) continue;
    UnitEntry entry;
    entry.caption = edit->accessibleName();
    entry.control = edit->objectName();
    entry.enabled = edit->isEnabled();
    add(entry, QStringList{entry.caption, language::SpanishOf(entry.caption)}
                   << edit->property(platform::kSearchNames).toStringList());
  }
  for (TStringGrid* grid : form->findChildren<TStringGrid*>()) {
    if (!grid->Editable() || grid->FixedRows() < 1) continue;
    const std::vector<TTabSheet*> sheets = SheetsHolding(grid);
    for (int col = grid->FixedCols(); col < grid->ColCount(); ++col) {
      const QString caption = platform::PlainCaption(grid->Cell(col, 0));
      if (caption.isEmpty()) continue;
      UnitEntry entry;
      entry.kind = UnitEntry::Kind::Heading;
      entry.caption = caption;
      entry.control = grid->objectName();
      entry.col = col;
      for (TTabSheet* sheet : sheets) entry.tabs << sheet->objectName();
      if (!sheets.empty())
        entry.window = title + QStringLiteral(" (") + TabCaption(sheets.back()) + u')';
      add(entry, {caption, platform::PlainCaption(language::SpanishOf(grid->Cell(col, 0)))});
    }
  }
}

QStringList UnitIndexInputs() { return {money::KeptRatesPath(), money::OwnCurrenciesPath()}; }

bool IsUnitEdit(const TEdit* edit) {
  return !edit->isReadOnly() && !InsideList(edit) && !edit->accessibleName().isEmpty();
}

// Kept as CBOR: the stamp, then one array per entry with its fields in the order below.
QByteArray UnitIndex::Saved(const QString& stamp) const {
  QCborArray entries;
  for (const UnitEntry& e : entries_) {
    entries.append(QCborArray{static_cast<int>(e.kind), e.caption, e.window, e.item, e.control,
                              QCborArray::fromStringList(e.tabs), e.col, e.analyte,
                              QCborArray::fromStringList(e.names), e.enabled});
  }
  return QCborValue(
             QCborMap{{QStringLiteral("stamp"), stamp}, {QStringLiteral("entries"), entries}})
      .toCbor();
}

std::optional<UnitIndex> UnitIndex::FromSaved(const QByteArray& saved, const QString& stamp) {
  const QCborMap kept = QCborValue::fromCbor(saved).toMap();
  if (kept.value(QStringLiteral("stamp")).toString() != stamp) return std::nullopt;
  auto strings = [](const QCborValue& value, QStringList& list) {
    if (!value.isArray()) return false;
    for (const QCborValue& item : value.toArray()) {
      if (!item.isString()) return false;
      list << item.toString();
    }
    return true;
  };
  UnitIndex index;
  for (const QCborValue& value : kept.value(QStringLiteral("entries")).toArray()) {
    const QCborArray fields = value.toArray();
    if (fields.size() != 10 || !fields[0].isInteger() || fields[0].toInteger() < 0 ||
        fields[0].toInteger() > static_cast<int>(UnitEntry::Kind::Analyte) ||
        !fields[6].isInteger() || !fields[9].isBool())
      return std::nullopt;
    UnitEntry e;
    e.kind = static_cast<UnitEntry::Kind>(fields[0].toInteger());
    QString* texts[] = {&e.caption, &e.window, &e.item, &e.control};
    for (int i = 0; i < 4; ++i) {
      if (!fields[i + 1].isString()) return std::nullopt;
      *texts[i] = fields[i + 1].toString();
    }
    e.col = static_cast<int>(fields[6].toInteger());
    if (!fields[7].isString() || !strings(fields[5], e.tabs) || !strings(fields[8], e.names))
      return std::nullopt;
    e.analyte = fields[7].toString();
    e.enabled = fields[9].toBool();
    index.entries_.push_back(std::move(e));
  }
  if (index.entries_.empty()) return std::nullopt;
  index.PrepareSearch();
  return index;
}

std::vector<const UnitEntry*> UnitIndex::Find(const QString& words) const {
  const search::Words wanted = search::ReadWords(words);
  std::vector<std::pair<int, const UnitEntry*>> found;
  if (wanted.Empty()) return {};
  for (const UnitEntry& entry : entries_) {
    const int rank = search::MatchRank(entry.target, wanted);
    if (rank != search::kNoMatch) found.emplace_back(rank, &entry);
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<const UnitEntry*> units;
  units.reserve(found.size());
  for (const auto& [rank, entry] : found) units.push_back(entry);
  return units;
}

namespace {

void Go(TForm* form, const UnitEntry& entry) {
  QWidget* target = nullptr;
  switch (entry.kind) {
    case UnitEntry::Kind::Edit:
      if (auto* edit = form->Find<TEdit>(entry.control)) {
        edit->SetFocus();
        edit->SelectAll();
        target = edit;
      }
      break;
    case UnitEntry::Kind::Heading: {
      for (const QString& name : entry.tabs) {
        auto* sheet = form->Find<TTabSheet>(name);
        if (TPageControl* pages = sheet ? PageControlOf(sheet) : nullptr)
          pages->SetActivePage(sheet);
      }
      auto* grid = form->Find<TStringGrid>(entry.control);
      if (!grid || grid->RowCount() <= grid->FixedRows()) break;
      grid->setCurrentCell(grid->FixedRows(), entry.col);
      grid->setFocus(Qt::OtherFocusReason);
      target = grid;
      break;
    }
    case UnitEntry::Kind::Analyte: {
      auto* clinic = qobject_cast<TFormClinic*>(form);
      if (!clinic) break;
      TStringGrid* grid = clinic->StringGrid1;
      for (int row = grid->FixedRows(); row < grid->RowCount(); ++row) {
        if (clinic->AnalyteKey(row) != entry.analyte) continue;
        grid->setCurrentCell(row, 0);  // the list's own choice of an analyte
        grid->scrollTo(grid->model()->index(row, 0));
        break;
      }
      clinic->Edit1->SetFocus();
      clinic->Edit1->SelectAll();
      target = clinic->Edit1;
      break;
    }
  }
  if (!target) return;
}

// The move to the unit, then the number's keys queued behind it.
void MoveAndType(TForm* form, const UnitEntry& entry, const QString& number) {
  platform::Guard([&] { Go(form, entry); });
  // An edit that takes no input yet (a currency still without its rate) takes no keys either:
  // it is given the number as its text, which its window keeps for when it can convert it.
  if (entry.kind == UnitEntry::Kind::Edit) {
    auto* edit = form->Find<TEdit>(entry.control);
    if (edit && !edit->isEnabled()) {
      if (!number.isEmpty()) platform::Guard([&] { edit->SetText(number); });
      return;
    }
  }
  std::vector<platform::KeyStroke> strokes;
  for (const QChar c : number) strokes.push_back(platform::keys::Character(c));
  platform::SimulateKeys(strokes);
}

// Runs once, when the window is first activated: the window handles its activation first,
// then the move to the unit is made, and the number's keys are queued behind it, so that
// they reach the unit's edit, key by key, through the window's key path, as the user's own.
class WhenActive : public QObject {
 public:
  WhenActive(TForm* form, UnitEntry entry, QString number)
      : QObject(form), form_(form), entry_(std::move(entry)), number_(std::move(number)) {
    form->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != form_ || event->type() != QEvent::WindowActivate) return false;
    form_->removeEventFilter(this);
    QCoreApplication::sendEvent(form_, event);
    MoveAndType(form_, entry_, number_);
    deleteLater();
    return true;
  }

 private:
  TForm* form_;
  UnitEntry entry_;
  QString number_;
};

}  // namespace

void GoToUnit(TForm* form, const UnitEntry& entry, const QString& number) {
  new WhenActive(form, entry, number);
}

void GoToUnitNow(TForm* form, const UnitEntry& entry, const QString& number) {
  MoveAndType(form, entry, number);
}
