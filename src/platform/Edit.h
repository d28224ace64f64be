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

#include <QLineEdit>
#include <functional>

class TForm;

class TEdit : public QLineEdit {
  Q_OBJECT

 public:
  using ChangeHandler = std::function<void(TEdit* sender)>;
  using KeyDownHandler = std::function<void(TEdit* sender, int& key, Qt::KeyboardModifiers shift)>;
  using KeyPressHandler = std::function<void(TEdit* sender, char16_t& key)>;

  TEdit(QWidget* parent, const QString& name, const QString& initialText = QStringLiteral("0"));

  QString Text() const { return text(); }
  // The program's write: runs OnChange at once when the text changes.
  void SetText(const QString& text);

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
  bool entered_ = false;  // the focus is in this edit, even while the window is inactive
  bool narrow_ = false;
  QFont wideFont_;
  int room_ = -1;  // the width the text may take, measured again after a resize
};
