#include "tools/money/Calendar.h"

#include <QLocale>
#include <QTimeZone>

namespace money {
namespace {

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

QDate Today() {
  const QDate fixed = QDate::fromString(qEnvironmentVariable("TARVEL_TODAY"), Qt::ISODate);
  return fixed.isValid() ? fixed : QDate::currentDate();
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

QString LongSpanishDate(const QDate& date) {
  return QLocale(QLocale::Spanish, QLocale::Spain)
      .toString(date, QStringLiteral("dddd d 'de' MMMM 'de' yyyy"));
}

QString SpanishDayAndMonth(const QDate& date) {
  return QLocale(QLocale::Spanish, QLocale::Spain).toString(date, QStringLiteral("d 'de' MMMM"));
}

}  // namespace money
