#include "app/BrowserParts.h"

#include <QBoxLayout>

std::unique_ptr<WebView> PlaceWebView(QWidget* parent, QBoxLayout* layout) {
  std::unique_ptr<WebView> view = CreateWebView(parent);
  if (view) {
    view->Widget()->setObjectName(QStringLiteral("CppWebBrowser1"));
    layout->addWidget(view->Widget(), 1);
  } else {
    layout->addStretch(1);
  }
  return view;
}
