// Every file Tarvel keeps, written on a disk that runs out of room: the old file stays byte for
// byte, no temporary file is left behind, and where the user is told anything, the reason is
// the disk's. The full disk is a limit on the size of this process's files (no root needed).

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "LoopbackServer.h"
#include "TestSupport.h"
#include "app/RecentUnits.h"
#include "platform/KeptFile.h"
#include "platform/StatusBar.h"
#include "provider/Provider.h"
#include "tools/money/OwnCurrencies.h"
#include "tools/money/Rates.h"
#include "tools/money/Unidaddivisas.h"

namespace {

const QString kTooLarge = QStringLiteral("el archivo pasa del tamaño que el sistema permite");

// Files of at most `bytes` for this process while it lives: a write past it fails with EFBIG,
// as on a full disk, instead of ending the program.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
  QString why;
  ASSERT_TRUE(platform::WriteWholeFile(path, bytes, &why)) << why.toStdString();
}

struct KeptFileCase {
  const char* name;
  std::function<QString()> path;
  // What stood there before, written without a limit.
  std::function<void()> before;
  rlim_t limit;  // more than a lock file, less than the new content
  // The write under the limit; what the user is told (empty where nothing is told).
  std::function<QString()> write;
  bool tells;
};

void PrintTo(const KeptFileCase& c, std::ostream* os) { *os << c.name; }

const QStringList kRates = {"USD=1.0500",  "JPY=158.42", "CZK=24.318", "DKK=7.4612",
                            "GBP=0.84250", "HUF=389.55", "PLN=4.2260", "RON=5.0910",
                            "SEK=11.0275", "CHF=0.9342", "ISK=146.10", "NOK=11.7850"};

QString DownloadInTheWindow() {
  LoopbackServer server;
  server.answers[QStringLiteral("/rates")].body = BankFile(QStringLiteral("2026-12-04"), kRates);
  qputenv("TARVEL_RATES_URL", server.Url(QStringLiteral("/rates")).toUtf8());
  auto form = std::make_unique<TFormDivisas>(nullptr);
  user::Show(form.get());
  QElapsedTimer clock;
  clock.start();
  while (form->Downloading() && clock.elapsed() < 10000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  qunsetenv("TARVEL_RATES_URL");
  return form->StatusBar1->currentMessage();
}

const money::OwnCurrency kPeso{QStringLiteral("ARS"), QStringLiteral("peso argentino"), 1050.5,
                               QDate(2026, 12, 1)};
const money::OwnCurrency kChilean{QStringLiteral("CLP"), QStringLiteral("peso chileno"), 1010,
                                  QDate(2026, 12, 9)};

const KeptFileCase kCases[] = {
    {"rates", money::KeptRatesPath,
     [] { Put(money::KeptRatesPath(), BankFile(QStringLiteral("2026-12-03"), kRates)); }, 64,
     DownloadInTheWindow, true},
    {"own_currencies", money::OwnCurrenciesPath,
     [] { ASSERT_EQ(money::SaveOwnCurrencies({kPeso}), QString()); }, 300,
     [] {
       return money::SaveOwnChange({money::OwnChange::Kind::Add, kChilean}, {kPeso}).problem;
     },
     true},
    {"recent_units", recent::FilePath,
     [] {
       recent::Remember({QStringLiteral("Longitud1"), QStringLiteral("Edit7"), -1, QString()});
     },
     16,
     [] {
       recent::Remember({QStringLiteral("Masa1"), QStringLiteral("Edit2"), -1, QString()});
       return QString();
     },
     false},
    {"search_provider_index", ProviderIndexFile,
     [] { Put(ProviderIndexFile(), "an index of an older version\n"); }, 64,
     [] {
       QWidget owner;
       Provider provider(&owner, ProviderIndexFile());
       provider.Search(QStringLiteral("5 pies"));
       return QString();
     },
     false},
};

class KeptFiles : public HostFixture, public ::testing::WithParamInterface<KeptFileCase> {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    platform::SetDecimalSeparator(u',');
    for (const char* name : {"XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
      saved_[name] = qgetenv(name);
      qputenv(name, QFile::encodeName(folders_.filePath(QString::fromLatin1(name))));
    }
  }
  void TearDown() override {
    for (auto it = saved_.begin(); it != saved_.end(); ++it)
      qputenv(it.key().constData(), it.value());
    HostFixture::TearDown();
  }
  QTemporaryDir folders_;
  QMap<QByteArray, QByteArray> saved_;
};

TEST_P(KeptFiles, AFullDiskLeavesTheOldFileWholeAndSaysWhy) {
  const KeptFileCase& c = GetParam();
  c.before();
  const QString path = c.path();
  const QByteArray old = Contents(path);
  ASSERT_FALSE(old.isEmpty());
  const QStringList around = QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden);
  QString told;
  {
    FileSizeLimit full(c.limit);
    told = c.write();
  }
  EXPECT_EQ(Contents(path), old);
  QStringList after = QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden);
  after.removeAll(QStringLiteral("divisas-propias.json.lock"));
  EXPECT_EQ(after, around);
  if (c.tells) {
    EXPECT_TRUE(told.contains(kTooLarge)) << told.toStdString();
  }
  // Room again: the same write goes through.
  c.write();
  EXPECT_NE(Contents(path), old);
}

INSTANTIATE_TEST_SUITE_P(EveryKeptFile, KeptFiles, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<KeptFileCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(KeptFile, OnlyARegularFileIsReadAndNeverMoreThanItsLimit) {
  QTemporaryDir folder;
  const QString fifo = folder.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  // A pipe with no writer would hold the reader forever; a device never ends.
  EXPECT_EQ(platform::ReadKeptFile(fifo, 1024).outcome, platform::KeptRead::Outcome::NotAFile);
  EXPECT_EQ(platform::ReadKeptFile(QStringLiteral("/dev/zero"), 1024).outcome,
            platform::KeptRead::Outcome::NotAFile);
  EXPECT_EQ(platform::ReadKeptFile(folder.path(), 1024).outcome,
            platform::KeptRead::Outcome::NotAFile);
  EXPECT_EQ(platform::ReadKeptFile(folder.filePath(QStringLiteral("none")), 1024).outcome,
            platform::KeptRead::Outcome::Missing);
  const QString file = folder.filePath(QStringLiteral("file"));
  Put(file, QByteArray(1024, 'x'));
  EXPECT_EQ(platform::ReadKeptFile(file, 1024).bytes.size(), 1024);
  const platform::KeptRead large = platform::ReadKeptFile(file, 1023);
  EXPECT_EQ(large.outcome, platform::KeptRead::Outcome::TooLarge);
  EXPECT_EQ(large.reason, QStringLiteral("pasa de 1 KB"));
  // A write into a folder that cannot be made says so, and leaves nothing.
  QString why;
  EXPECT_FALSE(platform::WriteWholeFile(file + QStringLiteral("/inside"), "x", &why));
  EXPECT_EQ(why, QStringLiteral("una carpeta del camino es un archivo"));
}

}  // namespace
