#include "app/UnitAnswers.h"

#include <QApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>

#include "app/Catalogue.h"
#include "app/Language.h"
#include "app/UnitIndex.h"
#include "numeric/Numeric.h"
#include "platform/Accessibility.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Input.h"
#include "value/Locale.h"
#include "value/SearchText.h"

namespace {

// A figure as a search box shows it: six significant digits, the user's separator, a power of
// ten written as the windows write it ("9,46055E12").
QString Figure(long double value) {
  QString text = QString::number(static_cast<double>(value), 'g', 6);
  text.replace(u'.', QChar(platform::DecimalSeparator()));
  static const QRegularExpression power(QStringLiteral("e\\+?(-?)0*(\\d)"));
  text.replace(power, QStringLiteral("E\\1\\2"));
  return text;
}

// The units each family is answered in, as people of metric countries think of them: the first
// (the SI unit where it is an everyday one, else the everyday metric unit: the litre, the bar)
// for the answer itself, the rest for the figures beside it, in this order.
struct EverydayUnits {
  const char* item;      // the menu command of the family's window (its title is translated)
  const char* controls;  // the units' edits
};
constexpr EverydayUnits kEverydayUnits[] = {
    // metro, kilómetro, centímetro, pulgada, pie, yarda, milla, milímetro
    {"Longitud1", "Edit2 Edit1 Edit3 Edit4 Edit5 Edit6 Edit9 Edit11"},
    // metro², hectárea, kilómetro², pie², acre
    {"Superficie1", "Edit3 Edit2 Edit1 Edit6 Edit8"},
    // litro, metro³, galón (EE.UU.), galón imperial, pie³, centímetro³
    {"Volumenycapacidad1", "Edit16 Edit1 Edit11 Edit7 Edit5 Edit2"},
    // kilogramo, gramo, libra, onza, tonelada
    {"Masa1", "Edit2 Edit3 Edit14 Edit17 Edit1"},
    {"Peso1", "Edit2 Edit3 Edit8 Edit5 Edit1"},
    // kilogramo/litro, gramo/litro
    {"Densidad1", "Edit2 Edit4"},
    // bar, kilopascal, psi, atmósfera, mm de Hg
    {"P1", "Edit2 Edit15 Edit11 Edit1 Edit6"},
    // Celsius, Fahrenheit, Kelvin
    {"Unidades1", "Edit1 Edit2 Edit4"},
    // m/seg, km/hora, milla/hora, nudo, pie/seg
    {"Velocidad1", "Edit3 Edit1 Edit6 Edit8 Edit7"},
    // litro/segundo, litro/minuto, metro³/hora, galón/minuto
    {"Caudal1", "Edit1 Edit2 Edit7 Edit14"},
    // hora, minuto, segundo, día, semana
    {"Tiempo1", "Edit3 Edit2 Edit1 Edit4 Edit5"},
    // Joule, kilovatio hora, kilocaloría, BTU
    {"Energa1", "Edit1 Edit4 Edit17 Edit18"},
    // watt, kilowatt, HP, HP métrico
    {"Potencia", "Edit1 Edit2 Edit10 Edit11"},
    // grado sexagesimal, radián
    {"ngulo1", "Edit2 Edit1"},
    {"Iluminacin1", "Edit3"},  // lux
    // megaByte, kiloByte, gigaByte, Byte
    {"Datos1", "Edit18 Edit16 Edit20 Edit11"},
    // euro, dólar estadounidense, libra esterlina, yen, franco suizo
    {"Tiposdecambio1", "EditEUR EditUSD EditGBP EditJPY EditCHF"},
};

QStringList EverydayControls(const QString& item) {
  for (const EverydayUnits& family : kEverydayUnits)
    if (item == QLatin1String(family.item)) return QString::fromLatin1(family.controls).split(u' ');
  return {};
}

struct Reading {
  QString control;
  QString caption;
  long double value;
  QString written;  // the edit's text as its window wrote it
  QString shown;    // and as it shows it, in the user's style
};

// Types the number into the unit's edit of its window, headless, and reads the other units.
UnitAnswer Convert(const UnitEntry& unit, QWidget* owner, const QString& number,
                   const QString& typedUnit) {
  UnitAnswer answer{&unit, number, typedUnit, unit.caption, unit.window};
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
    readings.push_back(
        {edit->objectName(), edit->accessibleName(), value, edit->Text(), edit->ShownText()});
  }
  // The answer: the first of the family's everyday units whose figure reads well, else its
  // first. Beside it the other everyday units that read well, then any unit whose figure lies
  // between 1 and 1000, short symbols before long names, then the rest.
  const QStringList everyday = EverydayControls(unit.item);
  auto rank = [&](const Reading& r) {
    const qsizetype place = everyday.indexOf(r.control);
    return place < 0 ? everyday.size() : place;
  };
  auto between = [](const Reading& r, long double low, long double high) {
    const long double size = std::fabs(r.value);
    return size >= low && size < high;
  };
  auto readsWell = [&](const Reading& r) {
    return rank(r) < everyday.size() && between(r, 0.01L, 1e5L);
  };
  auto key = [&](const Reading& r) {
    return std::tuple(readsWell(r)          ? 0
                      : between(r, 1, 1000) ? 1
                                            : 2,
                      readsWell(r) ? rank(r) : 0, UnitAfter(r.caption, r.value).size());
  };
  std::stable_sort(readings.begin(), readings.end(),
                   [&](const Reading& a, const Reading& b) { return key(a) < key(b); });
  if (!readings.empty() && !readsWell(readings.front())) {
    const auto first = std::find_if(readings.begin(), readings.end(),
                                    [&](const Reading& r) { return rank(r) == 0; });
    if (first != readings.end()) std::rotate(readings.begin(), first, first + 1);
  }
  if (readings.empty()) return answer;
  const Reading& best = readings.front();
  // The first figure exactly as the window shows it.
  answer.title = number + u' ' + typedUnit + QStringLiteral(" = ") + best.shown + u' ' +
                 UnitAfter(best.caption, best.value);
  const bool asShown = form->property(platform::kFiguresAsShown).toBool();
  // Beside it, short figures: six significant digits, or as many as the user chose, in the
  // user's notation.
  const NumberStyle& style = ResultStyle();
  const NumberStyle brief{style.digits == 0 ? 6 : style.digits, style.notation};
  auto figure = [&](const Reading& r) {
    if (asShown) return r.shown;
    return style.AsWindow() ? Figure(r.value) : Restyle(r.written, brief);
  };
  QStringList others;
  for (std::size_t i = 1; i < readings.size() && others.size() < 3; ++i)
    others << figure(readings[i]) + u' ' + UnitAfter(readings[i].caption, readings[i].value);
  const QString source = form->property(platform::kAnswerSource).toString();
  answer.description = others.join(QStringLiteral(" · ")) + QStringLiteral(" — ") +
                       (source.isEmpty() ? unit.window : source);
  return answer;
}

}  // namespace

QString UnitAfter(const QString& caption, long double value) {
  const qsizetype open = caption.indexOf(u'[');
  if (open >= 0) {
    const QString symbol = caption.mid(open + 1).section(u']', 0, 0).trimmed();
    if (!symbol.isEmpty() && symbol.size() <= 4 &&
        std::all_of(symbol.begin(), symbol.end(),
                    [](QChar c) { return c.isLetterOrNumber() || c == u'/'; }))
      return symbol;
  }
  const QString name =
      caption.section(QRegularExpression(QStringLiteral("[\\[(]")), 0, 0).trimmed();
  // In Spanish a one-word name ending in a vowel takes an s ("pulgadas", "yardas", "nudos");
  // any other, and every name in another language, is written as the window writes it.
  const bool plural = language::Current() == QLatin1String("es") && std::fabs(value) != 1 &&
                      name.size() >= 3 && !name.back().isUpper() &&
                      std::all_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }) &&
                      QStringLiteral("aeo").contains(name.back());
  return plural ? name + u's' : name;
}

std::vector<UnitAnswer> AnswerSearch(const UnitIndex& index, QWidget* owner, const QString& text,
                                     int limit) {
  const search::Query query = search::ReadQuery(text);
  std::vector<UnitAnswer> answers;
  if (search::Fold(query.unit).isEmpty() || limit <= 0) return answers;
  // A unit whose edit takes no input (a currency without rates) has no answer to give.
  std::vector<const UnitEntry*> found = index.Find(query.unit);
  std::erase_if(found, [](const UnitEntry* unit) { return !unit->enabled; });
  // A quantity is converted in the unit that answers the words best, a plain one before one per
  // something ("3,5 libras" are pounds, not pounds per yard) unless a "/" was typed, and among
  // equals a family's everyday unit (the avoirdupois pound, not the troy one).
  const UnitEntry* converted = nullptr;
  if (!query.number.isEmpty()) {
    const search::Words words = search::ReadWords(query.unit);
    auto score = [&](const UnitEntry* unit) {
      const bool plain = query.unit.contains(u'/') || !unit->caption.contains(u'/');
      const bool everyday = EverydayControls(unit->item).contains(unit->control);
      return std::tuple(plain ? 0 : 1, search::MatchRank(unit->target, words), everyday ? 0 : 1);
    };
    for (const UnitEntry* unit : found)
      if (unit->kind == UnitEntry::Kind::Edit && (!converted || score(unit) < score(converted)))
        converted = unit;
    if (converted) answers.push_back(Convert(*converted, owner, query.number, query.unit));
  }
  for (const UnitEntry* unit : found) {
    if (static_cast<int>(answers.size()) >= limit) break;
    if (unit != converted) answers.push_back(AnswerUnit(*unit, owner, query.number, {}));
  }
  return answers;
}

UnitAnswer AnswerUnit(const UnitEntry& unit, QWidget* owner, const QString& number,
                      const QString& typedUnit) {
  if (typedUnit.isEmpty() || number.isEmpty())
    return {&unit, number, {}, unit.caption, unit.window};
  return Convert(unit, owner, number, typedUnit);
}
