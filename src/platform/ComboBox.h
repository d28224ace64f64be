#pragma once
// The drop-down combo box that can also be typed into, with the form library's events:
// OnChange runs on each change of its text by the user, whether an item was chosen or a
// character typed; a program write of the text runs nothing. Typing is not completed from
// the items and never adds an item, and Enter and Escape go on to the form's buttons.

#include <QComboBox>
#include <functional>

class TComboBox : public QComboBox {
  Q_OBJECT

 public:
  TComboBox(QWidget* parent, const QString& name);

  QString Text() const { return currentText(); }
  // The program's write: runs no handler.
  void SetText(const QString& text);
  // The longest text that typing and pasting leave (0: no limit).
  void SetMaxLength(int length);

  std::function<void(TComboBox* sender)> OnChange;

 private:
  bool writing_ = false;
};
