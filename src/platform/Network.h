#pragma once
// Downloads in the background. The program asks for a file and goes on; the answer comes
// later, on the GUI thread, through the event loop: nothing ever waits for the network.
//
// Qt Network is loaded only with the first download, from a module of its own (as the web
// view is): linked into the program it would cost every start-up its loading and its memory.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>

class QObject;

namespace platform {

struct FetchLimits {
  qint64 maxBytes = 1 << 20;  // a longer body is refused before it is all in memory
  int timeoutMs = 0;          // the whole download, from the request to the last byte; 0: 15 s
};

// How long a download may take when its limits do not say (15 s); tests shorten it.
void SetFetchPatience(int milliseconds);

struct FetchResult {
  enum class Outcome {
    Ok,       // the server's answer (status 200) is in body
    Offline,  // no connection: the address does not resolve, nobody answers, or too slowly
    Refused,  // an answer that is not the file: an error status, too long, moved elsewhere
  };
  Outcome outcome = Outcome::Offline;
  QByteArray body;
  QString reason;  // for the user, translated ("sin conexión", "el servidor respondió 404")
};
using FetchDone = std::function<void(const FetchResult& result)>;

// Starts a GET of url and returns at once. done runs once, later, on the GUI thread, unless
// context is destroyed before the answer. Only https is fetched, or plain http from this
// machine (AddressProblem); another address is refused without asking. Redirections are
// followed only on the same scheme, host and port; another host's is refused.
void Fetch(const QUrl& url, const FetchLimits& limits, QObject* context, FetchDone done);

// The downloads started and not yet answered, and the files being written from them.
int FetchesInFlight();

// Runs work on a thread of its own (reading a large download, say), then done on the GUI
// thread unless context is gone; counted among FetchesInFlight until then.
void RunAside(QObject* context, std::function<void()> work, std::function<void()> done);

// Keeps what a download brought: writes the file whole (WriteWholeFile) on a thread of its
// own, so that the disk never holds the window up, and calls done later on the GUI thread
// with the reason it could not be written (empty when it was), unless context is gone.
// Counted among FetchesInFlight until then.
void KeepDownloaded(const QString& path, const QByteArray& content, QObject* context,
                    std::function<void(const QString& reason)> done);

// Whether the address names this machine (localhost, 127.0.0.0/8, ::1).
bool IsLoopback(const QUrl& url);
// Why an address may not be fetched, for the user, or empty: it must be https, or http to this
// machine (the tests' own servers).
QString AddressProblem(const QUrl& url);

// The module's entry point, looked up by this name: starts the download and calls done once,
// whatever happens (the caller keeps the count and its context).
extern "C" {
using FetchFunction = void (*)(const QUrl& url, const FetchLimits& limits, FetchDone done);
}
inline constexpr const char* kFetchSymbol = "tarvel_fetch";

// The download as the desktop does it, through the module; Host::Fetch calls it.
void FetchThroughModule(const QUrl& url, const FetchLimits& limits, FetchDone done);

}  // namespace platform
