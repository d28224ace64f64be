// The number-base window's reading and writing: every base round-trips 63-bit values, the
// reading's digit rules, and bases typed outside 2 to 36, which the edits must survive.
#include <QLineEdit>
#include <QRandomGenerator>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "tools/numbers/Unitdadbase.h"

namespace {

TEST(NumberBase, EveryBaseRoundTripsRandom63BitValues) {
  QRandomGenerator random(20021994);
  const uint64_t edges[] = {0, 1, 35, 36, (uint64_t{1} << 63) - 1, uint64_t{1} << 62};
  for (int base = 2; base <= 36; ++base) {
    for (int round = 0; round < 3000; ++round) {
      const uint64_t value = round < 6 ? edges[round] : random.generate64() >> (1 + round % 63);
      const QString text = WriteInBase(value, base);
      ASSERT_EQ(ReadInBase(text, base), value) << "base " << base << ": " << text.toStdString();
      ASSERT_EQ(text, text.toUpper());
    }
  }
}

TEST(NumberBase, TheTypingLimitKeepsEveryNumberBelowTwoToTheSixtyThree) {
  for (int base = 2; base <= 36; ++base) {
    const QChar top = WriteInBase(base - 1, base).front();
    const uint64_t largest = ReadInBase(QString(MaxLengthForBase(base), top), base);
    EXPECT_LT(largest, uint64_t{1} << 63) << "base " << base;
  }
}

TEST(NumberBase, CharactersOutsideTheBaseMakeTheNumberZero) {
  // Above 10: a letter beyond the base, small letters, signs, blanks, ':' to '@' and
  // anything above 'Z' spoil the whole number.
  EXPECT_EQ(ReadInBase(QStringLiteral("FF"), 16), 255u);
  for (const char* text : {"1G", "ff", "-1", "+1", " 1", "1 ", "1,5", "1:", "@1", "1_", "Ñ"}) {
    EXPECT_EQ(ReadInBase(QString::fromUtf8(text), 16), 0u) << text;
  }
  EXPECT_EQ(ReadInBase(QStringLiteral("Z"), 36), 35u);
  EXPECT_EQ(ReadInBase(QStringLiteral("Z"), 35), 0u);
  // Up to 10: any character but a decimal digit spoils it; a digit too large counts as 0.
  EXPECT_EQ(ReadInBase(QStringLiteral("12"), 2), 2u);
  EXPECT_EQ(ReadInBase(QStringLiteral("1A"), 10), 0u);
  EXPECT_EQ(ReadInBase(QStringLiteral("999"), 9), 0u);
  EXPECT_EQ(ReadInBase(QStringLiteral("0009"), 10), 9u);
  EXPECT_EQ(ReadInBase(QString(), 10), 0u);
  // The largest number of 63 binary digits and of 18 decimal ones read exactly.
  EXPECT_EQ(ReadInBase(QString(63, u'1'), 2), (uint64_t{1} << 63) - 1);
  EXPECT_EQ(ReadInBase(QString(18, u'9'), 10), 999999999999999999u);
  EXPECT_EQ(ReadInBase(QStringLiteral("18446744073709551615"), 10), UINT64_MAX);
}

TEST(NumberBase, BasesOutsideTwoToThirtySixWriteNothing) {
  for (int base : {-5, 0, 1, 37, 99}) EXPECT_EQ(WriteInBase(255, base), "") << base;
  // Readings in such bases end, whatever they give.
  EXPECT_EQ(ReadInBase(QStringLiteral("777"), 1), 0u);
  EXPECT_EQ(ReadInBase(QStringLiteral("777"), 0), 0u);
  EXPECT_EQ(ReadInBase(QStringLiteral("777"), -5), 0u);
  EXPECT_EQ(ReadInBase(QStringLiteral("10"), 40), 40u);
  EXPECT_EQ(ReadInBase(QStringLiteral("10"), 99), 99u);
}

class NumberBaseWindow : public converter::WindowFixture<TFormBase, HostFixture> {
 protected:
  void TypeBase(TComboBox* box, const QString& base) {
    user::Click(box);
    box->lineEdit()->selectAll();
    user::Type(box, base);
  }
};

TEST_F(NumberBaseWindow, ATypedBaseAboveThirtySixReadsBeyondSixtyFourBitsWithoutHarm) {
  TypeBase(form->ComboBox1, QStringLiteral("99"));
  EXPECT_EQ(form->UpperBaseValue(), 99);
  EXPECT_EQ(form->Edit1->Text(), "");
  EXPECT_EQ(form->Edit1->MaxLength(), 12);
  converter::Retype(form->Edit1, QStringLiteral("ZZZZZZZZZZZZZ"));
  EXPECT_EQ(form->Edit1->Text(), "ZZZZZZZZZZZZ");
  // Far beyond 2^64: the sum wraps, and the decimal text it gives is not cut to 18 digits.
  const QString lower = form->Edit2->Text();
  EXPECT_EQ(lower, WriteInBase(ReadInBase(form->Edit1->Text(), 99), 10));
  EXPECT_FALSE(lower.isEmpty());
  converter::Retype(form->Edit1, QStringLiteral("10"));
  EXPECT_EQ(form->Edit2->Text(), "99");
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(NumberBaseWindow, ASignedBaseCountsAsThatNumberAndEmptiesItsSide) {
  TypeBase(form->ComboBox2, QStringLiteral("-5"));
  EXPECT_EQ(form->LowerBaseValue(), -5);
  EXPECT_EQ(form->Edit2->Text(), "");
  EXPECT_EQ(form->Edit2->MaxLength(), 12);
  converter::Retype(form->Edit2, QStringLiteral("55"));
  EXPECT_EQ(form->Edit1->Text(), "0");
  TypeBase(form->ComboBox2, QStringLiteral("8"));
  EXPECT_EQ(form->Edit2->Text(), "0");
  EXPECT_EQ(form->Edit2->MaxLength(), 20);
}

}  // namespace
