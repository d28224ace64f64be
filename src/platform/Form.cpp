#include "platform/Form.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "platform/Accessibility.h"
#include "platform/CopyAll.h"
#include "platform/Edit.h"
#include "platform/Input.h"
#include "platform/Messages.h"
#include "platform/Readable.h"

namespace {

// Key preview for the controls that are not our edits (the edits call the form themselves,
// with their own timing): the form sees the key down and the character first, and may
// discard either or replace the character.
class KeyPreviewFilter : public QObject {
 public:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() == QEvent::KeyRelease) last_ = nullptr;
    if (event->type() != QEvent::KeyPress || sending_) return false;
    // A key from the window system reaches the window's QWindow first, which is no widget,
    // and then, as the same event, the focus widget; one that a widget does not take travels
    // on to its parents. Only its first widget counts. The next key may come in an event at
    // the same address, but not to a parent of the widget that had the last one.
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget) return false;
    if (event == last_ && first_ && widget != first_ && widget->isAncestorOf(first_)) return false;
    last_ = event;
    first_ = widget;
    if (qobject_cast<TEdit*>(widget)) return false;
    auto* form = qobject_cast<TForm*>(widget->window());
    if (!form || !form->KeyPreview || (!form->OnKeyDown && !form->OnKeyPress)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    int code = key->key();
    bool consumed = false;
    platform::Guard([&] {
      if (form->OnKeyDown) form->OnKeyDown(code, key->modifiers());
    });
    if (code == 0) consumed = true;
    char16_t c = platform::CharacterOf(key);
    if (!consumed && c && form->OnKeyPress) {
      const char16_t typed = c;
      platform::Guard([&] { form->OnKeyPress(c); });
      if (c == 0) {
        consumed = true;
      } else if (c != typed) {
        QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), QString(QChar(c)));
        sending_ = true;
        QCoreApplication::sendEvent(receiver, &replaced);
        sending_ = false;
        consumed = true;
      }
    }
    return consumed;
  }

 private:
  bool sending_ = false;
  const QEvent* last_ = nullptr;
  QPointer<QWidget> first_;
};

void InstallKeyPreview() {
  static KeyPreviewFilter* filter = nullptr;
  if (filter || !QCoreApplication::instance()) return;
  filter = new KeyPreviewFilter;
  QCoreApplication::instance()->installEventFilter(filter);
}

}  // namespace

TForm::TForm(QWidget* owner, const QString& name) : QDialog(owner) {
  setObjectName(name);
  setModal(true);
  SetBorder(Border::Single);
  InstallKeyPreview();
  platform::InstallAccessibleFaces();
  platform::KeepReadable(this);
  platform::EnableCopyAllKey();
}

QString TForm::Text(const char* source) const {
  return QCoreApplication::translate(metaObject()->className(), source);
}

TEdit* TForm::TypedEdit() const { return qobject_cast<TEdit*>(typed_.data()); }

void TForm::NoteTyped(TEdit* edit) { typed_ = edit; }

int TForm::ShowModal() { return exec(); }

void TForm::SetModalResult(int result) {
  if (result != mrNone) done(result);
}

void TForm::SetClientSize(int width, int height) {
  if (border_ == Border::Sizeable) {
    resize(width, height);
  } else {
    setFixedSize(width, height);
  }
}

void TForm::SetBorder(Border border, bool minimizeBox, bool maximizeBox) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
  if (maximizeBox) flags |= Qt::WindowMaximizeButtonHint;
  setWindowFlags(flags);
  setSizeGripEnabled(false);
  border_ = border;
  if (border == Border::Sizeable) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    setFixedSize(size());
  }
}

void TForm::done(int result) {
  if (OnClose && isVisible()) platform::Guard([this] { OnClose(); });
  QDialog::done(result);
}

bool TForm::DialogKey(int key) {
  QPushButton* button = nullptr;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) button = default_;
  if (key == Qt::Key_Escape) button = cancel_;
  if (!button || !button->isEnabled() || !button->isVisible()) return false;
  button->click();
  return true;
}

void TForm::keyPressEvent(QKeyEvent* event) {
  // Only the form's own buttons close it; QDialog would close on Escape by itself.
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    if (DialogKey(event->key())) return;
  }
  // Ctrl+Tab and Ctrl+Shift+Tab move as Tab and Shift+Tab do, also where a control keeps Tab
  // for itself: the way out of a table and back into it.
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
      (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
    const bool forward = event->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier);
    focusNextPrevChild(forward);
    return;
  }
  event->ignore();
}

bool TForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && OnActivate) {
    const bool handled = QDialog::event(event);
    platform::Guard([this] { OnActivate(); });
    return handled;
  }
  return QDialog::event(event);
}

void TForm::showEvent(QShowEvent* event) {
  if (!placed_) platform::NameControlsForAccessibility(this);
  if (!placed_ && position_ == Position::ScreenCenter) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
      const QRect area = screen->availableGeometry();
      move(area.center() - QPoint(width() / 2, height() / 2));
    }
  }
  placed_ = true;
  QDialog::showEvent(event);
}

void TForm::SetTabChain(const QList<QWidget*>& chain) {
  for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

QWidget* TForm::FindComponent(const QString& name) const {
  return findChild<QWidget*>(name, Qt::FindChildrenRecursively);
}
