#include "app/WebView.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

WebViewFactory& Factory() {
  static WebViewFactory factory;
  return factory;
}

// The module sits beside the program, or one folder up for the test and bench programs of
// a build tree. Once loaded it stays: Qt WebEngine cannot be unloaded.
CreateWebViewFunction ModuleEntry() {
  static bool tried = false;
  static CreateWebViewFunction entry = nullptr;
  if (tried) return entry;
  tried = true;
  const QDir here(QCoreApplication::applicationDirPath());
  const QString name = QStringLiteral(TARVEL_WEBVIEW_MODULE);
  for (const QString& path : {here.filePath(name), here.filePath(QStringLiteral("../") + name),
                              here.filePath(QStringLiteral("../lib/tarvel/") + name)}) {
    if (!QFile::exists(path)) continue;
    auto* library = new QLibrary(path);
    library->setLoadHints(QLibrary::PreventUnloadHint);
    entry = reinterpret_cast<CreateWebViewFunction>(library->resolve(kCreateWebViewSymbol));
    if (entry) break;
    qWarning("Tarvel: the web view module %s does not load: %s", qPrintable(path),
             qPrintable(library->errorString()));
    delete library;
  }
  return entry;
}

}  // namespace

std::unique_ptr<WebView> CreateWebView(QWidget* parent) {
  if (Factory()) return Factory()(parent);
  const CreateWebViewFunction entry = ModuleEntry();
  return std::unique_ptr<WebView>(entry ? entry(parent) : nullptr);
}

void SetWebViewFactory(WebViewFactory factory) { Factory() = std::move(factory); }
