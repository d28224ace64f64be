#include "tools/money/Rates.h"

#include <QCoreApplication>

#include "platform/Folders.h"
#include "platform/KeptFile.h"
#include "platform/Network.h"
#include "tools/money/Currencies.h"

namespace money {
namespace {

constexpr const char* kBankAddress =
    "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
constexpr qint64 kLargestFile = 1 << 20;

}  // namespace

QUrl RatesAddress() {
  const QString address = qEnvironmentVariable("TARVEL_RATES_URL");
  return QUrl(address.isEmpty() ? QString::fromLatin1(kBankAddress) : address);
}

QString KeptRatesPath() {
  return platform::CacheFolder() + QStringLiteral("/tarvel/eurofxref-daily.xml");
}

RateSheet KeptRates(QString* problem) {
  const platform::KeptRead kept = platform::ReadKeptFile(KeptRatesPath(), kLargestFile);
  RateSheet sheet;
  QString why = kept.reason;
  if (kept.Ok()) why = ReadBankFile(kept.bytes, Today(), sheet);
  if (problem && !why.isEmpty())
    *problem =
        QCoreApplication::translate("Rates", "los tipos guardados estaban dañados (%1)").arg(why);
  return sheet;
}

void DownloadRates(QObject* context, std::function<void(const Update&)> done) {
  // The download layer's own limits and rules (https, or http on this machine) hold.
  platform::Fetch(
      RatesAddress(), {}, context, [context, done](const platform::FetchResult& result) {
        using Fetched = platform::FetchResult::Outcome;
        Update update;
        if (result.outcome != Fetched::Ok) {
          update.outcome = result.outcome == Fetched::Offline ? Update::Outcome::Offline
                                                              : Update::Outcome::Refused;
          update.reason = result.reason;
        } else if (QString refused = ReadBankFile(result.body, Today(), update.sheet);
                   !refused.isEmpty()) {
          update.outcome = Update::Outcome::Refused;
          update.reason = std::move(refused);
        } else {
          update.outcome = Update::Outcome::Kept;
          // Rates that cannot be kept still serve now.
          platform::KeepDownloaded(
              KeptRatesPath(), result.body, context, [update, done](const QString& why) mutable {
                if (!why.isEmpty())
                  update.reason =
                      //: the rates just downloaded could not be kept; %1 why
                      QCoreApplication::translate("Rates", "no se pudieron guardar: %1").arg(why);
                done(update);
              });
          return;
        }
        done(update);
      });
}

}  // namespace money
