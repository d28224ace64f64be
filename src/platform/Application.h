#pragma once
// The application object. Every place where Qt calls the program is wrapped by
// platform::Guard; this is the last net below them: an exception that still reaches the
// event dispatch is shown in the default error box and the program goes on.

#include <QApplication>

class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
  // How many exceptions this net has caught: each one escaped the guards above it.
  static int StrayExceptions() { return strayExceptions_; }

 private:
  static int strayExceptions_;
};
