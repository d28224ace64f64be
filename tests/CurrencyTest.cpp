// The currency window against servers of the test's own on the loopback address: a good file
// of the bank's, then every kind of bad answer, each refused whole with the rates kept before.

#include <sys/stat.h>

#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "LoopbackServer.h"
#include "TestSupport.h"
#include "app/UnitAnswers.h"
#include "app/UnitIndex.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Network.h"
#include "platform/StatusBar.h"
#include "tools/money/History.h"
#include "tools/money/OwnCurrencies.h"
#include "tools/money/Rates.h"
#include "tools/money/Unidaddivisapropia.h"
#include "tools/money/Unidaddivisas.h"

namespace {

const QStringList kGoodRates = {"USD=1.0500",  "JPY=158.42", "CZK=24.318", "DKK=7.4612",
                                "GBP=0.84250", "HUF=389.55", "PLN=4.2260", "RON=5.0910",
                                "SEK=11.0275", "CHF=0.9342", "ISK=146.10", "NOK=11.7850"};

// Codes AAA, AAB, ... each at a rate of 2.
QStringList ManyCodes(int count) {
  QStringList rates;
  for (int i = 0; i < count; ++i) {
    const QChar code[] = {QChar(u'A' + i / 676), QChar(u'A' + i / 26 % 26), QChar(u'A' + i % 26)};
    rates << QString(code, 3) + QStringLiteral("=2");
  }
  return rates;
}

class Currencies : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    platform::SetDecimalSeparator(u',');
    for (const char* name : {"XDG_CACHE_HOME", "XDG_DATA_HOME", "TARVEL_RATES_URL", "TARVEL_TODAY",
                             "TARVEL_RATES_HISTORY_URL"})
      saved_[name] = qgetenv(name);
    qputenv("XDG_CACHE_HOME", QFile::encodeName(folders_.filePath(QStringLiteral("cache"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(folders_.filePath(QStringLiteral("data"))));
    platform::SetFetchPatience(1000);
    // The rates served here are as old on any day the tests run.
    qputenv("TARVEL_TODAY", "2026-12-10");
  }
  void TearDown() override {
    for (auto it = saved_.begin(); it != saved_.end(); ++it)
      qputenv(it.key().constData(), it.value());
    platform::SetFetchPatience(15000);
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
    while (form.Downloading() && clock.elapsed() < 10000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
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
  ASSERT_EQ(money::SaveOwnCurrencies({{QStringLiteral("NOK"), QStringLiteral("corona noruega"), 99,
                                       QDate(2026, 11, 2)}}),
            QString());
  auto form = Open();
  EXPECT_EQ(Status(*form),
            QStringLiteral("Tipos de referencia del BCE del 4 de diciembre de 2026"));
  ASSERT_EQ(money::KeptRates().rates.size(), 12u);
  EXPECT_EQ(form->Find<TEdit>(QStringLiteral("EditNOK"))->Text(), QStringLiteral("99,00"));
  EXPECT_EQ(form->Find<TLabel>(QStringLiteral("FechaNOK"))->Caption(),
            QStringLiteral("propia, 2/11/2026"));

  QStringList duplicate = kGoodRates;
  duplicate << QStringLiteral("USD=1.2");
  QByteArray large = BankFile(QStringLiteral("2026-12-04"), kGoodRates);
  large.insert(large.indexOf("<Cube>"), QByteArray(1536 * 1024, ' '));
  server.answers[QStringLiteral("/moved")] = {
      "HTTP/1.1 302 Found\r\nLocation: " + elsewhere.Url(QStringLiteral("/good")).toUtf8() + "\r\n",
      "", 0};
  // Some 20 KB that unpack to 64 MB of zeros.
  server.answers[QStringLiteral("/bomb")] = {
      "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Encoding: deflate\r\n",
      qCompress(QByteArray(64 << 20, '\0'), 9).mid(4), 0};
  server.answers[QStringLiteral("/garbled")] = server.answers[QStringLiteral("/bomb")];
  server.answers[QStringLiteral("/garbled")].body = "not deflated at all, but said to be";
  server.answers[QStringLiteral("/slow")] = {
      Answer().head, BankFile(QStringLiteral("2026-12-04"), kGoodRates), 3000};
  const struct {
    const char* path;
    QByteArray body;
    const char* why;
  } bad[] = {
      {"/portal", "<!DOCTYPE html><html><body>Inicie sesión en la red</body></html>",
       "descarga rechazada: no es el archivo de tipos del BCE"},
      {"/cut", BankFile(QStringLiteral("2026-12-04"), kGoodRates).left(600),
       "descarga rechazada: XML mal formado"},
      {"/undated", BankFile(QString(), kGoodRates), "descarga rechazada: el archivo no trae fecha"},
      {"/future", BankFile(QStringLiteral("2099-01-04"), kGoodRates),
       "descarga rechazada: fecha futura: 4 de enero de 2099"},
      {"/code",
       BankFile(QStringLiteral("2026-12-04"), QStringList(kGoodRates) << QStringLiteral("usd=1")),
       "descarga rechazada: código de divisa no válido: «usd»"},
      {"/zero",
       BankFile(QStringLiteral("2026-12-04"), QStringList(kGoodRates) << QStringLiteral("MXN=0")),
       "descarga rechazada: tipo no válido para MXN: «0»"},
      {"/infinite",
       BankFile(QStringLiteral("2026-12-04"), QStringList(kGoodRates) << QStringLiteral("MXN=inf")),
       "descarga rechazada: tipo no válido para MXN: «inf»"},
      {"/twice", BankFile(QStringLiteral("2026-12-04"), duplicate),
       "descarga rechazada: divisa repetida: USD"},
      {"/few", BankFile(QStringLiteral("2026-12-04"), kGoodRates.mid(0, 3)),
       "descarga rechazada: solo trae 3 divisas"},
      // More currencies than the bank has ever had, or rates no currency has had, would freeze
      // the window or overflow its conversions.
      {"/many", BankFile(QStringLiteral("2026-12-04"), ManyCodes(101)),
       "descarga rechazada: trae más de 100 divisas"},
      {"/huge",
       BankFile(QStringLiteral("2026-12-04"), QStringList(kGoodRates)
                                                  << QStringLiteral("MXN=1e308")),
       "descarga rechazada: tipo fuera de lo posible para MXN: «1e308»"},
      {"/tiny",
       BankFile(QStringLiteral("2026-12-04"), QStringList(kGoodRates)
                                                  << QStringLiteral("MXN=4.9e-324")),
       "descarga rechazada: tipo fuera de lo posible para MXN: «4.9e-324»"},
      {"/bomb", {}, "descarga rechazada: la respuesta comprimida pasa de 1 MB o está dañada"},
      {"/garbled", {}, "descarga rechazada: la respuesta comprimida pasa de 1 MB o está dañada"},
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
        QStringLiteral("Tipos de referencia del BCE del 4 de diciembre de 2026 — ") +
        QString::fromUtf8(c.why)))
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
  EXPECT_TRUE(
      Status(*form).endsWith(QStringLiteral("descarga rechazada: solo se descarga por https")));
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
  EXPECT_TRUE(status.startsWith(
      QStringLiteral("Sin tipos de cambio del BCE — sin conexión. Pulse «Actualizar» "
                     "o use Divisas > Conversor \"on-line\"")))
      << status.toStdString();
  EXPECT_TRUE(status.contains(QStringLiteral("se ha apartado como divisas-propias.json.danado-")));
  EXPECT_FALSE(QFile::exists(own));
  EXPECT_EQ(QDir(QFileInfo(own).path())
                .entryList({QStringLiteral("divisas-propias.json.danado-*")})
                .size(),
            1);
  int shown = 0;
  for (TEdit* edit : form->findChildren<TEdit*>()) {
    EXPECT_FALSE(edit->isEnabled()) << edit->objectName().toStdString();
    EXPECT_TRUE(edit->Text().isEmpty());
    ++shown;
  }
  EXPECT_EQ(shown, 30);  // the euro and the 29 currencies Tarvel names
  EXPECT_EQ(form->Find<TLabel>(QStringLiteral("LabelKRW"))->Caption(),
            QStringLiteral("won surcoreano [KRW]"));
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
  file.write(
      BankFile(QStringLiteral("2026-12-04"), QStringList(kGoodRates) << QStringLiteral("XYZ=3")));
  file.close();
  const UnitIndex index(&owner);
  const std::vector<UnitAnswer> answers = AnswerSearch(index, &owner, QStringLiteral("100 USD"));
  ASSERT_FALSE(answers.empty());
  EXPECT_EQ(answers[0].title, QStringLiteral("100 USD = 95,24 EUR"));
  EXPECT_EQ(answers[0].description,
            QStringLiteral(
                "80,24 GBP · 15088 JPY · 88,97 CHF — Tipos del BCE del 4 de diciembre de 2026"));
  // A code Tarvel has no name for is shown, and found, by its code; the signs find theirs.
  EXPECT_EQ(AnswerSearch(index, &owner, QStringLiteral("3 XYZ"))[0].title,
            QStringLiteral("3 XYZ = 1,00 EUR"));
  EXPECT_EQ(AnswerSearch(index, &owner, QStringLiteral("20 €"))[0].title,
            QStringLiteral("20 € = 21,00 USD"));
  EXPECT_EQ(index.Find(QStringLiteral("£")).at(0)->control, QStringLiteral("EditGBP"));
  EXPECT_EQ(index.Find(QStringLiteral("yenes")).at(0)->control, QStringLiteral("EditJPY"));
  EXPECT_EQ(index.Find(QStringLiteral("libras esterlinas")).at(0)->control,
            QStringLiteral("EditGBP"));
}

TEST(CurrencyCalendar, TheLastPublicationIsTheLastWorkingDayAfterFourInFrankfurt) {
  auto at = [](const char* utc) {
    return money::LastPublication(QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODate));
  };
  EXPECT_EQ(at("2026-12-09T14:59:00Z"), QDate(2026, 12, 8));  // 15:59 in winter
  EXPECT_EQ(at("2026-12-09T15:00:00Z"), QDate(2026, 12, 9));
  EXPECT_EQ(at("2026-07-01T14:30:00Z"), QDate(2026, 7, 1));    // 16:30 in summer
  EXPECT_EQ(at("2026-12-07T09:00:00Z"), QDate(2026, 12, 4));   // Monday morning: Friday's
  EXPECT_EQ(at("2026-12-27T12:00:00Z"), QDate(2026, 12, 24));  // Christmas and the day after
  EXPECT_EQ(at("2027-01-01T18:00:00Z"), QDate(2026, 12, 31));
  EXPECT_EQ(at("2027-03-29T18:00:00Z"), QDate(2027, 3, 25));  // Easter Monday, Good Friday
  EXPECT_EQ(at("2026-05-01T18:00:00Z"), QDate(2026, 4, 30));
}

}  // namespace

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<money::OwnCurrency> OwnList(const QStringList& codes) {
  std::vector<money::OwnCurrency> list;
  for (const QString& code : codes)
    list.push_back({code, QStringLiteral("moneda ") + code, 3, QDate(2026, 12, 1)});
  return list;
}

}  // namespace

TEST_F(Currencies, FilesThatCannotBeTrustedAreRefusedWholeAndSaid) {
  // Kept rates poisoned with more currencies than the bank has, and a pipe where the user's
  // currencies should be: the window opens at once and says what it found.
  WriteFile(money::KeptRatesPath(), BankFile(QStringLiteral("2026-12-04"), ManyCodes(101)));
  QDir().mkpath(QFileInfo(money::OwnCurrenciesPath()).path());
  ASSERT_EQ(::mkfifo(QFile::encodeName(money::OwnCurrenciesPath()).constData(), 0600), 0);
  UseAddress(QStringLiteral("http://127.0.0.1:9/eurofxref-daily.xml"));
  auto form = Open();
  EXPECT_TRUE(Status(*form).contains(
      QStringLiteral("los tipos guardados estaban dañados (trae más de 100 divisas)")))
      << Status(*form).toStdString();
  EXPECT_TRUE(Status(*form).contains(
      QStringLiteral("el archivo de sus divisas estaba dañado (no es un archivo normal)")));
  EXPECT_EQ(form->findChildren<TEdit*>().size(), 30);
  form.reset();

  // A user's file that does not hold is set aside as it was, never cut.
  QJsonObject tooLong{{"codigo", "ARS"},
                      {"nombre", QString(31, u'x')},
                      {"porEuro", 2},
                      {"introducida", "2026-12-01"}};
  QJsonObject euro{
      {"codigo", "EUR"}, {"nombre", "euro"}, {"porEuro", 1}, {"introducida", "2026-12-01"}};
  QJsonObject tiny{
      {"codigo", "ARS"}, {"nombre", "peso"}, {"porEuro", 1e-300}, {"introducida", "2026-12-01"}};
  QJsonArray many;
  for (const QString& code : ManyCodes(201)) {
    many.append(QJsonObject{
        {"codigo", code.left(3)}, {"nombre", "x"}, {"porEuro", 2}, {"introducida", "2026-12-01"}});
  }
  const struct {
    QJsonArray entries;
    const char* why;
  } files[] = {{{tooLong}, "el nombre de ARS está vacío o pasa de 30 letras"},
               {{euro}, "un código de divisa no vale"},
               {{tiny}, "el tipo de ARS no está entre 1E-6 y 1E12"},
               {many, "tiene 201 divisas, más de 200"}};
  const QString path = money::OwnCurrenciesPath();
  for (const auto& c : files) {
    SCOPED_TRACE(c.why);
    for (const QString& old : QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::System))
      QFile::remove(QFileInfo(path).path() + u'/' + old);
    const QByteArray bytes = QJsonDocument(QJsonObject{{"divisas", c.entries}}).toJson();
    WriteFile(path, bytes);
    const money::OwnCurrencies own = money::LoadOwnCurrencies();
    EXPECT_TRUE(own.list.empty());
    EXPECT_TRUE(
        own.problem.startsWith(QStringLiteral("el archivo de sus divisas estaba dañado (%1)")
                                   .arg(QString::fromUtf8(c.why))))
        << own.problem.toStdString();
    const QStringList aside =
        QDir(QFileInfo(path).path()).entryList({QStringLiteral("divisas-propias.json.danado-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(ReadFile(QFileInfo(path).path() + u'/' + aside[0]), bytes);
  }
}

TEST_F(Currencies, ASaveKeepsWhatOtherWindowsAddedAndWhatThisVersionDoesNotKnow) {
  WriteFile(
      money::OwnCurrenciesPath(),
      R"({"version": 3, "divisas": [{"codigo": "ARS", "nombre": "peso argentino", "porEuro": 1050.5,
                "introducida": "2026-12-01", "nota": "de la agencia"}]})");
  // Two windows opened on the same file; each adds a currency of its own.
  const std::vector<money::OwnCurrency> shown = money::LoadOwnCurrencies().list;
  ASSERT_EQ(shown.size(), 1u);
  const money::OwnCurrency clp{QStringLiteral("CLP"), QStringLiteral("peso chileno"), 1010,
                               QDate(2026, 12, 9)};
  const money::OwnCurrency ves{QStringLiteral("VES"), QStringLiteral("bolívar"), 280,
                               QDate(2026, 12, 9)};
  EXPECT_EQ(money::SaveOwnChange({money::OwnChange::Kind::Add, clp}, shown).problem, QString());
  const money::OwnCurrencies second =
      money::SaveOwnChange({money::OwnChange::Kind::Add, ves}, shown);
  EXPECT_EQ(second.problem, QString());
  QStringList codes;
  for (const auto& currency : second.list) codes << currency.code;
  EXPECT_EQ(codes, QStringList({"ARS", "CLP", "VES"}));
  // A change of ARS keeps its note and the file's version.
  money::OwnCurrency ars = shown[0];
  ars.perEuro = 1100;
  money::SaveOwnChange({money::OwnChange::Kind::Change, ars}, shown);
  const QJsonObject root = QJsonDocument::fromJson(ReadFile(money::OwnCurrenciesPath())).object();
  EXPECT_EQ(root.value("version").toInt(), 3);
  const QJsonObject first = root.value("divisas").toArray().at(0).toObject();
  EXPECT_EQ(first.value("nota").toString(), QStringLiteral("de la agencia"));
  EXPECT_EQ(first.value("porEuro").toDouble(), 1100);
  EXPECT_EQ(money::LoadOwnCurrencies().list.size(), 3u);
}

TEST_F(Currencies, RowsMadeAgainKeepTheCaretAndTheSelection) {
  LoopbackServer server;
  server.answers[QStringLiteral("/a")].body = BankFile(QStringLiteral("2026-12-04"), kGoodRates);
  server.answers[QStringLiteral("/b")].body =
      BankFile(QStringLiteral("2026-12-04"), QStringList(kGoodRates) << QStringLiteral("MXN=20"));
  server.answers[QStringLiteral("/c")].body =
      BankFile(QStringLiteral("2026-12-04"),
               QStringList(kGoodRates) << QStringLiteral("MXN=20") << QStringLiteral("BRL=6"));
  UseAddress(server.Url(QStringLiteral("/a")));
  auto form = Open();
  TEdit* usd = form->Find<TEdit>(QStringLiteral("EditUSD"));
  user::Click(usd);
  usd->SelectAll();
  user::Type(usd, QStringLiteral("10"));
  // A download that brings another currency makes the rows anew while the user types.
  UseAddress(server.Url(QStringLiteral("/b")));
  form->BitBtn2->click();
  WaitForDownload(*form);
  usd = form->Find<TEdit>(QStringLiteral("EditUSD"));
  ASSERT_TRUE(usd->hasFocus());
  user::Type(usd, QStringLiteral("5"));
  EXPECT_EQ(usd->Text(), QStringLiteral("105"));
  EXPECT_EQ(form->Find<TEdit>(QStringLiteral("EditEUR"))->Text(), QStringLiteral("100,00"));
  // A selection made backwards stays too: typing replaces it.
  usd->setSelection(3, -2);
  UseAddress(server.Url(QStringLiteral("/c")));
  form->BitBtn2->click();
  WaitForDownload(*form);
  usd = form->Find<TEdit>(QStringLiteral("EditUSD"));
  EXPECT_EQ(usd->selectedText(), QStringLiteral("05"));
  EXPECT_EQ(usd->cursorPosition(), 1);
  user::Type(usd, QStringLiteral("2"));
  EXPECT_EQ(usd->Text(), QStringLiteral("12"));
}

TEST_F(Currencies, AHundredOfTheBanksAndTwoHundredOfTheUsersFitTheScreen) {
  WriteFile(money::KeptRatesPath(),
            BankFile(money::LastPublication(QDateTime::currentDateTimeUtc()).toString(Qt::ISODate),
                     ManyCodes(100)));
  QStringList own = ManyCodes(300).mid(100).replaceInStrings(QStringLiteral("=2"), QString());
  ASSERT_EQ(money::SaveOwnCurrencies(OwnList(own)), QString());
  ASSERT_EQ(money::LoadOwnCurrencies().problem, QString());
  auto form = std::make_unique<TFormDivisas>(nullptr);
  user::Show(form.get());
  EXPECT_EQ(form->findChildren<TEdit*>().size(), 301);
  const QRect room = form->screen()->availableGeometry();
  EXPECT_TRUE(room.contains(form->frameGeometry())) << form->width() << "x" << form->height();
  // The last currency is reached, and converts.
  TEdit* last = form->Find<TEdit>(QStringLiteral("Edit") + own.last());
  user::Click(last);
  last->SelectAll();
  user::Type(last, QStringLiteral("6"));
  EXPECT_EQ(form->Find<TEdit>(QStringLiteral("EditEUR"))->Text(), QStringLiteral("2,00"));
  // No more can be added, and the user is told why.
  form->BitBtn3Click();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_TRUE(host.boxes[0].box.text.startsWith(QStringLiteral("Ya tiene 200 divisas propias")));
}

TEST_F(Currencies, TheDialogRefusesARateNoCurrencyHasHadAndSaysTheBounds) {
  TFormDivisaPropia form(nullptr, QStringList());
  form.EditCodigo->SetText(QStringLiteral("ARS"));
  form.EditNombre->SetText(QStringLiteral("peso"));
  for (const char* rate : {"1E-300", "0,0000009", "2E12"}) {
    form.EditTipo->SetText(QString::fromLatin1(rate));
    form.BitBtn1Click();
  }
  ASSERT_EQ(host.boxes.size(), 3u);
  EXPECT_EQ(host.boxes[0].box.text,
            QStringLiteral("Escriba cuántas unidades de la divisa vale un euro: un número entre "
                           "0,000001 y 1000000000000."));
  form.EditTipo->SetText(QStringLiteral("1E12"));
  form.BitBtn1Click();
  EXPECT_EQ(host.boxes.size(), 3u);
  EXPECT_EQ(form.Result().perEuro, 1e12);
}

TEST_F(Currencies, TextFromOutsideIsShownAndReadAsItIs) {
  const QString name = QStringLiteral("<b>peso</b> <img src=x>");
  ASSERT_EQ(money::SaveOwnCurrencies({{QStringLiteral("ARS"), name, 2, QDate(2026, 12, 1)}}),
            QString());
  WriteFile(money::KeptRatesPath(),
            BankFile(QStringLiteral("2026-12-04"),
                     QStringList(kGoodRates) << QStringLiteral("&lt;b&gt;x&lt;/b&gt;=2")));
  UseAddress(QStringLiteral("http://127.0.0.1:9/eurofxref-daily.xml"));
  auto form = Open();
  EXPECT_EQ(form->Find<TLabel>(QStringLiteral("LabelARS"))->text(),
            name + QStringLiteral(" [ARS]"));
  EXPECT_EQ(form->Find<TEdit>(QStringLiteral("EditARS"))->accessibleName(),
            name + QStringLiteral(" [ARS]"));
  // The status bar's tool tip shows a file's markup as text: nothing bold.
  EXPECT_TRUE(Status(*form).contains(QStringLiteral("código de divisa no válido: «<b>x</b>»")));
  EXPECT_TRUE(form->StatusBar1->toolTip().contains(QStringLiteral("«&lt;b&gt;x&lt;/b&gt;»")));
}

namespace {

// A history of four days around a New Year: HRK stops after the Friday, ISK starts after it.
QByteArray History(const QList<QPair<QString, QStringList>>& days) {
  QByteArray cubes;
  for (const auto& [date, rates] : days) {
    cubes += "\t\t<Cube time='" + date.toUtf8() + "'>\n";
    for (const QString& rate : rates) {
      const QStringList parts = rate.split(u'=');
      cubes += "\t\t\t<Cube currency='" + parts[0].toUtf8() + "' rate='" + parts.value(1).toUtf8() +
               "'/>\n";
    }
    cubes += "\t\t</Cube>\n";
  }
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
         "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n\t<Cube>\n" +
         cubes + "\t</Cube>\n</gesmes:Envelope>\n";
}

const QStringList kFriday = QStringList(kGoodRates) << QStringLiteral("HRK=7.5365");
const QStringList kMonday =
    QStringList(kGoodRates)
        .replaceInStrings(QStringLiteral("USD=1.0500"), QStringLiteral("USD=1.0683"))
    << QStringLiteral("BGN=1.9558");

}  // namespace

TEST_F(Currencies, APastDayConvertsAtItsRatesAndABadHistoryIsRefusedWhole) {
  LoopbackServer server;
  server.answers[QStringLiteral("/daily")].body =
      BankFile(QStringLiteral("2026-12-04"), kGoodRates);
  const QByteArray good =
      History({{"2023-01-02", kMonday}, {"2022-12-30", kFriday}, {"2022-12-29", kFriday}});
  server.answers[QStringLiteral("/hist")].body = good;
  UseAddress(server.Url(QStringLiteral("/daily")));
  qputenv("TARVEL_RATES_HISTORY_URL", server.Url(QStringLiteral("/hist")).toUtf8());
  auto form = Open();
  auto choose = [&](const QDate& day) {
    form->FechaTipos->setDate(day);
    WaitForDownload(*form);
  };
  choose(QDate(2022, 12, 31));
  EXPECT_EQ(form->PastRates().date, QDate(2022, 12, 30));
  EXPECT_EQ(Status(*form),
            QStringLiteral("Tipos de referencia del BCE del viernes 30 de diciembre de 2022 "
                           "(el 31 no hubo publicación)"));
  EXPECT_TRUE(form->Find<TEdit>(QStringLiteral("EditHRK"))->isEnabled());
  EXPECT_FALSE(form->Find<TEdit>(QStringLiteral("EditBGN")));
  EXPECT_EQ(ReadFile(money::KeptHistoryPath()), good);
  choose(QDate(2023, 1, 2));
  EXPECT_EQ(form->Find<TLabel>(QStringLiteral("LabelBGN"))->Caption(),
            QStringLiteral("lev búlgaro [BGN]"));
  EXPECT_FALSE(form->Find<TEdit>(QStringLiteral("EditHRK")));

  // Each bad history, asked for by a day after the kept one's last: refused, the kept one stays.
  QStringList notANumber = kFriday;
  notANumber[0] = QStringLiteral("USD=uno");
  QByteArray huge(65 << 20, ' ');
  const struct {
    QByteArray body;
    const char* why;
  } bad[] = {
      {History({{"2023-01-03", kMonday}, {"2023-01-03", kMonday}}),
       "el 3 de enero de 2023: día repetido"},
      {History({{"2023-01-03", kMonday}, {"2023-01-05", kMonday}, {"2023-01-04", kMonday}}),
       "el 4 de enero de 2023: días fuera de orden"},
      {History({{"2023-01-03", notANumber}}),
       "el 3 de enero de 2023: tipo no válido para USD: «uno»"},
      {huge, "la respuesta pasa de 64 MB"},
      {History({{"2099-01-05", kMonday}, {"2023-01-03", kMonday}}),
       "fecha futura: 5 de enero de 2099"},
  };
  int day = 0;
  for (const auto& c : bad) {
    SCOPED_TRACE(c.why);
    server.answers[QStringLiteral("/hist")].body = c.body;
    choose(QDate(2023, 2, 1).addDays(day++));
    EXPECT_TRUE(
        Status(*form).contains(QStringLiteral("histórico rechazado: ") + QString::fromUtf8(c.why)))
        << Status(*form).toStdString();
    EXPECT_EQ(ReadFile(money::KeptHistoryPath()), good);
    EXPECT_EQ(form->PastRates().date, QDate(2023, 1, 2));  // the kept history still serves
  }
  // Back to the latest: the own rows and the latest rates again.
  form->FechaTipos->setDate(form->FechaTipos->minimumDate());
  EXPECT_EQ(Status(*form).left(54),
            QStringLiteral("Tipos de referencia del BCE del 4 de diciembre de 2026"));
}

TEST_F(Currencies, DownloadsGoThroughTheDesktopsProxy) {
  const QByteArray saved = qgetenv("https_proxy");
  // Qt never sends this machine's addresses through a proxy: the bank's own address is asked
  // for, and the proxy of the test's own is the only way out.
  LoopbackServer proxy;
  proxy.answers[QStringLiteral("www.ecb.europa.eu:443")] = {
      "HTTP/1.1 407 Proxy Authentication Required\r\nProxy-Authenticate: Basic realm=\"x\"\r\n", "",
      0};
  UseAddress(QString());
  qputenv("https_proxy", proxy.Url(QString()).toUtf8());
  auto form = Open();
  EXPECT_EQ(proxy.requests.value(0), QStringLiteral("CONNECT www.ecb.europa.eu:443 HTTP/1.1"));
  EXPECT_TRUE(Status(*form).contains(
      QStringLiteral("descarga rechazada: el proxy pide usuario y contraseña")))
      << Status(*form).toStdString();
  // A proxy that is not there is a refusal that says so.
  qputenv("https_proxy", "http://127.0.0.1:9");
  form->BitBtn2->click();
  WaitForDownload(*form);
  EXPECT_TRUE(
      Status(*form).contains(QStringLiteral("descarga rechazada: el proxy rechazó la conexión")))
      << Status(*form).toStdString();
  if (saved.isNull()) {
    qunsetenv("https_proxy");
  } else {
    qputenv("https_proxy", saved);
  }
}
