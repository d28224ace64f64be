#pragma once
// The desktop's style, with the keyboard focus always in sight: some styles mark a focused
// button only by the outline they also give the default button, so that moving by Tab onto
// "Volver" shows nothing. This one draws a focus ring inside any button reached by keyboard.

#include <QProxyStyle>

namespace platform {

class FocusStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
};

// Puts FocusStyle over the application's style.
void InstallFocusStyle();

}  // namespace platform
