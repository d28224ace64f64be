// What the felt-temperature scenarios cannot reach: the status bar's automatic hints follow
// the mouse from control to control, and the note written by the window stays until the mouse
// reaches a control with another hint. Keyboard choices in a list run its update like the
// mouse's.
#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/ComboBox.h"
#include "platform/Controls.h"
#include "platform/Input.h"
#include "platform/Pages.h"
#include "platform/Panel.h"
#include "platform/StatusBar.h"
#include "tools/physical/Unidadsensaciont.h"

namespace {

using converter::WindowFixture;

class FeltTemperature : public WindowFixture<TForm4, HostFixture> {
 protected:
  // A key in a list that has the focus (a click would open its drop-down).
  static void Key(TComboBox* list, int key) {
    list->setFocus(Qt::TabFocusReason);
    platform::SendKeyStroke(list, {key, Qt::NoModifier, QString()});
    user::Settle();
  }
  QString Status() const { return form->StatusBar1->currentMessage(); }
};

TEST_F(FeltTemperature, TheNoteStaysUntilTheMouseReachesAnotherHint) {
  platform::SendMouseMove(form->ComboBox2);
  EXPECT_EQ(Status(), "Humedad relativa ambiente, en %");
  Key(form->ComboBox1, Qt::Key_Down);  // 21 °C at 0 %: 18, a good day leaves the bar alone
  EXPECT_EQ(form->Edit1->Text(), "18");
  EXPECT_EQ(Status(), "Humedad relativa ambiente, en %");

  for (int i = 0; i < 9; ++i) Key(form->ComboBox1, Qt::Key_Down);  // 30 °C: 27
  EXPECT_EQ(form->Edit1->Text(), "27");
  EXPECT_TRUE(Status().startsWith("Efectos variables"));
  // The mouse moving on over the control whose hint is current leaves the note.
  platform::SendMouseMove(form->ComboBox2, {3, 3});
  EXPECT_TRUE(Status().startsWith("Efectos variables"));
  platform::SendMouseMove(form->Panel1);
  EXPECT_EQ(Status(), "Categoría del peligro");
  // The sentence's frame has a hint of its own (on its bevel), the sentence another.
  platform::SendMouseMove(form->Label15->parentWidget(), {0, 30});
  EXPECT_EQ(Status(), "Síndrome provocado");
  platform::SendMouseMove(form->Label15);
  EXPECT_EQ(Status(), "Síndrome provocado por el calor");
  // Over the tab sheet, which has none, the bar empties.
  platform::SendMouseMove(form->Edit1->parentWidget(), {2, 40});
  EXPECT_EQ(Status(), "");
}

TEST_F(FeltTemperature, TheKeyboardRunsTheWinterUpdateToo) {
  form->PageControl1->setCurrentIndex(1);
  Key(form->ComboBox6, Qt::Key_End);  // 10 °C at 64 km/h
  Key(form->ComboBox4, Qt::Key_End);  // -50 °C
  EXPECT_EQ(form->Edit2->Text(), "-99");
  EXPECT_EQ(form->Panel3->Caption(), "Extrem. peligroso.");
  EXPECT_EQ(form->Panel3->Color(), QColor(255, 0, 0));
}

}  // namespace
