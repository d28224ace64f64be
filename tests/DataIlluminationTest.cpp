// The data and illumination windows where a scenario cannot look: the zeros that the data
// window's reset writes before its simulated key arrives, and which window owns each box.
#include <QApplication>
#include <vector>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/Edit.h"
#include "platform/Input.h"
#include "tools/physical/Unidaddatos.h"
#include "tools/physical/Unidadilum.h"

namespace {

using converter::CtrlV;
using converter::MenuPaste;
using converter::WindowFixture;

class Data : public WindowFixture<TFormDatos, HostFixture> {};

TEST_F(Data, TooManyBitsWriteZerosThenOneBitArrivesFromTheKeypad) {
  // The menu's paste holds back the key that the reset queues, so the pass can be seen.
  E(9)->setFocus(Qt::MouseFocusReason);
  E(9)->selectAll();
  E(9)->PasteText(QStringLiteral("2E300"));
  ASSERT_EQ(host.boxes.size(), 1u);
  const platform::Box& box = host.boxes[0].box;
  EXPECT_EQ(box.owner, form.get());
  EXPECT_EQ(box.caption, "Epa!");
  EXPECT_EQ(box.icon, platform::Icon::Warning);
  EXPECT_EQ(T(9), "");
  for (int n = 1; n <= 22; ++n) {
    if (n == 9) continue;
    EXPECT_EQ(T(n), "0") << "Edit" << n;
  }
  EXPECT_EQ(form->UnitValue(9), 0);
  EXPECT_EQ(platform::PendingSimulatedKeys(), 1);
  EXPECT_EQ(host.elapsedMilliseconds, 200);

  user::Settle();
  EXPECT_TRUE(E(9)->hasFocus());
  EXPECT_EQ(T(9), "1");
  EXPECT_EQ(T(11), "0.125");
  EXPECT_EQ(T(8), "1.25E-13");
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.beeps, 0);
}

TEST_F(Data, EveryBoxIsOwnedByTheWindow) {
  CtrlV(E(14), QStringLiteral("2E287"));
  CtrlV(E(14), QStringLiteral("1x"));
  CtrlV(E(9), QStringLiteral("1x"));
  ASSERT_EQ(host.boxes.size(), 3u);
  EXPECT_EQ(host.boxes[0].box.caption, "Número muy grande.");
  EXPECT_EQ(host.boxes[1].box.caption, "Oh oh!");
  EXPECT_EQ(host.boxes[2].box.caption, "Oh oh!");
  for (const auto& record : host.boxes) EXPECT_EQ(record.box.owner, form.get());
  // The whole text is selected, so the next key replaces it.
  EXPECT_EQ(E(9)->selectedText(), "1x");
}

class Illumination : public WindowFixture<TFIlum, HostFixture> {};

TEST_F(Illumination, OnlyTheTooLargeBoxIsOwnedByTheWindow) {
  CtrlV(E(10), QStringLiteral("2E300"));
  CtrlV(E(1), QStringLiteral("1x"));
  MenuPaste(E(3), QStringLiteral("2x"));
  ASSERT_EQ(host.boxes.size(), 3u);
  EXPECT_EQ(host.boxes[0].box.owner, form.get());
  EXPECT_EQ(host.boxes[1].box.owner, nullptr);
  EXPECT_EQ(host.boxes[1].box.text, "\"1x\" no es un número válido.");
  // The pasted edit is the one reported, not the edit of the last key stroke.
  EXPECT_EQ(host.boxes[2].box.owner, nullptr);
  EXPECT_EQ(host.boxes[2].box.text, "\"2x\" no es un número válido.");
  EXPECT_EQ(E(3)->selectedText(), "2x");
  EXPECT_EQ(T(1), "1x");
}

}  // namespace
