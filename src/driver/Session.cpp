#include "driver/Session.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace driver {
namespace {

// Qt's offscreen platform warns about what it cannot do; the driver's output stays clean.
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void PrivateFolders(const QTemporaryDir& scratch) {
  // The Wayland compositor's socket is named relative to the user's runtime folder, which
  // is about to be replaced: it is named by its whole path from now on.
  const QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!display.isEmpty() && !QDir::isAbsolutePath(display) && !runtime.isEmpty())
    qputenv("WAYLAND_DISPLAY", QDir(runtime).absoluteFilePath(display).toLocal8Bit());
  const QString root = scratch.path();
  for (const char* folder : {"config", "runtime", "cache", "data", "tmp"})
    QDir(root).mkdir(QLatin1String(folder));
  QFile::setPermissions(root + QStringLiteral("/runtime"),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toLocal8Bit());
  qputenv("XDG_RUNTIME_DIR", (root + QStringLiteral("/runtime")).toLocal8Bit());
  qputenv("XDG_CACHE_HOME", (root + QStringLiteral("/cache")).toLocal8Bit());
  // The user's own currencies too: a run never sees, nor changes, another's.
  qputenv("XDG_DATA_HOME", (root + QStringLiteral("/data")).toLocal8Bit());
  qputenv("TMPDIR", (root + QStringLiteral("/tmp")).toLocal8Bit());
}

void InstallQuietMessages() { qInstallMessageHandler(QuietOffscreen); }

}  // namespace driver
