#include "tools/money/BankFile.h"

#include <QCoreApplication>
#include <QHash>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

#include "tools/money/Calendar.h"
#include "tools/money/Currencies.h"

namespace money {
namespace {

// The bank's envelope: its own prefix bound to the envelope's namespace, and the rates'
// namespace the default one, so that the rates' elements are plain "Cube".
bool IsBankEnvelope(const QXmlStreamReader& xml) {
  const QStringView name = xml.qualifiedName();
  const qsizetype colon = name.indexOf(u':');
  if (colon <= 0 || name.mid(colon + 1) != QLatin1String("Envelope")) return false;
  const QXmlStreamAttributes attributes = xml.attributes();
  const QString prefix = QStringLiteral("xmlns:") + name.left(colon).toString();
  return attributes.value(prefix) == QLatin1String(kEnvelopeSpace) &&
         attributes.value(QLatin1String("xmlns")) == QLatin1String(kRatesSpace);
}

// A currency's code as one number, to tell a day's codes apart without a string each.
quint32 Packed(QStringView code) {
  return (quint32(code[0].unicode()) << 16) ^ (quint32(code[1].unicode()) << 8) ^
         quint32(code[2].unicode());
}

QString Quoted(const QStringView text) {
  //: a piece of the file, quoted
  return QCoreApplication::translate("BankFile", "«%1»").arg(text.left(20).toString());
}

}  // namespace

bool RateInBounds(double perEuro) { return perEuro >= kSmallestRate && perEuro <= kLargestRate; }

QString ReadBankDays(const QByteArray& bytes, const QDate& today, int mostDays,
                     std::vector<RateSheet>& days) {
  QXmlStreamReader xml(bytes);
  // Namespaces are checked on the envelope by hand: reading them at every element would
  // cost the history, some 200 000 elements, a third of its time.
  xml.setNamespaceProcessing(false);
  // The root must be the bank's envelope; a web page or anything else is not its file.
  while (!xml.atEnd() && !xml.isStartElement()) xml.readNext();
  if (!xml.isStartElement() || !IsBankEnvelope(xml))
    return QCoreApplication::translate("BankFile", "no es el archivo de tipos del BCE");

  std::vector<RateSheet> read;
  std::vector<quint32> seen;      // the codes of the day being read
  QHash<quint32, QString> codes;  // one string a code, shared by every day
  // What is wrong with the day being read, named by its date when the file holds many.
  auto wrong = [&](const QString& why) {
    if (mostDays == 1 || read.empty() || !read.back().date.isValid()) return why;
    //: %1 a day of the file ("3 de enero de 2000"), %2 what is wrong with it
    return QCoreApplication::translate("BankFile", "el %1: %2")
        .arg(DateText(read.back().date), why);
  };
  // A day is whole once the next starts, or the file ends.
  auto dayEnds = [&]() -> QString {
    if (read.empty()) return QString();
    const RateSheet& day = read.back();
    if (day.date > today)
      return QCoreApplication::translate("BankFile", "fecha futura: %1").arg(DateText(day.date));
    if (day.rates.size() < kFewestCurrencies)
      return wrong(
          QCoreApplication::translate("BankFile", "solo trae %1 divisas").arg(day.rates.size()));
    if (read.size() >= 2) {
      const QDate before = read[read.size() - 2].date;
      if (day.date == before) return wrong(QCoreApplication::translate("BankFile", "día repetido"));
      // In one order or the other (the bank's history runs from the newest day back).
      if (read.size() >= 3 && (day.date < before) != (before < read[read.size() - 3].date))
        return wrong(QCoreApplication::translate("BankFile", "días fuera de orden"));
    }
    return QString();
  };
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement() || xml.qualifiedName() != QLatin1String("Cube")) continue;
    const QXmlStreamAttributes attributes = xml.attributes();
    // One pass over the element's few attributes.
    QStringView time, written, text;
    bool timed = false, coded = false;
    for (const QXmlStreamAttribute& attribute : attributes) {
      const QStringView name = attribute.qualifiedName();
      if (name == QLatin1String("time")) {
        time = attribute.value();
        timed = true;
      } else if (name == QLatin1String("currency")) {
        written = attribute.value();
        coded = true;
      } else if (name == QLatin1String("rate")) {
        text = attribute.value();
      }
    }
    if (timed) {
      if (const QString bad = dayEnds(); !bad.isEmpty()) return bad;
      if (static_cast<int>(read.size()) >= mostDays)
        return mostDays == 1
                   ? QCoreApplication::translate("BankFile", "trae más de un día")
                   : QCoreApplication::translate("BankFile", "trae más de %1 días").arg(mostDays);
      read.emplace_back();
      read.back().rates.reserve(static_cast<std::size_t>(seen.size()));
      read.back().date = QDate::fromString(time.toString(), Qt::ISODate);
      if (!read.back().date.isValid())
        return QCoreApplication::translate("BankFile", "fecha no válida: %1").arg(Quoted(time));
      seen.clear();
    }
    if (!coded) continue;
    if (read.empty()) read.emplace_back();  // rates before any date: refused below
    if (!IsCurrencyCode(written))
      return wrong(QCoreApplication::translate("BankFile", "código de divisa no válido: %1")
                       .arg(Quoted(written)));
    const quint32 packed = Packed(written);
    auto known = codes.find(packed);
    if (known == codes.end()) known = codes.insert(packed, written.toString());
    const QString& code = *known;
    bool number = false;
    const double rate = text.toDouble(&number);
    if (!number || !std::isfinite(rate) || rate <= 0)
      return wrong(QCoreApplication::translate("BankFile", "tipo no válido para %1: %2")
                       .arg(code, Quoted(text)));
    if (!RateInBounds(rate))
      return wrong(QCoreApplication::translate("BankFile", "tipo fuera de lo posible para %1: %2")
                       .arg(code, Quoted(text)));
    if (code == QLatin1String("EUR") || std::find(seen.begin(), seen.end(), packed) != seen.end())
      return wrong(QCoreApplication::translate("BankFile", "divisa repetida: %1").arg(code));
    if (seen.size() >= static_cast<std::size_t>(kMostBankCurrencies))
      return wrong(QCoreApplication::translate("BankFile", "trae más de %1 divisas")
                       .arg(kMostBankCurrencies));
    seen.push_back(packed);
    read.back().rates.push_back({code, rate});
  }
  if (xml.hasError())
    return QCoreApplication::translate("BankFile", "XML mal formado (línea %1)")
        .arg(xml.lineNumber());
  if (read.empty() || !read.front().date.isValid())
    return QCoreApplication::translate("BankFile", "el archivo no trae fecha");
  if (const QString bad = dayEnds(); !bad.isEmpty()) return bad;
  days = std::move(read);
  return QString();
}

QString ReadBankFile(const QByteArray& bytes, const QDate& today, RateSheet& sheet) {
  std::vector<RateSheet> days;
  const QString why = ReadBankDays(bytes, today, 1, days);
  if (why.isEmpty()) sheet = std::move(days.front());
  return why;
}

}  // namespace money
