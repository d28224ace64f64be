#pragma once
// The user's preferences, kept across starts in the configuration folder: how the live
// converters write their results (NumberStyle, value/Value.h). A file that is missing,
// cannot be read or is damaged means the defaults, and the next save writes it anew.

#include <QString>

#include "value/Value.h"

namespace prefs {

// The file, in the user's configuration folder.
QString FilePath();

// The style kept; the default one when there is none to read.
NumberStyle Read();

// Keeps the style (written whole to a temporary file, then renamed). Empty when it was kept,
// else the reason, in Spanish.
QString Save(const NumberStyle& style);

// The style kept becomes the program's (SetResultStyle). True when it differs from the one
// the program had.
bool Apply();

}  // namespace prefs
