#pragma once
// What the converter windows' suites share: a fixture that opens the window, the user's ways of
// replacing and emptying an edit's text and of pasting, the Tab walk, and the check that every
// edit's label stands beside it.

#include <QString>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "platform/Edit.h"
#include "platform/Form.h"

class QWidget;

namespace converter {

// The user selects the edit's whole text from the keyboard (End, Shift+Home) and types the
// text over it, key by key.
void Retype(TEdit* edit, const QString& text);
// The whole text selected likewise, then Delete.
void Empty(TEdit* edit);
// The whole text selected, then the text pasted with Ctrl+V.
void CtrlV(TEdit* edit, const QString& text);
// The whole text replaced through the context menu's paste: no key stroke.
void MenuPaste(TEdit* edit, const QString& text);
// Characters committed by an input method: key presses without a key going down.
void Compose(TEdit* edit, const QString& text);

// The names of the widgets that the focus visits when Tab is pressed count times, starting
// from widget.
std::vector<QString> TabWalk(QWidget* widget, int count);

// Every "Edit<n>" of the form has its "Label<n>": bold, right-aligned, ending left of the
// edit on the same line, wide enough for its caption, inside the window, and overlapping no
// other label, edit or button. A caption drawn in pieces is checked by its last piece, the
// label named "Label<n>" followed by lastPiece, when the form has one.
void ExpectLabelsBesideEdits(const TForm* form, const QString& lastPiece = QString());

// Opens a new window of the class for each test, shown and active as a user's would be.
template <class Window, class Base = SeparatorFixture>
class WindowFixture : public Base {
 protected:
  void SetUp() override {
    Base::SetUp();
    form = std::make_unique<Window>(nullptr);
    user::Show(form.get());
  }
  void TearDown() override {
    form.reset();
    Base::TearDown();
  }
  TEdit* E(int n) const { return form->template Find<TEdit>(QStringLiteral("Edit%1").arg(n)); }
  QString T(int n) const { return E(n)->Text(); }
  QRect G(const QString& name) const { return form->FindComponent(name)->geometry(); }

  std::unique_ptr<Window> form;
};

}  // namespace converter
