// The currency window against servers of the test's own on the loopback address: a good file
// of the bank's, then every kind of bad answer, each refused whole with the rates kept before.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QMap>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "TestSupport.h"
#include "app/UnitAnswers.h"
#include "app/UnitIndex.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"
#include "tools/money/Rates.h"
#include "tools/money/Unidaddivisas.h"

namespace {

// One canned answer per path; a path not listed answers 404.
struct Answer {
  QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\n";
  QByteArray body;
  int delayMs = 0;
};

class LoopbackServer : public QObject {
 public:
  explicit LoopbackServer(const QString& address = QStringLiteral("127.0.0.1")) {
    server_.listen(QHostAddress(address), 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  QString Url(const QString& path) const {
    return QStringLiteral("http://%1:%2%3").arg(server_.serverAddress().toString()).arg(server_.serverPort()).arg(path);
  }
  QMap<QString, Answer> answers;

 private:
  void Serve(QTcpSocket* socket) {
    request_[socket] += socket->readAll();
    if (!request_[socket].contains("\r\n\r\n")) return;
    const QString path = QString::fromLatin1(request_.take(socket).split(' ').value(1));
    Answer answer = answers.value(path, Answer{"HTTP/1.1 404 Not Found\r\n", "no", 0});
    QByteArray reply = answer.head + "Content-Length: " + QByteArray::number(answer.body.size()) +
                       "\r\nConnection: close\r\n\r\n" + answer.body;
    QTimer::singleShot(answer.delayMs, socket, [socket, reply] {
      socket->write(reply);
      socket->disconnectFromHost();
    });
  }
  QTcpServer server_;
  QMap<QTcpSocket*, QByteArray> request_;
};

QByteArray BankFile(const QString& date, const QStringList& rates) {
  QByteArray cubes;
  for (const QString& rate : rates) {
    const QStringList parts = rate.split(u'=');
    cubes += "\t\t\t<Cube currency='" + parts[0].toUtf8() + "' rate='" + parts.value(1).toUtf8() + "'/>\n";
  }
  const QByteArray time = date.isEmpty() ? QByteArray() : " time='" + date.toUtf8() + "'";
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
         "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
         "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
         "\t<gesmes:Sender><gesmes:name>European Central Bank</gesmes:name></gesmes:Sender>\n"
         "\t<Cube>\n\t\t<Cube" + time + ">\n" + cubes + "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
}

const QStringList kGoodRates = {
    "USD=1.0500", "JPY=158.42", "CZK=24.318", "DKK=7.4612", "GBP=0.84250", "HUF=389.55",
    "PLN=4.2260", "RON=5.0910", "SEK=11.0275", "CHF=0.9342", "ISK=146.10", "NOK=11.7850"};

class Currencies : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    platform::SetDecimalSeparator(u',');
    for (const char* name : {"XDG_CACHE_HOME", "XDG_DATA_HOME", "TARVEL_RATES_URL"}) saved_[name] = qgetenv(name);
    qputenv("XDG_CACHE_HOME", QFile::encodeName(folders_.filePath(QStringLiteral("cache"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(folders_.filePath(QStringLiteral("data"))));
    money::SetDownloadPatience(1000);
  }
  void TearDown() override {
    for (auto it = saved_.begin(); it != saved_.end(); ++it) qputenv(it.key().constData(), it.value());
    money::SetDownloadPatience(15000);
    HostFixture::TearDown();
  }
  void UseAddress(const QString& url) { qputenv("TARVEL_RATES_URL", url.toUtf8()); }
  // Opens the window as the user does and lets its first download end.
  std::unique_ptr<TFormDivisas> Open() {
    auto form = std::make_unique<TFormDivisas>(nullptr);
    user::Show(form.get());
    WaitForDownload(*form);
    return form;
  }
  static void WaitForDownload(const TFormDivisas& form) {
    QElapsedTimer clock;
    clock.start();
    while (form.Downloading() && clock.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_FALSE(form.Downloading());
  }
  static QString Status(const TFormDivisas& form) { return form.StatusBar1->currentMessage(); }

  QTemporaryDir folders_;
  QMap<QByteArray, QByteArray> saved_;
};

TEST_F(Currencies, BadAnswersAreRefusedWholeAndTheKeptRatesStay) {
  LoopbackServer server;
  LoopbackServer elsewhere(QStringLiteral("127.0.0.2"));
  server.answers[QStringLiteral("/good")].body = BankFile(QStringLiteral("2026-12-04"), kGoodRates);
  UseAddress(server.Url(QStringLiteral("/good")));
  // A rate of the user's own for a currency the bank publishes too stays the user's.
  ASSERT_EQ(money::SaveOwnCurrencies({{QStringLiteral("NOK"), QStringLiteral("corona noruega"), 99, QDate(2026, 11, 2)}}),
            QString());
  auto form = Open();
  EXPECT_EQ(Status(*form), QStringLiteral("Tipos de referencia del BCE del 4 de diciembre de 2026"));
  ASSERT_EQ(money::KeptRates().rates.size(), 12u);
  EXPECT_EQ(form->Find<TEdit>(QStringLiteral("EditNOK"))->Text(), QStringLiteral("99,00"));
  EXPECT_EQ(form->Find<TLabel>(QStringLiteral("FechaNOK"))->Caption(), QStringLiteral("propia, 2/11/2026"));

  QStringList duplicate = kGoodRates;
  duplicate << QStringLiteral("USD=1.2");
  QByteArray large = BankFile(QStringLiteral("2026-12-04"), kGoodRates);
  large.insert(large.indexOf("<Cube>"), QByteArray(1536 * 1024, ' '));
  server.answers[QStringLiteral("/moved")] = {"HTTP/1.1 302 Found\r\nLocation: " +
                                                  elsewhere.Url(QStringLiteral("/good")).toUtf8() + "\r\n",
                                              "", 0};
  server.answers[QStringLiteral("/slow")] = {Answer().head, BankFile(QStringLiteral("2026-12-04"), kGoodRates), 3000};
  const struct {
    const char* path;
    QByteArray body;
    const char* why;
  } bad[] = {
      {"/portal", "<!DOCTYPE html><html><body>Inicie sesión en la red</body></html>",
       "descarga rechazada: no es el archivo de tipos del BCE"},
      {"/cut", BankFile(QStringLiteral("2026-12-04"), kGoodRates).left(600), "descarga rechazada: XML mal formado"},
      {"/undated", BankFile(QString(), kGoodRates), "descarga rechazada: el archivo no trae fecha"},
      {"/future", BankFile(QStringLiteral("2099-01-04"), kGoodRates), "descarga rechazada: fecha futura: 4 de enero de 2099"},
      {"/code", BankFile(QStringLiteral("2026-12-04"), QStringList(kGoodRates) << QStringLiteral("usd=1")),
       "descarga rechazada: código de divisa no válido: «usd»"},
      {"/zero", BankFile(QStringLiteral("2026-12-04"), QStringList(kGoodRates) << QStringLiteral("MXN=0")),
       "descarga rechazada: tipo no válido para MXN: «0»"},
      {"/infinite", BankFile(QStringLiteral("2026-12-04"), QStringList(kGoodRates) << QStringLiteral("MXN=inf")),
       "descarga rechazada: tipo no válido para MXN: «inf»"},
      {"/twice", BankFile(QStringLiteral("2026-12-04"), duplicate), "descarga rechazada: divisa repetida: USD"},
      {"/few", BankFile(QStringLiteral("2026-12-04"), kGoodRates.mid(0, 3)), "descarga rechazada: solo trae 3 divisas"},
      {"/large", large, "descarga rechazada: la respuesta pasa de 1 MB"},
      {"/missing", {}, "descarga rechazada: el servidor respondió 404"},
      {"/moved", {}, "descarga rechazada: redirigida a otro servidor (127.0.0.2)"},
      {"/slow", {}, "el servidor no respondió en 1 segundo"},
  };
  for (const auto& c : bad) {
    SCOPED_TRACE(c.path);
    const QString path = QString::fromLatin1(c.path);
    if (!c.body.isEmpty()) server.answers[path].body = c.body;
    UseAddress(server.Url(path));
    form->BitBtn2->click();
    EXPECT_TRUE(Status(*form).endsWith(QStringLiteral(" — actualizando...")));
    WaitForDownload(*form);
    EXPECT_TRUE(Status(*form).startsWith(
        QStringLiteral("Tipos de referencia del BCE del 4 de diciembre de 2026 — ") + QString::fromUtf8(c.why)))
        << Status(*form).toStdString();
    const money::RateSheet kept = money::KeptRates();
    EXPECT_EQ(kept.date, QDate(2026, 12, 4));
    EXPECT_EQ(kept.rates.size(), 12u);
  }
  // The window still converts at the good rates, and plain http elsewhere is never asked for.
  TEdit* usd = form->Find<TEdit>(QStringLiteral("EditUSD"));
  usd->SetFocus();
  usd->SelectAll();
  user::Type(usd, QStringLiteral("100"));
  EXPECT_EQ(form->Find<TEdit>(QStringLiteral("EditEUR"))->Text(), QStringLiteral("95,24"));
  EXPECT_EQ(form->Find<TEdit>(QStringLiteral("EditJPY"))->Text(), QStringLiteral("15088"));
  UseAddress(QStringLiteral("http://rates.example.invalid/eurofxref-daily.xml"));
  form->BitBtn2->click();
  WaitForDownload(*form);
  EXPECT_TRUE(Status(*form).endsWith(QStringLiteral("descarga rechazada: solo se descarga por https")));
}

TEST_F(Currencies, WithoutRatesNothingIsInventedAndADamagedFileOfOwnCurrenciesIsSetAside) {
  const QString own = money::OwnCurrenciesPath();
  QDir().mkpath(QFileInfo(own).path());
  QFile file(own);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("{\"divisas\": [{\"codigo\": \"ARS\", \"nombre\": \"peso\"");
  file.close();
  UseAddress(QStringLiteral("http://127.0.0.1:9/eurofxref-daily.xml"));  // nobody listens there
  auto form = Open();
  const QString status = Status(*form);
  EXPECT_TRUE(status.startsWith(QStringLiteral("Sin tipos de cambio del BCE — sin conexión. Pulse «Actualizar» "
                                               "o use Divisas > Conversor \"on-line\"")))
      << status.toStdString();
  EXPECT_TRUE(status.contains(QStringLiteral("se ha apartado como divisas-propias.json.danado-")));
  EXPECT_FALSE(QFile::exists(own));
  EXPECT_EQ(QDir(QFileInfo(own).path()).entryList({QStringLiteral("divisas-propias.json.danado-*")}).size(), 1);
  int shown = 0;
  for (TEdit* edit : form->findChildren<TEdit*>()) {
    EXPECT_FALSE(edit->isEnabled()) << edit->objectName().toStdString();
    EXPECT_TRUE(edit->Text().isEmpty());
    ++shown;
  }
  EXPECT_EQ(shown, 30);  // the euro and the 29 currencies Tarvel names
  EXPECT_EQ(form->Find<TLabel>(QStringLiteral("LabelKRW"))->Caption(), QStringLiteral("won surcoreano [KRW]"));
}

TEST_F(Currencies, AnAmountFromTheSearchWaitsForTheFirstRates) {
  // First use: nothing kept, and the bank's file comes half a second after the window opens.
  LoopbackServer server;
  server.answers[QStringLiteral("/slow.xml")] =
      Answer{.body = BankFile(QStringLiteral("2026-12-04"), kGoodRates), .delayMs = 500};
  UseAddress(server.Url(QStringLiteral("/slow.xml")));
  auto form = std::make_unique<TFormDivisas>(nullptr);
  user::Show(form.get());
  UnitEntry usd;
  usd.control = QStringLiteral("EditUSD");
  GoToUnitNow(form.get(), usd, QStringLiteral("100"));
  auto* edit = form->Find<TEdit>(QStringLiteral("EditUSD"));
  EXPECT_FALSE(edit->isEnabled());
  EXPECT_EQ(edit->Text(), QStringLiteral("100"));
  EXPECT_TRUE(form->Find<TEdit>(QStringLiteral("EditEUR"))->Text().isEmpty());
  WaitForDownload(*form);
  edit = form->Find<TEdit>(QStringLiteral("EditUSD"));
  ASSERT_TRUE(edit->isEnabled());
  EXPECT_EQ(edit->Text(), QStringLiteral("100"));
  EXPECT_TRUE(edit->hasFocus());
  EXPECT_EQ(form->Find<TEdit>(QStringLiteral("EditEUR"))->Text(), QStringLiteral("95,24"));
  EXPECT_EQ(form->Find<TEdit>(QStringLiteral("EditGBP"))->Text(), QStringLiteral("80,24"));
}

TEST_F(Currencies, TheDesktopSearchAnswersOnlyFromKeptRates) {
  QWidget owner;
  EXPECT_TRUE(AnswerSearch(UnitIndex(&owner), &owner, QStringLiteral("100 USD")).empty());

  QDir().mkpath(QFileInfo(money::KeptRatesPath()).path());
  QFile file(money::KeptRatesPath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(BankFile(QStringLiteral("2026-12-04"), QStringList(kGoodRates) << QStringLiteral("XYZ=3")));
  file.close();
  const UnitIndex index(&owner);
  const std::vector<UnitAnswer> answers = AnswerSearch(index, &owner, QStringLiteral("100 USD"));
  ASSERT_FALSE(answers.empty());
  EXPECT_EQ(answers[0].title, QStringLiteral("100 USD = 95,24 EUR"));
  EXPECT_EQ(answers[0].description,
            QStringLiteral("80,24 GBP · 15088 JPY · 88,97 CHF — Tipos del BCE del 4 de diciembre de 2026"));
  // A code Tarvel has no name for is shown, and found, by its code; the signs find theirs.
  EXPECT_EQ(AnswerSearch(index, &owner, QStringLiteral("3 XYZ"))[0].title, QStringLiteral("3 XYZ = 1,00 EUR"));
  EXPECT_EQ(AnswerSearch(index, &owner, QStringLiteral("20 €"))[0].title, QStringLiteral("20 € = 21,00 USD"));
  EXPECT_EQ(index.Find(QStringLiteral("£")).at(0)->control, QStringLiteral("EditGBP"));
  EXPECT_EQ(index.Find(QStringLiteral("yenes")).at(0)->control, QStringLiteral("EditJPY"));
  EXPECT_EQ(index.Find(QStringLiteral("libras esterlinas")).at(0)->control, QStringLiteral("EditGBP"));
}

TEST(CurrencyCalendar, TheLastPublicationIsTheLastWorkingDayAfterFourInFrankfurt) {
  auto at = [](const char* utc) { return money::LastPublication(QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODate)); };
  EXPECT_EQ(at("2026-12-09T14:59:00Z"), QDate(2026, 12, 8));  // 15:59 in winter
  EXPECT_EQ(at("2026-12-09T15:00:00Z"), QDate(2026, 12, 9));
  EXPECT_EQ(at("2026-07-01T14:30:00Z"), QDate(2026, 7, 1));   // 16:30 in summer
  EXPECT_EQ(at("2026-12-07T09:00:00Z"), QDate(2026, 12, 4));  // Monday morning: Friday's
  EXPECT_EQ(at("2026-12-27T12:00:00Z"), QDate(2026, 12, 24));  // Christmas and the day after
  EXPECT_EQ(at("2027-01-01T18:00:00Z"), QDate(2026, 12, 31));
  EXPECT_EQ(at("2027-03-29T18:00:00Z"), QDate(2027, 3, 25));  // Easter Monday, Good Friday
  EXPECT_EQ(at("2026-05-01T18:00:00Z"), QDate(2026, 4, 30));
}

}  // namespace
