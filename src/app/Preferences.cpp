#include "app/Preferences.h"

#include <QStringList>
#include <algorithm>
#include <optional>

#include "platform/Folders.h"
#include "platform/KeptFile.h"

namespace prefs {
namespace {

// The first line names the file and its form; then "cifras=" and "notacion=", once each.
constexpr char kHeading[] = "# Tarvel: preferencias 1";
// Far more than the file ever holds: a larger one is not ours.
constexpr qint64 kMaxBytes = 1024;

constexpr struct {
  Notation notation;
  const char* word;
} kNotations[] = {{Notation::AsWindow, "ventana"},
                  {Notation::Scientific, "cientifica"},
                  {Notation::Engineering, "ingenieria"}};

bool ReadDigits(const QString& word, int& digits) {
  if (word == QLatin1String("ventana")) {
    digits = 0;
    return true;
  }
  // Only the digits themselves: toInt would also take "+4" or " 4".
  if (word.isEmpty() || word.size() > 2 ||
      !std::all_of(word.begin(), word.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
    return false;
  digits = word.toInt();
  return digits >= NumberStyle::kMinDigits && digits <= NumberStyle::kMaxDigits;
}

bool ReadNotation(const QString& word, Notation& notation) {
  for (const auto& n : kNotations) {
    if (word == QLatin1String(n.word)) {
      notation = n.notation;
      return true;
    }
  }
  return false;
}

std::optional<NumberStyle> Parse(const QByteArray& bytes) {
  // The file is ASCII; anything else is not ours.
  if (!std::all_of(bytes.begin(), bytes.end(),
                   [](char c) { return c == '\n' || (c >= ' ' && c < 127); }))
    return std::nullopt;
  const QString text = QString::fromLatin1(bytes);
  if (!text.endsWith(u'\n')) return std::nullopt;
  QStringList lines = text.split(u'\n');
  lines.removeLast();
  if (lines.size() != 3 || lines[0] != QLatin1String(kHeading)) return std::nullopt;
  NumberStyle style;
  bool digits = false, notation = false;
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QString key = lines[i].section(u'=', 0, 0);
    const QString value = lines[i].section(u'=', 1);
    if (key == QLatin1String("cifras") && !digits) {
      digits = ReadDigits(value, style.digits);
      if (!digits) return std::nullopt;
    } else if (key == QLatin1String("notacion") && !notation) {
      notation = ReadNotation(value, style.notation);
      if (!notation) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  return style;
}

QByteArray Format(const NumberStyle& style) {
  QByteArray text = QByteArray(kHeading) + '\n';
  text +=
      "cifras=" + (style.digits == 0 ? QByteArray("ventana") : QByteArray::number(style.digits)) +
      '\n';
  for (const auto& n : kNotations) {
    if (n.notation == style.notation) text += QByteArray("notacion=") + n.word + '\n';
  }
  return text;
}

}  // namespace

QString FilePath() { return platform::ConfigFolder() + QStringLiteral("/tarvel/preferencias"); }

NumberStyle Read() {
  const platform::KeptRead kept = platform::ReadKeptFile(FilePath(), kMaxBytes);
  if (!kept.Ok()) return {};
  return Parse(kept.bytes).value_or(NumberStyle());
}

QString Save(const NumberStyle& style) {
  QString reason;
  if (platform::WriteWholeFile(FilePath(), Format(style), &reason)) return QString();
  return reason;
}

bool Apply() {
  const NumberStyle style = Read();
  if (style == ResultStyle()) return false;
  SetResultStyle(style);
  return true;
}

}  // namespace prefs
