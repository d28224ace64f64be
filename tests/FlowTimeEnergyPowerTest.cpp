// What the scenarios of the flow, time, energy and power windows cannot see: the pauses
// before the simulated keys and the absent beeps of their resets, what the window holds while
// a box is open or before the reset's key arrives, the placement of the labels and the tab
// order.
#include <QApplication>
#include <QClipboard>
#include <memory>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Input.h"
#include "tools/physical/U_caudal.h"
#include "tools/physical/Unidadenergia.h"
#include "tools/physical/Unidadpotencia.h"
#include "tools/physical/Unidadtiempo.h"

namespace {

using converter::Retype;
using converter::WindowFixture;

std::vector<QString> EditNames(std::initializer_list<int> numbers) {
  std::vector<QString> names;
  for (int n : numbers) names.push_back(QStringLiteral("Edit%1").arg(n));
  return names;
}

// ---- Flow ----

class Flow : public WindowFixture<TFormCaudal, HostFixture> {};

TEST_F(Flow, TheResetWaits200MillisecondsBeforeItsKeyAndDoesNotBeep) {
  Retype(E(14), QStringLiteral("3"));
  QString atBoxEdit2, atBoxEdit14;
  host.onBox = [&](const platform::Box&) {
    atBoxEdit2 = T(2);
    atBoxEdit14 = T(14);
  };
  converter::CtrlV(E(1), QStringLiteral("3E200"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.text, "Probemos con un número más chico...");
  // Nothing of the pass was written before the dialog.
  EXPECT_EQ(atBoxEdit2, "11.356235352");
  EXPECT_EQ(atBoxEdit14, "3");
  EXPECT_EQ(host.elapsedMilliseconds, 200);
  EXPECT_EQ(host.beeps, 0);
  EXPECT_TRUE(E(1)->hasFocus());
  EXPECT_EQ(T(1), "1");
  EXPECT_EQ(T(24), "86400000");
  EXPECT_EQ(form->UnitValue(1), 1.0);
}

TEST_F(Flow, AUnitPassReadsTheFocusedEditOnlyAndComesBackToTheHubWithTheSameText) {
  Retype(E(10), QStringLiteral("1"));
  EXPECT_EQ(T(1), "0.4719474432");
  EXPECT_EQ(T(9), "0.0166666666666667");
  EXPECT_EQ(T(12), "1440");
  EXPECT_EQ(form->UnitValue(10), 1.0);  // not rewritten by the other edits' handler runs
  // A paste from the context menu after the pass: the guard is still set, so only the hub's
  // text follows.
  converter::MenuPaste(E(5), QStringLiteral("2"));
  EXPECT_EQ(T(1), "2000");
  EXPECT_EQ(T(9), "0.0166666666666667");
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Flow, LabelsStandBesideTheirEditsAndTabFollowsTheNumbers) {
  converter::ExpectLabelsBesideEdits(form.get());
  std::vector<QString> expected = EditNames(
      {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24});
  expected.push_back(QStringLiteral("BitBtn1"));
  EXPECT_EQ(converter::TabWalk(E(1), 24), expected);
}

// ---- Time ----

class Time : public WindowFixture<TFormTiempo, HostFixture> {};

TEST_F(Time, AnElementalResetInsideAPassLetsThePassFinishBeforeTheKeyArrives) {
  Retype(E(4), QStringLiteral("1"));
  QGuiApplication::clipboard()->setText(QStringLiteral("1E280"));
  user::Click(E(1));
  E(1)->selectAll();
  // The key stroke alone, without processing the queued key afterwards.
  platform::SendKeyStroke(E(1), {Qt::Key_V, Qt::ControlModifier, QString(QChar(22))});
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.text, "Este valor excede la capacidad de cálculo,\nlo siento");
  EXPECT_EQ(T(1), "");                       // emptied by the reset, nothing cleared
  EXPECT_EQ(T(16), "4.13414472813864E296");  // written before "elemental"
  EXPECT_EQ(T(17), "1.06387505851313E303");  // the value that set off the reset
  EXPECT_EQ(T(25), "3.16887907240572E272");  // the pass went on from its base
  EXPECT_EQ(form->UnitValue(17), 0.0);
  EXPECT_EQ(platform::PendingSimulatedKeys(), 1);
  EXPECT_EQ(host.elapsedMilliseconds, 100);
  EXPECT_TRUE(E(1)->hasFocus());
  user::Settle();
  EXPECT_EQ(T(1), "1");
  EXPECT_EQ(T(25), "3.16887907240572E-8");
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(Time, TheOhhhBoxIsOwnedByTheWindowAndNothingOfThePassIsWritten) {
  Retype(E(4), QStringLiteral("1"));
  QString atBoxEdit2;
  host.onBox = [&](const platform::Box&) { atBoxEdit2 = T(2); };
  converter::CtrlV(E(9), QStringLiteral("1E275"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.owner, form.get());
  EXPECT_EQ(host.boxes[0].box.text, "1E275 es todo un numerito!");
  EXPECT_EQ(atBoxEdit2, "1440");
  for (int n = 1; n <= 25; ++n) EXPECT_EQ(T(n), "") << "Edit" << n;
  EXPECT_EQ(platform::PendingSimulatedKeys(), 0);
  EXPECT_EQ(host.elapsedMilliseconds, 0);
  EXPECT_TRUE(E(9)->hasFocus());
  // Typed in "unidad atómica" itself, such a value reaches "elemental", whose reset comes
  // instead.
  converter::CtrlV(E(16), QStringLiteral("1E301"));
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[1].box.text, "Este valor excede la capacidad de cálculo,\nlo siento");
  EXPECT_EQ(T(1), "1");
}

TEST_F(Time, LabelsStandBesideTheirEditsAndTabFollowsTheNumbers) {
  converter::ExpectLabelsBesideEdits(form.get());
  std::vector<QString> expected = EditNames(
      {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25});
  expected.push_back(QStringLiteral("BitBtn1"));
  EXPECT_EQ(converter::TabWalk(E(1), 25), expected);
}

// ---- Energy ----

class Energy : public WindowFixture<TFormEnergia, HostFixture> {};

TEST_F(Energy, AnElectronVoltResetInsideAPassLeavesTheJoulesEmptyUntilTheKeyArrives) {
  Retype(E(1), QStringLiteral("2"));
  QGuiApplication::clipboard()->setText(QStringLiteral("1E285"));
  E(1)->selectAll();
  platform::SendKeyStroke(E(1), {Qt::Key_V, Qt::ControlModifier, QString(QChar(22))});
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.owner, form.get());
  EXPECT_EQ(T(1), "");
  EXPECT_EQ(T(6), "6.24149596175211E303");  // shown, though its value is now 0
  EXPECT_EQ(form->UnitValue(6), 0.0);
  EXPECT_EQ(T(25), "2.39234449760766E275");  // the last unit of the pass, from 1E285 J
  EXPECT_EQ(platform::PendingSimulatedKeys(), 1);
  EXPECT_EQ(host.elapsedMilliseconds, 100);
  EXPECT_TRUE(E(1)->hasFocus());
  user::Settle();
  EXPECT_EQ(T(1), "1");
  EXPECT_EQ(T(6), "6.24149596175211E18");
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(Energy, OnlyDeleteOfTheKeysWithoutACharacterMakesAnEditTheSource) {
  Retype(E(3), QStringLiteral("5"));
  EXPECT_EQ(T(1), "5E-7");
  // Moving the caret in the joule edit changes nothing: a context-menu paste there after the
  // pass still finds the guard set.
  user::Click(E(1));
  user::Key(E(1), Qt::Key_End);
  converter::MenuPaste(E(1), QStringLiteral("8"));
  EXPECT_EQ(T(3), "5");
  EXPECT_EQ(T(1), "8");
  // Delete going down does: the joules emptied clear the window.
  user::Key(E(1), Qt::Key_Home, Qt::ShiftModifier);
  user::Key(E(1), Qt::Key_Delete);
  EXPECT_EQ(T(1), "");
  EXPECT_EQ(T(3), "");
  EXPECT_EQ(host.boxes.size(), 0u);
}

TEST_F(Energy, LabelsStandBesideTheirEditsWithTheCubesRaisedAtTheirEnd) {
  converter::ExpectLabelsBesideEdits(form.get());
  for (int n : {14, 15}) {
    const QRect label = G(QStringLiteral("Label%1").arg(n));
    const QRect cube = G(QStringLiteral("Label%1").arg(n + 16));
    EXPECT_GT(cube.left(), label.right() - 2) << n;
    EXPECT_LT(cube.right(), E(n)->x()) << n;
    EXPECT_LT(cube.top(), label.top()) << n;
  }
  std::vector<QString> expected =
      EditNames({2,  3,  4,  5,  26, 6,  7,  8,  27, 9,  10, 11, 29, 12,
                 13, 14, 15, 22, 23, 28, 16, 17, 18, 19, 20, 21, 24, 25});
  expected.push_back(QStringLiteral("BitBtn1"));
  EXPECT_EQ(converter::TabWalk(E(1), 29), expected);
}

// ---- Power ----

class Power : public WindowFixture<TFormPotencia, HostFixture> {};

TEST_F(Power, TheGuardWritesNothingOfThePassAndResetsNothing) {
  Retype(E(2), QStringLiteral("1"));
  QString atBoxEdit1, atBoxEdit3;
  host.onBox = [&](const platform::Box&) {
    atBoxEdit1 = T(1);
    atBoxEdit3 = T(3);
  };
  converter::CtrlV(E(1), QStringLiteral("3E295"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.owner, form.get());
  EXPECT_EQ(atBoxEdit1, "3E295");
  EXPECT_EQ(atBoxEdit3, "0.001");  // "atm.cm³/hora" comes first: nothing else was written
  for (int n = 1; n <= 26; ++n) EXPECT_EQ(T(n), "") << "Edit" << n;
  EXPECT_EQ(form->UnitValue(1), 3e295);
  EXPECT_EQ(platform::PendingSimulatedKeys(), 0);
  EXPECT_EQ(host.elapsedMilliseconds, 0);
  EXPECT_EQ(host.beeps, 0);
  EXPECT_TRUE(E(1)->hasFocus());
}

TEST_F(Power, AUnitThatDoesNotReadStillHandsTheFormerBaseToTheHub) {
  Retype(E(1), QStringLiteral("2.0"));
  EXPECT_EQ(T(2), "0.002");
  converter::CtrlV(E(5), QStringLiteral("x"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.caption, "Oh oh!");
  EXPECT_EQ(host.boxes[0].box.text, "\"x\" no es un número válido.");
  // The watts written again as the window shows them, which runs a pass from 2 W.
  EXPECT_EQ(T(1), "2");
  EXPECT_EQ(T(5), "x");
  EXPECT_EQ(form->UnitValue(1), 2.0);
}

TEST_F(Power, LabelsStandBesideTheirEditsAndTabFollowsTheNumbers) {
  converter::ExpectLabelsBesideEdits(form.get());
  std::vector<QString> expected = EditNames(
      {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26});
  expected.push_back(QStringLiteral("BitBtn1"));
  EXPECT_EQ(converter::TabWalk(E(1), 26), expected);
}

}  // namespace
