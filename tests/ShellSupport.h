#pragma once
// What the shell's suites share: private folders for the configuration and the temporary
// files, a fake web view that logs what the windows ask of it, and a way to act inside a
// modal window while it runs.

#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <vector>

#include "TestSupport.h"
#include "app/WebView.h"

// Points the configuration and temporary folders into a fresh directory for each test, and
// makes web views fake ones.
class ShellFixture : public HostFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  QString ConfigDir() const { return dir.filePath(QStringLiteral("config")); }
  QString RuntimeDir() const { return dir.filePath(QStringLiteral("run")); }
  QString TempDir() const { return RuntimeDir() + QStringLiteral("/tarvel"); }
  // Whether web views can be had (true: fakes).
  void SetWebViewAvailable(bool available);

  QTemporaryDir dir;

 private:
  QByteArray savedConfig_, savedRuntime_;
};

class FakeWebView : public WebView {
 public:
  explicit FakeWebView(QWidget* parent);
  ~FakeWebView() override;

  QWidget* Widget() override { return widget_; }
  void Navigate(const QString& address) override;
  void GoBack() override;
  void GoForward() override;
  void Reload() override { log.push_back(QStringLiteral("reload")); }
  void SaveAs() override { log.push_back(QStringLiteral("save")); }
  void Print() override { log.push_back(QStringLiteral("print")); }
  void SetOffline(bool offline) override {
    log.push_back(offline ? QStringLiteral("offline true") : QStringLiteral("offline false"));
  }
  QString LocationURL() const override;
  void ReadPageText(std::function<void(const QString&)> done) override { done(QString()); }
  void SetPatience(int) override {}

  // A link followed inside the page.
  void FollowLink(const QString& address);

  std::vector<QString> log;
  std::vector<QString> history;
  int position = -1;

  // The view the windows made last.
  static FakeWebView* last;

 private:
  QPointer<QWidget> widget_;
};

// Runs f on the modal window as soon as it is shown, then closes it; returns after
// ShowModal returns. Fails the test if no modal window appears.
void WhileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& f);
