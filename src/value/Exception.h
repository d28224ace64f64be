#pragma once
// The program's exceptions. Every error that a handler raises carries the text that the
// application's default error box shows; nothing else is needed to report it.

#include <QString>
#include <exception>

class Exception : public std::exception {
 public:
  explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
  const QString& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return utf8_.constData(); }

 private:
  QString message_;
  QByteArray utf8_;
};

// A file that could not be created or written (the flag file, the help pages).
class EFCreateError : public Exception {
 public:
  using Exception::Exception;
};
