#pragma once
// The rates the currency window converts with: the central bank's euro reference rates,
// downloaded in the background and kept in the user's cache folder (the file is read by
// BankFile.h, its days by Calendar.h; the user's own currencies are OwnCurrencies.h).

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QUrl>
#include <functional>
#include <vector>

#include "tools/money/BankFile.h"
#include "tools/money/Calendar.h"

class QObject;

namespace money {

// Where the rates come from: TARVEL_RATES_URL, or the bank's own address.
QUrl RatesAddress();

// The rates kept from the last good download; empty when there are none. A kept file that no
// longer reads gives no rates and says why in problem (the next download replaces it).
QString KeptRatesPath();
RateSheet KeptRates(QString* problem = nullptr);

// A download of the bank's file, checked and kept when good.
struct Update {
  enum class Outcome { Kept, Offline, Refused };
  Outcome outcome = Outcome::Offline;
  RateSheet sheet;  // the new rates, when kept
  QString reason;   // why not, for the status bar
};
// Starts it and returns at once; done runs later on the GUI thread, unless context is gone.
void DownloadRates(QObject* context, std::function<void(const Update&)> done);

}  // namespace money
