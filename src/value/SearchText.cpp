#include "value/SearchText.h"

#include <QRegularExpression>
#include <algorithm>

namespace search {
namespace {

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool IsVowel(QChar c) { return c == u'a' || c == u'e' || c == u'i' || c == u'o' || c == u'u'; }

bool IsDegree(QChar c) { return c == u'º' || c == u'°'; }

bool WordStartAt(const QString& text, qsizetype at) {
  return at == 0 || !text[at - 1].isLetterOrNumber();
}

// Where the words start a word of the text, as one run of characters; -1 when nowhere.
qsizetype FindAtWordStart(const QString& text, const QString& words) {
  for (qsizetype at = text.indexOf(words); at >= 0; at = text.indexOf(words, at + 1)) {
    if (WordStartAt(text, at)) return at;
  }
  return -1;
}

int RankIn(const QString& name, const Words& words) {
  int best = kNoMatch;
  for (const QString& phrase : words.phrases) {
    const qsizetype at = FindAtWordStart(name, phrase);
    if (at == 0) return 1;
    if (at > 0) best = 2;
  }
  if (best != kNoMatch) return best;
  for (const QStringList& choices : words.choices) {
    const bool found = std::any_of(choices.begin(), choices.end(), [&](const QString& word) {
      return FindAtWordStart(name, word) >= 0;
    });
    if (!found) return kNoMatch;
  }
  return 3;
}

const QRegularExpression& Opening() {
  static const QRegularExpression opening(QStringLiteral("[\\[(]"));
  return opening;
}

// The pieces inside a caption's brackets, trimmed.
QStringList Symbols(const QString& caption) {
  static const QRegularExpression pieces(QStringLiteral("[,()\\[\\]]"));
  QStringList symbols;
  const qsizetype open = caption.indexOf(Opening());
  if (open < 0) return symbols;
  for (const QString& piece : caption.mid(open + 1).split(pieces)) {
    const QString symbol = piece.trimmed();
    if (!symbol.isEmpty()) symbols << symbol;
  }
  return symbols;
}

QString NamePart(const QString& caption) {
  const qsizetype open = caption.indexOf(Opening());
  return (open < 0 ? caption : caption.left(open)).trimmed();
}

}  // namespace

QString Fold(const QString& text) {
  QString kept;
  kept.reserve(text.size());
  for (const QChar c : text) {
    if (!IsDegree(c)) kept += c;
  }
  const QString decomposed = kept.normalized(QString::NormalizationForm_KD);
  QString folded;
  folded.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    if (c.category() != QChar::Mark_NonSpacing) folded += c;
  }
  return folded.toCaseFolded().simplified();
}

QString Singular(const QString& word) {
  const qsizetype n = word.size();
  if (n > 4 && word.endsWith(QLatin1String("es")) && word[n - 3].isLetter() &&
      !IsVowel(word[n - 3]))
    return word.left(n - 2);
  // Only a word's own s is a plural: "km/s" is kilometres per second.
  if (n > 2 && word.endsWith(u's') && word[n - 2].isLetter()) return word.left(n - 1);
  return word;
}

Query ReadQuery(const QString& text) {
  const qsizetype n = text.size();
  qsizetype start = 0;
  while (start < n && text[start].isSpace()) ++start;
  qsizetype at = start;
  if (at < n && text[at] == u'-') ++at;
  const qsizetype digits = at;
  while (at < n && IsAsciiDigit(text[at])) ++at;
  if (at == digits) return {QString(), text.trimmed()};
  // A separator counts only with a digit after it, as the converters read a number.
  if (at + 1 < n && (text[at] == u'.' || text[at] == u',') && IsAsciiDigit(text[at + 1])) {
    at += 1;
    while (at < n && IsAsciiDigit(text[at])) ++at;
  }
  if (at < n && (text[at] == u'e' || text[at] == u'E')) {
    qsizetype exponent = at + 1;
    if (exponent < n && text[exponent] == u'-') ++exponent;
    const qsizetype first = exponent;
    while (exponent < n && IsAsciiDigit(text[exponent])) ++exponent;
    if (exponent > first) at = exponent;
  }
  return {text.mid(start, at - start), text.mid(at).trimmed()};
}

std::pair<QString, QString> WordSymbolOf(const QString& caption) {
  const QString name = Fold(NamePart(caption));
  const QStringList symbols = Symbols(Fold(caption));
  if (name.isEmpty() || name.contains(u' ') || symbols.isEmpty()) return {};
  const QString& symbol = symbols.first();
  const bool plain = symbol.size() <= 3 && std::all_of(symbol.begin(), symbol.end(),
                                                       [](QChar c) { return c.isLetter(); });
  if (!plain) return {};
  return {name, symbol};
}

Target MakeTarget(const QStringList& captions, const WordSymbols& symbols) {
  Target target;
  for (const QString& caption : captions) {
    const QString name = Fold(caption);
    if (name.isEmpty()) continue;
    target.names << name;
    target.wholes << name << NamePart(name) << Symbols(name);
    // "Celsius o Centígrado": either name is the whole name.
    if (NamePart(name).contains(QLatin1String(" o ")))
      target.wholes << NamePart(name).split(QStringLiteral(" o "));
    for (const QString& symbol : Symbols(caption)) {
      const QString letters = Fold(symbol);
      if (symbol == symbol.toUpper() && letters.size() <= 2) target.capitalSymbols << letters;
    }
    // "milímetros de Hg" is also "mmHg", written with the symbols of its words.
    if (symbols.isEmpty()) continue;
    const QStringList words = NamePart(name).split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 2) continue;
    QString abbreviated;
    bool replaced = false;
    for (const QString& word : words) {
      if (word == QLatin1String("de") || word == QLatin1String("del")) continue;
      const QString symbol = symbols.value(word, symbols.value(Singular(word)));
      replaced = replaced || !symbol.isEmpty();
      abbreviated += symbol.isEmpty() ? word : symbol;
    }
    if (replaced) target.wholes << abbreviated;
  }
  target.wholes.removeAll(QString());
  return target;
}

Words ReadWords(const QString& text) {
  Words words;
  const QString folded = Fold(text);
  if (folded.isEmpty()) return words;
  words.degree = std::any_of(text.begin(), text.end(), IsDegree);
  QStringList singulars;
  for (const QString& word : folded.split(u' ', Qt::SkipEmptyParts)) {
    const QString singular = Singular(word);
    words.choices << (singular == word ? QStringList{word} : QStringList{word, singular});
    singulars << singular;
  }
  words.phrases << folded;
  const QString singularPhrase = singulars.join(u' ');
  if (singularPhrase != folded) words.phrases << singularPhrase;
  return words;
}

int MatchRank(const Target& target, const Words& words) {
  if (words.Empty()) return kNoMatch;
  // After a degree sign only a temperature's symbol, in capitals, is the whole name.
  const QStringList& wholes = words.degree ? target.capitalSymbols : target.wholes;
  for (const QString& whole : wholes) {
    if (words.phrases.contains(whole)) return 0;
  }
  int best = kNoMatch;
  for (const QString& name : target.names) {
    const int rank = RankIn(name, words);
    if (rank != kNoMatch && (best == kNoMatch || rank < best)) best = rank;
  }
  return best;
}

}  // namespace search
