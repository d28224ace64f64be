#include "tools/money/BankFile.h"

#include <QSet>
#include <QXmlStreamReader>
#include <cmath>

#include "tools/money/Calendar.h"
#include "tools/money/Currencies.h"

namespace money {
namespace {

constexpr const char* kEnvelopeSpace = "http://www.gesmes.org/xml/2002-08-01";
constexpr const char* kRatesSpace = "http://www.ecb.int/vocabulary/2002-08-01/eurofxref";
constexpr int kFewestCurrencies = 10;

QString Quoted(const QStringView text) {
  return QStringLiteral("«") + text.left(20).toString() + QStringLiteral("»");
}

}  // namespace

bool RateInBounds(double perEuro) { return perEuro >= kSmallestRate && perEuro <= kLargestRate; }

QString ReadBankFile(const QByteArray& bytes, const QDate& today, RateSheet& sheet) {
  const QString notTheBank = QStringLiteral("no es el archivo de tipos del BCE");
  QXmlStreamReader xml(bytes);
  // The root must be the bank's envelope; a web page or anything else is not its file.
  while (!xml.atEnd() && !xml.isStartElement()) xml.readNext();
  if (!xml.isStartElement() || xml.name() != QLatin1String("Envelope") ||
      xml.namespaceUri() != QLatin1String(kEnvelopeSpace))
    return notTheBank;

  RateSheet read;
  QSet<QString> seen;
  int dated = 0;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement() || xml.name() != QLatin1String("Cube") ||
        xml.namespaceUri() != QLatin1String(kRatesSpace))
      continue;
    const QXmlStreamAttributes attributes = xml.attributes();
    if (attributes.hasAttribute(QLatin1String("time"))) {
      const QStringView time = attributes.value(QLatin1String("time"));
      read.date = QDate::fromString(time.toString(), Qt::ISODate);
      if (!read.date.isValid()) return QStringLiteral("fecha no válida: %1").arg(Quoted(time));
      if (++dated > 1) return QStringLiteral("trae más de un día");
    }
    if (!attributes.hasAttribute(QLatin1String("currency"))) continue;
    const QString code = attributes.value(QLatin1String("currency")).toString();
    if (!IsCurrencyCode(code))
      return QStringLiteral("código de divisa no válido: %1").arg(Quoted(code));
    const QStringView text = attributes.value(QLatin1String("rate"));
    bool number = false;
    const double rate = text.toDouble(&number);
    if (!number || !std::isfinite(rate) || rate <= 0)
      return QStringLiteral("tipo no válido para %1: %2").arg(code, Quoted(text));
    if (!RateInBounds(rate))
      return QStringLiteral("tipo fuera de lo posible para %1: %2").arg(code, Quoted(text));
    if (code == QLatin1String("EUR") || seen.contains(code))
      return QStringLiteral("divisa repetida: %1").arg(code);
    if (seen.size() >= kMostBankCurrencies)
      return QStringLiteral("trae más de %1 divisas").arg(kMostBankCurrencies);
    seen.insert(code);
    read.rates.push_back({code, rate});
  }
  if (xml.hasError()) return QStringLiteral("XML mal formado (línea %1)").arg(xml.lineNumber());
  if (!read.date.isValid()) return QStringLiteral("el archivo no trae fecha");
  if (read.date > today) return QStringLiteral("fecha futura: %1").arg(SpanishDate(read.date));
  if (read.rates.size() < kFewestCurrencies)
    return QStringLiteral("solo trae %1 divisas").arg(read.rates.size());
  sheet = std::move(read);
  return QString();
}

}  // namespace money
