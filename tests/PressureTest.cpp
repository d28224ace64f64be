// The pressure window's pascal reset seen between its dialog and the simulated key that a
// scenario lets arrive at once: the pass goes on from 0 atmospheres, with the atmosphere
// edit emptied and focused.
#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/Input.h"
#include "tools/physical/Unidadpresion.h"

namespace {

constexpr int kEdits[] = {1, 2, 3, 4, 5, 15, 6, 7, 8, 9, 10, 11, 12, 13, 14};

class Pressure : public converter::WindowFixture<TFormPresion, HostFixture> {
 protected:
  std::vector<QString> All() const {
    std::vector<QString> texts;
    for (int n : kEdits) texts.push_back(T(n));
    return texts;
  }
};

TEST_F(Pressure, PascalsAboveTheLimitGoOnFromZeroUntilTheKeyBringsOneAtmosphere) {
  user::Key(E(4), Qt::Key_End);  // the pascal edit becomes the source
  // The menu's paste, holding back the key the reset queues.
  E(4)->selectAll();
  E(4)->PasteText(QStringLiteral("2E300"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.caption, "Tarvel - conversor de unidades");
  EXPECT_EQ(host.boxes[0].box.icon, platform::Icon::None);
  EXPECT_EQ(All(), std::vector<QString>(
                       {"", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(form->UnitValue(4), 0.0);
  EXPECT_TRUE(E(1)->hasFocus());
  EXPECT_EQ(platform::PendingSimulatedKeys(), 1);
  EXPECT_EQ(host.elapsedMilliseconds, 300);

  user::Settle();
  EXPECT_EQ(T(1), "1");
  EXPECT_EQ(T(4), "101325");
  EXPECT_EQ(T(13), "762");
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.beeps, 0);
}

}  // namespace
