// The downloads, with Qt Network. A module of its own, loaded with the first download (see
// platform/Network.h): the program's start-up neither loads nor maps Qt Network.

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include "platform/Network.h"

namespace {

using platform::FetchDone;
using platform::FetchLimits;
using platform::FetchResult;
using Outcome = FetchResult::Outcome;

constexpr int kMaxRedirections = 5;

QNetworkAccessManager& Manager() {
  // The desktop's proxy, as Qt reads it on Linux (http_proxy, https_proxy, no_proxy).
  static const bool proxied = (QNetworkProxyFactory::setUseSystemConfiguration(true), true);
  Q_UNUSED(proxied);
  static auto* manager = new QNetworkAccessManager(QCoreApplication::instance());
  return *manager;
}

QString Size(qint64 bytes) {
  //: a size in megabytes
  if (bytes % (1 << 20) == 0)
    return QCoreApplication::translate("Platform", "%1 MB").arg(bytes >> 20);
  //: a size in kilobytes
  return QCoreApplication::translate("Platform", "%1 KB").arg((bytes + 1023) / 1024);
}

QString ProxyRefusal(QNetworkReply::NetworkError error, bool proxied) {
  switch (error) {
    case QNetworkReply::UnknownNetworkError:
      // Qt reports a proxy that refuses the connection so.
      if (!proxied) return QString();
      [[fallthrough]];
    case QNetworkReply::ProxyConnectionRefusedError:
      return QCoreApplication::translate("Platform", "el proxy rechazó la conexión");
    case QNetworkReply::ProxyAuthenticationRequiredError:
      return QCoreApplication::translate("Platform", "el proxy pide usuario y contraseña");
    case QNetworkReply::ProxyConnectionClosedError:
      return QCoreApplication::translate("Platform", "el proxy cerró la conexión");
    case QNetworkReply::ProxyNotFoundError:
      return QCoreApplication::translate("Platform", "no se encuentra el proxy");
    case QNetworkReply::ProxyTimeoutError:
      return QCoreApplication::translate("Platform", "el proxy no respondió");
    default: return QString();
  }
}

bool SameOrigin(const QUrl& a, const QUrl& b) {
  return a.scheme() == b.scheme() && a.host() == b.host() &&
         a.port(a.scheme() == QLatin1String("https") ? 443 : 80) ==
             b.port(b.scheme() == QLatin1String("https") ? 443 : 80);
}

// One download: its request, the redirections on the same origin, the limits; done once.
class Download : public QObject {
 public:
  Download(const QUrl& url, const FetchLimits& limits, FetchDone done)
      : QObject(QCoreApplication::instance()), limits_(limits), done_(std::move(done)) {
    clock_.setSingleShot(true);
    connect(&clock_, &QTimer::timeout, this, [this] {
      const int seconds = limits_.timeoutMs / 1000;
      Finish(
          {Outcome::Offline,
           {},
           seconds == 1
               ? QCoreApplication::translate("Platform", "el servidor no respondió en 1 segundo")
               : QCoreApplication::translate("Platform", "el servidor no respondió en %1 segundos")
                     .arg(seconds)});
    });
    clock_.start(limits_.timeoutMs);
    Request(url);
  }

 private:
  void Request(const QUrl& url) {
    url_ = url;
    body_.clear();
    const QList<QNetworkProxy> proxies =
        QNetworkProxyFactory::proxyForQuery(QNetworkProxyQuery(url));
    proxied_ = !proxies.isEmpty() && proxies.front().type() != QNetworkProxy::NoProxy;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Tarvel/2.5"));
    // A compressed answer is unpacked only as far as the limit before Qt refuses it.
    request.setDecompressedSafetyCheckThreshold(limits_.maxBytes);
    reply_ = Manager().get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
      const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
      if (length.isValid() && length.toLongLong() > limits_.maxBytes) TooLong();
    });
    connect(reply_, &QNetworkReply::readyRead, this, &Download::Read);
    connect(reply_, &QNetworkReply::finished, this, &Download::Answered);
  }

  void Read() {
    if (!reply_) return;
    if (body_.size() + reply_->bytesAvailable() > limits_.maxBytes) {
      TooLong();
      return;
    }
    body_ += reply_->readAll();
  }

  void TooLong() {
    Finish({Outcome::Refused,
            {},
            QCoreApplication::translate("Platform", "la respuesta pasa de %1")
                .arg(Size(limits_.maxBytes))});
  }

  void Answered() {
    if (!reply_) return;
    Read();
    if (!reply_) return;
    // A proxy that will not pass the request on is an answer of its own, whatever its status.
    if (const QString proxy = ProxyRefusal(reply_->error(), proxied_); !proxy.isEmpty()) {
      Finish({Outcome::Refused, {}, proxy});
      return;
    }
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300 && status < 400) {
      const QUrl target =
          url_.resolved(reply_->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
      if (!SameOrigin(url_, target)) {
        Finish({Outcome::Refused,
                {},
                //: a download was redirected; %1 the other server's name
                QCoreApplication::translate("Platform", "redirigida a otro servidor (%1)")
                    .arg(target.host())});
      } else if (++redirections_ > kMaxRedirections) {
        Finish({Outcome::Refused,
                {},
                QCoreApplication::translate("Platform", "demasiadas redirecciones")});
      } else {
        Drop();
        Request(target);
      }
      return;
    }
    if (status != 0 && status != 200) {
      Finish({Outcome::Refused,
              {},
              //: %1 the HTTP status ("404")
              QCoreApplication::translate("Platform", "el servidor respondió %1").arg(status)});
      return;
    }
    switch (reply_->error()) {
      case QNetworkReply::NoError: Finish({Outcome::Ok, body_, QString()}); return;
      case QNetworkReply::SslHandshakeFailedError:
        Finish({Outcome::Refused,
                {},
                QCoreApplication::translate("Platform", "la conexión segura no es válida")});
        return;
      case QNetworkReply::UnknownContentError:
        // A compressed answer that Qt would not unpack: one that unpacks far beyond the limit
        // (a bomb), or a damaged one; Qt tells neither from the other.
        Finish({Outcome::Refused,
                {},
                QCoreApplication::translate("Platform",
                                            "la respuesta comprimida pasa de %1 o está dañada")
                    .arg(Size(limits_.maxBytes))});
        return;
      case QNetworkReply::ProtocolUnknownError:
      case QNetworkReply::ProtocolInvalidOperationError:
      case QNetworkReply::ProtocolFailure:
        Finish({Outcome::Refused,
                {},
                QCoreApplication::translate("Platform", "el servidor no habla HTTP")});
        return;
      default:
        Finish({Outcome::Offline, {}, QCoreApplication::translate("Platform", "sin conexión")});
        return;
    }
  }

  void Drop() {
    if (!reply_) return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
  }

  void Finish(FetchResult result) {
    if (finished_) return;
    finished_ = true;
    clock_.stop();
    Drop();
    done_(result);
    deleteLater();
  }

  FetchLimits limits_;
  FetchDone done_;
  QTimer clock_;
  QUrl url_;
  QNetworkReply* reply_ = nullptr;
  QByteArray body_;
  int redirections_ = 0;
  bool proxied_ = false;  // through the desktop's proxy
  bool finished_ = false;
};

}  // namespace

extern "C" Q_DECL_EXPORT void tarvel_fetch(const QUrl& url, const FetchLimits& limits,
                                           FetchDone done) {
  new Download(url, limits, std::move(done));
}
