#include "ShellSupport.h"

#include <sys/stat.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

FakeWebView* FakeWebView::last = nullptr;

void ShellFixture::SetUp() {
  HostFixture::SetUp();
  ASSERT_TRUE(dir.isValid());
  savedConfig_ = qgetenv("XDG_CONFIG_HOME");
  savedRuntime_ = qgetenv("XDG_RUNTIME_DIR");
  ASSERT_EQ(::mkdir(QFile::encodeName(ConfigDir()).constData(), 0700), 0);
  ASSERT_EQ(::mkdir(QFile::encodeName(RuntimeDir()).constData(), 0700), 0);
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigDir()));
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(RuntimeDir()));
  SetWebViewAvailable(true);
}

void ShellFixture::TearDown() {
  SetWebViewFactory({});
  FakeWebView::last = nullptr;
  qputenv("XDG_CONFIG_HOME", savedConfig_);
  qputenv("XDG_RUNTIME_DIR", savedRuntime_);
  if (savedConfig_.isEmpty()) qunsetenv("XDG_CONFIG_HOME");
  if (savedRuntime_.isEmpty()) qunsetenv("XDG_RUNTIME_DIR");
  HostFixture::TearDown();
}

void ShellFixture::SetWebViewAvailable(bool available) {
  SetWebViewFactory([available](QWidget* parent) -> std::unique_ptr<WebView> {
    if (!available) return nullptr;
    return std::make_unique<FakeWebView>(parent);
  });
}

FakeWebView::FakeWebView(QWidget* parent) : widget_(new QWidget(parent)) { last = this; }

FakeWebView::~FakeWebView() {
  delete widget_.data();
  if (last == this) last = nullptr;
}

void FakeWebView::Navigate(const QString& address) {
  log.push_back(QStringLiteral("navigate ") + address);
  FollowLink(address);
}

void FakeWebView::FollowLink(const QString& address) {
  history.resize(static_cast<size_t>(position + 1));
  history.push_back(address);
  ++position;
}

void FakeWebView::GoBack() {
  log.push_back(QStringLiteral("back"));
  if (position > 0) --position;
}

void FakeWebView::GoForward() {
  log.push_back(QStringLiteral("forward"));
  if (position + 1 < static_cast<int>(history.size())) ++position;
}

QString FakeWebView::LocationURL() const {
  return position >= 0 ? history[static_cast<size_t>(position)] : QString();
}

void WhileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& f) {
  bool seen = false;
  int tries = 0;
  QTimer timer;
  timer.setInterval(0);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
      if (++tries > 2000) timer.stop();
      return;
    }
    timer.stop();
    seen = true;
    QApplication::setActiveWindow(modal);
    f(modal);
    if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible()) {
      dialog->reject();
    }
  });
  timer.start();
  open();
  timer.stop();
  EXPECT_TRUE(seen) << "no modal window appeared";
}
