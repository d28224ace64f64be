#pragma once
// The services of the desktop that the program reaches: message boxes, pauses, the beep,
// the shell's "open", starting a program and writing the clipboard. The program always
// calls them through host(); tests and the scenario driver install a RecordingHost that
// logs every call, answers boxes as scripted and lets pauses pass in virtual time.

#include <QString>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "platform/Network.h"

class QWidget;

namespace platform {

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Box {
  QWidget* owner = nullptr;  // null: no owner window (the desktop)
  QString caption;
  QString text;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
  bool systemModal = false;
};

class Host {
 public:
  virtual ~Host() = default;
  virtual Answer ShowBox(const Box& box);
  // Blocks the GUI thread, as the handlers' short waits do.
  virtual void Pause(int milliseconds);
  virtual void Beep();
  // The shell's "open": a web address, a mailto: address or a local file.
  virtual void ShellOpen(const QString& target);
  // Starts a program detached; false when it could not be started.
  virtual bool StartProgram(const QString& program);
  virtual void SetClipboardText(const QString& text);
  // The same text offered with an HTML form beside it (text/plain and text/html), so that a
  // spreadsheet or a word processor pastes a table.
  virtual void SetClipboardData(const QString& text, const QString& html);
  // The full path of an executable program found on the program search path, or empty.
  virtual QString FindProgram(const QString& name);
  // Finds a top-level window whose title is exactly this one and raises it (restoring it
  // when minimised). False when the window system has no such window or cannot tell.
  virtual bool RaiseWindow(const QString& title);
  // Whether the desktop shows tray icons (a notification area or its successor).
  virtual bool TrayAvailable();
  // A download in the background (platform::Fetch keeps the count and the context): done
  // is called once, later, whatever happens.
  virtual void Fetch(const QUrl& url, const FetchLimits& limits, FetchDone done);
};

Host& host();
// Installs another host (not owned); nullptr restores the desktop's own services.
void SetHost(Host* replacement);

// Logs every call and never touches the desktop, except the clipboard, which it writes
// too so that a later paste finds the text.
class RecordingHost : public Host {
 public:
  struct Record {
    Box box;
    Answer answer;
  };

  Answer ShowBox(const Box& box) override;
  void Pause(int milliseconds) override;
  void Beep() override;
  void ShellOpen(const QString& target) override;
  bool StartProgram(const QString& program) override;
  void SetClipboardText(const QString& text) override;
  void SetClipboardData(const QString& text, const QString& html) override;
  QString FindProgram(const QString& name) override;
  bool RaiseWindow(const QString& title) override;
  bool TrayAvailable() override { return trayAvailable; }
  // Only this machine is reached (the tests' own servers, or another address through a
  // proxy of a test's own on this machine); any other address answers at once as a machine
  // without a connection would.
  void Fetch(const QUrl& url, const FetchLimits& limits, FetchDone done) override;

  // The answers to the next boxes, in order; a box without one gets its first button.
  std::deque<Answer> answers;
  // Called from inside ShowBox (before it returns), so a test can look at the window
  // while the box would be open.
  std::function<void(const Box&)> onBox;
  // Every line that the driver prints for these calls ("box ...", "shell ...", ...).
  std::function<void(const QString&)> print;

  std::vector<Record> boxes;
  std::vector<QString> shellTargets;
  std::vector<QString> programs;
  std::vector<QString> clipboardWrites;
  // The HTML form of each write, empty for a write of plain text only.
  std::vector<QString> clipboardHtml;
  std::vector<QString> raisedWindows;
  // The programs found on the search path (name to full path); nothing else is.
  std::vector<std::pair<QString, QString>> programsOnPath;
  // The titles of the top-level windows that RaiseWindow finds.
  std::vector<QString> windowTitles;
  int beeps = 0;
  long long elapsedMilliseconds = 0;  // virtual time spent in pauses
  bool programsStart = true;          // what StartProgram reports
  bool trayAvailable = true;          // what TrayAvailable reports

  static QString Describe(const Box& box, Answer answer);
  static QString ToString(Icon icon);
  static QString ToString(Answer answer);
};

}  // namespace platform
