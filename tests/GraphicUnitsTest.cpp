// What the scenarios cannot reach in the graphic units and the tables: the slider's pixels
// on screens other than the driver's, and the timing of the track bar and the panel.

#include <gtest/gtest.h>

#include <QFocusEvent>
#include <stdexcept>

#include "TestSupport.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Panel.h"
#include "platform/TrackBar.h"
#include "tools/length/Unidadgraf.h"

namespace {

TEST(SliderPixels, TheFullSliderOnScreensOfEveryWidth) {
  // 96 pixels per inch: the width alone decides.
  EXPECT_EQ(TFormGraf::SliderPixelsFor(123, 96, 800), 157);
  EXPECT_EQ(TFormGraf::SliderPixelsFor(123, 96, 1024), 123);
  EXPECT_EQ(TFormGraf::SliderPixelsFor(123, 96, 1280), 98);
  // A finer screen gives fewer pixels; truncated, never rounded up.
  EXPECT_EQ(TFormGraf::SliderPixelsFor(123, 120, 800), 125);
  EXPECT_EQ(TFormGraf::SliderPixelsFor(1, 96, 800), 1);
  EXPECT_EQ(TFormGraf::SliderPixelsFor(0, 96, 1280), 0);
  // A screen that reports nothing counts as 96 pixels per inch and 800 wide.
  EXPECT_EQ(TFormGraf::SliderPixelsFor(123, 0, 0), 157);
}

class Controls : public HostFixture {};

TEST_F(Controls, TheProgramsMoveOfTheSliderRunsItsHandlerOnlyOnAChangeAndPassesErrorsOn) {
  TForm form(nullptr, QStringLiteral("Form"));
  TTrackBar bar(&form, QStringLiteral("TrackBar1"), 0, 123);
  int runs = 0;
  bar.OnChange = [&] {
    ++runs;
    if (bar.Position() == 99) throw std::overflow_error("Floating point overflow");
  };
  bar.SetPosition(0);
  EXPECT_EQ(runs, 0);
  bar.SetPosition(50);
  bar.SetPosition(50);
  EXPECT_EQ(runs, 1);
  // The error reaches the writer, as an edit's does, and no box is shown on the way.
  EXPECT_THROW(bar.SetPosition(99), std::overflow_error);
  EXPECT_TRUE(host.boxes.empty());
  // The user's move is guarded: the error ends in the default error box.
  bar.setValue(10);
  EXPECT_TRUE(host.boxes.empty());
  bar.setValue(99);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.text, QStringLiteral("Floating point overflow."));
}

TEST_F(Controls, APanelIsEnteredOnceUntilTheFocusReallyLeavesIt) {
  TForm form(nullptr, QStringLiteral("Form"));
  TPanel panel(&form, QStringLiteral("Panel1"), QStringLiteral("1"));
  TEdit edit(&form, QStringLiteral("Edit1"));
  panel.SetTabStop(true);
  int entries = 0;
  panel.OnEnter = [&] { ++entries; };
  user::Show(&form);
  panel.SetFocus();
  EXPECT_EQ(entries, 1);
  // A pop-up menu or another window takes the focus and gives it back: no new entry.
  QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
  QCoreApplication::sendEvent(&panel, &out);
  QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
  QCoreApplication::sendEvent(&panel, &in);
  EXPECT_EQ(entries, 1);
  edit.SetFocus();
  panel.SetFocus();
  EXPECT_EQ(entries, 2);
  // A click does not give a panel the focus.
  edit.SetFocus();
  user::Click(&panel);
  EXPECT_FALSE(panel.hasFocus());
}

}  // namespace
