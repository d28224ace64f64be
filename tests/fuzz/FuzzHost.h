#pragma once
// A recorder in place of the desktop for the targets that may show a box.

#include "platform/Host.h"

inline void FuzzSetUpHost() {
  static platform::RecordingHost host;
  platform::SetHost(&host);
  host.boxes.clear();
}
