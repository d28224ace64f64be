#include "platform/KeptFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

// mkdir -p with mode 0700 for the folders it makes.
bool MakeFolders(const QByteArray& path) {
  struct stat st {};
  if (::stat(path.constData(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return true;
    errno = ENOTDIR;
    return false;
  }
  const int slash = path.lastIndexOf('/');
  if (slash > 0 && !MakeFolders(path.left(slash))) return false;
  return ::mkdir(path.constData(), 0700) == 0 || errno == EEXIST;
}

QString SizeText(qint64 bytes) {
  //: a size in megabytes
  if (bytes % (1 << 20) == 0)
    return QCoreApplication::translate("Platform", "%1 MB").arg(bytes >> 20);
  //: a size in kilobytes
  return QCoreApplication::translate("Platform", "%1 KB").arg((bytes + 1023) / 1024);
}

// Writes all of it, through interrupted calls and short writes; the error number, or 0.
int WriteAll(int fd, const QByteArray& content) {
  const char* data = content.constData();
  qsizetype left = content.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return EIO;
    data += written;
    left -= written;
  }
  return 0;
}

// The temporary file's steps, each checked; the error number of the first that failed, or 0.
int WriteAndSync(int fd, const QByteArray& content) {
  if (const int error = WriteAll(fd, content)) return error;
  if (::fsync(fd) != 0) return errno;
  return 0;
}

// The rename is made lasting too: the folder's entry is flushed (where the file system lets a
// folder be synced; some do not, and the file is whole either way).
void SyncFolder(const QByteArray& folder) {
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

QString FileErrorText(int error) {
  switch (error) {
    case ENOSPC: return QCoreApplication::translate("Platform", "no queda espacio en el disco");
    case EDQUOT: return QCoreApplication::translate("Platform", "se ha llenado su cuota de disco");
    case EFBIG:
      return QCoreApplication::translate("Platform",
                                         "el archivo pasa del tamaño que el sistema permite");
    case EACCES:
    case EPERM:
      return QCoreApplication::translate("Platform", "no hay permiso para escribir en la carpeta");
    case EROFS: return QCoreApplication::translate("Platform", "el disco es de solo lectura");
    case EIO:
      return QCoreApplication::translate("Platform", "error de lectura o escritura en el disco");
    //: a file could not be written: one of the folders on its path is a file
    case ENOTDIR:
      return QCoreApplication::translate("Platform", "una carpeta del camino es un archivo");
    case ENAMETOOLONG:
      return QCoreApplication::translate("Platform", "el nombre del archivo es demasiado largo");
    case ENOENT: return QCoreApplication::translate("Platform", "la carpeta no existe");
    //: a file could not be written: a folder stands where the file should be
    case EISDIR: return QCoreApplication::translate("Platform", "en su lugar hay una carpeta");
    default:
      //: %1 the error's number, %2 the system's own description of it
      return QCoreApplication::translate("Platform", "error del sistema %1 (%2)")
          .arg(QString::number(error), QString::fromLocal8Bit(std::strerror(error)));
  }
}

bool WriteWholeFile(const QString& path, const QByteArray& content, QString* reason) {
  const QByteArray native = QFile::encodeName(path);
  const int slash = native.lastIndexOf('/');
  const QByteArray folder = slash > 0 ? native.left(slash) : QByteArray(slash == 0 ? "/" : ".");
  auto fail = [reason](int error) {
    if (reason) *reason = FileErrorText(error);
    return false;
  };
  if (slash > 0 && !MakeFolders(folder)) return fail(errno);

  // Beside the file, so that the rename stays on one file system; hidden, and private until
  // it takes the file's place.
  QByteArray temporary = folder + "/." + native.mid(slash + 1) + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return fail(errno);
  int error = WriteAndSync(fd, content);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.constData(), native.constData()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.constData());
    return fail(error);
  }
  SyncFolder(folder);
  return true;
}

KeptRead ReadKeptFile(const QString& path, qint64 maxBytes) {
  KeptRead read;
  const QByteArray native = QFile::encodeName(path);
  // Without blocking: opening a pipe for reading would otherwise wait for a writer.
  const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return read;
    read.outcome = KeptRead::Outcome::Unreadable;
    read.reason = FileErrorText(errno);
    return read;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    read.outcome = KeptRead::Outcome::NotAFile;
    read.reason = QCoreApplication::translate("Platform", "no es un archivo normal");
    return read;
  }
  // One byte more than the limit tells a larger file, whatever its size says.
  QByteArray bytes(static_cast<qsizetype>(std::min<qint64>(maxBytes + 1, st.st_size + 1)), '\0');
  qsizetype got = 0;
  int error = 0;
  while (got <= maxBytes) {
    if (got == bytes.size()) bytes.resize(std::min<qsizetype>(maxBytes + 1, bytes.size() * 2 + 1));
    const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    got += n;
  }
  ::close(fd);
  if (error != 0) {
    read.outcome = KeptRead::Outcome::Unreadable;
    read.reason = FileErrorText(error);
  } else if (got > maxBytes) {
    read.outcome = KeptRead::Outcome::TooLarge;
    //: a kept file is too large; %1 its limit ("1 MB")
    read.reason = QCoreApplication::translate("Platform", "pasa de %1").arg(SizeText(maxBytes));
  } else {
    bytes.truncate(got);
    read.outcome = KeptRead::Outcome::Read;
    read.bytes = std::move(bytes);
  }
  return read;
}

}  // namespace platform
