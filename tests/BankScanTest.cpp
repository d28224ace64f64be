// The scan of the bank's files against the XML reader: what the scan reads, the XML reader
// reads alike to the last bit of every rate; what lies outside the bank's plain layout, and
// every fault, the scan leaves to the XML reader, which reads it or says why as it always has.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/KeptFile.h"
#include "tools/money/BankScan.h"
#include "tools/money/History.h"

namespace {

const QDate kToday(2026, 12, 10);
const QByteArray kCodes[] = {"USD", "JPY", "CZK", "DKK", "GBP", "HUF",
                             "PLN", "RON", "SEK", "CHF", "NOK", "HRK"};

// The bank's history as it writes it, newest day first: each day without one of the twelve
// currencies, its rates told apart by a last digit of the day's (USD 1.0545 + day).
QByteArray Bank(const QList<QByteArray>& dates = {"2023-01-03", "2023-01-02", "2022-12-30"}) {
  QByteArray cubes;
  for (int d = 0; d < dates.size(); ++d) {
    cubes += "\t\t<Cube time='" + dates[d] + "'>\n";
    for (int c = 0; c < 12; ++c) {
      if (c != d % 12)
        cubes += "\t\t\t<Cube currency='" + kCodes[c] + "' rate='" + QByteArray::number(c + 1) +
                 ".0545" + QByteArray::number(d) + "'/>\n";
    }
    cubes += "\t\t</Cube>\n";
  }
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
         "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
         "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
         "\t<gesmes:Sender>\n\t\t<gesmes:name>European Central Bank</gesmes:name>\n"
         "\t</gesmes:Sender>\n\t<Cube>\n" +
         cubes + "\t</Cube>\n</gesmes:Envelope>\n";
}

QByteArray Replaced(QByteArray file, const char* before, const QByteArray& after) {
  return file.replace(before, after);
}

QByteArray Matched(const QByteArray& file, const char* pattern, const char* after) {
  return QString::fromLatin1(file)
      .replace(QRegularExpression(QString::fromLatin1(pattern)), QString::fromLatin1(after))
      .toLatin1();
}

// Days as text, every rate to its last bit.
std::string Dump(const std::vector<money::RateSheet>& days) {
  std::string text;
  for (const money::RateSheet& day : days) {
    text += day.date.toString(Qt::ISODate).toStdString() + ':';
    for (const money::Rate& rate : day.rates) {
      char number[48];
      std::snprintf(number, sizeof number, " %s=%a", qPrintable(rate.code), rate.perEuro);
      text += number;
    }
    text += '\n';
  }
  return text;
}

struct Reading {
  bool scanned = false;
  QString why;  // the XML reader's
  std::string scan, xml;
};

// The XML reader's reading too, or only where the scan reads the file.
Reading ReadBoth(const QByteArray& file, bool always = true) {
  std::vector<money::RateSheet> scanned, read;
  Reading reading;
  reading.scanned = money::ScanBankDays(file, kToday, money::kMostHistoryDays, scanned);
  if (!reading.scanned && !always) return reading;
  reading.why = money::ReadBankDays(file, kToday, money::kMostHistoryDays, read);
  reading.scan = Dump(scanned);
  reading.xml = Dump(read);
  return reading;
}

}  // namespace

TEST(BankScan, ReadsTheBanksLayoutInEveryFormAsTheXmlReaderDoes) {
  const QByteArray bank = Bank();
  const char* declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
  const QByteArray files[] = {
      bank,
      Replaced(bank, "'", "\""),
      Replaced(Replaced(bank, "\n", ""), "\t", ""),
      Replaced(bank, "\n", "\r\n"),
      Matched(bank, "currency='(...)' rate='([^']*)'", "rate='\\2' currency='\\1'"),
      bank.mid(bank.indexOf('\n') + 1),
      Replaced(bank, declaration, "<?xml version='1.0'?>"),
      Replaced(bank, declaration, "<?xml  version = \"1.0\"\tencoding= 'utf-8' ?>"),
      "\xEF\xBB\xBF" + bank,
      Replaced(Replaced(bank, "\t\t<Cube time", "<!-- a - b <c> & d -->\t\t<Cube time"),
               "<gesmes:Envelope", "<!----><gesmes:Envelope") +
          "<!-- the end -->\n",
      Replaced(Replaced(Replaced(bank, "<Cube currency='", "<Cube\n currency = '"), "'/>", "' />"),
               "</Cube>", "</Cube\t>"),
      Replaced(
          Replaced(Replaced(bank, "<Cube time=", "<Cube source=\"x>y\" time="), "<gesmes:Sender>",
                   "<gesmes:Sender kind=''/><ecb:note a:b='c'>x</ecb:note><x>"),
          "</gesmes:Sender>", "</x>"),
      Replaced(Replaced(bank, "xmlns:gesmes", "xmlns:e.c-b_1"), "gesmes:", "e.c-b_1:"),
      Matched(bank, "(xmlns:gesmes=\"[^\"]*\") (xmlns=\"[^\"]*\")", "\\2 \\1"),
      Replaced(bank, "\t<Cube>\n", "\t<Cube>rates > all\n"),
      Bank({"2022-12-30", "2023-01-02", "2023-01-03"}),
      Bank({"2023-01-03"}),
      // As many digits as the scan takes, and the bounds.
      Replaced(Replaced(Replaced(bank, "'1.05451'", "'999999999999.99999999999999999'"),
                        "'2.05450'", "'0.000001'"),
               "'3.05451'", "'1000000000000'"),
  };
  for (const QByteArray& file : files) {
    SCOPED_TRACE(file.toStdString());
    const Reading reading = ReadBoth(file);
    EXPECT_TRUE(reading.scanned);
    EXPECT_EQ(reading.why, QString());
    EXPECT_EQ(reading.scan, reading.xml);
    EXPECT_EQ(std::count(reading.scan.begin(), reading.scan.end(), '='), 11 * file.count("time="));
  }
}

TEST(BankScan, LeavesWhatIsNotThePlainLayoutAndEveryFaultToTheXmlReader) {
  const QByteArray bank = Bank();
  QByteArray deep = Replaced(bank, "\t\t<Cube time='2023-01-03'>", QByteArray("<a>").repeated(40));
  deep.replace("\t</Cube>\n</gesmes", QByteArray("</a>").repeated(40) + "\t</Cube>\n</gesmes");
  deep.insert(deep.indexOf("<Cube currency"), "<Cube time='2023-01-03'>");
  QByteArray many = bank;
  for (int i = 0; i < 101; ++i)
    many.replace("<Cube currency='USD'", "<Cube currency='Q" + QByteArray(1, char('A' + i / 26)) +
                                             char('A' + i % 26) +
                                             "' rate='2'/><Cube currency='USD'");
  const struct {
    QByteArray file;
    bool reads;  // by the XML reader
  } files[] = {
      {Replaced(bank, "'1.05451'", "'1&#46;05451'"), true},
      {Replaced(bank, "Reference rates", "<![CDATA[Reference rates]]>"), true},
      {Replaced(bank, "<gesmes:Envelope", "<!DOCTYPE x><?x y?><gesmes:Envelope"), true},
      {Replaced(bank, "European Central Bank", "Banco Central Europeo — BCE"), true},
      {Replaced(bank, "UTF-8", "ISO-8859-1"), true},
      {Replaced(bank, "'1.05451'", "'1.05451E0'"), true},
      {Replaced(bank, "'1.05451'", "' 1.05451'"), true},
      {Replaced(bank, "'1.05451'", "'1.05451000000000000000000000000001'"), true},
      {Replaced(bank, "2023-01-02", "2023/01/02"), true},
      {deep, true},
      {"<!DOCTYPE html><html><body>Inicie sesión</body></html>", false},
      {Replaced(bank, "gesmes:Envelope", "Envelope"), false},
      {Replaced(bank, "xmlns=\"http://www.ecb.int", "xmlns=\"http://www.ecb.com"), false},
      {Replaced(bank, "'1.05451'", "'uno'"), false},
      {Replaced(bank, "'1.05451'", "'0'"), false},
      {Replaced(bank, "'1.05451'", "'1000000000000.1'"), false},
      {Replaced(bank, "'1.05451'", "'0.0000009'"), false},
      {Replaced(bank, "'JPY'", "'jpy'"), false},
      {Replaced(bank, "'JPY'", "'EUR'"), false},
      {Replaced(bank, "'JPY'", "'USD'"), false},
      {many, false},
      {Bank({"2023-01-03", "2023-01-03"}), false},
      {Bank({"2023-01-03", "2023-01-05", "2023-01-04"}), false},
      {Bank({"2023-02-30"}), false},
      {Bank({"2027-01-04"}), false},
      {Matched(bank, "<Cube currency='(DKK|CZK)'[^>]*>", ""), false},  // nine currencies
      {Replaced(bank, "<Cube time='2023-01-03'>", "<Cube>"), false},
      {bank.left(bank.size() / 2), false},
      {Replaced(bank, "</gesmes:Sender>", "</gesmes:sender>"), false},
      {Replaced(bank, "rate='1.05451'", "rate='1.05451' rate='1.05451'"), false},
      {bank + "text after the root", false},
  };
  for (const auto& c : files) {
    SCOPED_TRACE(c.file.toStdString());
    std::vector<money::RateSheet> untouched(1);
    EXPECT_FALSE(money::ScanBankDays(c.file, kToday, money::kMostHistoryDays, untouched));
    EXPECT_EQ(untouched.size(), 1u);
    EXPECT_EQ(ReadBoth(c.file).why.isEmpty(), c.reads);
  }

  // A kept history that the scan leaves to the XML reader is read all the same.
  QTemporaryDir folder;
  const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
  qputenv("XDG_CACHE_HOME", QFile::encodeName(folder.path()));
  ASSERT_TRUE(platform::WriteWholeFile(money::KeptHistoryPath(), files[0].file));
  std::shared_ptr<const money::RateHistory> history;
  QString why = QStringLiteral("not read yet");
  QObject context;
  money::LoadKeptHistory(
      &context, [&](std::shared_ptr<const money::RateHistory> read, const QString& problem) {
        history = std::move(read);
        why = problem;
      });
  while (why == QStringLiteral("not read yet"))
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
  qputenv("XDG_CACHE_HOME", savedCache);
  EXPECT_EQ(why, QString());
  ASSERT_TRUE(history);
  EXPECT_EQ(history->On(QDate(2023, 1, 2)).rates.front().perEuro, 1.05451);
}

// Every byte of a file replaced, doubled or cut where it stands, by whatever makes the XML's
// shapes: whenever the scan still reads the file, the XML reader reads the same.
TEST(BankScan, AgreesWithTheXmlReaderOnEveryDamageOfAFile) {
  const QByteArray bank =
      Replaced(Bank({"2023-01-03", "2023-01-02"}), "\t\t<Cube time", "<!-- - -->\t\t<Cube time");
  static const char kShapes[] = " \t\r\n<>/=:-!?&;#'\"]0123.eEAZaz_x\xC3\xA9\x00\x7f";
  int scanned = 0, disagreements = 0;
  for (qsizetype at = 0; at < bank.size(); ++at) {
    QList<QByteArray> damaged = {bank.left(at), QByteArray(bank).remove(at, 1)};
    for (const char byte : QByteArray(kShapes, sizeof kShapes - 1))
      damaged << QByteArray(bank).replace(at, 1, &byte, 1) << QByteArray(bank).insert(at, byte);
    for (const QByteArray& file : damaged) {
      const Reading reading = ReadBoth(file, false);
      if (!reading.scanned) continue;
      ++scanned;
      if ((!reading.why.isEmpty() || reading.scan != reading.xml) && ++disagreements <= 5)
        ADD_FAILURE() << reading.why.toStdString() << " of a file the scan reads:\n"
                      << file.toStdString() << "\nscan:\n"
                      << reading.scan << "xml:\n"
                      << reading.xml;
    }
  }
  EXPECT_EQ(disagreements, 0);
  EXPECT_GT(scanned, 1000);  // the damage the layout allows, such as another digit
}
