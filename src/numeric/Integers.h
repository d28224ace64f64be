#pragma once
// Whole numbers read from a text as the form library's integer conversion reads them, for the
// tools that take whole numbers rather than measures.

#include <QStringView>
#include <cstdint>

// Leading spaces, an optional sign, then decimal digits or a hexadecimal number introduced by
// "$" or "0x". Any other text, the empty text and trailing blanks included, reads as 0, and
// so does a decimal number beyond the 64-bit range or a hexadecimal one of more than 64 bits
// (up to 64 bits it is taken as the bit pattern: "$FFFFFFFFFFFFFFFF" is -1).
int64_t ReadInt64(QStringView text);
