#pragma once
// Runs a script of driver commands against the real windows, one command per line, each
// after the program has become idle: pending events, timers and simulated keys processed.

#include <QObject>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;
class TFormPrincipal;
namespace platform {
class RecordingHost;
}

namespace driver {

// Everything the driver prints goes through here, in order.
void Print(const QString& line);

class ScriptRunner : public QObject {
 public:
  ScriptRunner(QStringList lines, TFormPrincipal* main, platform::RecordingHost* host);
  void Start();
  // Takes the commands one at a time from source instead of the script, each asked for when
  // the program is idle after the one before; an empty line ends the run.
  void SetSource(std::function<QString()> source) { source_ = std::move(source); }
  // How "restart" ends the program and starts it again: the new main window.
  void SetRestart(std::function<TFormPrincipal*()> restart) { restart_ = std::move(restart); }
  // The window that the next command addresses: the open modal window, else the active one.
  QWidget* ActiveWindow() const;
  int ExitCode() const { return exitCode_; }

 private:
  void Next();
  void Settle();
  void Finish(int code);
  void Execute(const QString& line);
  QWidget* Control(const QString& name) const;
  void FocusAsClick(QWidget* control);
  // The window that the keyboard reaches: an open pop-up menu, else the active window.
  QWidget* KeyWindow() const;

  QStringList lines_;
  int index_ = 0;
  TFormPrincipal* main_;
  platform::RecordingHost* host_;
  // The event-loop level of each command still running (an open modal window or pop-up menu
  // runs the next commands inside its own loop).
  std::vector<int> running_;
  std::function<QString()> source_;
  std::function<TFormPrincipal*()> restart_;
  bool opened_ = false;
  bool finished_ = false;
  int exitCode_ = 0;
};

}  // namespace driver
