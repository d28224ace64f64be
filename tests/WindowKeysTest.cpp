// Keys as the window system delivers them: first to the top-level window, which Qt then
// passes on to the focus widget. A form that previews keys sees each of them once, whatever
// control has the focus.
#include <QComboBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "platform/ComboBox.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Memo.h"
#include "platform/Pages.h"
#include "tools/numbers/Unidadletras.h"
#include "tools/physical/Unidadsensaciont.h"

namespace {

// One stroke of a key into the window, with the modifier keys pressed around it as a
// keyboard does.
void Press(QWidget* window, Qt::Key key, const QString& text,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::sendKeyEvent(QTest::Click, window->windowHandle(), key, text, modifiers);
  user::Settle();
}

void Escape(QWidget* window) { Press(window, Qt::Key_Escape, QStringLiteral("\x1b")); }

TEST_F(HostFixture, EscapeFromTheWindowSystemClosesTheNumberWordsFromItsText) {
  TFormLetras form(nullptr);
  user::Show(&form);
  form.Memo1->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(form.Memo1->hasFocus());
  Escape(&form);
  EXPECT_FALSE(form.isVisible());
}

// "Sensación Térmica" has no buttons: only its key preview closes it, from the tab control
// and from a list on either tab.
TEST_F(HostFixture, EscapeFromTheWindowSystemClosesTheFeltTemperatureFromEveryControl) {
  const std::vector<std::pair<const char*, std::function<QWidget*(TForm4&)>>> focus = {
      {"tabs", [](TForm4& f) -> QWidget* { return f.PageControl1->tabBar(); }},
      {"summer list", [](TForm4& f) -> QWidget* { return f.ComboBox2; }},
      {"winter list",
       [](TForm4& f) -> QWidget* {
         f.PageControl1->setCurrentIndex(1);
         return f.ComboBox6;
       }},
  };
  for (const auto& [where, control] : focus) {
    SCOPED_TRACE(where);
    TForm4 form(nullptr);
    user::Show(&form);
    QWidget* target = control(form);
    target->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(target->hasFocus());
    Escape(&form);
    EXPECT_FALSE(form.isVisible());
  }
}

// Every key down reaches the preview once: the modifier, the letter typed with it and the
// next letter, though the window system hands each to the window before the control.
TEST_F(HostFixture, ThePreviewSeesEachKeyOfTheWindowSystemOnce) {
  TForm form(nullptr, QStringLiteral("PreviewForm"));
  auto* button = new TButton(&form, QStringLiteral("Button1"), QStringLiteral("Uno"));
  int clicks = 0;
  button->OnClick = [&] { ++clicks; };
  std::vector<int> seen;
  form.KeyPreview = true;
  form.OnKeyDown = [&](int& key, Qt::KeyboardModifiers) { seen.push_back(key); };
  user::Show(&form);
  button->setFocus(Qt::TabFocusReason);
  Press(&form, Qt::Key_A, QStringLiteral("A"), Qt::ShiftModifier);
  Press(&form, Qt::Key_B, QStringLiteral("b"));
  Press(&form, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_EQ(seen, (std::vector<int>{Qt::Key_Shift, Qt::Key_A, Qt::Key_B, Qt::Key_Space}));
  EXPECT_EQ(clicks, 1);
}

}  // namespace
