// The monkey's reading of a broken text: what it flags is a fault in a window, what it lets
// pass is the window's own business, so both sides matter.

#include <gtest/gtest.h>

#include "driver/monkey/Checks.h"

namespace {

TEST(MonkeyChecksTest, FlagsValuesNoDoubleHolds) {
  for (const char* text : {"INF", "-INF", "inf", "NaN", "nan", "1,5 Infinity", "1,5E309",
                           "-1,7E+400", "1E-325", "2,0e99999", "-1E0000400"})
    EXPECT_TRUE(monkey::ShowsNonNumber(QString::fromUtf8(text))) << text;
}

TEST(MonkeyChecksTest, LetsNumbersAndWordsPass) {
  for (const char* text :
       {"1,79769313486232E308", "-1E308", "4,94065645841247E-324", "1E-320", "0", "Información",
        "Infinito", "nanómetro [nm]", "Kelvin", "pulgada", "E", "1E", "", "1E400"})
    EXPECT_FALSE(monkey::ShowsNonNumber(QString::fromUtf8(text))) << text;
}

TEST(MonkeyChecksTest, MessagesLoseTheUserInput) {
  EXPECT_EQ(monkey::WithoutInput(QStringLiteral("'1E400' is not a valid floating point value"), {}),
            QStringLiteral(" is not a valid floating point value"));
  EXPECT_EQ(monkey::WithoutInput(QStringLiteral("NaN no es un número válido."), {"NaN"}),
            QStringLiteral(" no es un número válido."));
  EXPECT_FALSE(monkey::ShowsNonNumber(monkey::WithoutInput(
      QStringLiteral("''1E-400' is not a valid floating point value"), {"'1E-400"})));
  EXPECT_EQ(
      monkey::WithoutInput(QStringLiteral("2050089,9E307 no es"), {"205008", "2050089,9E307"}),
      QStringLiteral(" no es"));
  // A message that quotes only the start of a long input.
  const QString pasted = QStringLiteral("1E-400") + QString(120, u'9');
  EXPECT_EQ(
      monkey::WithoutInput(pasted.left(100) + QStringLiteral(" no es un número válido."), {pasted}),
      QStringLiteral(" no es un número válido."));
  // The longest quote goes first, though another input begins as it does.
  EXPECT_EQ(
      monkey::WithoutInput(QStringLiteral("0.0046327NaN no es"), {"0.00046327E3", "0.0046327NaN"}),
      QStringLiteral(" no es"));
  // A short input is not taken out: it could be part of the window's own figures.
  EXPECT_TRUE(monkey::ShowsNonNumber(monkey::WithoutInput(QStringLiteral("2,5E400"), {"2", "-"})));
}

}  // namespace
