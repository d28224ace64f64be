// Every window works from the keyboard alone, as on every desktop: Tab comes into a group of
// radio buttons on its checked one and the arrows choose within it, a table that keeps Tab
// for its cells is left and entered again with Ctrl+Tab and Ctrl+Shift+Tab, Ctrl+A selects an
// edit's text, and the main window's links are reached by Tab and followed with Enter or
// Space.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <memory>

#include "TestSupport.h"
#include "app/Catalogue.h"
#include "app/Unidadpresentacion.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/Input.h"
#include "platform/Panels.h"

namespace {

class Keyboard : public HostFixture {
 protected:
  std::unique_ptr<TForm> Open(const char* item) {
    std::unique_ptr<TForm> form(FindMenuRow(QLatin1String(item))->opens(&owner_));
    user::Show(form.get());
    return form;
  }
  QWidget owner_;
};

// One key stroke where the focus is, as the keyboard sends it.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = QApplication::focusWidget();
  ASSERT_TRUE(target);
  QString text;
  if ((modifiers & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
    text = QString(QChar(key - Qt::Key_A + 1));
  if (key == Qt::Key_Return) text = QStringLiteral("\r");
  if (key == Qt::Key_Space) text = QStringLiteral(" ");
  if (key >= Qt::Key_0 && key <= Qt::Key_9 && modifiers == Qt::NoModifier)
    text = QString(QChar(key));
  platform::SendKeyStroke(target, {key, modifiers, text});
  user::Settle();
}

void FocusByTab(QWidget* widget) {
  widget->setFocus(Qt::TabFocusReason);
  user::Settle();
}

QString Focused() {
  QWidget* w = QApplication::focusWidget();
  return w ? w->objectName() : QStringLiteral("none");
}

TEST_F(Keyboard, TabComesIntoARadioGroupOnItsCheckedButtonAndTheArrowsChoose) {
  auto form = Open("Fraccindepulgada1");
  auto* checked = form->Find<TRadioButton>(QStringLiteral("RadioButton7"));
  ASSERT_TRUE(checked && checked->isChecked());
  FocusByTab(form->Find<QWidget>(QStringLiteral("BitBtn2")));
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), QStringLiteral("RadioButton7"));

  // The arrows choose, as a click would, and wrap round the group.
  Press(Qt::Key_Left);
  EXPECT_EQ(Focused(), QStringLiteral("RadioButton6"));
  EXPECT_TRUE(form->Find<TRadioButton>(QStringLiteral("RadioButton6"))->isChecked());
  EXPECT_FALSE(checked->isChecked());
  Press(Qt::Key_Down);
  Press(Qt::Key_Down);
  EXPECT_EQ(Focused(), QStringLiteral("RadioButton1"));
  EXPECT_TRUE(form->Find<TRadioButton>(QStringLiteral("RadioButton1"))->isChecked());
  Press(Qt::Key_Up);
  EXPECT_EQ(Focused(), QStringLiteral("RadioButton7"));

  // The group is one stop: Tab leaves it, Shift+Tab comes back on the checked button.
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), QStringLiteral("BitBtn3"));
  Press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Focused(), QStringLiteral("RadioButton7"));
}

TEST_F(Keyboard, TheFeetWindowsTwoGroupsAreOneStopEach) {
  auto form = Open("Piesacm1");
  FocusByTab(form->Find<QWidget>(QStringLiteral("Edit1")));
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), QStringLiteral("RadioButton10"));
  Press(Qt::Key_Right);
  EXPECT_TRUE(form->Find<TRadioButton>(QStringLiteral("RadioButton11"))->isChecked());
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), QStringLiteral("RadioButton8"));
}

TEST_F(Keyboard, CtrlTabLeavesATableThatKeepsTabAndCtrlShiftTabComesBack) {
  auto form = Open("Cnicas1");
  auto* grid = form->Find<TStringGrid>(QStringLiteral("StringGrid1"));
  FocusByTab(grid);
  const int row = grid->Row(), col = grid->Col();
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), QStringLiteral("StringGrid1"));
  EXPECT_NE(std::make_pair(grid->Row(), grid->Col()), std::make_pair(row, col));
  Press(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(Focused(), QStringLiteral("Edit1"));
  Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Focused(), QStringLiteral("StringGrid1"));
  Press(Qt::Key_Backtab, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_NE(Focused(), QStringLiteral("StringGrid1"));
}

TEST_F(Keyboard, CtrlTabLeavesACellBeingEdited) {
  auto form = Open("MedidasantiguasdeAndaluca1");
  TStringGrid* grid = nullptr;
  for (auto* g : form->findChildren<TStringGrid*>()) {
    if (g->isVisible() && g->Editable()) grid = g;
  }
  ASSERT_TRUE(grid);
  FocusByTab(grid);
  Press(Qt::Key_5);
  ASSERT_TRUE(grid->InplaceEditor());
  EXPECT_FALSE(grid->InplaceEditor()->accessibleName().isEmpty());
  Press(Qt::Key_Tab, Qt::ControlModifier);
  QWidget* focus = QApplication::focusWidget();
  ASSERT_TRUE(focus);
  EXPECT_TRUE(focus != grid && !grid->isAncestorOf(focus)) << Focused().toStdString();
}

TEST_F(Keyboard, CtrlASelectsAnEditsWholeTextAndConvertsNothing) {
  for (const char* item : {"Longitud1", "Basedenumeracin2"}) {
    auto form = Open(item);
    TEdit* edit = nullptr;
    for (auto* e : form->findChildren<TEdit*>()) {
      if (!edit && e->isVisible() && !e->isReadOnly()) edit = e;
    }
    ASSERT_TRUE(edit) << item;
    user::Type(edit, QStringLiteral("12"));
    QStringList before;
    for (auto* e : form->findChildren<TEdit*>()) before << e->text();
    edit->setCursorPosition(1);
    Press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), edit->text()) << item;
    EXPECT_FALSE(edit->text().isEmpty()) << item;
    QStringList after;
    for (auto* e : form->findChildren<TEdit*>()) after << e->text();
    EXPECT_EQ(after, before) << item;
    EXPECT_TRUE(host.boxes.empty()) << item;
  }
}

TEST_F(Keyboard, TheMainWindowsLinksComeAfterSalirAndOpenWithEnterOrSpace) {
  TFormPrincipal main;
  user::Show(&main);
  FocusByTab(main.findChild<QWidget*>(QStringLiteral("BitBtn1")));
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), QStringLiteral("Label4"));
  Press(Qt::Key_Return);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.caption, QStringLiteral("Sitio Web"));
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), QStringLiteral("Label3"));
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), QStringLiteral("Label7"));
  Press(Qt::Key_Space);
  EXPECT_EQ(host.shellTargets.size(), 1u);
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), QStringLiteral("BitBtn1"));

  // A screen reader meets a link it can follow.
  QAccessibleInterface* face =
      QAccessible::queryAccessibleInterface(main.findChild<QWidget*>(QStringLiteral("Label7")));
  ASSERT_TRUE(face);
  EXPECT_EQ(face->role(), QAccessible::Link);
  EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("página en Internet"));
  ASSERT_TRUE(face->actionInterface());
  face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(host.shellTargets.size(), 2u);
}

}  // namespace
