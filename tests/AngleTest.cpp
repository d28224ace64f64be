// The plane-angle window's pie gauge as it is drawn, which a scenario cannot see: the sector
// of the whole percentage of the current turn, from the top clockwise.
#include <QImage>
#include <cmath>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/Controls.h"
#include "tools/physical/Unidadangulo.h"

namespace {

using converter::Retype;
using converter::WindowFixture;

class Angle : public WindowFixture<TFormAngulo, HostFixture> {
 protected:
  // The colour of the gauge at an angle clockwise from the top, halfway out from the centre.
  QColor GaugeAt(double degrees) const {
    QImage image(form->CGauge1->size(), QImage::Format_RGB32);
    form->CGauge1->render(&image);
    const double radians = degrees * 3.14159265358979 / 180;
    const QPointF centre = QRectF(image.rect()).center();
    const double radius = image.width() / 4.0;
    const QPoint at(static_cast<int>(centre.x() + radius * std::sin(radians)),
                    static_cast<int>(centre.y() - radius * std::cos(radians)));
    return image.pixelColor(at);
  }
};

TEST_F(Angle, TheGaugeFillsTheWholePercentOfTheCurrentTurn) {
  const QColor empty = GaugeAt(180);
  Retype(E(2), QStringLiteral("400"));  // 40 degrees of the second turn: 11 %, 39.6 degrees
  EXPECT_EQ(form->CGauge1->Progress(), 40);
  EXPECT_EQ(form->CGauge1->PercentDone(), 11);
  const QColor filled = GaugeAt(20);
  EXPECT_NE(filled, empty);
  EXPECT_EQ(GaugeAt(38), filled);
  EXPECT_EQ(GaugeAt(42), empty);
  EXPECT_EQ(GaugeAt(300), empty);

  Retype(E(2), QStringLiteral("900"));  // half of the third turn
  EXPECT_EQ(GaugeAt(170), filled);
  EXPECT_EQ(GaugeAt(190), empty);
}

}  // namespace
