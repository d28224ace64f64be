#pragma once
// The pictures of the shell's menus and buttons: the desktop theme's icon when it has one,
// else a small drawing of our own.

#include <QIcon>

namespace pictures {
QIcon Calculator();
QIcon Exit();
QIcon Open();
QIcon Back();
QIcon Forward();
QIcon Reload();
QIcon Save();
QIcon Print();
}  // namespace pictures
