#include "platform/Form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "platform/Messages.h"

TForm::TForm(QWidget* owner, const QString& name) : QDialog(owner) {
  setObjectName(name);
  setModal(true);
  SetBorder(Border::Single);
}

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

QWidget* TForm::FindComponent(const QString& name) const {
  return findChild<QWidget*>(name, Qt::FindChildrenRecursively);
}
