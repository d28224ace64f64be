#pragma once
// A web server of the test's own on the loopback address, and the bank's file as it
// publishes it, for the tests of the currency window and of the files it keeps.

#include <QHostAddress>
#include <QMap>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// One canned answer per path; a path not listed answers 404.
struct Answer {
  QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\n";
  QByteArray body;
  int delayMs = 0;
};

class LoopbackServer : public QObject {
 public:
  explicit LoopbackServer(const QString& address = QStringLiteral("127.0.0.1")) {
    server_.listen(QHostAddress(address), 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  QString Url(const QString& path) const {
    return QStringLiteral("http://%1:%2%3")
        .arg(server_.serverAddress().toString())
        .arg(server_.serverPort())
        .arg(path);
  }
  QMap<QString, Answer> answers;
  QStringList requests;  // the first line of each request, in order

 private:
  void Serve(QTcpSocket* socket) {
    request_[socket] += socket->readAll();
    if (!request_[socket].contains("\r\n\r\n")) return;
    const QByteArray request = request_.take(socket);
    requests << QString::fromLatin1(request.left(request.indexOf("\r\n")));
    // The path, or for a proxy the whole address (or host:port of a tunnel).
    const QString path = QString::fromLatin1(request.split(' ').value(1));
    Answer answer = answers.value(path, Answer{"HTTP/1.1 404 Not Found\r\n", "no", 0});
    QByteArray reply = answer.head + "Content-Length: " + QByteArray::number(answer.body.size()) +
                       "\r\nConnection: close\r\n\r\n" + answer.body;
    QTimer::singleShot(answer.delayMs, socket, [socket, reply] {
      socket->write(reply);
      socket->disconnectFromHost();
    });
  }
  QTcpServer server_;
  QMap<QTcpSocket*, QByteArray> request_;
};

inline QByteArray BankFile(const QString& date, const QStringList& rates) {
  QByteArray cubes;
  for (const QString& rate : rates) {
    const QStringList parts = rate.split(u'=');
    cubes += "\t\t\t<Cube currency='" + parts[0].toUtf8() + "' rate='" + parts.value(1).toUtf8() +
             "'/>\n";
  }
  const QByteArray time = date.isEmpty() ? QByteArray() : " time='" + date.toUtf8() + "'";
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
         "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
         "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
         "\t<gesmes:Sender><gesmes:name>European Central Bank</gesmes:name></gesmes:Sender>\n"
         "\t<Cube>\n\t\t<Cube" +
         time + ">\n" + cubes + "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
}
