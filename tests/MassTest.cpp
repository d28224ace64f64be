// The mass window driven as a user drives it: the kilogram hub and its 27 units, the
// "Ohhhh!" reset that leaves the window empty, the key-stroke bookkeeping on key-down and
// key press, and the arrangement of its frames, bracket and labels.
#include <QApplication>
#include <memory>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Input.h"
#include "tools/physical/Unidadmasa.h"

namespace {

using converter::Retype;
using converter::WindowFixture;

constexpr int kEdits[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                          15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 28, 29, 30};

class Mass : public WindowFixture<TFormMasa> {
 protected:
  void ExpectAllEmpty() const {
    for (int n : kEdits) EXPECT_EQ(T(n), "") << "Edit" << n;
  }
  std::vector<QString> BoxCaptions() const {
    std::vector<QString> captions;
    for (const auto& record : host.boxes) captions.push_back(record.box.caption);
    return captions;
  }
};
INSTANTIATE_FOR_BOTH_SEPARATORS(Mass);

TEST_P(Mass, OneKilogramFillsEveryUnit) {
  Retype(E(2), QStringLiteral("1"));
  EXPECT_EQ(T(2), "1");
  EXPECT_EQ(T(3), "1000");
  EXPECT_EQ(T(25), "1000000");
  EXPECT_EQ(T(1), S("0,001"));
  EXPECT_EQ(T(14), S("2,20462262184878"));
  EXPECT_EQ(T(17), S("35,2739619495804"));
  EXPECT_EQ(T(30), S("0,15747304441777"));
  EXPECT_EQ(T(5), S("6,02213737699784E26"));
  EXPECT_EQ(T(8), S("6,02279023826158E26"));
  EXPECT_EQ(T(23), S("15432,3583529414"));
  EXPECT_TRUE(host.boxes.empty());
}

// An avogram is a gram over Avogadro's number: within a few parts in ten thousand of every
// atomic mass unit of its own frame.
TEST_P(Mass, AnAvogramWeighsAboutOneAtomicMassUnit) {
  Retype(E(8), QStringLiteral("1"));
  for (int uma : {5, 6, 7}) EXPECT_NEAR(form->UnitValue(uma), 1.0, 0.01) << "Edit" << uma;
  EXPECT_EQ(T(2), S("1,66036E-27"));
}

TEST_P(Mass, AUnitWritesTheHubWhichWritesEveryOtherUnitButTheSource) {
  Retype(E(14), QStringLiteral("1"));
  EXPECT_EQ(T(14), "1");
  EXPECT_EQ(T(2), S("0,45359237"));
  EXPECT_EQ(T(17), "16");
  EXPECT_EQ(T(23), "7000");
  EXPECT_EQ(form->UnitValue(2), 0.45359237);

  Retype(E(1), QStringLiteral("1"));
  EXPECT_EQ(T(1), "1");  // typed, never rewritten
  EXPECT_EQ(T(2), "1000");
  EXPECT_EQ(T(3), "1000000");
  EXPECT_EQ(T(14), S("2204,62262184878"));
  // Typed further, the source keeps the user's text while the others follow.
  user::Type(E(1), QStringLiteral(".50"));
  EXPECT_EQ(T(1), S("1,50"));
  EXPECT_EQ(T(2), "1500");
}

TEST_P(Mass, MKpSAndHylAlwaysShowTheSameText) {
  const char* values[] = {"1", "0,1", "12345,678", "1E-20", "3,3E100", "-7,25", "0,000123"};
  for (int source : {2, 4, 24, 13, 5, 23, 1}) {
    for (const char* value : values) {
      Retype(E(source), S(value));
      EXPECT_EQ(T(4), T(24)) << "typed " << value << " in Edit" << source;
      EXPECT_NE(T(4), "");
    }
  }
}

TEST_P(Mass, ADashOrATrailingSeparatorWaitsForTheNextDigit) {
  Retype(E(2), QStringLiteral("-"));
  EXPECT_EQ(T(2), "-");
  EXPECT_EQ(T(3), "0");
  user::Type(E(2), QStringLiteral("2"));
  EXPECT_EQ(T(3), "-2000");
  user::Type(E(2), QStringLiteral(","));
  EXPECT_EQ(T(2), S("-2,"));
  EXPECT_EQ(T(3), "-2000");
  user::Type(E(2), QStringLiteral("5"));
  EXPECT_EQ(T(3), "-2500");

  Retype(E(14), QStringLiteral("1."));
  EXPECT_EQ(T(14), S("1,"));
  EXPECT_EQ(T(2), S("0,45359237"));
  user::Type(E(14), QStringLiteral("5"));
  EXPECT_EQ(T(2), S("0,680388555"));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_P(Mass, EmptyingAnyEditEmptiesAllTwentyEight) {
  for (int n : kEdits) {
    Retype(E(2), QStringLiteral("3"));
    ASSERT_EQ(T(30), S("0,472419133253309"));
    converter::Empty(E(n));
    ExpectAllEmpty();
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_P(Mass, TwoE273PastedInKilogramsShowsTheBoxAndLeavesTheWindowEmpty) {
  Retype(E(14), QStringLiteral("1"));
  QString atBoxEdit1, atBoxEdit7;
  host.onBox = [&](const platform::Box&) {
    atBoxEdit1 = T(1);
    atBoxEdit7 = T(7);
  };
  converter::CtrlV(E(2), QStringLiteral("2E273"));
  ASSERT_EQ(host.boxes.size(), 1u);
  const platform::Box& box = host.boxes[0].box;
  EXPECT_EQ(box.caption, "Ohhhh!");
  EXPECT_EQ(box.text, "No puedo procesar este numerito...\n¿probamos con otro?");
  EXPECT_EQ(box.icon, platform::Icon::Warning);
  EXPECT_EQ(box.buttons, platform::Buttons::Ok);
  EXPECT_EQ(box.owner, form.get());
  // The pass stopped at "uma - O16": the edits before it were written, those after it not.
  EXPECT_EQ(atBoxEdit1, "2E270");
  EXPECT_EQ(atBoxEdit7, S("2,71039282235753E26"));  // still from 1 lb
  ExpectAllEmpty();
  // No value reset, no keys, no pause, no beep; the focus stays where the user pasted.
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(host.elapsedMilliseconds, 0);
  EXPECT_EQ(platform::PendingSimulatedKeys(), 0);
  EXPECT_TRUE(E(2)->hasFocus());
  // The window goes on.
  user::Type(E(2), QStringLiteral("1"));
  EXPECT_EQ(T(3), "1000");
  EXPECT_EQ(host.boxes.size(), 1u);
  // From a unit the same: 2E270 tonnes empty the window, the tonne's own text included.
  Retype(E(1), QStringLiteral("2E270"));
  EXPECT_EQ(BoxCaptions(), std::vector<QString>({"Ohhhh!", "Ohhhh!"}));
  ExpectAllEmpty();
  EXPECT_TRUE(E(1)->hasFocus());
}

TEST_P(Mass, ValuesJustBelowTheLimitConvertNormally) {
  converter::CtrlV(E(2), QStringLiteral("1E273"));
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(T(6), S("6,02406009602352E299"));
  EXPECT_EQ(T(30), S("1,5747304441777E272"));
  converter::CtrlV(E(2), S("1,66E273"));
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(T(6), S("9,99993975939904E299"));
  converter::CtrlV(E(2), S("1,67E273"));
  EXPECT_EQ(BoxCaptions(), std::vector<QString>{"Ohhhh!"});
  ExpectAllEmpty();
}

TEST_P(Mass, AValueTypedInUmaO16NeverShowsTheBox) {
  Retype(E(6), QStringLiteral("1E308"));
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(T(2), S("1,66001E281"));
  // Beyond the double range it is the default error box, still never "Ohhhh!".
  user::Type(E(6), QStringLiteral("0"));
  EXPECT_EQ(BoxCaptions(), std::vector<QString>{"Tarvel - conversor de unidades"});
  EXPECT_EQ(host.boxes[0].box.text, "Floating point overflow.");
  converter::CtrlV(E(6), S("1,7E308"));
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(T(2), S("2,822017E281"));
}

TEST_P(Mass, ProductsBeyondTheDoubleRangeEndInTheDefaultErrorBox) {
  // In the hub "uma - C12", computed before the guarded unit, overflows first.
  converter::CtrlV(E(2), QStringLiteral("3E281"));
  ASSERT_EQ(BoxCaptions(), std::vector<QString>{"Tarvel - conversor de unidades"});
  EXPECT_EQ(host.boxes[0].box.text, "Floating point overflow.");
  EXPECT_EQ(host.boxes[0].box.icon, platform::Icon::Error);
  EXPECT_EQ(T(4), S("3,05914863893378E280"));  // written before the failure
  EXPECT_EQ(T(5), "0");
  EXPECT_EQ(T(6), "0");

  // In a unit handler: "tonelada larga" above 1,77E305 overflows in kilograms.
  Retype(E(9), QStringLiteral("2E305"));
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[1].box.text, "Floating point overflow.");
  EXPECT_EQ(T(2), S("2,0320938176E33"));  // from 2E30, the text before the last key

  // A text that does not read is not caught by the window either.
  converter::MenuPaste(E(3), QStringLiteral("12abc"));
  ASSERT_EQ(host.boxes.size(), 3u);
  EXPECT_EQ(host.boxes[2].box.text, "'12abc' is not a valid floating point value.");
  EXPECT_EQ(T(2), S("2,0320938176E33"));
}

TEST_P(Mass, APasteWithoutAKeyStrokeAfterAPassUpdatesOnlyTheEditsOwnValue) {
  Retype(E(2), QStringLiteral("1"));
  converter::MenuPaste(E(3), QStringLiteral("5"));
  EXPECT_EQ(T(3), "5");
  EXPECT_EQ(form->UnitValue(3), 5.0);
  EXPECT_EQ(T(2), "1");
  EXPECT_EQ(T(1), S("0,001"));
  EXPECT_EQ(form->UnitValue(2), 1.0);
  // The next key stroke clears the guard and converts again.
  user::Key(E(3), Qt::Key_End);
  user::Type(E(3), QStringLiteral("0"));
  EXPECT_EQ(T(2), S("0,05"));
  EXPECT_EQ(T(1), "5E-5");
}

TEST_P(Mass, AKeyPressWithoutAKeyDownIsAKeyStrokeToo) {
  Retype(E(2), QStringLiteral("1"));
  converter::MenuPaste(E(14), QStringLiteral("0"));  // no key stroke: nothing else changes
  EXPECT_EQ(T(2), "1");
  converter::Compose(E(14), QStringLiteral("1"));  // an input method's character
  EXPECT_EQ(T(14), "01");
  EXPECT_EQ(T(2), S("0,45359237"));
}

TEST_P(Mass, EnterOrVolverClosesTheWindowWithOk) {
  EXPECT_EQ(form->BitBtn1->text(), "Volver");
  Retype(E(5), QStringLiteral("2"));
  user::Key(E(5), Qt::Key_Return);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->result(), TForm::mrOk);
  EXPECT_EQ(T(5), "2");  // Enter types nothing
}

class MassLayout : public WindowFixture<TFormMasa, HostFixture> {
 protected:
  // The edit and its label inside the rectangle.
  void ExpectInside(const QRect& area, int n) const {
    EXPECT_TRUE(area.contains(G(QStringLiteral("Edit%1").arg(n)))) << "Edit" << n;
    EXPECT_TRUE(area.contains(G(QStringLiteral("Label%1").arg(n)))) << "Label" << n;
  }
};

TEST_F(MassLayout, TheWindowAndItsLabels) {
  EXPECT_EQ(form->windowTitle(), "Unidades de masa");
  EXPECT_EQ(form->size(), QSize(730, 383));
  EXPECT_EQ(form->findChildren<TEdit*>().size(), 28);
  EXPECT_EQ(form->FindComponent(QStringLiteral("Edit26")), nullptr);
  converter::ExpectLabelsBesideEdits(form.get());
  const QColor navy(0, 0, 0x80), green(0, 0x80, 0), teal(0, 0x80, 0x80);
  for (int n : kEdits) {
    const QColor expected = (n >= 5 && n <= 8) ? green : n >= 28 ? teal : navy;
    EXPECT_EQ(form->Find<TLabel>(QStringLiteral("Label%1").arg(n))->FontColor(), expected) << n;
    EXPECT_EQ(form->Find<TEdit>(QStringLiteral("Edit%1").arg(n))->size(), QSize(121, 21));
  }
  EXPECT_EQ(form->Find<TLabel>(QStringLiteral("Label24"))->text(), "hyl");
}

TEST_F(MassLayout, FramesColumnsAndTheOpenBracket) {
  for (int n : {1, 2, 3, 25}) ExpectInside(G(QStringLiteral("Bevel1")), n);
  ExpectInside(G(QStringLiteral("Bevel2")), 4);
  for (int n : {5, 6, 7, 8}) ExpectInside(G(QStringLiteral("Bevel3")), n);
  const QRect right = G(QStringLiteral("Bevel4"));
  for (int n = 9; n <= 24; ++n) ExpectInside(right, n);
  EXPECT_EQ(G(QStringLiteral("Edit1")).y(), G(QStringLiteral("Edit9")).y());
  EXPECT_LT(G(QStringLiteral("Edit13")).y(), G(QStringLiteral("Edit24")).y());  // slug, hyl
  EXPECT_LT(G(QStringLiteral("Edit24")).y(), G(QStringLiteral("Edit14")).y());  // hyl, lb
  EXPECT_LT(G(QStringLiteral("Edit9")).right(), G(QStringLiteral("Label16")).left());
  // Left, right and bottom lines below the frame under the middle column, no top line.
  const QRect leftLine = G(QStringLiteral("Bevel5")), rightLine = G(QStringLiteral("Bevel6")),
              bottomLine = G(QStringLiteral("Bevel7"));
  EXPECT_GT(leftLine.height(), leftLine.width());
  EXPECT_GT(rightLine.height(), rightLine.width());
  EXPECT_GT(bottomLine.width(), bottomLine.height());
  EXPECT_EQ(form->FindComponent(QStringLiteral("Bevel8")), nullptr);
  const QRect bracket = leftLine.united(rightLine).united(bottomLine);
  EXPECT_GT(bracket.top(), right.bottom());
  EXPECT_LT(bracket.right(), G(QStringLiteral("Label16")).left());
  for (int n : {28, 29, 30}) {
    ExpectInside(bracket, n);
    EXPECT_EQ(G(QStringLiteral("Edit%1").arg(n)).x(), G(QStringLiteral("Edit9")).x());
  }
}

TEST_F(MassLayout, TabOrder) {
  std::vector<QString> expected;
  for (int n = 2; n <= 24; ++n) expected.push_back(QStringLiteral("Edit%1").arg(n));
  for (const char* name : {"Edit28", "Edit29", "Edit30", "BitBtn1", "Edit25", "Edit1"}) {
    expected.push_back(QString::fromLatin1(name));
  }
  EXPECT_EQ(converter::TabWalk(form->FindComponent(QStringLiteral("Edit1")), 29), expected);
}

}  // namespace
