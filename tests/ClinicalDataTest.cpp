// What the clinical-data scenarios cannot see: how the grid draws the selected row and the
// ordering buttons of its titles, and the application's tooltip settings, changed by the
// warning label and given back when the window goes.
#include <QHeaderView>
#include <QImage>
#include <QToolTip>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/Controls.h"
#include "platform/Grid.h"
#include "platform/Hints.h"
#include "platform/Input.h"
#include "tools/physical/Unidadclinica.h"

namespace {

using converter::WindowFixture;

class ClinicalData : public WindowFixture<TFormClinic, HostFixture> {
 protected:
  QImage Picture() const { return form->StringGrid1->grab().toImage(); }
  // The middle of the ordering button of a title, in the grid's coordinates.
  QPoint Button(int col) const {
    const QRect cell = form->StringGrid1->CellRect(col, 0);
    return {cell.right() - 8, cell.center().y()};
  }
  // The triangle's middle, a pixel below its top edge (one more when the box is sunken).
  QRgb TriangleAt(const QImage& picture, int col, bool sunken) const {
    const QRect cell = form->StringGrid1->CellRect(col, 0);
    const int left = cell.right() - 18 + 1;
    const QPoint at(left + 9 - 4 + 4, cell.top() + cell.height() / 2 - 3 + 1 + (sunken ? 1 : 0));
    return picture.pixel(at);
  }
  void ClickTitle(QPoint at) {
    QWidget* header = form->StringGrid1->horizontalHeader()->viewport();
    platform::SendMouseClick(header, header->mapFrom(form->StringGrid1, at));
    user::Settle();
  }
};

TEST_F(ClinicalData, TheSelectedRowAndTheCurrentOrdersButtonAreDrawnAsSuch) {
  QImage picture = Picture();
  const QRect selected = form->StringGrid1->CellRect(0, 1);
  const QRect other = form->StringGrid1->CellRect(1, 2);
  EXPECT_EQ(QColor(picture.pixel(selected.center() + QPoint(0, 8))), QColor(128, 128, 192));
  EXPECT_EQ(QColor(picture.pixel(selected.topLeft() + QPoint(1, 1))), QColor(98, 98, 162));
  EXPECT_EQ(QColor(picture.pixel(selected.bottomRight() - QPoint(1, 1))), QColor(158, 158, 222));
  EXPECT_EQ(QColor(picture.pixel(other.center() + QPoint(60, 8))),
            QApplication::palette().color(QPalette::ToolTipBase));
  EXPECT_EQ(QColor(TriangleAt(picture, 0, true)), QColor(Qt::red));
  EXPECT_EQ(QColor(TriangleAt(picture, 1, false)), QColor(Qt::black));

  ClickTitle(Button(1));
  EXPECT_EQ(form->OrderedBy(), 1);
  picture = Picture();
  EXPECT_EQ(QColor(TriangleAt(picture, 0, false)), QColor(Qt::black));
  EXPECT_EQ(QColor(TriangleAt(picture, 1, true)), QColor(Qt::red));
  // The selected analyte moved with its row and is drawn there.
  const int row = form->StringGrid1->Row();
  EXPECT_EQ(form->StringGrid1->Cell(1, row), "alpha1-Antitrypsin");
  form->StringGrid1->scrollTo(form->StringGrid1->model()->index(row, 0));
  picture = Picture();
  const QRect moved = form->StringGrid1->CellRect(1, row);
  EXPECT_EQ(QColor(picture.pixel(moved.center() + QPoint(80, 8))), QColor(128, 128, 192));
}

TEST_F(ClinicalData, APressOnATitleAwayFromItsButtonOrdersNothing) {
  const QRect cell = form->StringGrid1->CellRect(1, 0);
  ClickTitle({cell.right() - 30, cell.center().y()});
  EXPECT_EQ(form->OrderedBy(), 0);
  ClickTitle({cell.right() - 20, cell.center().y()});  // within the 22 pixels at its end
  EXPECT_EQ(form->OrderedBy(), 1);
}

TEST(ClinicalDataHints, TheWarningChangesTheTooltipsUntilTheWindowGoes) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  const int pause = platform::HintPause();
  const int hidePause = platform::HintHidePause();
  const QColor color = platform::HintColor();
  platform::SetHintPause(250);
  platform::SetHintHidePause(4000);
  platform::SetHintColor(QColor(10, 20, 30));
  {
    TFormClinic form(nullptr);
    user::Show(&form);
    platform::SendMouseMove(form.Label6);
    EXPECT_EQ(platform::HintPause(), 0);
    EXPECT_EQ(platform::HintHidePause(), platform::kHintNever);
    EXPECT_EQ(platform::HintColor(), QColor(193, 193, 255));
    EXPECT_TRUE(form.Label6->toolTip().startsWith("Como con cualquier otro software"));
  }
  EXPECT_EQ(platform::HintPause(), 250);
  EXPECT_EQ(platform::HintHidePause(), 4000);
  EXPECT_EQ(platform::HintColor(), QColor(10, 20, 30));
  platform::SetHintPause(pause);
  platform::SetHintHidePause(hidePause);
  platform::SetHintColor(color);
  platform::SetHost(nullptr);
}

}  // namespace
