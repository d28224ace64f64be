#pragma once
// The rates the currency window converts with: the central bank's euro reference rates, read
// from its daily file, downloaded in the background and kept in the user's cache folder; and
// the user's own currencies, kept in the user's data folder. A file is checked whole before
// anything of it is used: a bad one is refused and what was kept stays.

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QUrl>
#include <functional>
#include <vector>

class QObject;

namespace money {

// What a file of rates may hold, the bank's or the user's: more currencies than the bank has
// ever published, or a rate no currency has ever had, is not a file of rates but a damaged
// or hostile one, and is refused whole.
inline constexpr int kMostBankCurrencies = 100;
inline constexpr double kSmallestRate = 1e-6;  // units of a currency per euro
inline constexpr double kLargestRate = 1e12;
bool RateInBounds(double perEuro);

struct Rate {
  QString code;
  double perEuro = 0;  // units of the currency that one euro buys
};

struct RateSheet {
  QDate date;  // the day the bank fixed them
  std::vector<Rate> rates;
  bool Empty() const { return rates.empty(); }
};

// Reads the bank's daily file (its XML as published). The reason it is refused, in Spanish
// for the status bar, or empty when sheet holds its rates: not the bank's XML, malformed, no
// date, a date after today, a code that is not three capital letters, a rate that is not a
// number between kSmallestRate and kLargestRate, a currency twice, fewer than ten currencies
// or more than kMostBankCurrencies.
QString ReadBankFile(const QByteArray& bytes, const QDate& today, RateSheet& sheet);

// The day of the bank's latest publication at that moment: the working days of its
// settlement calendar, at about 16:00 in Frankfurt.
QDate LastPublication(const QDateTime& now);

// "4 de diciembre de 2026".
QString SpanishDate(const QDate& date);

// Where the rates come from: TARVEL_RATES_URL, or the bank's own address.
QUrl RatesAddress();
// Why the address may not be used (only https, or http on this machine), or empty.
QString AddressProblem(const QUrl& url);

// The rates kept from the last good download; empty when there are none. A kept file that no
// longer reads gives no rates and says why in problem (the next download replaces it).
QString KeptRatesPath();
RateSheet KeptRates(QString* problem = nullptr);

// How long a download may take (milliseconds); tests shorten it.
void SetDownloadPatience(int milliseconds);

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
