// The desktop search provider's answers by id, as GNOME Shell asks for them: a search, then the
// metas of its ids, with other searches typed in between.

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "TestSupport.h"
#include "app/Language.h"
#include "provider/Provider.h"
#include "tools/money/OwnCurrencies.h"
#include "tools/money/Rates.h"
#include "value/Locale.h"

namespace {

class SearchProviderTest : public HostFixture {
 protected:
  // The currency window's files in a folder of the test.
  void SetUp() override {
    HostFixture::SetUp();
    platform::SetDecimalSeparator(u',');
    for (const char* name : {"XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
      if (qEnvironmentVariableIsSet(name)) saved[name] = qgetenv(name);
      qputenv(name, QFile::encodeName(dir.filePath(QString::fromLatin1(name))));
    }
  }
  void TearDown() override {
    for (const char* name : {"XDG_CACHE_HOME", "XDG_DATA_HOME"})
      saved.contains(name) ? qputenv(name, saved[name]) : qunsetenv(name);
    HostFixture::TearDown();
  }
  QString IndexFile() const { return dir.filePath(QStringLiteral("cache/tarvel/index")); }
  static QStringList Names(GnomeSearchAdaptor& search, const QStringList& ids) {
    QStringList names;
    for (const QVariantMap& meta : search.GetResultMetas(ids))
      names << meta.value(QStringLiteral("id")).toString() + u' ' +
                   meta.value(QStringLiteral("name")).toString();
    return names;
  }

  QTemporaryDir dir;
  QWidget owner;
  QHash<QByteArray, QByteArray> saved;
};

// An index kept in one language is read from the windows again in another, whose names the
// answers then speak.
TEST_F(SearchProviderTest, AnIndexKeptInSpanishIsReadAgainInEnglish) {
  {
    Provider provider(&owner, IndexFile());
    GnomeSearchAdaptor search(&provider);
    ASSERT_FALSE(
        search.GetInitialResultSet({QStringLiteral("1"), QStringLiteral("pies")}).isEmpty());
    EXPECT_TRUE(
        search.GetInitialResultSet({QStringLiteral("1"), QStringLiteral("feet")}).isEmpty());
  }
  language::Apply(QStringLiteral("en"));
  QStringList names;
  {
    Provider provider(&owner, IndexFile());
    GnomeSearchAdaptor search(&provider);
    names =
        Names(search, search.GetInitialResultSet({QStringLiteral("1"), QStringLiteral("feet")}));
  }
  language::Apply(QStringLiteral("es"));
  ASSERT_FALSE(names.isEmpty());
  EXPECT_TRUE(names[0].endsWith(QStringLiteral(" 1 feet = 0,3048 m"))) << names[0].toStdString();
}

TEST_F(SearchProviderTest, AnIdAnswersForItselfWhateverWasSearchedSince) {
  QStringList ids, names;
  {
    Provider provider(&owner, IndexFile());
    GnomeSearchAdaptor search(&provider);
    ids = search.GetInitialResultSet({QStringLiteral("1"), QStringLiteral("pies")});
    ASSERT_GE(ids.size(), 2);
    names = Names(search, ids);
    ASSERT_EQ(names.size(), ids.size());
    EXPECT_TRUE(names[0].endsWith(QStringLiteral(" 1 pies = 0,3048 m"))) << names[0].toStdString();
    // The same unit converted for another text, and named only, among the answers between.
    for (const char* typed : {"1 pie", "1 pi", "1 pulgada", "pies"})
      ASSERT_FALSE(search.GetInitialResultSet(QString::fromUtf8(typed).split(u' ')).isEmpty())
          << typed;
    EXPECT_EQ(Names(search, ids), names);
    EXPECT_TRUE(QFile::exists(IndexFile()));
  }
  // A provider started again, its index read back from the file, or made again from the
  // windows when the file is damaged, gives the same answers for the same ids.
  for (bool damaged : {false, true}) {
    if (damaged) {
      QFile file(IndexFile());
      ASSERT_TRUE(file.open(QIODevice::ReadWrite));
      file.seek(file.size() / 2);
      file.write("\xff\x00\x13garbage", 10);
    }
    Provider provider(&owner, IndexFile());
    GnomeSearchAdaptor search(&provider);
    EXPECT_EQ(Names(search, ids), names) << "damaged " << damaged;
  }
  // A currency of the user's own, added since: the windows are read again, and it answers.
  ASSERT_EQ(money::SaveOwnCurrencies(
                {{QStringLiteral("XTS"), QStringLiteral("tesela"), 2, QDate(2026, 12, 1)}}),
            QString());
  {
    Provider provider(&owner, IndexFile());
    GnomeSearchAdaptor search(&provider);
    const QStringList tesserae = search.GetInitialResultSet({QStringLiteral("tesela")});
    EXPECT_EQ(Names(search, tesserae).value(0).section(u' ', 1), QStringLiteral("tesela [XTS]"));
  }
  // Ids that no search makes have no answer: no such unit, no number, a number and more.
  Provider provider(&owner, QString());
  GnomeSearchAdaptor search(&provider);
  const QString unit = ids[0].section(u'|', 0, 0);
  EXPECT_TRUE(Names(search, {QStringLiteral("x|1"), QStringLiteral("00000000|1"), unit,
                             unit + QStringLiteral("|1 pies"), unit + QStringLiteral("||pies"),
                             unit + QStringLiteral("|1x|pies")})
                  .isEmpty());
  EXPECT_EQ(Names(search, {unit + QStringLiteral("|2,5|pie")}),
            QStringList{unit + QStringLiteral("|2,5|pie 2,5 pie = 0,762 m")});
  EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
