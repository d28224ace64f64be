// Roman numerals: every number up to four million and a sample up to 2^63 survive the
// writing and the reading; the reading's wrap; the whole numbers read from the Arabic edit;
// the hint settings that the window leaves behind.
#include <QRandomGenerator>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/Controls.h"
#include "platform/Hints.h"
#include "tools/numbers/Unidadromanos.h"
#include "value/Integers.h"

namespace {

TEST(RomanNumerals, EveryNumberUpToFourMillionIsReadBackFromItsNumeral) {
  for (int64_t n = 1; n <= 4000000; ++n) {
    const QString numeral = ToRoman(n);
    if (FromRoman(numeral) != static_cast<uint64_t>(n)) {
      FAIL() << n << " -> " << numeral.toStdString();
    }
  }
}

TEST(RomanNumerals, ARandomSampleUpToTwoToTheSixtyThreeIsReadBack) {
  QRandomGenerator random(1994);
  for (int round = 0; round < 50000; ++round) {
    const auto n = static_cast<int64_t>(random.generate64() >> (1 + round % 40));
    if (n == 0) continue;
    const QString numeral = ToRoman(n);
    ASSERT_EQ(FromRoman(numeral), static_cast<uint64_t>(n)) << numeral.toStdString();
    ASSERT_EQ(ToRoman(static_cast<int64_t>(FromRoman(numeral))), numeral);
  }
  const int64_t largest = INT64_MAX;
  EXPECT_EQ(ToRoman(largest), "IX)CCXXIII)CCCLXXII)XXXVI)DCCCLIV)DCCLXXV)DCCCVII");
  EXPECT_EQ(FromRoman(ToRoman(largest)), static_cast<uint64_t>(largest));
}

TEST(RomanNumerals, NothingIsWrittenForZeroAndBelowAndTheReadingWraps) {
  EXPECT_EQ(ToRoman(0), "");
  EXPECT_EQ(ToRoman(-1), "");
  EXPECT_EQ(ToRoman(INT64_MIN), "");
  EXPECT_EQ(FromRoman(u")"), 0u);
  EXPECT_EQ(FromRoman(u"M M"), 2000u);  // other characters are skipped
  // 10^21 is beyond 64 bits: the product wraps.
  EXPECT_EQ(FromRoman(u"M))))))"), uint64_t{1000000000000000000} * 1000u);
}

TEST(RomanNumerals, WholeNumbersAreReadAsTheLibraryReadsThem) {
  const std::pair<const char16_t*, int64_t> readings[] = {
      {u"  -12", -12},
      {u"+$ff", 255},
      {u"0X1f", 31},
      {u"-0x10", -16},
      {u"$FFFFFFFFFFFFFFFF", -1},
      {u"9223372036854775807", INT64_MAX},
      {u"-9223372036854775808", INT64_MIN},
  };
  for (const auto& [text, value] : readings) {
    EXPECT_EQ(ReadInt64(QString::fromUtf16(text)), value) << QString::fromUtf16(text).toStdString();
  }
  for (const char16_t* unreadable : {u"", u" ", u"12 ", u"1,5", u"-", u"$", u"0x", u"$1G",
                                     u"$10000000000000000", u"9223372036854775808", u"- 1"}) {
    EXPECT_EQ(ReadInt64(QString::fromUtf16(unreadable)), 0)
        << QString::fromUtf16(unreadable).toStdString();
  }
}

class RomanWindow : public converter::WindowFixture<TFormRomanos, HostFixture> {};

TEST_F(RomanWindow, TheConventionColoursHintsUntilTheWindowCloses) {
  const QColor system = platform::SystemHintColor();
  user::Click(form->Label3);
  EXPECT_EQ(platform::HintColor(), QColor(193, 193, 255));
  EXPECT_EQ(platform::HintPause(), 0);
  EXPECT_EQ(platform::HintHidePause(), platform::kHintNever);
  form->BitBtn1->click();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(platform::HintColor(), system);
  EXPECT_EQ(platform::HintPause(), 0);  // the pauses stay for the rest of the run
}

}  // namespace
