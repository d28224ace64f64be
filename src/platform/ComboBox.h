#pragma once
// The drop-down combo box that can also be typed into, with the form library's events:
// OnChange runs on each change of its text by the user, whether an item was chosen or a
// character typed; a program write of the text runs nothing. Typing is not completed from
// the items and never adds an item, and Enter and Escape go on to the form's buttons.
// A drop-down list is the same box that cannot be typed into: OnChange runs on the user's
// choice of an item, by the mouse or the keyboard.

#include <QComboBox>
#include <functional>

class TComboBox : public QComboBox {
  Q_OBJECT

 public:
  enum class Style { DropDown, DropDownList };
  TComboBox(QWidget* parent, const QString& name, Style style = Style::DropDown);

  QString Text() const { return currentText(); }
  // The program's write: runs no handler.
  void SetText(const QString& text);
  int ItemIndex() const { return currentIndex(); }
  // The program's choice of an item: runs no handler.
  void SetItemIndex(int index);
  // The longest text that typing and pasting leave (0: no limit).
  void SetMaxLength(int length);

  std::function<void(TComboBox* sender)> OnChange;

 private:
  bool writing_ = false;
};
