#pragma once
// The central bank's calendar: the days it publishes its reference rates, and the dates as the
// window writes them, in the interface's language (Spanish when no translation is loaded).

#include <QDate>
#include <QDateTime>
#include <QString>

namespace money {

// Today, for the rates: the system's date, or TARVEL_TODAY (yyyy-mm-dd) where tests fix it, so
// that rates served from a fixed file are as old on any day the tests run.
QDate Today();

// The day of the bank's latest publication at that moment: the working days of its
// settlement calendar, at about 16:00 in Frankfurt.
QDate LastPublication(const QDateTime& now);

// "4 de diciembre de 2026".
QString DateText(const QDate& date);
// "viernes 30 de diciembre de 2022".
QString LongDateText(const QDate& date);
// "1 de enero".
QString DayAndMonthText(const QDate& date);
// The day of the month alone, as a sentence names it after a date of the same month: "31"
// ("el 31"; in English "the 31st").
QString DayText(const QDate& date);

}  // namespace money
