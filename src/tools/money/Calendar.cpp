#include "tools/money/Calendar.h"

#include <QCoreApplication>
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

// A text of the calendar and what tells it apart for the translator (QT_TRANSLATE_NOOP3).
struct Named {
  const char* source;
  const char* comment;
};

// The months as a date writes them after the day's number: "4 de enero". A language that joins
// the word before the month to it gives it here too ("d'abril").
constexpr Named kMonths[] = {
    QT_TRANSLATE_NOOP3("Calendar", "de enero", "a month after the day's number (4 de enero)"),
    QT_TRANSLATE_NOOP3("Calendar", "de febrero", "a month after the day's number (4 de enero)"),
    QT_TRANSLATE_NOOP3("Calendar", "de marzo", "a month after the day's number (4 de enero)"),
    QT_TRANSLATE_NOOP3("Calendar", "de abril", "a month after the day's number (4 de enero)"),
    QT_TRANSLATE_NOOP3("Calendar", "de mayo", "a month after the day's number (4 de enero)"),
    QT_TRANSLATE_NOOP3("Calendar", "de junio", "a month after the day's number (4 de enero)"),
    QT_TRANSLATE_NOOP3("Calendar", "de julio", "a month after the day's number (4 de enero)"),
    QT_TRANSLATE_NOOP3("Calendar", "de agosto", "a month after the day's number (4 de enero)"),
    QT_TRANSLATE_NOOP3("Calendar", "de septiembre", "a month after the day's number (4 de enero)"),
    QT_TRANSLATE_NOOP3("Calendar", "de octubre", "a month after the day's number (4 de enero)"),
    QT_TRANSLATE_NOOP3("Calendar", "de noviembre", "a month after the day's number (4 de enero)"),
    QT_TRANSLATE_NOOP3("Calendar", "de diciembre", "a month after the day's number (4 de enero)"),
};

// The days of the week, Monday first as QDate counts them, as they stand before a date.
constexpr Named kWeekdays[] = {
    QT_TRANSLATE_NOOP3("Calendar", "lunes", "a day of the week before its date"),
    QT_TRANSLATE_NOOP3("Calendar", "martes", "a day of the week before its date"),
    QT_TRANSLATE_NOOP3("Calendar", "miércoles", "a day of the week before its date"),
    QT_TRANSLATE_NOOP3("Calendar", "jueves", "a day of the week before its date"),
    QT_TRANSLATE_NOOP3("Calendar", "viernes", "a day of the week before its date"),
    QT_TRANSLATE_NOOP3("Calendar", "sábado", "a day of the week before its date"),
    QT_TRANSLATE_NOOP3("Calendar", "domingo", "a day of the week before its date"),
};

// The day of the month alone, after a date of the same month ("el 31"): a language that writes
// it as an ordinal gives it here.
constexpr Named kDays[] = {
    QT_TRANSLATE_NOOP3("Calendar", "1", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "2", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "3", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "4", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "5", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "6", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "7", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "8", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "9", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "10", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "11", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "12", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "13", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "14", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "15", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "16", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "17", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "18", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "19", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "20", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "21", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "22", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "23", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "24", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "25", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "26", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "27", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "28", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "29", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "30", "a day alone, after a date of its month (el 31)"),
    QT_TRANSLATE_NOOP3("Calendar", "31", "a day alone, after a date of its month (el 31)"),
};

QString Translated(const Named& text) {
  return QCoreApplication::translate("Calendar", text.source, text.comment);
}

// The year in four digits at least, as dates have always been written.
QString Year(const QDate& date) {
  return QStringLiteral("%1").arg(date.year(), 4, 10, QChar(u'0'));
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

QString DateText(const QDate& date) {
  if (!date.isValid()) return QString();
  //: %1 the day's number, %2 the month as written after it ("de diciembre"), %3 the year
  return QCoreApplication::translate("Calendar", "%1 %2 de %3", "a date: 4 de diciembre de 2026")
      .arg(QString::number(date.day()), Translated(kMonths[date.month() - 1]), Year(date));
}

QString LongDateText(const QDate& date) {
  if (!date.isValid()) return QString();
  //: %1 the day of the week, %2 the date ("30 de diciembre de 2022")
  return QCoreApplication::translate("Calendar", "%1 %2",
                                     "a date with its weekday: viernes 30 de diciembre de 2022")
      .arg(Translated(kWeekdays[date.dayOfWeek() - 1]), DateText(date));
}

QString DayAndMonthText(const QDate& date) {
  if (!date.isValid()) return QString();
  //: %1 the day's number, %2 the month as written after it ("de enero")
  return QCoreApplication::translate("Calendar", "%1 %2", "a day and its month: 1 de enero")
      .arg(QString::number(date.day()), Translated(kMonths[date.month() - 1]));
}

QString DayText(const QDate& date) {
  return date.isValid() ? Translated(kDays[date.day() - 1]) : QString();
}

}  // namespace money
