#pragma once
// What the two browser windows share: their flat picture buttons and the view that fills
// them, or a notice in its place when no web view can be had.

#include <QToolButton>
#include <functional>
#include <memory>

#include "app/WebView.h"

class QBoxLayout;

// A flat button with a picture (and a caption under it, when it has one), as the form
// library's speed button.
class TSpeedButton : public QToolButton {
  Q_OBJECT

 public:
  TSpeedButton(QWidget* parent, const QString& name, const QString& caption, const QIcon& icon,
               QSize size);
  std::function<void()> OnClick;
};

// Creates the window's web view (CppWebBrowser1) and puts it into layout; null when none can
// be had.
std::unique_ptr<WebView> PlaceWebView(QWidget* parent, QBoxLayout* layout);
