#pragma once
// The single-line edit, with the event timing of the form library the program was designed
// for:
// - A program write (SetText) runs the change handler synchronously, before it returns,
//   and only when the new text differs from the old one. Exceptions from the handler travel
//   to the writer.
// - A key goes down: OnKeyDown (the form's first when it previews keys). Its non-character
//   action (Delete, Shift+Delete, Shift+Insert, arrows, Home, End) follows unless the
//   handler set the key to 0.
// - The key's character arrives: OnKeyPress may replace it or discard it (0). Ctrl+C, V, X
//   arrive as characters 3, 22, 24 before the clipboard action; Backspace as 8. Delete has
//   no character.
// - Every change of the text by the user (typing, pasting, cutting, the context menu) runs
//   OnChange once, after the edit has finished changing. Where Qt calls us, escaped
//   exceptions end in the default error box.
// - The maximum length limits typing and pasting only; program writes are never cut.
// - Enter and Escape go to the form's default and Cancel buttons when it has them.
//
// An edit that shows results shows a number that the program writes in the user's style
// (ResultStyle, value/Value.h): "0,002205" where the window wrote "0,00220462262184878".
// The program goes on reading what it wrote, at full precision; the user sees, copies and
// edits what is shown, and as soon as the user acts on the text, that is the edit's text.

#include <QLineEdit>
#include <functional>

class TForm;

namespace platform {
// Every edit of the window shows results (TEdit::ShowResults), but those that keep their
// numbers as written: the converters whose results follow the user's preference.
void ShowResultsInStyle(QWidget* window);
}  // namespace platform

class TEdit : public QLineEdit {
  Q_OBJECT

 public:
  using ChangeHandler = std::function<void(TEdit* sender)>;
  using KeyDownHandler = std::function<void(TEdit* sender, int& key, Qt::KeyboardModifiers shift)>;
  using KeyPressHandler = std::function<void(TEdit* sender, char16_t& key)>;

  TEdit(QWidget* parent, const QString& name, const QString& initialText = QStringLiteral("0"));

  // What the program reads: the text it wrote last, or what the user typed.
  QString Text() const { return styled_ ? written_ : text(); }
  // The program's write: runs OnChange at once when the text changes.
  void SetText(const QString& text);
  // What the edit shows, and a screen reader reads.
  QString ShownText() const { return text(); }

  // The numbers the program writes from now on, and the one written last, are shown in the
  // result style; not in an edit that keeps its numbers as written.
  void ShowResults();
  // A part of a number of several edits (the degrees, minutes and seconds of an angle) is
  // shown as written whatever the style.
  void KeepNumbersAsWritten() { keepsWritten_ = true; }

  bool Focused() const { return hasFocus(); }
  void SetFocus();
  int SelStart() const;
  int SelLength() const;
  void SetSelStart(int position);
  void SetSelLength(int length);
  void SelectAll() { selectAll(); }

  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length) { maxLength_ = length; }  // 0: no limit
  bool UpperCase() const { return upperCase_; }
  void SetUpperCase(bool on) { upperCase_ = on; }

  // The user's paste: the text replaces the selection, cut at the first line break and to
  // the room the maximum length leaves; no key event.
  void PasteText(const QString& text);

  ChangeHandler OnChange;
  KeyDownHandler OnKeyDown;
  KeyPressHandler OnKeyPress;
  ChangeHandler OnEnter;
  ChangeHandler OnExit;
  // The mouse moving over the edit, with or without a button down.
  std::function<void(TEdit* sender, QMouseEvent* event)> OnMouseMove;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TForm* Form() const;
  void FireChange();
  // The text shown becomes the edit's own: the user is acting on it.
  void TakeShownText() { styled_ = false; }
  // Shows the program's text, in the result style where this edit shows results so.
  void Show(const QString& written);
  // The user changed the text: the window learns it, then OnChange runs.
  void UserChanged();
  // Runs a user's operation on the text with Qt's signals held back, then OnChange once if
  // the text changed.
  template <class F>
  void UserEdit(F&& operation);
  void KeyDownAction(int key, QKeyEvent* event);
  void Character(char16_t key);
  void TypeCharacter(char16_t key);
  // Inserts pasted text in place of the selection, within the maximum length.
  void InsertPasted(const QString& text);
  // A number too long for the edit is shown in the narrow face of the font, so that the
  // whole of it stays in view where it fits so.
  void FitText();

  int maxLength_ = 0;
  bool upperCase_ = false;
  bool showsResults_ = false;
  bool keepsWritten_ = false;
  bool styled_ = false;  // the text shown is the program's written_ in the result style
  QString written_;
  bool entered_ = false;  // the focus is in this edit, even while the window is inactive
  bool narrow_ = false;
  QFont wideFont_;
  int room_ = -1;  // the width the text may take, measured again after a resize
};
