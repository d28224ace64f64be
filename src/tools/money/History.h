#pragma once
// The bank's reference rates of every day since 4 January 1999: its history file, downloaded
// in the background the first time a past date is asked, read and checked off the window's
// thread, kept in the cache folder, and held compactly (one number a currency a day).

#include <QDate>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>
#include <vector>

#include "tools/money/BankFile.h"

class QObject;

namespace money {

inline const QDate kFirstPublication{1999, 1, 4};
// Some 6 700 days in 2026; room for decades more, and no more.
inline constexpr int kMostHistoryDays = 20000;
inline constexpr qint64 kLargestHistory = qint64(64) << 20;

class RateHistory {
 public:
  RateHistory() = default;
  explicit RateHistory(std::vector<RateSheet>&& days);

  bool Empty() const { return days_.empty(); }
  QDate FirstDay() const { return days_.empty() ? QDate() : days_.front(); }
  QDate LastDay() const { return days_.empty() ? QDate() : days_.back(); }
  // The rates of the last day published on or before the day asked; empty before the first.
  RateSheet On(const QDate& asked) const;

 private:
  std::vector<QDate> days_;      // oldest first
  QStringList codes_;            // every code any day has
  std::vector<double> perEuro_;  // days x codes, 0 where a day has no rate for the code
};

using HistoryDone =
    std::function<void(std::shared_ptr<const RateHistory> history, const QString& problem)>;

// Where the history comes from: TARVEL_RATES_HISTORY_URL, or the bank's own address.
QUrl HistoryAddress();
QString KeptHistoryPath();

// Reads the kept history on a thread of its own; done, on the GUI thread unless context is
// gone, with it, or with none and why (nothing kept: no reason).
void LoadKeptHistory(QObject* context, HistoryDone done);
// Downloads the history, reads and checks it off the window's thread and keeps it; done with
// the new history, or with none and why it was refused.
void DownloadHistory(QObject* context, HistoryDone done);

}  // namespace money
