#include "tools/money/Rates.h"

#include <QLocale>
#include <QSet>
#include <QTimeZone>
#include <QTimer>
#include <QXmlStreamReader>
#include <cmath>

#include "platform/Folders.h"
#include "platform/KeptFile.h"
#include "platform/Network.h"
#include "tools/money/Currencies.h"

namespace money {
namespace {

constexpr const char* kBankAddress =
    "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
constexpr const char* kEnvelopeSpace = "http://www.gesmes.org/xml/2002-08-01";
constexpr const char* kRatesSpace = "http://www.ecb.int/vocabulary/2002-08-01/eurofxref";
constexpr int kFewestCurrencies = 10;
constexpr qint64 kLargestFile = 1 << 20;

int g_patience = 15000;

QString Quoted(const QStringView text) {
  return QStringLiteral("«") + text.left(20).toString() + QStringLiteral("»");
}

// Easter Sunday of the Gregorian calendar (the anonymous algorithm).
QDate Easter(int year) {
  const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
  return QDate(year, month, day);
}

// The days on which the bank fixes no rates: weekends and the closing days of its settlement
// system (New Year, Good Friday, Easter Monday, 1 May, Christmas and the day after).
bool Closed(const QDate& day) {
  if (day.dayOfWeek() >= 6) return true;
  const int month = day.month(), dom = day.day();
  if ((month == 1 && dom == 1) || (month == 5 && dom == 1) ||
      (month == 12 && (dom == 25 || dom == 26)))
    return true;
  const QDate easter = Easter(day.year());
  return day == easter.addDays(-2) || day == easter.addDays(1);
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

QDate LastPublication(const QDateTime& now) {
  const QTimeZone frankfurt("Europe/Berlin");
  const QDateTime there =
      frankfurt.isValid() ? now.toTimeZone(frankfurt) : now.toOffsetFromUtc(3600);
  QDate day = there.date();
  if (there.time() < QTime(16, 0)) day = day.addDays(-1);
  while (Closed(day)) day = day.addDays(-1);
  return day;
}

QString SpanishDate(const QDate& date) {
  return QLocale(QLocale::Spanish, QLocale::Spain)
      .toString(date, QStringLiteral("d 'de' MMMM 'de' yyyy"));
}

QUrl RatesAddress() {
  const QString address = qEnvironmentVariable("TARVEL_RATES_URL");
  return QUrl(address.isEmpty() ? QString::fromLatin1(kBankAddress) : address);
}

QString AddressProblem(const QUrl& url) {
  if (!url.isValid() || url.host().isEmpty())
    return QStringLiteral("dirección de descarga no válida");
  if (url.scheme() == QLatin1String("https")) return QString();
  if (url.scheme() == QLatin1String("http") && platform::IsLoopback(url)) return QString();
  return QStringLiteral("solo se descarga por https");
}

QString KeptRatesPath() {
  return platform::CacheFolder() + QStringLiteral("/tarvel/eurofxref-daily.xml");
}

RateSheet KeptRates(QString* problem) {
  const platform::KeptRead kept = platform::ReadKeptFile(KeptRatesPath(), kLargestFile);
  RateSheet sheet;
  QString why = kept.reason;
  if (kept.Ok()) why = ReadBankFile(kept.bytes, QDate::currentDate(), sheet);
  if (problem && !why.isEmpty())
    *problem = QStringLiteral("los tipos guardados estaban dañados (%1)").arg(why);
  return sheet;
}

void SetDownloadPatience(int milliseconds) { g_patience = milliseconds; }

void DownloadRates(QObject* context, std::function<void(const Update&)> done) {
  const QUrl url = RatesAddress();
  if (const QString problem = AddressProblem(url); !problem.isEmpty()) {
    QTimer::singleShot(0, context, [problem, done] {
      done({Update::Outcome::Refused, {}, problem});
    });
    return;
  }
  platform::FetchLimits limits;
  limits.maxBytes = kLargestFile;
  limits.timeoutMs = g_patience;
  platform::Fetch(url, limits, context, [context, done](const platform::FetchResult& result) {
    using Fetched = platform::FetchResult::Outcome;
    Update update;
    if (result.outcome != Fetched::Ok) {
      update.outcome =
          result.outcome == Fetched::Offline ? Update::Outcome::Offline : Update::Outcome::Refused;
      update.reason = result.reason;
    } else if (QString refused = ReadBankFile(result.body, QDate::currentDate(), update.sheet);
               !refused.isEmpty()) {
      update.outcome = Update::Outcome::Refused;
      update.reason = std::move(refused);
    } else {
      update.outcome = Update::Outcome::Kept;
      // Rates that cannot be kept still serve now.
      platform::KeepDownloaded(KeptRatesPath(), result.body, context,
                               [update, done](const QString& why) mutable {
                                 if (!why.isEmpty())
                                   update.reason = QStringLiteral("no se pudieron guardar: ") + why;
                                 done(update);
                               });
      return;
    }
    done(update);
  });
}

}  // namespace money
