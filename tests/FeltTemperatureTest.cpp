// What the felt-temperature scenarios cannot reach: the status bar's automatic hints follow
// the mouse from control to control, and a note written by the window stays until another
// hint replaces it. Keyboard choices in a list run its update like the mouse's.
#include <QEnterEvent>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/Controls.h"
#include "platform/Input.h"
#include "tools/physical/Unidadsensaciont.h"

namespace {

using converter::WindowFixture;

class FeltTemperature : public WindowFixture<TForm4, HostFixture> {
 protected:
  static void Enter(QWidget* widget) {
    const QPointF inside(widget->rect().center());
    QEnterEvent enter(inside, inside, widget->mapToGlobal(inside));
    QCoreApplication::sendEvent(widget, &enter);
  }
  static void Leave(QWidget* widget) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
  }
  // A key in a list that has the focus (a click would open its drop-down).
  static void Key(TComboBox* list, int key) {
    list->setFocus(Qt::TabFocusReason);
    platform::SendKeyStroke(list, {key, Qt::NoModifier, QString()});
    user::Settle();
  }
  QString Status() const { return form->StatusBar1->SimpleText(); }
};

TEST_F(FeltTemperature, TheStatusBarShowsTheHintUnderTheMouseUntilTheNoteReplacesIt) {
  Enter(form->ComboBox2);
  EXPECT_EQ(Status(), "Humedad relativa ambiente, en %");
  Key(form->ComboBox1, Qt::Key_Down);  // 21 °C at 0 %: 18, a good day
  EXPECT_EQ(form->Edit1->Text(), "18");
  EXPECT_EQ(Status(), "Humedad relativa ambiente, en %");

  for (int i = 0; i < 9; ++i) Key(form->ComboBox1, Qt::Key_Down);  // 30 °C: 27
  EXPECT_EQ(form->Edit1->Text(), "27");
  EXPECT_TRUE(Status().startsWith("Efectos variables"));
  // The mouse moving on inside the control whose hint is current leaves the note; the next
  // control's hint replaces it.
  Leave(form->ComboBox2);
  EXPECT_EQ(Status(), "");
  Enter(form->Panel1);
  EXPECT_EQ(Status(), "Categoría del peligro");
}

TEST_F(FeltTemperature, TheNoteStaysWhileTheMouseIsOnTheSameHint) {
  Enter(form->ComboBox1);
  Key(form->ComboBox1, Qt::Key_End);  // 50 °C at 0 %: 42
  EXPECT_EQ(form->Edit1->Text(), "42");
  EXPECT_EQ(form->Panel1->Caption(), "Peligro:");
  // Qt tells the window the same hint again; the note is not replaced by it.
  Enter(form->ComboBox1);
  EXPECT_TRUE(Status().startsWith("Efectos variables"));
}

}  // namespace
