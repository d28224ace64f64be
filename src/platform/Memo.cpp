#include "platform/Memo.h"

TMemo::TMemo(QWidget* parent, const QString& name) : QPlainTextEdit(parent) {
  setObjectName(name);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setTabChangesFocus(true);
}
