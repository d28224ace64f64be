#include "app/UnitAnswers.h"

#include <QApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <memory>

#include "app/Catalogue.h"
#include "app/SearchText.h"
#include "app/UnitIndex.h"
#include "numeric/Numeric.h"
#include "platform/Accessibility.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Input.h"
#include "platform/Locale.h"

namespace {

// A figure as a search box shows it: six significant digits, the user's separator.
QString Figure(long double value) {
  QString text = QString::number(static_cast<double>(value), 'g', 6);
  text.replace(u'.', QChar(platform::DecimalSeparator()));
  return text;
}

// How a unit is written after a figure: its symbol when it has a short one ("m", "cm"), else
// its name, in the plural unless the figure is one.
QString UnitAfter(const QString& caption, long double value) {
  const qsizetype open = caption.indexOf(u'[');
  if (open >= 0) {
    const QString inside = caption.mid(open + 1).section(u']', 0, 0);
    const QString symbol = inside.section(u',', -1).trimmed();
    if (!symbol.isEmpty() && symbol.size() <= 4 && !symbol.contains(u' ') &&
        std::all_of(symbol.begin(), symbol.end(), [](QChar c) { return c.isLetter() || c == u'/'; }))
      return symbol;
  }
  const QString name = caption.section(QRegularExpression(QStringLiteral("[\\[(]")), 0, 0).trimmed();
  // A one-word name ending in a vowel takes an s ("pulgadas", "yardas", "nudos"); any other
  // is written as the window writes it.
  const bool plural = std::fabs(value) != 1 && name.size() > 4 && !name.back().isUpper() &&
                      std::all_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }) &&
                      QStringLiteral("aeo").contains(name.back());
  return plural ? name + u's' : name;
}

struct Reading {
  QString caption;
  long double value;
  QString shown;  // the edit's text
};

// Types the number into the unit's edit of its window, headless, and reads the other units.
UnitAnswer Convert(const UnitEntry& unit, QWidget* owner, const QString& number,
                   const QString& typedUnit) {
  UnitAnswer answer{&unit, number, unit.caption, unit.window};
  const MenuRow* row = FindMenuRow(unit.item);
  if (!row || !row->opens) return answer;
  const std::unique_ptr<TForm> form(row->opens(owner));
  form->setAttribute(Qt::WA_DontShowOnScreen);
  form->show();
  QApplication::setActiveWindow(form.get());
  QCoreApplication::processEvents();
  GoToUnitNow(form.get(), unit, number);
  for (int round = 0; round < 100 && platform::PendingSimulatedKeys() > 0; ++round)
    QCoreApplication::processEvents();
  platform::NameControlsForAccessibility(form.get());

  std::vector<Reading> readings;
  for (const TEdit* edit : form->findChildren<TEdit*>()) {
    if (edit->objectName() == unit.control || edit->accessibleName().isEmpty()) continue;
    Extended value = 0;
    if (!TryParseValue(edit->Text(), value) || value == 0) continue;
    readings.push_back({edit->accessibleName(), value, edit->Text()});
  }
  // The most useful first: figures between 1 and 1000, short symbols before long names.
  auto useful = [](const Reading& r) {
    const long double size = std::fabs(r.value);
    return size >= 1 && size < 1000;
  };
  std::stable_sort(readings.begin(), readings.end(), [&](const Reading& a, const Reading& b) {
    if (useful(a) != useful(b)) return useful(a);
    return UnitAfter(a.caption, a.value).size() < UnitAfter(b.caption, b.value).size();
  });
  if (readings.empty()) return answer;
  const Reading& best = readings.front();
  // The first figure exactly as the window shows it.
  answer.title = number + u' ' + typedUnit + QStringLiteral(" = ") + best.shown + u' ' +
                 UnitAfter(best.caption, best.value);
  QStringList others;
  for (std::size_t i = 1; i < readings.size() && others.size() < 3; ++i)
    others << Figure(readings[i].value) + u' ' + UnitAfter(readings[i].caption, readings[i].value);
  answer.description = others.join(QStringLiteral(" · ")) + QStringLiteral(" — ") + unit.window;
  return answer;
}

}  // namespace

std::vector<UnitAnswer> AnswerSearch(const UnitIndex& index, QWidget* owner, const QString& text,
                                     int limit) {
  const search::Query query = search::ReadQuery(text);
  std::vector<UnitAnswer> answers;
  if (search::Fold(query.unit).isEmpty()) return answers;
  for (const UnitEntry* unit : index.Find(query.unit)) {
    if (static_cast<int>(answers.size()) >= limit) break;
    if (!query.number.isEmpty() && answers.empty() && unit->kind == UnitEntry::Kind::Edit) {
      answers.push_back(Convert(*unit, owner, query.number, query.unit));
    } else {
      answers.push_back({unit, query.number, unit->caption, unit->window});
    }
  }
  return answers;
}
