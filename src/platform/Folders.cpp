#include "platform/Folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "value/Exception.h"

namespace platform {
namespace {

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// An absolute folder named by the variable, or empty (relative values are ignored, as the
// XDG rules say).
QString EnvFolder(const char* variable) {
  const QString value = qEnvironmentVariable(variable);
  return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

QString HomeSub(const char* sub) {
  return QDir::cleanPath(QDir::homePath() + u'/' + QLatin1String(sub));
}

// mkdir -p with mode 0700 for the folders it makes.
bool MakeFolders(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  struct stat st {};
  if (::stat(native.constData(), &st) == 0) return S_ISDIR(st.st_mode);
  const int slash = path.lastIndexOf(u'/');
  if (slash > 0 && !MakeFolders(path.left(slash))) return false;
  return ::mkdir(native.constData(), 0700) == 0 || errno == EEXIST;
}

}  // namespace

QString ConfigFolder() {
  const QString config = EnvFolder("XDG_CONFIG_HOME");
  return config.isEmpty() ? HomeSub(".config") : config;
}

QString CacheFolder() {
  const QString cache = EnvFolder("XDG_CACHE_HOME");
  return cache.isEmpty() ? HomeSub(".cache") : cache;
}

QString DataFolder() {
  const QString data = EnvFolder("XDG_DATA_HOME");
  return data.isEmpty() ? HomeSub(".local/share") : data;
}

QString PrivateTempFolder() {
  QString base = EnvFolder("XDG_RUNTIME_DIR");
  if (base.isEmpty()) base = CacheFolder();
  const QString folder = base + QStringLiteral("/tarvel");
  const QByteArray native = QFile::encodeName(folder);
  MakeFolders(base);
  if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
    RaiseCreateError(folder, SystemReason(errno));
  }
  struct stat st {};
  if (::lstat(native.constData(), &st) != 0) RaiseCreateError(folder, SystemReason(errno));
  if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & 077) != 0) {
    RaiseCreateError(folder, QStringLiteral("The folder is not private to this user"));
  }
  return folder;
}

bool FileExists(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

void RaiseCreateError(const QString& path, const QString& reason) {
  throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
}

bool CreateNewFile(const QString& path, const QByteArray& content) {
  const QByteArray native = QFile::encodeName(path);
  const int fd =
      ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) {
    if (errno == EEXIST) return false;
    RaiseCreateError(path, SystemReason(errno));
  }
  const char* data = content.constData();
  qsizetype left = content.size();
  int error = 0;
  while (left > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error = written < 0 ? errno : EIO;
      break;
    }
    data += written;
    left -= written;
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) {
    ::unlink(native.constData());
    RaiseCreateError(path, SystemReason(error));
  }
  return true;
}

namespace {

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  Reply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

QByteArray Property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                    xcb_atom_t type) {
  Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      c, xcb_get_property(c, 0, window, property, type, 0, 1 << 16), nullptr));
  if (!reply || reply->type == XCB_ATOM_NONE) return {};
  return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                    xcb_get_property_value_length(reply.get()));
}

QString Title(xcb_connection_t* c, xcb_window_t window, xcb_atom_t netWmName, xcb_atom_t utf8) {
  const QByteArray net = Property(c, window, netWmName, utf8);
  if (!net.isEmpty()) return QString::fromUtf8(net);
  return QString::fromLatin1(Property(c, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING));
}

// The managed top-level windows as the window manager lists them, or, without one, the
// root's children.
std::vector<xcb_window_t> TopLevels(xcb_connection_t* c, xcb_window_t root) {
  const QByteArray list = Property(c, root, Atom(c, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
  std::vector<xcb_window_t> windows(static_cast<size_t>(list.size()) / sizeof(xcb_window_t));
  if (!windows.empty()) {
    std::memcpy(windows.data(), list.constData(), windows.size() * sizeof(xcb_window_t));
    return windows;
  }
  Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
  if (!tree) return windows;
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  windows.assign(children, children + xcb_query_tree_children_length(tree.get()));
  return windows;
}

}  // namespace

bool RaiseTopLevelWindow(const QString& title) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c) return false;
  const xcb_atom_t netWmName = Atom(c, "_NET_WM_NAME");
  const xcb_atom_t utf8 = Atom(c, "UTF8_STRING");
  for (auto roots = xcb_setup_roots_iterator(xcb_get_setup(c)); roots.rem;
       xcb_screen_next(&roots)) {
    const xcb_window_t root = roots.data->root;
    for (const xcb_window_t window : TopLevels(c, root)) {
      if (Title(c, window, netWmName, utf8) != title) continue;
      // Mapping an iconic window restores it; the window manager is asked to activate it
      // (as a pager would) and the window goes on top of its siblings.
      xcb_map_window(c, window);
      xcb_client_message_event_t message{};
      message.response_type = XCB_CLIENT_MESSAGE;
      message.format = 32;
      message.window = window;
      message.type = Atom(c, "_NET_ACTIVE_WINDOW");
      message.data.data32[0] = 2;
      message.data.data32[1] = XCB_CURRENT_TIME;
      xcb_send_event(c, 0, root,
                     XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                     reinterpret_cast<const char*>(&message));
      const uint32_t above = XCB_STACK_MODE_ABOVE;
      xcb_configure_window(c, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
      xcb_flush(c);
      return true;
    }
  }
  return false;
}

}  // namespace platform
