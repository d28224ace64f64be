#pragma once
// What the monkey reads as a broken text: a value that no double holds, shown to the user.

#include <QString>
#include <QStringList>

namespace monkey {

// True when the text shows an infinity, a NaN or a power of ten beyond the range of a
// double (above 1E308, below 1E-324). A text of digits and capitals alone is taken for a
// numeral in another base.
bool ShowsNonNumber(const QString& text);

// The text of a message without what repeats the user's input: anything quoted, and each of
// the inputs (of three characters or more), or the longest start of one, where it appears
// unquoted.
QString WithoutInput(QString text, QStringList inputs);

}  // namespace monkey
