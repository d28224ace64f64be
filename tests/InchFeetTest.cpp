// What the scenarios of the inch and feet windows cannot reach: the inch window's resizing,
// the feet window's guard of its step buttons, and the whole-number readings both windows
// rely on.
#include <QPushButton>
#include <cstdint>
#include <limits>
#include <map>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/Input.h"
#include "platform/Panels.h"
#include "platform/SpeedButton.h"
#include "platform/StatusBar.h"
#include "tools/length/Unidad1.h"
#include "tools/length/Unidadpie.h"
#include "value/Integers.h"

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

using FeetWindow = converter::WindowFixture<TFormPie, HostFixture>;

TEST_F(FeetWindow, InDecimalFeetTheStepButtonsAreOffAndTheirHandlersOnlyExplainWhy) {
  platform::SendMouseClick(form->RadioButton[1]);
  ASSERT_TRUE(form->RadioButton[1]->Checked());
  EXPECT_FALSE(form->SpeedButton1->isEnabled());
  EXPECT_FALSE(form->SpeedButton2->isEnabled());
  converter::Retype(E(2), QStringLiteral("2"));
  converter::Retype(E(1), QStringLiteral("10"));
  const QString before[] = {T(1), T(2), T(3), T(4), T(5)};

  form->SpeedButton1Click();
  form->SpeedButton2Click();
  ASSERT_EQ(host.boxes.size(), 2u);
  for (const auto& record : host.boxes) {
    EXPECT_EQ(record.box.caption, QStringLiteral("pie"));
    EXPECT_EQ(record.box.icon, platform::Icon::Information);
    EXPECT_EQ(record.box.owner, form.get());
    EXPECT_EQ(record.box.text,
              QStringLiteral("La precisión actual es decimal.\nLos botones \"Ant\" y \"Sig\" dan "
                             "la medida anterior y siguiente, sólo cuando se indica la precisión "
                             "como fracción de pulgada: 1/2, 1/4, 1/8, 1/16, 1/32 ó 1/64"));
  }
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(T(n), before[n - 1]) << n;
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
