#pragma once
// What the two browser windows share: the view that fills them, or a notice in its place when
// no web view can be had (their flat picture buttons are the kit's speed buttons).

#include <memory>

#include "app/WebView.h"
#include "platform/SpeedButton.h"

class QBoxLayout;

// Creates the window's web view (CppWebBrowser1) and puts it into layout; null when none can
// be had.
std::unique_ptr<WebView> PlaceWebView(QWidget* parent, QBoxLayout* layout);
