#pragma once
// The embedded web browser of the help and currency windows, behind the few operations the
// windows use. The real view (Qt WebEngine) lives in a module of its own that is loaded only
// when the first browser window opens; tests install a factory of their own.

#include <QString>
#include <functional>
#include <memory>

class QWidget;

class WebView {
 public:
  virtual ~WebView() = default;

  // The widget that shows the page, owned by the parent given at creation.
  virtual QWidget* Widget() = 0;
  // Starts loading an address (a web address or the full path of a local file) and
  // returns at once.
  virtual void Navigate(const QString& address) = 0;
  // One step in the view's own history; nothing at either end.
  virtual void GoBack() = 0;
  virtual void GoForward() = 0;
  virtual void Reload() = 0;
  // The view's own save and print dialogs; the work is the view's.
  virtual void SaveAs() = 0;
  virtual void Print() = 0;
  virtual void SetOffline(bool offline) = 0;
  // The address of the page shown, as it stands after the latest navigation or history
  // step.
  virtual QString LocationURL() const = 0;

  // The text of the page shown, passed to done once the view has read it (tests).
  virtual void ReadPageText(std::function<void(const QString& text)> done) = 0;
  // How long a load may go on without an answer before the view gives it up and shows its
  // own error page (milliseconds).
  virtual void SetPatience(int milliseconds) = 0;

  // A page asks for another window: the handler sets cancel to refuse it. Refused too when
  // nobody handles it: pages open in this view only.
  std::function<void(bool& cancel)> OnNewWindow;
  // A page finished loading (ok false: it failed).
  std::function<void(bool ok)> OnDocumentComplete;
};

// A new view inside parent, or null when no web view can be had (the module is missing or
// does not load, or it could not create a view).
std::unique_ptr<WebView> CreateWebView(QWidget* parent);

// Replaces the way views are made (tests); an empty factory restores the module.
using WebViewFactory = std::function<std::unique_ptr<WebView>(QWidget* parent)>;
void SetWebViewFactory(WebViewFactory factory);

// The module's entry point, looked up by this name.
extern "C" {
using CreateWebViewFunction = WebView* (*)(QWidget* parent);
}
inline constexpr const char* kCreateWebViewSymbol = "tarvel_create_webview";
