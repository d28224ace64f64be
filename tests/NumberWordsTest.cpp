// Numbers in Spanish words: every number below a million against a table made here from the
// rules of the language, and the group words in both modes.
#include <array>
#include <string>

#include "TestSupport.h"
#include "tools/numbers/Unidadletras.h"

namespace {

// Spanish numerals below a million, from the rules: the words to fifteen and the tens are
// learnt; 16 to 19 are "dieci" and the unit, 21 to 29 "veinti" and the unit, written as one
// word with the stress mark that the joined word needs (veintidós, veintitrés, veintiséis,
// dieciséis); 31 to 99 join tens and units with "y". One hundred alone is "cien", followed by
// more "ciento"; the other hundreds are learnt. Before "mil" a final "uno" drops its last
// letter (un, veintiún), and one thousand is "mil" with no "un".
std::string Below1000(int n) {
  static const char* const kLearnt[] = {"",     "uno",   "dos",     "tres",  "cuatro", "cinco",
                                        "seis", "siete", "ocho",    "nueve", "diez",   "once",
                                        "doce", "trece", "catorce", "quince"};
  static const char* const kTens[] = {"",          "",        "veinte",  "treinta", "cuarenta",
                                      "cincuenta", "sesenta", "setenta", "ochenta", "noventa"};
  static const char* const kHundreds[] = {
      "",           "ciento",      "doscientos",  "trescientos", "cuatrocientos",
      "quinientos", "seiscientos", "setecientos", "ochocientos", "novecientos"};
  auto stressed = [](int unit) -> std::string {
    switch (unit) {
      case 2: return "dós";
      case 3: return "trés";
      case 6: return "séis";
      default: return kLearnt[unit];
    }
  };
  auto twoDigits = [&](int m) -> std::string {
    if (m < 16) return kLearnt[m];
    if (m < 20) return std::string("dieci").append(stressed(m - 10));
    if (m == 20) return "veinte";
    if (m < 30) return std::string("veinti").append(stressed(m - 20));
    if (m % 10 == 0) return kTens[m / 10];
    return std::string(kTens[m / 10]) + " y " + kLearnt[m % 10];
  };
  if (n == 100) return "cien";
  const int hundreds = n / 100, rest = n % 100;
  if (hundreds == 0) return twoDigits(rest);
  if (rest == 0) return kHundreds[hundreds];
  return std::string(kHundreds[hundreds]) + " " + twoDigits(rest);
}

bool EndsWith(const std::string& words, const std::string& end) {
  return words.size() >= end.size() &&
         words.compare(words.size() - end.size(), end.size(), end) == 0;
}

std::string BeforeThousand(std::string words) {
  if (!EndsWith(words, "uno")) return words;
  words.resize(words.size() - 1);
  if (EndsWith(words, "veintiun")) words.replace(words.size() - 2, 1, "ú");
  return words;
}

std::string Spanish(int n) {
  if (n == 0) return "cero";
  const int thousands = n / 1000, rest = n % 1000;
  std::string words;
  if (thousands == 1) words = "mil";
  if (thousands > 1) words = BeforeThousand(Below1000(thousands)) + " mil";
  if (rest != 0) {
    if (!words.empty()) words += ' ';
    words += Below1000(rest);
  }
  return words;
}

TEST(NumberWords, EveryNumberBelowAMillionReadsAsSpanishNumeralsDo) {
  std::array<std::string, 1000> below;
  for (int n = 0; n < 1000; ++n) below[n] = Spanish(n);
  int wrong = 0;
  for (int n = 0; n < 1000000 && wrong < 10; ++n) {
    QString shown = NumberWords(QString::number(n));
    // The words may end with one blank (after "mil" or a round hundred), never two.
    if (shown.endsWith(u' ')) shown.chop(1);
    const std::string expected = n < 1000 ? below[n] : Spanish(n);
    if (shown.toStdString() != expected) {
      ADD_FAILURE() << n << ": \"" << shown.toStdString() << "\", expected \"" << expected << "\"";
      ++wrong;
    }
  }
}

TEST(NumberWords, GroupsEndInUnOrUnoByTheirMode) {
  EXPECT_EQ(GroupWords(0, WordMode::Plain), "");
  EXPECT_EQ(GroupWords(1, WordMode::Apocope), "un");
  EXPECT_EQ(GroupWords(21, WordMode::Apocope), "veintiún");
  EXPECT_EQ(GroupWords(21, WordMode::Plain), "veintiuno");
  EXPECT_EQ(GroupWords(31, WordMode::Apocope), "treinta y un");
  EXPECT_EQ(GroupWords(101, WordMode::Apocope), "ciento un");
  EXPECT_EQ(GroupWords(991, WordMode::Plain), "novecientos noventa y uno");
  EXPECT_EQ(GroupWords(11, WordMode::Apocope), "once");
  EXPECT_EQ(GroupWords(200, WordMode::Plain), "doscientos ");
}

TEST(NumberWords, TheLargestNumbersAndSignedOnesAreWritten) {
  EXPECT_EQ(NumberWords(QStringLiteral("0x7FFFFFFFFFFFFFFF")),
            "nueve trillones doscientos veintitrés mil trescientos setenta y dos billones "
            "treinta y seis mil ochocientos cincuenta y cuatro millones setecientos setenta y "
            "cinco mil ochocientos siete");
  EXPECT_EQ(NumberWords(QStringLiteral("-$8000000000000000")),
            "menos nueve trillones doscientos veintitrés mil trescientos setenta y dos billones "
            "treinta y seis mil ochocientos cincuenta y cuatro millones setecientos setenta y "
            "cinco mil ochocientos ocho");
  EXPECT_EQ(NumberWords(QStringLiteral("-0")), "cero");
  EXPECT_EQ(NumberWords(QString()), "");
}

}  // namespace
