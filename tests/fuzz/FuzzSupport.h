#pragma once
// What the fuzz targets share: a recorder in place of the desktop (no box may block), the
// decimal separator taken from the input's first byte, and a failure that libFuzzer reports.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/Host.h"
#include "platform/Locale.h"

inline void FuzzSetUp(uint8_t first) {
  static platform::RecordingHost host;
  platform::SetHost(&host);
  host.boxes.clear();
  platform::SetDecimalSeparator((first & 1) ? u',' : u'.');
}

#define FUZZ_CHECK(condition)                                                             \
  do {                                                                                    \
    if (!(condition)) {                                                                   \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                       \
    }                                                                                     \
  } while (0)
