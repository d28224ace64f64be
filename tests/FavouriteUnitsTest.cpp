// The files of the units the user comes back to: the favourites, at most twenty in the order
// they were added, and the quantity last typed into each recent unit.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "TestSupport.h"
#include "app/FavouriteUnits.h"
#include "app/RecentUnits.h"

namespace {

class KeptUnits : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    platform::SetDecimalSeparator(u',');
    ASSERT_TRUE(QDir().mkpath(QFileInfo(favourite::FilePath()).path()));
  }
  void TearDown() override {
    QFile::remove(favourite::FilePath());
    QFile::remove(recent::FilePath());
    HostFixture::TearDown();
  }
  static void Write(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
  }
  static QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static recent::UnitPlace Unit(int n) {
    return {QStringLiteral("Masa1"), QStringLiteral("Edit%1").arg(n), -1, QString()};
  }
};

TEST_F(KeptUnits, FavouritesKeepTheirOrderUpToTwenty) {
  using Outcome = favourite::Toggled::Outcome;
  std::vector<recent::UnitPlace> added;
  for (int n = 1; n <= favourite::kMaxUnits; ++n) {
    ASSERT_EQ(favourite::Toggle(Unit(n)).outcome, Outcome::Added);
    added.push_back(Unit(n));
  }
  // A twenty-first is refused, and the file stays as it was.
  const QByteArray full = Contents(favourite::FilePath());
  EXPECT_EQ(favourite::Toggle(Unit(21)).outcome, Outcome::Full);
  EXPECT_EQ(Contents(favourite::FilePath()), full);
  // Once one goes, the next is added at the end.
  EXPECT_EQ(favourite::Toggle(Unit(5)).outcome, Outcome::Removed);
  EXPECT_EQ(favourite::Toggle(Unit(21)).outcome, Outcome::Added);
  std::erase(added, Unit(5));
  added.push_back(Unit(21));
  EXPECT_EQ(favourite::Read(), added);

  // Damaged, the file means none, and the next change writes it anew.
  Write(favourite::FilePath(), full.left(full.size() - 1));
  EXPECT_TRUE(favourite::Read().empty());
  Write(favourite::FilePath(), full + "Masa1\tEdit1\t-1\t\n");  // twice the same unit
  EXPECT_TRUE(favourite::Read().empty());
  EXPECT_EQ(favourite::Toggle(Unit(3)).outcome, Outcome::Added);
  EXPECT_EQ(favourite::Read(), std::vector<recent::UnitPlace>{Unit(3)});
}

// The quantity is kept as a number that the window reads, without the zero that stood before
// it; anything else is no quantity, and a file that holds something else is damaged.
TEST_F(KeptUnits, ARecentUnitKeepsItsQuantityAsANumber) {
  const QByteArray heading = "# Tarvel: unidades recientes 1\n";
  recent::Remember(Unit(1), QStringLiteral("020"));
  recent::Remember(Unit(2), QStringLiteral("-1,5E3"));
  recent::Remember(Unit(3), QStringLiteral("1E400"));
  recent::Remember(Unit(4), QStringLiteral("12abc"));
  EXPECT_EQ(Contents(recent::FilePath()),
            heading + "Masa1\tEdit4\t-1\t\n" + "Masa1\tEdit3\t-1\t\n" +
                "Masa1\tEdit2\t-1\t\t-1.5E3\n" + "Masa1\tEdit1\t-1\t\t20\n");
  for (const QByteArray& number : {QByteArray("abc"), QByteArray("1,5"), QByteArray("020"),
                                   QByteArray("5\t6"), QByteArray()}) {
    Write(recent::FilePath(), heading + "Masa1\tEdit1\t-1\t\t" + number + '\n');
    EXPECT_TRUE(recent::Read().empty()) << number.toStdString();
  }
}

}  // namespace
