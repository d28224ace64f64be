#include "driver/monkey/Checks.h"

#include <QRegularExpression>

namespace monkey {

bool ShowsNonNumber(const QString& text) {
  // Most texts hold neither an n nor an E; the expressions are for those that do.
  if (!text.contains(u'n', Qt::CaseInsensitive) && !text.contains(u'e', Qt::CaseInsensitive))
    return false;
  static const QRegularExpression special(QStringLiteral("(?<!\\p{L})(inf|infinity|nan)(?!\\p{L})"),
                                          QRegularExpression::CaseInsensitiveOption);
  if (special.match(text).hasMatch()) return true;
  // Digits and capitals alone may be a numeral in another base ("1E400" in base 15).
  static const QRegularExpression numeral(QStringLiteral("^[0-9A-Z]+$"));
  if (numeral.match(text).hasMatch()) return false;
  static const QRegularExpression exponent(QStringLiteral("\\d[eE]([+-]?)0*(\\d+)"));
  for (auto it = exponent.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const int power = m.captured(2).size() > 4 ? 99999 : m.captured(2).toInt();
    if (power > (m.captured(1) == u'-' ? 324 : 308)) return true;
  }
  return false;
}

QString WithoutInput(QString text, QStringList inputs) {
  // A message may quote only the start of a long input: the longest start of three
  // characters or more that it holds goes (a digit or a sign alone may be anything). The
  // longest quote goes first, whichever input it comes from: one input may hold a quote, or
  // another input, of its own, or begin as another does.
  for (;;) {
    qsizetype longest = 0;
    qsizetype from = -1;
    for (qsizetype i = 0; i < inputs.size(); ++i) {
      for (qsizetype k = inputs[i].size(); k >= 3 && k > longest; --k) {
        if (text.contains(inputs[i].left(k))) {
          longest = k;
          from = i;
          break;
        }
      }
    }
    if (from < 0) break;
    text.remove(inputs[from].left(longest));
    inputs.removeAt(from);
  }
  static const QRegularExpression quoted(QStringLiteral("'[^']*'|\"[^\"]*\""));
  return text.remove(quoted);
}

}  // namespace monkey
