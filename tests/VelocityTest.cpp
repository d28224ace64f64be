// The velocity window driven as a user drives it: the km/h hub, the units derived from km/s
// and from miles per hour, the rounding to 5 decimals but for the speed of light, the speed
// reset that ends at 100 km/h, and the key-stroke bookkeeping on key-down only.
#include <QApplication>
#include <memory>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Input.h"
#include "tools/physical/Unidadvel.h"

namespace {

using converter::Retype;
using converter::WindowFixture;

class Velocity : public WindowFixture<TFormVel> {
 protected:
  // The texts of Edit1 to Edit9.
  std::vector<QString> All() const {
    std::vector<QString> texts;
    for (int n = 1; n <= 9; ++n) texts.push_back(T(n));
    return texts;
  }
  std::vector<QString> L(std::initializer_list<const char*> texts) const {
    std::vector<QString> out;
    for (const char* t : texts) out.push_back(S(t));
    return out;
  }
  // 100 km/h in every edit.
  std::vector<QString> Hundred() const {
    return L({"100", "0,02778", "27,77778", "0,08163", "9,26566801296823E-8", "62,13712",
              "91,13444", "53,96118", "0,01726"});
  }
};
INSTANTIATE_FOR_BOTH_SEPARATORS(Velocity);

TEST_P(Velocity, OneHundredKilometresPerHour) {
  Retype(E(1), QStringLiteral("100"));
  EXPECT_EQ(All(), Hundred());
  EXPECT_TRUE(host.boxes.empty());
}

TEST_P(Velocity, TheSpeedOfLightWritesKilometresPerHourUnrounded) {
  Retype(E(5), QStringLiteral("1"));
  EXPECT_EQ(T(1), "1079253000");
  EXPECT_EQ(T(2), S("299792,5"));
  EXPECT_EQ(T(3), "299792500");
  EXPECT_EQ(T(5), "1");
  Retype(E(5), S("1,23456789E-9"));
  EXPECT_EQ(T(1), S("1,33241109898617"));  // a rounded km/h would show 1,33241
}

TEST_P(Velocity, UnitsRoundKilometresPerHourToFiveDecimals) {
  Retype(E(4), QStringLiteral("1"));
  EXPECT_EQ(T(1), S("1225,05588"));
  EXPECT_EQ(T(3), S("340,2933"));
  Retype(E(8), QStringLiteral("1"));
  EXPECT_EQ(T(1), S("1,85318"));
  EXPECT_EQ(form->UnitValue(1), 1.853184);  // the value itself is kept unrounded
  EXPECT_EQ(T(6), S("1,15152"));
}

TEST_P(Velocity, KmPerSecondAndMilesPerHourFeedTheUnitsDerivedFromThem) {
  Retype(E(2), QStringLiteral("1"));
  EXPECT_EQ(T(1), "3600");
  EXPECT_EQ(T(3), "1000");  // from the typed km/s, not from the km/h
  EXPECT_EQ(T(5), S("3,33564048466856E-6"));
  Retype(E(6), QStringLiteral("1"));
  EXPECT_EQ(T(1), S("1,60934"));
  EXPECT_EQ(T(7), S("1,46667"));
  EXPECT_EQ(T(9), S("0,00028"));
  Retype(E(7), QStringLiteral("1"));
  EXPECT_EQ(T(1), S("1,09728"));
  EXPECT_EQ(T(6), S("0,68182"));
  Retype(E(9), QStringLiteral("1"));
  EXPECT_EQ(T(1), S("5793,6384"));
  EXPECT_EQ(T(7), "5280");
}

TEST_P(Velocity, TwoE300PastedInKmPerHourEndsAtOneHundred) {
  for (bool withCtrlV : {false, true}) {
    form = std::make_unique<TFormVel>(nullptr);  // a fresh window: no pass has run
    user::Show(form.get());
    host.boxes.clear();
    host.elapsedMilliseconds = 0;
    if (withCtrlV) {
      converter::CtrlV(E(1), QStringLiteral("2E300"));
    } else {
      // The menu's paste, holding back the keys the reset queues to see the pass go on.
      E(1)->setFocus(Qt::MouseFocusReason);
      E(1)->selectAll();
      E(1)->PasteText(QStringLiteral("2E300"));
      EXPECT_EQ(All(), std::vector<QString>({"", "0", "0", "0", "0", "0", "0", "0", "0"}));
      EXPECT_EQ(platform::PendingSimulatedKeys(), 3);
      user::Settle();
    }
    ASSERT_EQ(host.boxes.size(), 1u);
    const platform::Box& box = host.boxes[0].box;
    EXPECT_EQ(box.caption, "Tarvel - conversor de unidades");
    EXPECT_EQ(box.text, "Este número excede la capacidad de cálculo");
    EXPECT_EQ(box.icon, platform::Icon::None);
    EXPECT_EQ(box.buttons, platform::Buttons::Ok);
    EXPECT_EQ(host.elapsedMilliseconds, 300);
    EXPECT_EQ(host.beeps, 0);
    EXPECT_TRUE(E(1)->hasFocus());
    EXPECT_EQ(All(), Hundred());
  }
}

TEST_P(Velocity, AUnitAboveTheLimitResetsAndIsRewrittenFromOneHundred) {
  Retype(E(2), QStringLiteral("1E299"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.text, "Este número excede la capacidad de cálculo");
  EXPECT_EQ(All(), Hundred());
  EXPECT_TRUE(E(1)->hasFocus());
}

TEST_P(Velocity, ProductsBeyondTheDoubleRangeEndInTheDefaultErrorBox) {
  // The km/h rounding of a km/s value overflows.
  Retype(E(2), QStringLiteral("1E303"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.caption, "Tarvel - conversor de unidades");
  EXPECT_EQ(host.boxes[0].box.text, "Floating point overflow.");
  EXPECT_EQ(T(1), S("3,6E33"));  // from 1E30, the text before the last key
  // The speed of light above about 1,7E299.
  Retype(E(5), QStringLiteral("2E299"));
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[1].box.text, "Floating point overflow.");
  EXPECT_EQ(T(1), S("2,158506E38"));
  // A text that does not read.
  converter::MenuPaste(E(3), QStringLiteral("--1"));
  ASSERT_EQ(host.boxes.size(), 3u);
  EXPECT_EQ(host.boxes[2].box.text, "'--1' is not a valid floating point value.");
}

TEST_P(Velocity, ADashOrATrailingSeparatorWaitsForTheNextDigit) {
  Retype(E(1), QStringLiteral("-"));
  EXPECT_EQ(T(2), "0");
  user::Type(E(1), QStringLiteral("5"));
  EXPECT_EQ(T(2), S("-0,00139"));
  user::Type(E(1), QStringLiteral("'"));
  EXPECT_EQ(T(1), S("-5,"));
  EXPECT_EQ(T(2), S("-0,00139"));
  user::Type(E(1), QStringLiteral("5"));
  EXPECT_EQ(T(6), S("-3,41754"));
  Retype(E(8), QStringLiteral("2."));
  EXPECT_EQ(T(1), S("3,70637"));
  user::Type(E(8), QStringLiteral("5"));
  EXPECT_EQ(T(1), S("4,63296"));
}

TEST_P(Velocity, EmptyingAnyEditEmptiesAllNine) {
  for (int n = 1; n <= 9; ++n) {
    Retype(E(1), QStringLiteral("100"));
    converter::Empty(E(n));
    EXPECT_EQ(All(), std::vector<QString>(9, QString())) << "emptied Edit" << n;
  }
}

TEST_P(Velocity, OnlyAKeyGoingDownClearsTheGuard) {
  Retype(E(1), QStringLiteral("100"));
  // Without a key stroke after the pass a unit edit updates only its own value, and the
  // hub nothing at all.
  converter::MenuPaste(E(8), QStringLiteral("7"));
  EXPECT_EQ(form->UnitValue(8), 7.0);
  converter::MenuPaste(E(1), QStringLiteral("5"));
  EXPECT_EQ(form->UnitValue(1), 100.0);
  // An input method's character is a key press with no key-down: still no pass.
  converter::Compose(E(8), QStringLiteral("0"));
  EXPECT_EQ(T(8), "70");
  EXPECT_EQ(form->UnitValue(8), 70.0);
  EXPECT_EQ(T(2), S("0,02778"));
  // A key that goes down does.
  user::Key(E(8), Qt::Key_Backspace);
  EXPECT_EQ(T(1), S("12,97229"));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_P(Velocity, EnterClosesTheWindowWithOk) {
  EXPECT_EQ(form->BitBtn1->text(), "Volver");
  Retype(E(3), QStringLiteral("9"));
  user::Key(E(3), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->result(), TForm::mrOk);
}

using VelocityLayout = WindowFixture<TFormVel, HostFixture>;

TEST_F(VelocityLayout, TwoColumnsWithTheirLabelsAndTheButtonBelowTheRightOne) {
  EXPECT_EQ(form->windowTitle(), "Unidades de Velocidad");
  EXPECT_EQ(form->size(), QSize(573, 231));
  converter::ExpectLabelsBesideEdits(form.get());
  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ(form->Find<TLabel>(QStringLiteral("Label%1").arg(n))->FontColor(),
              QColor(0, 0, 0x80));
    EXPECT_EQ(G(QStringLiteral("Edit%1").arg(n)).size(), QSize(121, 21));
  }
  // Left column top to bottom with a gap before "mach"; right column likewise.
  const auto y = [&](int n) { return G(QStringLiteral("Edit%1").arg(n)).y(); };
  const int pitch = y(2) - y(1);
  EXPECT_EQ(y(3) - y(2), pitch);
  EXPECT_EQ(y(4) - y(3), 2 * pitch);
  EXPECT_EQ(y(5) - y(4), pitch);
  EXPECT_EQ(y(6), y(1));
  EXPECT_TRUE(y(6) < y(9) && y(9) < y(7) && y(7) < y(8));
  EXPECT_GT(G(QStringLiteral("Label6")).left(), G(QStringLiteral("Edit1")).right());
  const QRect button = G(QStringLiteral("BitBtn1"));
  EXPECT_GT(button.top(), G(QStringLiteral("Edit8")).bottom());
  EXPECT_EQ(button.right(), G(QStringLiteral("Edit8")).right());
}

TEST_F(VelocityLayout, TabOrder) {
  EXPECT_EQ(converter::TabWalk(form->FindComponent(QStringLiteral("Edit1")), 10),
            std::vector<QString>({"Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit9", "Edit7",
                                  "Edit8", "BitBtn1", "Edit1"}));
}

}  // namespace
