#include "tools/money/History.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

#include "platform/Folders.h"
#include "platform/KeptFile.h"
#include "platform/Network.h"
#include "tools/money/BankScan.h"
#include "tools/money/Calendar.h"

namespace money {
namespace {

constexpr const char* kBankHistory = "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-hist.xml";
constexpr int kHistoryPatienceMs = 120000;  // several megabytes on a slow line

// Reads and checks a history file: the history, or none and why.
std::shared_ptr<const RateHistory> Read(const QByteArray& bytes, QString& why) {
  std::vector<RateSheet> days;
  const QDate today = Today();
  // The bank's own layout is scanned; anything else, and every fault, the XML reader reads.
  why = ScanBankDays(bytes, today, kMostHistoryDays, days)
            ? QString()
            : ReadBankDays(bytes, today, kMostHistoryDays, days);
  if (!why.isEmpty()) return nullptr;
  if (days.front().date < kFirstPublication || days.back().date < kFirstPublication) {
    why = QCoreApplication::translate("History", "días antes del 4 de enero de 1999");
    return nullptr;
  }
  return std::make_shared<const RateHistory>(std::move(days));
}

// Why a downloaded history was refused, as the status bar says it.
QString Refused(const QString& why) {
  return QCoreApplication::translate("History", "histórico rechazado: %1").arg(why);
}

// Why a good history could not be kept.
QString NotKept(const QString& why) {
  return QCoreApplication::translate("History", "no se pudo guardar el histórico: %1").arg(why);
}

}  // namespace

RateHistory::RateHistory(std::vector<RateSheet>&& days) {
  // The bank's history runs from the newest day back.
  if (days.size() > 1 && days.front().date > days.back().date)
    std::reverse(days.begin(), days.end());
  std::sort(days.begin(), days.end(),
            [](const RateSheet& a, const RateSheet& b) { return a.date < b.date; });
  // A code's column, found by its three letters as one number (a file's codes are checked).
  QHash<quint32, int> column;
  auto key = [](const QString& code) {
    return (quint32(code[0].unicode()) << 16) | (quint32(code[1].unicode()) << 8) |
           quint32(code[2].unicode());
  };
  std::vector<int> at;  // the column of every rate, in the order of the days
  for (const RateSheet& day : days) {
    for (const Rate& rate : day.rates) {
      auto found = column.constFind(key(rate.code));
      if (found == column.cend()) {
        found = column.insert(key(rate.code), static_cast<int>(codes_.size()));
        codes_ << rate.code;
      }
      at.push_back(*found);
    }
  }
  const std::size_t width = static_cast<std::size_t>(codes_.size());
  perEuro_.assign(days.size() * width, 0);
  days_.reserve(days.size());
  std::size_t next = 0;
  for (std::size_t d = 0; d < days.size(); ++d) {
    days_.push_back(days[d].date);
    for (const Rate& rate : days[d].rates) perEuro_[d * width + at[next++]] = rate.perEuro;
  }
}

RateSheet RateHistory::On(const QDate& asked) const {
  RateSheet sheet;
  const auto after = std::upper_bound(days_.begin(), days_.end(), asked);
  if (after == days_.begin()) return sheet;
  const std::size_t d = static_cast<std::size_t>(after - days_.begin()) - 1;
  const std::size_t width = static_cast<std::size_t>(codes_.size());
  sheet.date = days_[d];
  for (std::size_t c = 0; c < width; ++c) {
    const double perEuro = perEuro_[d * width + c];
    if (perEuro > 0) sheet.rates.push_back({codes_[static_cast<int>(c)], perEuro});
  }
  return sheet;
}

QUrl HistoryAddress() {
  const QString address = qEnvironmentVariable("TARVEL_RATES_HISTORY_URL");
  return QUrl(address.isEmpty() ? QString::fromLatin1(kBankHistory) : address);
}

QString KeptHistoryPath() {
  return platform::CacheFolder() + QStringLiteral("/tarvel/eurofxref-hist.xml");
}

void LoadKeptHistory(QObject* context, HistoryDone done) {
  struct Loaded {
    std::shared_ptr<const RateHistory> history;
    QString why;
  };
  auto loaded = std::make_shared<Loaded>();
  platform::RunAside(
      context,
      [loaded] {
        const platform::KeptRead kept = platform::ReadKeptFile(KeptHistoryPath(), kLargestHistory);
        if (kept.Ok()) {
          loaded->history = Read(kept.bytes, loaded->why);
        } else {
          loaded->why = kept.reason;
        }
        if (!loaded->why.isEmpty())
          loaded->why =
              QCoreApplication::translate("History", "el histórico guardado estaba dañado (%1)")
                  .arg(loaded->why);
      },
      [loaded, done = std::move(done)] { done(loaded->history, loaded->why); });
}

void DownloadHistory(QObject* context, HistoryDone done) {
  platform::FetchLimits limits;
  limits.maxBytes = kLargestHistory;
  limits.timeoutMs = kHistoryPatienceMs;
  platform::Fetch(HistoryAddress(), limits, context,
                  [context, done](const platform::FetchResult& result) {
                    if (result.outcome != platform::FetchResult::Outcome::Ok) {
                      done(nullptr, result.outcome == platform::FetchResult::Outcome::Offline
                                        ? result.reason
                                        : Refused(result.reason));
                      return;
                    }
                    struct Read_ {
                      std::shared_ptr<const RateHistory> history;
                      QString why;
                    };
                    auto read = std::make_shared<Read_>();
                    const QByteArray body = result.body;
                    platform::RunAside(
                        context,
                        [read, body] {
                          read->history = Read(body, read->why);
                          if (!read->history) return;
                          // Kept only once it reads: a bad download never replaces a good history.
                          QString why;
                          if (!platform::WriteWholeFile(KeptHistoryPath(), body, &why))
                            read->why = NotKept(why);
                        },
                        [read, done] {
                          // A history that reads comes with why it was not kept, if it was not.
                          done(read->history, read->history ? read->why : Refused(read->why));
                        });
                  });
}

}  // namespace money
