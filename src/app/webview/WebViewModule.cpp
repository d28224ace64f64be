// The web view of the browser windows on Qt WebEngine. This module is loaded only when a
// browser window opens, so the program itself starts without the web engine.

#include "app/WebView.h"

#ifdef TARVEL_NO_WEBENGINE

extern "C" __attribute__((visibility("default"))) WebView* tarvel_create_webview(QWidget*) {
  return nullptr;
}

#else

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <memory>
#include <utility>

namespace {

class EnginePage : public QWebEnginePage {
 public:
  EnginePage(QWebEngineProfile* profile, QObject* parent, WebView* owner)
      : QWebEnginePage(profile, parent), owner_(owner) {}

 protected:
  // Another window is never opened: the handler may only refuse it, and the default is to
  // refuse as well.
  QWebEnginePage* createWindow(WebWindowType) override {
    bool cancel = true;
    if (owner_->OnNewWindow) owner_->OnNewWindow(cancel);
    return nullptr;
  }

 private:
  WebView* owner_;
};

class EngineView : public WebView {
 public:
  explicit EngineView(QWidget* parent) : view_(new QWebEngineView(parent)) {
    view_->setObjectName(QStringLiteral("CppWebBrowser1"));
    view_->setPage(new EnginePage(QWebEngineProfile::defaultProfile(), view_, this));
    QObject::connect(view_, &QWebEngineView::urlChanged, view_, [this] { expected_.clear(); });
    QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool ok) {
      patience_->stop();
      if (OnDocumentComplete) OnDocumentComplete(ok);
    });
    // A page that cannot be reached gets the engine's own error page at once; a load that
    // gets no answer at all (a name server or a host that never replies) would leave the
    // view blank for good, so it is given up after a while and explained.
    patience_ = new QTimer(view_);
    patience_->setSingleShot(true);
    patience_->setInterval(kPatience);
    QObject::connect(view_, &QWebEngineView::loadStarted, patience_, [this] {
      if (std::exchange(ownPage_, false)) return;
      failed_.clear();
      patience_->start();
    });
    QObject::connect(patience_, &QTimer::timeout, view_, [this] { GiveUp(); });
  }
  ~EngineView() override { delete view_.data(); }

  QWidget* Widget() override { return view_; }

  void Navigate(const QString& address) override {
    const QUrl url = ToUrl(address);
    if (printer_) {
      // A page being printed stays until the printing is done.
      pending_ = url;
      return;
    }
    expected_ = url.toString();
    view_->setUrl(url);
  }

  void GoBack() override {
    QWebEngineHistory* history = view_->history();
    if (!history->canGoBack()) return;
    expected_ = history->backItem().url().toString();
    history->back();
  }

  void GoForward() override {
    QWebEngineHistory* history = view_->history();
    if (!history->canGoForward()) return;
    expected_ = history->forwardItem().url().toString();
    history->forward();
  }

  void Reload() override {
    if (!failed_.isEmpty()) {
      Navigate(failed_.toString());
      return;
    }
    view_->reload();
  }

  void SaveAs() override {
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation))
            .filePath(SuggestedName());
    const QString path = QFileDialog::getSaveFileName(
        view_->window(), QString(), suggested,
        //: the save dialog's two kinds of file, separated by ";;", each with its patterns
        QCoreApplication::translate(
            "WebView", "Página web completa (*.html *.htm);;Página web, sólo HTML (*.html *.htm)"));
    if (path.isEmpty()) return;
    view_->page()->save(path, QWebEngineDownloadRequest::CompleteHtmlSaveFormat);
  }

  void Print() override {
    if (printer_) return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), view_->window());
    if (dialog.exec() != QDialog::Accepted) return;
    printer_ = std::move(printer);
    QObject::connect(
        view_, &QWebEngineView::printFinished, view_,
        [this](bool) {
          printer_.reset();
          if (!pending_.isEmpty()) Navigate(std::exchange(pending_, QUrl()).toString());
        },
        Qt::SingleShotConnection);
    view_->print(printer_.get());
  }

  // The view always fetches from the network; there is no offline mode to leave.
  void SetOffline(bool) override {}

  QString LocationURL() const override {
    return expected_.isEmpty() ? view_->url().toString() : expected_;
  }

  void ReadPageText(std::function<void(const QString&)> done) override {
    view_->page()->toPlainText([done = std::move(done)](const QString& text) { done(text); });
  }

  void SetPatience(int milliseconds) override { patience_->setInterval(milliseconds); }

 private:
  static constexpr int kPatience = 20000;

  void GiveUp() {
    const QUrl url = view_->url();
    view_->stop();
    const QString address = url.toString().toHtmlEscaped();
    const int seconds = (patience_->interval() + 999) / 1000;
    const QString title =
        QCoreApplication::translate("WebView", "No se ha podido cargar la página");
    //: %1 is the page's address, %2 how many seconds the view waited
    const QString reason = QCoreApplication::translate(
                               "WebView",
                               "<b>%1</b> no ha respondido en %2 segundos. Puede que el equipo no "
                               "tenga conexión a la red o que el servidor no esté disponible.")
                               .arg(address, QString::number(seconds));
    // Each text goes in once, in one pass: an address may itself hold "%2".
    const QString page =
        QStringLiteral(
            "<!DOCTYPE html><html lang=\"%1\"><head><meta charset=\"utf-8\">"
            "<title>%2</title>"
            "<style>body{font-family:sans-serif;margin:40px;color:#202124}"
            "h1{font-size:20px;font-weight:normal}p{font-size:14px;line-height:1.5}"
            "a{color:#1a73e8}</style></head><body>"
            "<h1>%2</h1><p>%3</p><p><a href=\"%4\">%5</a></p></body></html>")
            .arg(PageLanguage(), title, reason, address,
                 QCoreApplication::translate("WebView", "Volver a intentarlo"));
    failed_ = url;
    ownPage_ = true;
    view_->setHtml(page, url);
  }

  static QUrl ToUrl(const QString& address) {
    if (QFileInfo(address).isAbsolute()) return QUrl::fromLocalFile(address);
    return QUrl::fromUserInput(address);
  }

  static QString PageLanguage() {
    //: the language of this translation, as an HTML language code (en, ca...)
    return QCoreApplication::translate("WebView", "es");
  }

  QString SuggestedName() const {
    QString name = view_->title().trimmed();
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    return (name.isEmpty() ? QStringLiteral("pagina") : name) + QStringLiteral(".html");
  }

  QPointer<QWebEngineView> view_;
  QString expected_;  // where the latest navigation or history step goes, until it gets there
  std::unique_ptr<QPrinter> printer_;
  QUrl pending_;
  QTimer* patience_ = nullptr;
  bool ownPage_ = false;  // the next load is our error page
  QUrl failed_;           // the address that did not answer, while our error page stands for it
};

}  // namespace

extern "C" __attribute__((visibility("default"))) WebView* tarvel_create_webview(QWidget* parent) {
  try {
    return new EngineView(parent);
  } catch (...) {
    return nullptr;
  }
}

#endif
