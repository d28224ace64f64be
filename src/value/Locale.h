#pragma once
// The regional decimal separator: read once when the program starts, used for reading and
// for display. Tests and the scenario driver set it explicitly.

namespace platform {

char16_t DecimalSeparator();
void SetDecimalSeparator(char16_t separator);
// Reads the separator of the user's regional settings; only '.' and ',' are supported,
// anything else falls back to '.'.
void ReadDecimalSeparatorFromSystem();

}  // namespace platform
