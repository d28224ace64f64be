#include "app/WebView.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include "platform/Modules.h"

// Qt's own: the context that the web engine shares its textures with.
QOpenGLContext* qt_gl_global_share_context();
void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

WebViewFactory& Factory() {
  static WebViewFactory factory;
  return factory;
}

// Once loaded it stays: Qt WebEngine cannot be unloaded.
CreateWebViewFunction ModuleEntry() {
  static bool tried = false;
  static CreateWebViewFunction entry = nullptr;
  if (tried) return entry;
  tried = true;
  // Chromium refuses its sandbox to the super-user and then ends the whole process; as root
  // the web view runs without it rather than take the program down.
  if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  // The web engine's own pages (a page that cannot be loaded, say) speak the program's
  // language.
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (!flags.contains("--lang=")) {
    //: the language of this translation, as an HTML language code (en, ca...)
    const QString language = QCoreApplication::translate("WebView", "es");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --lang=" + language.toLatin1()).trimmed());
  }
  // The web engine needs a shared OpenGL context from before it loads. The program does not
  // ask for one at start-up (it would load OpenGL into every start), so it is made here.
  if (!qt_gl_global_share_context()) {
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  }
  entry = reinterpret_cast<CreateWebViewFunction>(
      platform::ModuleEntry(TARVEL_WEBVIEW_MODULE, kCreateWebViewSymbol));
  return entry;
}

}  // namespace

std::unique_ptr<WebView> CreateWebView(QWidget* parent) {
  if (Factory()) return Factory()(parent);
  const CreateWebViewFunction entry = ModuleEntry();
  return std::unique_ptr<WebView>(entry ? entry(parent) : nullptr);
}

void SetWebViewFactory(WebViewFactory factory) { Factory() = std::move(factory); }
