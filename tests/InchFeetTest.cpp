// What the scenarios of the inch and feet windows cannot reach: the inch window's resizing,
// and the whole-number readings both windows rely on.
#include <QPushButton>
#include <cstdint>
#include <limits>
#include <map>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "numeric/Integers.h"
#include "platform/StatusBar.h"
#include "tools/length/Unidad1.h"

namespace {

class InchWindow : public converter::WindowFixture<TForm1, HostFixture> {
 protected:
  void ResizeTo(int width, int height) {
    form->resize(width, height);
    user::Settle();
  }
};

TEST_F(InchWindow, EnlargedItsRightColumnKeepsItsDistanceAndShrunkItStopsAtItsDesignedSize) {
  const QSize designed = form->size();
  const char* const rightAnchored[] = {"Bevel3", "Label4", "Edit4", "Label5", "Label6", "BitBtn2"};
  const char* const stretching[] = {"RadioGroup1",  "RadioButton2", "RadioButton3", "RadioButton4",
                                    "RadioButton5", "RadioButton6", "RadioButton7"};
  const char* const fixed[] = {"RadioButton1", "Edit1",  "Edit2",  "Edit3",        "BitBtn1",
                               "BitBtn3",      "Bevel2", "Label1", "SpeedButton1", "SpeedButton2"};
  std::map<QString, QRect> before;
  for (const char* n : rightAnchored) before[n] = G(n);
  for (const char* n : stretching) before[n] = G(n);
  for (const char* n : fixed) before[n] = G(n);

  ResizeTo(designed.width() + 120, designed.height() + 50);
  ASSERT_EQ(form->size(), QSize(designed.width() + 120, designed.height() + 50));
  for (const char* n : rightAnchored) EXPECT_EQ(G(n), before[n].translated(120, 0)) << n;
  for (const char* n : stretching) EXPECT_EQ(G(n), before[n].adjusted(0, 0, 120, 0)) << n;
  for (const char* n : fixed) EXPECT_EQ(G(n), before[n]) << n;
  // The status bar runs along the whole foot of the window.
  EXPECT_EQ(form->StatusBar1->geometry().bottomRight(), form->rect().bottomRight());
  EXPECT_EQ(form->StatusBar1->x(), 0);

  // Made smaller than designed, the window stops at its designed size, everything back.
  ResizeTo(300, 200);
  EXPECT_EQ(form->size(), designed);
  ResizeTo(designed.width() - 1, designed.height() + 10);
  EXPECT_EQ(form->size(), QSize(designed.width(), designed.height() + 10));
  ResizeTo(designed.width(), designed.height());
  for (const auto& [name, rect] : before) EXPECT_EQ(G(name), rect) << qPrintable(name);
}

TEST(Integers, ReadIntegerTakesDecimalIntegersWithinTheTypeAndFallsBackOtherwise) {
  EXPECT_EQ(ReadInteger<std::int32_t>(QStringLiteral("01"), 7), 1);
  EXPECT_EQ(ReadInteger<std::int32_t>(QStringLiteral("  -12"), 7), -12);
  EXPECT_EQ(ReadInteger<std::int32_t>(QStringLiteral("+5"), 7), 5);
  for (const char* text : {"", " ", "-", "1,5", "1E3", "12 ", "0x10", "abc"}) {
    EXPECT_EQ(ReadInteger<std::int32_t>(QString::fromLatin1(text), 7), 7) << text;
  }
  EXPECT_EQ(ReadInteger<std::int32_t>(QStringLiteral("2147483647"), 7), 2147483647);
  EXPECT_EQ(ReadInteger<std::int32_t>(QStringLiteral("2147483648"), 7), 7);
  EXPECT_EQ(ReadInteger<std::int64_t>(QStringLiteral("-9223372036854775808"), 7),
            std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(ReadInteger<std::int64_t>(QStringLiteral("9223372036854775808"), 7), 7);
  EXPECT_EQ(ReadInteger<std::int64_t>(QStringLiteral("99999999999999999999"), 7), 7);
  EXPECT_EQ(ReadInteger<std::uint32_t>(QStringLiteral("4294967295"), 7u), 4294967295u);
  EXPECT_EQ(ReadInteger<std::uint32_t>(QStringLiteral("-1"), 7u), 7u);
}

TEST(Integers, FloorToIntegerRaisesTheInvalidOperationOutsideTheType) {
  EXPECT_EQ(FloorToInteger<std::int32_t>(-0.5L), -1);
  EXPECT_EQ(FloorToInteger<std::int32_t>(2147483647.9L), 2147483647);
  EXPECT_THROW(FloorToInteger<std::int32_t>(2147483648.0L), EInvalidOp);
  EXPECT_EQ(FloorToInteger<std::int64_t>(-9223372036854775808.0L),
            std::numeric_limits<std::int64_t>::min());
  EXPECT_THROW(FloorToInteger<std::int64_t>(9223372036854775808.0L), EInvalidOp);
  EXPECT_THROW(FloorToInteger<std::uint32_t>(-0.5L), EInvalidOp);
  EXPECT_EQ(FloorToInteger<std::uint32_t>(4294967295.5L), 4294967295u);
  EXPECT_THROW(FloorToInteger<std::uint32_t>(4294967296.0L), EInvalidOp);
  EXPECT_THROW(FloorToInteger<std::int64_t>(1e400L), EOverflow);
}

}  // namespace
