#pragma once
// Colours that several windows share.

#include <QColor>

// The navy blue of the converters' unit captions.
inline const QColor kNavy(0x00, 0x00, 0x80);
