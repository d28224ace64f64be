#pragma once
// The application's tooltip settings: how long the mouse rests on a control before its
// tooltip appears, how long the tooltip stays (-1: until the mouse leaves the control) and
// its colour. A window may change them for the whole application and restore them.

#include <QColor>

namespace platform {

struct HintSettings {
  int pause;      // milliseconds before a tooltip shows; 0 at once
  int hidePause;  // milliseconds it stays; -1 until the mouse leaves the control
  QColor color;
};

HintSettings ApplicationHints();
void SetApplicationHints(const HintSettings& settings);

}  // namespace platform
