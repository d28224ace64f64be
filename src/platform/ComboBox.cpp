#include "platform/ComboBox.h"

#include <QLineEdit>

#include "platform/Messages.h"

TComboBox::TComboBox(QWidget* parent, const QString& name, Style style) : QComboBox(parent) {
  setObjectName(name);
  setMaxVisibleItems(8);
  if (style == Style::DropDownList) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this] {
      if (writing_ || !OnChange) return;
      platform::Guard([this] { OnChange(this); });
    });
    return;
  }
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  // Choosing an item writes its text into the line edit too: one signal for both ways.
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
    if (writing_ || !OnChange) return;
    platform::Guard([this] { OnChange(this); });
  });
}

void TComboBox::SetItemIndex(int index) {
  writing_ = true;
  setCurrentIndex(index);
  writing_ = false;
}

void TComboBox::SetText(const QString& text) {
  writing_ = true;
  const int index = findText(text, Qt::MatchExactly);
  if (index >= 0) {
    setCurrentIndex(index);
  }
  setEditText(text);
  writing_ = false;
}

void TComboBox::SetMaxLength(int length) {
  if (lineEdit()) lineEdit()->setMaxLength(length > 0 ? length : 32767);
}
