#pragma once
// The central bank's file of euro reference rates, read and checked whole: a bad one is
// refused and nothing of it is used.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

namespace money {

// What a file of rates may hold, the bank's or the user's: more currencies than the bank has
// ever published, or a rate no currency has ever had, is not a file of rates but a damaged
// or hostile one, and is refused whole.
inline constexpr int kMostBankCurrencies = 100;
inline constexpr double kSmallestRate = 1e-6;  // units of a currency per euro
inline constexpr double kLargestRate = 1e12;
bool RateInBounds(double perEuro);
// A day of the bank's has at least these currencies.
inline constexpr int kFewestCurrencies = 10;

// The namespaces of the bank's envelope and of its rates.
inline constexpr char kEnvelopeSpace[] = "http://www.gesmes.org/xml/2002-08-01";
inline constexpr char kRatesSpace[] = "http://www.ecb.int/vocabulary/2002-08-01/eurofxref";

struct Rate {
  QString code;
  double perEuro = 0;  // units of the currency that one euro buys
};

struct RateSheet {
  QDate date;  // the day the bank fixed them
  std::vector<Rate> rates;
  bool Empty() const { return rates.empty(); }
};

// Reads the bank's daily file (its XML as published). The reason it is refused, as the
// status bar says it, or empty when sheet holds its rates: not the bank's XML, malformed, no
// date, a date after today, a code that is not three capital letters, a rate that is not a
// number between kSmallestRate and kLargestRate, a currency twice, fewer than ten currencies
// or more than kMostBankCurrencies.
QString ReadBankFile(const QByteArray& bytes, const QDate& today, RateSheet& sheet);

// Reads a file of the bank's that holds up to mostDays days (its history holds every day since
// 1999), each checked as the daily file is, in one order of dates with no day twice.
QString ReadBankDays(const QByteArray& bytes, const QDate& today, int mostDays,
                     std::vector<RateSheet>& days);

}  // namespace money
