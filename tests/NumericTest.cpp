// Reading, display, rounding and the key filter, with both decimal separators.
#include <cfloat>
#include <cstring>
#include <utility>

#include "TestSupport.h"
#include "numeric/Numeric.h"

namespace {

class Numeric : public SeparatorFixture {};
INSTANTIATE_FOR_BOTH_SEPARATORS(Numeric);

TEST_P(Numeric, FormatValueChoosesFixedOrScientificAt15Digits) {
  EXPECT_EQ(FormatValue(0.0001), S("0,0001"));
  EXPECT_EQ(FormatValue(0.00001), S("1E-5"));
  EXPECT_EQ(FormatValue(1e15), S("1E15"));
  EXPECT_EQ(FormatValue(999999999999999.0), S("999999999999999"));
  EXPECT_EQ(FormatValue(1.0 / 3.0), S("0,333333333333333"));
  EXPECT_EQ(FormatValue(-2.5), S("-2,5"));
  EXPECT_EQ(FormatValue(0.0), S("0"));
  EXPECT_EQ(FormatValue(-0.0), S("0"));
  EXPECT_EQ(FormatValue(100.0), S("100"));
  EXPECT_EQ(FormatValue(1234.5), S("1234,5"));
  EXPECT_EQ(FormatValue(1.5e-7), S("1,5E-7"));
  EXPECT_EQ(FormatValue(6.022137376997844e26), S("6,02213737699784E26"));
  EXPECT_EQ(FormatValue(-1e-300), S("-1E-300"));
  EXPECT_EQ(FormatValue(DBL_MAX), S("1,79769313486232E308"));
  EXPECT_EQ(FormatValue(5e-324), S("4,94065645841247E-324"));
}

// Leaves digits on the stack where the display's buffers will lie.
[[gnu::noinline]] void LitterTheStack() {
  char junk[4096];
  std::memset(junk, '7', sizeof junk);
  asm volatile("" : : "r"(junk) : "memory");  // the writes must happen
}

TEST_P(Numeric, FormatValueReadsTheExponentOnlyAsFarAsItWasWritten) {
  const std::pair<double, const char*> cases[] = {
      {3.3e100, "3,3E100"}, {1e-300, "1E-300"}, {6.02e29, "6,02E29"}, {2.5e-7, "2,5E-7"}};
  for (const auto& [value, text] : cases) {
    LitterTheStack();
    const QString shown = FormatValue(value);
    EXPECT_EQ(shown, S(text));
  }
}

TEST_P(Numeric, FormatValueRoundsHalfUpAtTheFifteenthDigit) {
  // 16 digits that round up into a new leading digit, and ties away from zero.
  EXPECT_EQ(FormatValue(9999999999999999.0), S("1E16"));
  EXPECT_EQ(FormatValue(999999999999999.9), S("1E15"));
  EXPECT_EQ(FormatValue(1000000000000005.0), S("1,00000000000001E15"));
  EXPECT_EQ(FormatValue(-1000000000000005.0), S("-1,00000000000001E15"));
  EXPECT_EQ(FormatValue(0.1 + 0.2), S("0,3"));
  EXPECT_EQ(FormatValue(0.00009999999999999999), S("0,0001"));
  EXPECT_EQ(FormatValue(123456789012345.6), S("123456789012346"));
}

TEST_P(Numeric, FormatValueOfAnExtendedStoresItFirst) {
  EXPECT_EQ(FormatValue(1.0L / 3.0L), S("0,333333333333333"));
  try {
    FormatValue(1e400L);
    FAIL() << "no overflow";
  } catch (const EOverflow& e) {
    EXPECT_EQ(e.Message(), "Floating point overflow");
  }
}

TEST_P(Numeric, RoundToSendsHalvesUpwardsAlsoForNegatives) {
  EXPECT_EQ(FormatValue(RoundTo(0.25, 1)), S("0,3"));
  EXPECT_EQ(FormatValue(RoundTo(-0.25, 1)), S("-0,2"));
  EXPECT_EQ(FormatValue(RoundTo(1.0 / 3.0, 6)), S("0,333333"));
  EXPECT_EQ(FormatValue(RoundTo(0.00000049, 6)), S("0"));
  EXPECT_EQ(FormatValue(RoundTo(-0.00000049, 6)), S("0"));
  EXPECT_EQ(FormatValue(RoundTo(-0.0000006, 6)), S("-1E-6"));
  EXPECT_EQ(FormatValue(RoundTo(39.37007874015748, 6)), S("39,370079"));
  EXPECT_EQ(FormatValue(RoundTo(2.5, 0)), S("3"));
  EXPECT_EQ(FormatValue(RoundTo(-2.5, 0)), S("-2"));
  // The multiplier is 10^-k in extended precision, not a division.
  EXPECT_EQ(RoundTo(1.0 / 3.0, 6), 333333.0L * 1e-6L);
}

TEST_P(Numeric, RoundToOverflowsWhenTheShiftedValueLeavesTheDoubleRange) {
  EXPECT_THROW(RoundTo(1.8e302, 6), EOverflow);
  EXPECT_NO_THROW(RoundTo(1.7e302, 6));
}

TEST_P(Numeric, ParseValueReadsTheSeparatorAloneAndAnEmptyExponent) {
  EXPECT_EQ(ParseValue(S(",")), 0.0L);
  EXPECT_EQ(ParseValue(S("-,")), 0.0L);
  EXPECT_EQ(ParseValue(QStringLiteral("12E")), 12.0L);
  EXPECT_EQ(ParseValue(S("1,5E-")), 1.5L);  // while the exponent is being typed
  EXPECT_EQ(ParseValue(S("1,5")), 1.5L);
  EXPECT_EQ(ParseValue(S(",5")), 0.5L);
  EXPECT_EQ(ParseValue(S("3,")), 3.0L);
  EXPECT_EQ(ParseValue(S("  +2,5e-1  ")), 0.25L);
  EXPECT_EQ(ParseValue(S("-1,5E+3")), -1500.0L);
  EXPECT_EQ(ParseValue(S("0,1")), 0.1L);  // read in extended precision
  EXPECT_EQ(ParseValue(QStringLiteral("1E400")), 1e400L);
}

TEST_P(Numeric, ParseValueRefusesWhatIsNotANumber) {
  for (const char* text : {"E5", "", " ", "-", "+", "1 2", "1,,2", "1..2", "1E5E", "12a", "--1",
                           "0x10", "1 000", "inf", "nan", "1E5,5"}) {
    const QString t = S(text);
    Extended value;
    EXPECT_FALSE(TryParseValue(t, value)) << text;
    try {
      ParseValue(t);
      ADD_FAILURE() << "read " << text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid floating point value").arg(t));
    }
  }
  // Only the regional separator counts.
  EXPECT_THROW(ParseValue(sep() == u',' ? QStringLiteral("1.5") : QStringLiteral("1,5")),
               EConvertError);
}

TEST_P(Numeric, ParseValueReadsExponentDigitsOnlyBelow500) {
  EXPECT_EQ(ParseValue(QStringLiteral("1E0000000000000000000000000005")), 1e5L);
  EXPECT_EQ(ParseValue(QStringLiteral("1E500")), 1e500L);
  EXPECT_THROW(ParseValue(QStringLiteral("1E5000")), EConvertError);  // a digit left over
  EXPECT_THROW(ParseValue(QStringLiteral("1E-5000")), EConvertError);
  EXPECT_THROW(ParseValue(QStringLiteral("1E4999")), EConvertError);  // beyond extended
  EXPECT_THROW(ParseValue(QStringLiteral("2E4932")), EConvertError);
  EXPECT_EQ(ParseValue(QStringLiteral("1E-4999")), 0.0L);  // underflow is silent
  EXPECT_EQ(ParseValue(QStringLiteral("0E4999")), 0.0L);
  EXPECT_NO_THROW(ParseValue(QStringLiteral("1E4932")));
}

TEST_P(Numeric, StoringBeyondTheDoubleRangeIsAnOverflow) {
  double field = 7;
  try {
    field = Store(ParseValue(QStringLiteral("1E400")));
    FAIL();
  } catch (const EOverflow& e) {
    EXPECT_EQ(e.Message(), "Floating point overflow");
  }
  EXPECT_EQ(field, 7);  // the field keeps its previous content
  EXPECT_THROW(Store(DBL_MAX * 2.0L), EOverflow);
  EXPECT_EQ(Store(1e-400L), 0.0);
  EXPECT_THROW(Divide(1, 0), EZeroDivide);
  EXPECT_THROW(Divide(0, 0), EInvalidOp);
  EXPECT_EQ(EZeroDivide().Message(), "Floating point division by zero");
  EXPECT_EQ(EInvalidOp().Message(), "Invalid floating point operation");
}

// FilterNumericKey on an edit state: text, caret, selection length.
char16_t Filter(char16_t key, const QString& text, int caret, int selection = 0) {
  return FilterNumericKey(key, text, caret, selection);
}

TEST_P(Numeric, KeyFilterTurnsMarksIntoTheSeparatorAndEIntoCapital) {
  for (char16_t mark : {u'.', u',', u'\''}) EXPECT_EQ(Filter(mark, "1", 1), sep());
  EXPECT_EQ(Filter(u'e', "12", 2), u'E');
  EXPECT_EQ(Filter(u'E', "12", 2), u'E');
  EXPECT_EQ(Filter(u'5', "12", 2), u'5');
  EXPECT_EQ(Filter(8, "12", 2), 8);
}

TEST_P(Numeric, KeyFilterPassesClipboardKeysUntested) {
  for (char16_t key : {char16_t(22), char16_t(3), char16_t(24)}) {
    EXPECT_EQ(Filter(key, S("1,5"), 3), key);
  }
  EXPECT_EQ(Filter(26, "1", 1), 0);  // other control characters are discarded
  EXPECT_EQ(Filter(13, "1", 1), 0);
}

TEST_P(Numeric, KeyFilterRefusesWhatWouldNotRead) {
  EXPECT_EQ(Filter(u',', S("1,5"), 3), 0);  // a second separator
  EXPECT_EQ(Filter(u'.', S("1,5"), 1), 0);
  EXPECT_EQ(Filter(u'E', "1E5", 3), 0);  // a second E
  EXPECT_EQ(Filter(u'E', "", 0), 0);     // an E at the start
  EXPECT_EQ(Filter(u'3', "-5", 0), 0);   // a digit before the minus
  EXPECT_EQ(Filter(u'a', "1", 1), 0);
  EXPECT_EQ(Filter(u'+', "1", 0), 0);
  EXPECT_EQ(Filter(u' ', "1", 1), 0);
  EXPECT_EQ(Filter(u'x', "", 0), 0);
  EXPECT_EQ(host.boxes.size(), 0u);  // all without a word
}

TEST_P(Numeric, KeyFilterAcceptsWhatStillReads) {
  EXPECT_EQ(Filter(u',', "", 0), sep());   // the separator alone reads as 0
  EXPECT_EQ(Filter(u'E', "12", 2), u'E');  // 12E reads as 12
  EXPECT_EQ(Filter(u'5', "1E", 2), u'5');
  EXPECT_EQ(Filter(u'5', "-", 1), u'5');
  EXPECT_EQ(Filter(u'0', "1E40", 4), u'0');  // 1E400 passes: only storing it fails
}

TEST_P(Numeric, KeyFilterPlacesTheMinusAtTheStartOrAfterAnExponent) {
  EXPECT_EQ(Filter(u'-', "", 0), u'-');
  EXPECT_EQ(Filter(u'-', "5", 0), u'-');
  EXPECT_EQ(Filter(u'-', "5", 1), 0);
  EXPECT_EQ(Filter(u'-', "-5", 0), 0);        // already negative
  EXPECT_EQ(Filter(u'-', "1E", 2), u'-');     // minus of an exponent
  EXPECT_EQ(Filter(u'-', "-5", 0, 2), u'-');  // the whole text selected: typed over
}

TEST_P(Numeric, KeyFilterTestsTheTextWithTheWholeSelectionReplaced) {
  EXPECT_EQ(Filter(u'E', "12", 0, 2), 0);  // "E" alone does not read
  EXPECT_EQ(Filter(u'7', S("1,5"), 0, 3), u'7');
  // A partial selection stays in the candidate: "1,5" with ",5" selected and a separator typed.
  EXPECT_EQ(Filter(u',', S("1,5"), 1, 2), 0);
}

}  // namespace
