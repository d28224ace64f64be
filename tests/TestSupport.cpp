#include "TestSupport.h"

#include <QKeyEvent>
#include <QWidget>
#include <ostream>

#include "platform/Input.h"

// The tests write their numbers with '.' unless they say otherwise, whatever the separator of
// the machine's locale, which the program reads at its start.
void HostFixture::SetUp() {
  platform::SetHost(&host);
  platform::SetDecimalSeparator(u'.');
}

void HostFixture::TearDown() {
  user::Settle();
  platform::SetHost(nullptr);
}

void SeparatorFixture::SetUp() {
  HostFixture::SetUp();
  platform::SetDecimalSeparator(GetParam());
}

void SeparatorFixture::TearDown() {
  HostFixture::TearDown();
  platform::SetDecimalSeparator(u'.');
}

QString SeparatorFixture::S(const char* text) const {
  QString s = QString::fromUtf8(text);
  if (sep() == u'.') s.replace(u',', u'.');
  return s;
}

std::string SeparatorName(const ::testing::TestParamInfo<char16_t>& info) {
  return info.param == u',' ? "comma" : "point";
}

namespace user {

void Show(QWidget* window) {
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  Settle();
}

void Click(QWidget* widget) {
  if (!widget->hasFocus()) platform::SendMouseClick(widget);
}

void Type(QWidget* widget, const QString& text) {
  Click(widget);
  for (const QChar c : text) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
    platform::SendKeyStroke(target, platform::keys::Character(c));
    Settle();
  }
}

void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
  Click(widget);
  QString text;
  if (key == Qt::Key_Backspace) text = QStringLiteral("\b");
  if (key == Qt::Key_Return) text = QStringLiteral("\r");
  if (key == Qt::Key_Escape) text = QStringLiteral("\x1b");
  if ((modifiers & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
    text = QString(QChar(key - Qt::Key_A + 1));
  }
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
  platform::SendKeyStroke(target, {key, modifiers, text});
  Settle();
}

void Settle() {
  for (int i = 0; i < 100; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    if (platform::PendingSimulatedKeys() == 0) break;
  }
}

}  // namespace user

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
