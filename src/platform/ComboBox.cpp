#include "platform/ComboBox.h"

#include <QLineEdit>

#include "platform/Messages.h"

TComboBox::TComboBox(QWidget* parent, const QString& name) : QComboBox(parent) {
  setObjectName(name);
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  setMaxVisibleItems(8);
  // Choosing an item writes its text into the line edit too: one signal for both ways.
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
    if (writing_ || !OnChange) return;
    platform::Guard([this] { OnChange(this); });
  });
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

void TComboBox::SetMaxLength(int length) { lineEdit()->setMaxLength(length > 0 ? length : 32767); }
