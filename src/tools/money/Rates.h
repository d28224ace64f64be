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
// finite number above zero, a currency twice, fewer than ten currencies.
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

// The rates kept from the last good download; empty when there are none (a kept file that no
// longer reads is ignored: the next download replaces it).
QString KeptRatesPath();
RateSheet KeptRates();

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

// A currency the user added, with its rate per euro and the day it was entered.
struct OwnCurrency {
  QString code;
  QString name;
  double perEuro = 0;
  QDate entered;
};
struct OwnCurrencies {
  std::vector<OwnCurrency> list;
  QString problem;  // a damaged file set aside, for the status bar; empty when all was well
};
QString OwnCurrenciesPath();
// Reads them. A file that does not read whole is moved aside under another name (never
// emptied in place) and reported in problem.
OwnCurrencies LoadOwnCurrencies();
// Writes them whole or not at all; the reason when not.
QString SaveOwnCurrencies(const std::vector<OwnCurrency>& list);

}  // namespace money
