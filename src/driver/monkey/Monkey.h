#pragma once
// The monkey: one tool window under seeded random use, as a careless or hostile user would
// treat it. Its steps are the scenario driver's commands, so that every run is a script that
// the driver replays; after each step it checks that the window survived it.

#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdio>
#include <deque>
#include <optional>
#include <random>
#include <vector>

class QWidget;
class TFormPrincipal;
namespace platform {
class RecordingHost;
}
namespace driver {
class ScriptRunner;
struct Argument;
struct Command;
}  // namespace driver

namespace monkey {

// Announces the closing checks in a script: after it, the typed 1 must convert without an
// error box and the close must close the window.
inline constexpr const char* kFinalMarker = "echo the window must still work";

struct Options {
  QString item;  // the menu command that opens the window
  quint64 seed = 1;
  long steps = 20000;  // random steps before the closing checks
  double seconds = 0;  // a time budget for the random steps; 0: none
  int stepLimitMs = 10000;
  bool replaying = false;  // replays these commands instead of taking random steps
  QStringList replay;
  std::FILE* log = nullptr;  // every command, flushed before it runs
};

class Monkey {
 public:
  Monkey(Options options, TFormPrincipal* main, platform::RecordingHost* host,
         driver::ScriptRunner* runner);

  // The runner's source: checks the last step, then gives the next command ("" ends).
  QString Next();

  bool Failed() const { return !failure_.isEmpty(); }
  const QString& Failure() const { return failure_; }
  long Steps() const { return steps_; }
  // The closing checks have all run.
  bool Finished() const { return finalStage_ == 4; }
  // Milliseconds since the current command started, for the watchdog.
  long long SinceStepStart() const;
  const QString& CurrentLine() const { return line_; }

 private:
  void Check();
  void NoteUserText(QWidget* control);
  bool UserText(const void* control, const QString& text) const;
  void CheckTexts(QWidget* window);
  void CheckText(const QString& where, const QString& text);
  void Fail(const QString& failure);
  QString Produce();
  struct View;
  View Look(QWidget* window) const;
  std::optional<QString> Make(const driver::Argument& argument, View& view);
  QString Text(const View& view);
  std::optional<QString> Arguments(const driver::Command& command, View& view);
  // A driver's command drawn from its table by the monkey's shares, with arguments made for
  // the window as it is.
  QString RandomStep(QWidget* window);
  QString FinalStep(QWidget* window);
  QString Pick(const QStringList& choices);
  int Below(int n);
  bool WindowOpen() const;

  Options options_;
  TFormPrincipal* main_;
  platform::RecordingHost* host_;
  driver::ScriptRunner* runner_;
  std::mt19937_64 random_;
  QElapsedTimer clock_;
  std::atomic<long long> stepStart_{0};
  QString line_;  // the command that ran last
  QString failure_;
  long steps_ = 0;
  int replayIndex_ = 0;
  bool started_ = false;
  bool final_ = false;  // the closing checks have begun
  int finalStage_ = 0;
  QString finalEdit_;
  std::size_t boxesBefore_ = 0;  // boxes seen before the last command
  int strayBefore_ = 0;
  std::deque<QString> pending_;
  // The text each edit held after the user's own input into it: the user may type anything.
  // (An edit or a grid's cell.)
  QHash<const void*, QString> userTexts_;
  QSet<QString> everTyped_;         // every text the user left in an edit since the window opened
  std::vector<QString> boxInputs_;  // for each box, the focused edit's text as it showed
};

// The arguments of the driver's commands that the monkey never makes ("ITEM (open)", ...),
// among the commands it uses; empty when it makes them all.
QString CommandsWithoutArguments();

}  // namespace monkey
