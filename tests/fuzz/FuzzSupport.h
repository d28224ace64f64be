#pragma once
// What the fuzz targets share: the decimal separator taken from the input's first byte, and a
// failure that libFuzzer reports. The key filter's target also installs a recorder in place
// of the desktop (FuzzHost.h), so that no box may block.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "value/Locale.h"

inline void FuzzSetUp(uint8_t first) { platform::SetDecimalSeparator((first & 1) ? u',' : u'.'); }

#define FUZZ_CHECK(condition)                                                             \
  do {                                                                                    \
    if (!(condition)) {                                                                   \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                       \
    }                                                                                     \
  } while (0)
