// The user's preferences for numbers: the results rounded to a number of significant digits
// and written in scientific or engineering notation, the windows going on with their own
// figures underneath, and the file that keeps the choice.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <map>
#include <memory>

#include "ShellSupport.h"
#include "TestSupport.h"
#include "app/Catalogue.h"
#include "app/Preferences.h"
#include "app/Unidadpresentacion.h"
#include "app/UnitAnswers.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "value/Value.h"

namespace {

class NumberStyles : public SeparatorFixture {
 protected:
  void TearDown() override {
    SetResultStyle({});
    SeparatorFixture::TearDown();
  }
  // The text a window writes for x, in the style.
  QString In(double x, int digits, Notation notation = Notation::AsWindow) const {
    return Restyle(FormatValue(x), {digits, notation});
  }
};

// Halves away from zero, from the digits the window writes; the separator and the switch to
// a power of ten as the window's own, after the rounding.
TEST_P(NumberStyles, RoundingAtTheEdges) {
  EXPECT_EQ(In(1.0625, 4), S("1,063"));  // exact in binary: a true half
  EXPECT_EQ(In(-1.0625, 4), S("-1,063"));
  EXPECT_EQ(In(999.5, 3), S("1000"));  // the carry adds a digit before the separator
  EXPECT_EQ(In(0.00012345, 3), S("0,000123"));
  EXPECT_EQ(In(0.00009999, 3), S("0,0001"));   // up to the plain range by rounding
  EXPECT_EQ(In(0.00009994, 3), S("9,99E-5"));  // and left below it
  EXPECT_EQ(In(1e15, 4), S("1E15"));
  EXPECT_EQ(In(999999999999999.0, 4), S("1E15"));  // plain as the window writes it, not so rounded
  EXPECT_EQ(In(999999999999999.0, 15), S("999999999999999"));
  EXPECT_EQ(In(1e-7, 3), S("1E-7"));
  EXPECT_EQ(In(1.5e-7, 15), S("1,5E-7"));
  EXPECT_EQ(In(100, 3), S("100"));
  EXPECT_EQ(In(0, 3), S("0"));
  // One gram in pounds and atomic mass units, as the windows write them.
  EXPECT_EQ(Restyle(S("0,00220462262184878"), {4, Notation::AsWindow}), S("0,002205"));
  EXPECT_EQ(Restyle(S("6,02213737699784E23"), {4, Notation::AsWindow}), S("6,022E23"));
}

TEST_P(NumberStyles, ScientificAndEngineeringNotation) {
  EXPECT_EQ(In(6.02213737699784e23, 4, Notation::Scientific), S("6,022E23"));
  EXPECT_EQ(In(0.00220462262184878, 4, Notation::Scientific), S("2,205E-3"));
  EXPECT_EQ(In(5, 4, Notation::Scientific), S("5"));  // no power for the exponent 0
  EXPECT_EQ(In(100, 4, Notation::Scientific), S("1E2"));
  EXPECT_EQ(In(-1234.5, 0, Notation::Scientific), S("-1,2345E3"));  // the window's digits

  EXPECT_EQ(In(0.0352739619495804, 4, Notation::Engineering), S("35,27E-3"));
  EXPECT_EQ(In(0.00220462262184878, 4, Notation::Engineering), S("2,205E-3"));
  EXPECT_EQ(In(6.02213737699784e23, 4, Notation::Engineering), S("602,2E21"));
  EXPECT_EQ(In(12345, 3, Notation::Engineering), S("12,3E3"));
  EXPECT_EQ(In(999.5, 3, Notation::Engineering), S("1E3"));
  EXPECT_EQ(In(123, 3, Notation::Engineering), S("123"));
  EXPECT_EQ(In(1e-4, 3, Notation::Engineering), S("100E-6"));  // three digits before, zeros
}

TEST_P(NumberStyles, OnlyNumbersAsTheWindowsWriteThemChange) {
  for (const char* text : {"", "-", "abc", "1,", ",5", "+5", " 5", "1E", "1E12345", "5 pies"})
    EXPECT_EQ(Restyle(S(text), {3, Notation::Scientific}), S(text)) << text;
  // The default leaves everything as the window wrote it.
  EXPECT_EQ(Restyle(S("0,00220462262184878"), {}), S("0,00220462262184878"));
}

INSTANTIATE_FOR_BOTH_SEPARATORS(NumberStyles);

class NumberPreferences : public HostFixture {
 protected:
  void TearDown() override {
    SetResultStyle({});
    HostFixture::TearDown();
  }
};

// A window whose handlers read the texts they wrote (the length window's network) converts as
// it always has: with the results shown rounded, it reads what it wrote, and every edit shows
// that text in the style.
TEST_F(NumberPreferences, AWindowGoesOnWithItsOwnFiguresUnderTheStyle) {
  platform::SetDecimalSeparator(u',');
  auto convert = [](const NumberStyle& style) {
    SetResultStyle(style);
    std::unique_ptr<TForm> form(FindMenuRow(QStringLiteral("Longitud1"))->opens(nullptr));
    user::Show(form.get());
    auto* foot = form->Find<TEdit>(QStringLiteral("Edit5"));
    user::Click(foot);
    foot->selectAll();
    user::Type(foot, QStringLiteral("1,5"));
    std::map<QString, std::pair<QString, QString>> texts;
    for (const TEdit* edit : form->findChildren<TEdit*>())
      texts[edit->objectName()] = {edit->Text(), edit->ShownText()};
    return texts;
  };
  const auto plain = convert({});
  const auto styled = convert({3, Notation::Scientific});
  ASSERT_EQ(plain.size(), styled.size());
  for (const auto& [name, texts] : plain) {
    EXPECT_EQ(styled.at(name).first, texts.first) << name.toStdString();
    const QString shown = name == QLatin1String("Edit5")
                              ? texts.first
                              : Restyle(texts.first, {3, Notation::Scientific});
    EXPECT_EQ(styled.at(name).second, shown) << name.toStdString();
  }
  EXPECT_EQ(styled.at(QStringLiteral("Edit2")).second, QStringLiteral("4,57E-1"));
  EXPECT_TRUE(host.boxes.empty());
}

// The desktop search's answers: the figure of the answer as its window shows it, those beside
// it with as many digits as chosen, or six, in the notation chosen.
class SearchAnswers : public ShellFixture {
 protected:
  // The main window reads the preferences kept (none here) when it is made.
  void SetUp() override {
    ShellFixture::SetUp();
    platform::SetDecimalSeparator(u',');
    main = std::make_unique<TFormPrincipal>();
  }
  void TearDown() override {
    SetResultStyle({});
    main.reset();
    ShellFixture::TearDown();
  }
  UnitAnswer Answer(const char* text) {
    return AnswerSearch(main->Units(), main.get(), QString::fromUtf8(text), 1).at(0);
  }
  std::unique_ptr<TFormPrincipal> main;
};

TEST_F(SearchAnswers, FollowTheUsersNumbers) {
  SetResultStyle({4, Notation::AsWindow});
  EXPECT_EQ(Answer("5 pies").description,
            QStringLiteral("152,4 cm · 60 pulgadas · 1,667 yardas — Unidades de longitud"));
  SetResultStyle({0, Notation::Engineering});
  const UnitAnswer light = Answer("1 año luz");
  EXPECT_TRUE(light.description.contains(QStringLiteral("9,46055E12 km")))
      << light.description.toStdString();
  EXPECT_EQ(Answer("500 gramos").title, QStringLiteral("500 gramos = 500E-3 kilogramos"));
  EXPECT_TRUE(host.boxes.empty());
}

// The file of preferences: what was kept is read back; damaged in any way, it means the
// defaults, and the next save writes it anew.
TEST_F(NumberPreferences, ADamagedPreferencesFileMeansTheDefaults) {
  const QString path = prefs::FilePath();
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
  ASSERT_EQ(prefs::Save({4, Notation::Engineering}), QString());
  EXPECT_EQ(prefs::Read(), (NumberStyle{4, Notation::Engineering}));
  ASSERT_EQ(prefs::Save({}), QString());
  EXPECT_EQ(prefs::Read(), NumberStyle());

  const QByteArray heading = "# Tarvel: preferencias 1\n";
  auto write = [&](const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
  };
  write(heading + "notacion=cientifica\ncifras=15\n");
  EXPECT_EQ(prefs::Read(), (NumberStyle{15, Notation::Scientific}));
  const QByteArray damaged[] = {
      QByteArray("\x00\xff garbage", 10),
      heading,
      "cifras=4\nnotacion=ingenieria\n",
      heading + "cifras=4\nnotacion=ingenieria",
      heading + "cifras=2\nnotacion=ingenieria\n",
      heading + "cifras=16\nnotacion=ingenieria\n",
      heading + "cifras=+4\nnotacion=ingenieria\n",
      heading + "cifras=4\nnotacion=Ingeniería\n",
      heading + "cifras=4\ncifras=5\n",
      heading + "cifras=4\nnotacion=ingenieria\notra=1\n",
      heading + "cifras=4\nnotacion=ingenieria\n" + QByteArray(2000, '#') + '\n',
  };
  for (const QByteArray& content : damaged) {
    write(content);
    EXPECT_EQ(prefs::Read(), NumberStyle()) << content.toStdString();
  }
  // A folder in the file's place is no file of ours either.
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(QDir().mkdir(path));
  EXPECT_EQ(prefs::Read(), NumberStyle());
  ASSERT_TRUE(QDir().rmdir(path));

  write(heading + "cifras=2\n");
  ASSERT_EQ(prefs::Save({6, Notation::AsWindow}), QString());
  EXPECT_EQ(prefs::Read(), (NumberStyle{6, Notation::AsWindow}));
  ASSERT_TRUE(QFile::remove(path));
}

}  // namespace
