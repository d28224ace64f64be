#pragma once
// How the unit search reads what the user types: a quantity's number, the unit's words, and
// how well a unit's names answer them. No widgets here: the same reading serves the search
// window and anything else that looks units up.

#include <QHash>
#include <QString>
#include <QStringList>

namespace search {

// The text as the search compares it: lower case, without accents, the degree and ordinal
// signs dropped ("ºC" and "°C" are "c"), raised digits as digits ("m³" is "m3"), blanks
// collapsed.
QString Fold(const QString& text);
// The singular of a simple Spanish plural ("pies", "libras", "galones"), or the word itself.
QString Singular(const QString& word);

// A typed search: a leading number in the user's format, then the unit.
struct Query {
  QString number;  // the number exactly as typed ("-2,5E3"); empty when the text has none
  QString unit;    // the rest, trimmed: the words to look for
};
// "5 pies" gives 5 and "pies"; "2,5 km", "-40 ºF", "1E3 psi" likewise. '.' and ',' are both
// read as the decimal separator, as the converters read them, and one exponent is allowed.
// A text that does not start with a number is all unit.
Query ReadQuery(const QString& text);

// The names of one unit as the search compares them: each caption folded, and the parts of
// each that count as the whole name: the caption itself, its name before the first bracket,
// its symbols, the pieces inside the brackets ("pie [foot ('), ft]" has the name "pie" and
// the symbols "foot", "'" and "ft"), and its name written with the symbols of its words.
struct Target {
  QStringList names;
  QStringList wholes;
  QStringList capitalSymbols;  // the symbols written in capitals ("C" of "Celsius (C)")
};
// Words by the symbols that the units named by them carry ("milimetro" -> "mm").
using WordSymbols = QHash<QString, QString>;
Target MakeTarget(const QStringList& captions, const WordSymbols& symbols = {});
// The symbol a one-word unit name carries, to add to WordSymbols: "milímetro [mm]" gives
// "milimetro" and "mm"; empty for other captions.
std::pair<QString, QString> WordSymbolOf(const QString& caption);

// The folded words of a search, with the singulars of simple Spanish plurals.
struct Words {
  QStringList phrases;         // the words as typed, and all in the singular
  QList<QStringList> choices;  // each word, and its singular
  bool degree = false;         // typed after a degree sign: a temperature's capital symbol
  bool Empty() const { return phrases.isEmpty(); }
};
Words ReadWords(const QString& text);

// How well a unit answers a search, best first: 0 the whole name or one of its symbols, 1
// the words in a row from the start of the caption, 2 from the start of a later word, 3 every
// word at the start of some word of one name; kNoMatch when it does not answer.
inline constexpr int kNoMatch = -1;
int MatchRank(const Target& target, const Words& words);

}  // namespace search
