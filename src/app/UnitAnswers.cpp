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
  const bool plural = std::fabs(value) != 1 && name.size() >= 3 && !name.back().isUpper() &&
                      std::all_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }) &&
                      QStringLiteral("aeo").contains(name.back());
  return plural ? name + u's' : name;
}

// The unit each family is answered in first, as people of metric countries think of it: the SI
// unit where it is an everyday one, else the everyday metric unit (the litre, the bar). A quantity
// typed in that unit itself is answered in the most useful of the others.
struct EverydayUnit {
  const char* window;   // the window's title, UTF-8
  const char* control;  // the unit's edit
};
constexpr EverydayUnit kEverydayUnits[] = {
    {"Unidades de longitud", "Edit2"},             // metro
    {"Unidades de superficie", "Edit3"},           // metro cuadrado
    {"Unidades de volumen y capacidad", "Edit16"}, // litro
    {"Unidades de masa", "Edit2"},                 // kilogramo
    {"Unidades de Peso", "Edit2"},                 // kilogramo
    {"Unidades de densidad", "Edit2"},             // kilogramo/litro
    {"Unidades de presión", "Edit2"},              // bar
    {"Unidades de temperatura", "Edit1"},          // Celsius
    {"Unidades de Velocidad", "Edit3"},            // m/seg
    {"Caudal", "Edit1"},                           // litro/segundo
    {"Unidades de energía - trabajo - cant. de calor", "Edit1"},  // Joule
    {"Unidades de potencia", "Edit1"},             // watt
    {"Ángulos planos", "Edit2"},                   // grado sexagesimal
    {"Tarvel - Iluminación", "Edit3"},             // lux
};

QString EverydayControl(const QString& window) {
  for (const EverydayUnit& unit : kEverydayUnits)
    if (window == QString::fromUtf8(unit.window)) return QString::fromLatin1(unit.control);
  return {};
}

struct Reading {
  QString control;
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
    readings.push_back({edit->objectName(), edit->accessibleName(), value, edit->Text()});
  }
  // The family's everyday unit first, then the most useful: figures between 1 and 1000, short
  // symbols before long names.
  const QString everyday = EverydayControl(unit.window);
  auto useful = [](const Reading& r) {
    const long double size = std::fabs(r.value);
    return size >= 1 && size < 1000;
  };
  std::stable_sort(readings.begin(), readings.end(), [&](const Reading& a, const Reading& b) {
    if ((a.control == everyday) != (b.control == everyday)) return a.control == everyday;
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
