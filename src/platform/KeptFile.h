#pragma once
// The files the program keeps for the user (the rates, the user's currencies, the recent
// units, the search provider's index...), written and read one way for all of them.
//
// A write never leaves a kept file cut short: the content goes to a temporary file in the
// same folder, every step is checked (write, flush to the disk, close, rename), and only then
// does it replace the old file. Any failure leaves the old file byte for byte and says why,
// in the interface's language, for the window to show ("no queda espacio en el disco").
//
// A read takes a regular file only (a pipe or a device at the file's place is refused
// without waiting on it) and never more than its limit.

#include <QByteArray>
#include <QString>

namespace platform {

// Writes the whole file or nothing; the folders are made (mode 0700) when missing. False,
// with the reason for the user, when it could not be written: the old file is then untouched
// and no temporary file is left behind.
bool WriteWholeFile(const QString& path, const QByteArray& content, QString* reason = nullptr);

struct KeptRead {
  enum class Outcome {
    Missing,     // nothing there
    Read,        // bytes holds the whole file
    TooLarge,    // more than the limit
    NotAFile,    // a folder, a pipe, a device...
    Unreadable,  // there, but it cannot be opened or read
  };
  Outcome outcome = Outcome::Missing;
  QByteArray bytes;
  QString reason;  // for the user, for every outcome but Missing and Read
  bool Ok() const { return outcome == Outcome::Read; }
};

// Reads a kept file of at most maxBytes (it reads one byte more to tell a larger one).
KeptRead ReadKeptFile(const QString& path, qint64 maxBytes);

// A system error number as the user reads it, in the interface's language.
QString FileErrorText(int error);

}  // namespace platform
