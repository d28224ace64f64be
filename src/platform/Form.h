#pragma once
// The modal form base. A window of the program is a TForm owned by the window that opens
// it; ShowModal runs it modally (its owner disabled) and returns its modal result. Enter and
// Escape behave as in the form library: Enter presses the default button, Escape presses
// the Cancel button, and without those buttons neither key closes the window. The close
// box closes it with the Cancel result.

#include <QDialog>
#include <QPointer>
#include <functional>

class QPushButton;
class TEdit;

class TForm : public QDialog {
  Q_OBJECT

 public:
  enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };
  enum class Border { Single, Dialog, Sizeable };
  enum class Position { Default, ScreenCenter };

  TForm(QWidget* owner, const QString& name);

  int ShowModal();
  void SetModalResult(int result);
  void Close() { close(); }

  void SetCaption(const QString& caption) { setWindowTitle(caption); }
  // A text of this window's tables (Spanish, UTF-8, marked for translation with the window's
  // class as its context) in the interface's language. From a constructor, valid once the
  // window's own class is being built.
  QString Text(const char* source) const;
  QString Caption() const { return windowTitle(); }
  // The size of the client area; fixed unless the border is sizeable.
  void SetClientSize(int width, int height);
  void SetBorder(Border border, bool minimizeBox = false, bool maximizeBox = false);
  void SetPosition(Position position) { position_ = position; }

  void SetDefaultButton(QPushButton* button) { default_ = button; }
  void SetCancelButton(QPushButton* button) { cancel_ = button; }
  QPushButton* DefaultButton() const { return default_; }
  QPushButton* CancelButton() const { return cancel_; }
  // Enter or Escape pressed in a control that does not take it: presses the default or
  // Cancel button. True when a button took the key.
  bool DialogKey(int key);

  // The form sees the keys of its edits before they do.
  bool KeyPreview = false;
  std::function<void(int& key, Qt::KeyboardModifiers shift)> OnKeyDown;
  std::function<void(char16_t& key)> OnKeyPress;
  // Every activation of the window: when it is first shown and whenever it becomes the
  // active window again.
  std::function<void()> OnActivate;
  // The window closing, whatever closes it: a button's modal result, the close box, Close.
  std::function<void()> OnClose;

  // The tab order: each control in the list follows the one before it.
  void SetTabChain(const QList<QWidget*>& chain);

  // The edit of this window whose text the user changed last (a key, a paste, the context
  // menu), or null: what the user came to the window for.
  TEdit* TypedEdit() const;
  void NoteTyped(TEdit* edit);

  // The control named so ("Edit7"), or null.
  QWidget* FindComponent(const QString& name) const;
  template <class T>
  T* Find(const QString& name) const {
    return qobject_cast<T*>(FindComponent(name));
  }

 public slots:
  void accept() override { done(mrOk); }
  void reject() override { done(mrCancel); }
  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* default_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPointer<QObject> typed_;
  Border border_ = Border::Single;
  Position position_ = Position::Default;
  bool placed_ = false;
};
