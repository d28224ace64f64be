// What the surface window's scenario cannot read off: where its controls stand.
#include "ConverterChecks.h"
#include "platform/Controls.h"
#include "tools/physical/Unidadsup.h"

namespace {

using SurfaceLayout = converter::WindowFixture<TFormSup, HostFixture>;

TEST_F(SurfaceLayout, TwoColumnsOfNavyLabelsAndTheButtonUnderTheRightOne) {
  EXPECT_EQ(form->size(), QSize(666, 274));
  converter::ExpectLabelsBesideEdits(form.get());
  const auto x = [&](int n) { return G(QStringLiteral("Edit%1").arg(n)).x(); };
  const auto y = [&](int n) { return G(QStringLiteral("Edit%1").arg(n)).y(); };
  const int left[] = {1, 2, 12, 10, 3, 4};
  const int right[] = {5, 6, 7, 8, 9};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(x(left[i]), x(1));
    if (i > 0) {
      EXPECT_GT(y(left[i]), y(left[i - 1]));
    }
  }
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(x(right[i]), x(5));
    EXPECT_EQ(y(right[i]), y(left[i]));
  }
  EXPECT_GT(G(QStringLiteral("Label5")).left(), G(QStringLiteral("Edit1")).right());
  for (int n : left) {
    EXPECT_EQ(form->Find<TLabel>(QStringLiteral("Label%1").arg(n))->FontColor(),
              QColor(0, 0, 0x80));
  }
  const QRect button = G(QStringLiteral("BitBtn1"));
  EXPECT_GT(button.top(), G(QStringLiteral("Edit9")).bottom());
  EXPECT_EQ(button.right(), G(QStringLiteral("Edit9")).right());
}

}  // namespace
