#include "ConverterChecks.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QPushButton>

#include "TestSupport.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Form.h"

namespace converter {

namespace {
void SelectAllByKeys(TEdit* edit) {
  user::Key(edit, Qt::Key_End);
  user::Key(edit, Qt::Key_Home, Qt::ShiftModifier);
}
}  // namespace

void Retype(TEdit* edit, const QString& text) {
  SelectAllByKeys(edit);
  user::Type(edit, text);
}

void Empty(TEdit* edit) {
  SelectAllByKeys(edit);
  user::Key(edit, Qt::Key_Delete);
}

void CtrlV(TEdit* edit, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  SelectAllByKeys(edit);
  user::Key(edit, Qt::Key_V, Qt::ControlModifier);
}

void MenuPaste(TEdit* edit, const QString& text) {
  if (!edit->hasFocus()) edit->setFocus(Qt::MouseFocusReason);  // the right click
  edit->selectAll();
  edit->PasteText(text);
  user::Settle();
}

void Compose(TEdit* edit, const QString& text) {
  user::Click(edit);
  QInputMethodEvent event;
  event.setCommitString(text);
  QCoreApplication::sendEvent(edit, &event);
  user::Settle();
}

std::vector<QString> TabWalk(QWidget* widget, int count) {
  user::Click(widget);
  std::vector<QString> names;
  for (int i = 0; i < count; ++i) {
    user::Key(QApplication::focusWidget(), Qt::Key_Tab);
    names.push_back(QApplication::focusWidget()->objectName());
  }
  return names;
}

void ExpectLabelsBesideEdits(const TForm* form, const QString& lastPiece) {
  std::vector<QWidget*> placed;
  for (TEdit* edit : form->findChildren<TEdit*>()) {
    const QString n = edit->objectName().mid(4);
    auto* label =
        lastPiece.isEmpty() ? nullptr : form->Find<TLabel>(QStringLiteral("Label") + n + lastPiece);
    if (!label) label = form->Find<TLabel>(QStringLiteral("Label") + n);
    ASSERT_NE(label, nullptr) << "Label" << n.toStdString();
    const std::string what = label->text().toStdString();
    EXPECT_TRUE(label->font().bold()) << what;
    EXPECT_TRUE(label->alignment() & Qt::AlignRight) << what;
    EXPECT_GE(label->width(), label->sizeHint().width()) << what << " is clipped";
    EXPECT_LT(label->geometry().right(), edit->x()) << what;
    EXPECT_GT(label->geometry().right(), edit->x() - 12) << what << " stands apart";
    EXPECT_EQ(label->geometry().center().y(), edit->geometry().center().y()) << what;
    placed.push_back(edit);
    placed.push_back(label);
  }
  for (QPushButton* button : form->findChildren<QPushButton*>()) placed.push_back(button);
  for (QWidget* w : placed) {
    EXPECT_TRUE(form->rect().contains(w->geometry())) << w->objectName().toStdString();
    for (QWidget* other : placed) {
      if (other != w && w->geometry().intersects(other->geometry())) {
        ADD_FAILURE() << w->objectName().toStdString() << " overlaps "
                      << other->objectName().toStdString();
      }
    }
  }
}

}  // namespace converter
