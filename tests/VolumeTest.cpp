// What the volume window's scenario cannot read off: where its controls stand, and the
// cubic captions drawn in three pieces with the exponent raised.
#include "ConverterChecks.h"
#include "platform/Controls.h"
#include "tools/physical/Unidadvol.h"

namespace {

using VolumeLayout = converter::WindowFixture<TFormVol, HostFixture>;

TEST_F(VolumeLayout, FiveFramesOfLabelledEditsAndTheButtonAtTheBottomRight) {
  EXPECT_EQ(form->size(), QSize(665, 489));
  converter::ExpectLabelsBesideEdits(form.get(), QStringLiteral("End"));
  // Every edit inside one of the frames, the left ones clear of the right ones.
  const QRect rightTop = G(QStringLiteral("Bevel4"));
  for (TEdit* edit : form->findChildren<TEdit*>()) {
    int frames = 0;
    for (int b = 1; b <= 5; ++b) {
      frames += G(QStringLiteral("Bevel%1").arg(b)).contains(edit->geometry()) ? 1 : 0;
    }
    EXPECT_EQ(frames, 1) << edit->objectName().toStdString();
  }
  EXPECT_GT(rightTop.left(), G(QStringLiteral("Bevel1")).right());
  EXPECT_TRUE(rightTop.contains(G(QStringLiteral("Heading4"))));
  EXPECT_TRUE(G(QStringLiteral("Bevel5")).contains(G(QStringLiteral("Heading5"))));
  const QRect button = G(QStringLiteral("BitBtn1"));
  EXPECT_GT(button.top(), G(QStringLiteral("Bevel5")).bottom());
  EXPECT_EQ(button.right(), G(QStringLiteral("Bevel5")).right());
}

TEST_F(VolumeLayout, CubicCaptionsEndInARaisedThreeAndABracket) {
  for (int n : {1, 15, 2}) {
    const QRect text = G(QStringLiteral("Label%1").arg(n));
    const QRect exponent = G(QStringLiteral("Label%1Exp").arg(n));
    const QRect bracket = G(QStringLiteral("Label%1End").arg(n));
    EXPECT_EQ(exponent.left(), text.right() + 1) << n;
    EXPECT_EQ(bracket.left(), exponent.right() + 1) << n;
    EXPECT_EQ(exponent.top(), text.top() - 2) << n;
    EXPECT_EQ(bracket.top(), text.top()) << n;
    EXPECT_EQ(form->Find<TLabel>(QStringLiteral("Label%1Exp").arg(n))->text(), "3");
  }
}

}  // namespace
