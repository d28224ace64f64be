#pragma once
// The folders and files of the desktop that the program uses, resolved from the
// environment each time they are needed:
// - the configuration folder ($XDG_CONFIG_HOME, by default ~/.config) holds the tray flag;
// - a private per-user temporary folder ("tarvel" under $XDG_RUNTIME_DIR, or under the
//   cache folder $XDG_CACHE_HOME, by default ~/.cache) holds the help pages. The shared /tmp
//   would let another user plant a page there that the embedded browser then shows.
// And the window search that finds a running calculator.

#include <QByteArray>
#include <QString>

namespace platform {

QString ConfigFolder();
// The user's cache folder ($XDG_CACHE_HOME, by default ~/.cache) and data folder
// ($XDG_DATA_HOME, by default ~/.local/share).
QString CacheFolder();
QString DataFolder();

// The private temporary folder, created with mode 0700 when missing. Throws EFCreateError
// when it cannot be created or is not private: not a real folder (a symbolic link, a file),
// owned by another user or open to others.
QString PrivateTempFolder();

bool FileExists(const QString& path);

// Creates the file only when nothing exists at path, exclusively and never through a
// symbolic link (mode 0600), and writes content into it. False when something already
// exists there (it is left as it is); throws EFCreateError when the file cannot be created
// or written (a partly written file is removed).
bool CreateNewFile(const QString& path, const QByteArray& content);

// The file-creation error of the form library for path, with the system's reason.
[[noreturn]] void RaiseCreateError(const QString& path, const QString& reason);

// On X11: finds a top-level window whose title is exactly title and raises it, restoring it
// when minimised. False elsewhere or when there is no such window.
bool RaiseTopLevelWindow(const QString& title);

}  // namespace platform
