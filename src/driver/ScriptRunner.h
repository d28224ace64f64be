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

class ScriptRunner;

// Everything the driver prints goes through here, in order.
void Print(const QString& line);

// An argument of a driver's command: what it stands for, from which the usage shows its word
// and the monkey makes one for the window as it is.
struct Argument {
  enum class Kind {
    Widget,       // WIDGET: a control of the active window, by its name
    Edit,         // EDIT: an edit, by its name
    List,         // LIST: a combo box, list or grid with items, by its name
    Grid,         // GRID: a grid, by its name
    ListItem,     // ITEM: an item of the list named before it, by its text or "#N"
    MenuItem,     // ITEM: an item of the open pop-up menu, by its name or caption
    MenuCommand,  // ITEM: a command of the main menu, by its name
    Column,       // COL: a number, a column of the grid named before it
    Row,          // ROW: a number, a row of that grid
    X,            // X: a number, a pixel across the control named before it
    Y,            // Y: a number, a pixel down it
    Key,          // KEY: a key name with its modifiers (ParseKey)
    Text,         // TEXT: free text, the rest of the line
    Caption,      // CAPTION: the caption of a tab
    File,         // FILE: a file to write
    Choice,       // one of the words given, "a|b"
    Word,         // the word given itself
  };
  Kind kind;
  // The words of a choice, or the word itself, as the usage shows them.
  const char* words = nullptr;
  bool optional = false;  // may be left out: "[WIDGET]"
  bool repeats = false;   // more of the same may follow: "WIDGET ..."
};

// The word that stands for an argument in the usage ("WIDGET", "[WIDGET ...]", "yes|no|ok").
QString UsageWord(const Argument& argument);

// A command of the driver: its name, its arguments, what it does, and the function that
// carries it out on the rest of the line.
struct Command {
  const char* name;
  std::vector<Argument> arguments;
  const char* help;  // lines after the first start with "\n"
  void (*run)(ScriptRunner& runner, const QString& arguments);
  // The share of the monkey's random steps that are this command, against the others'; 0:
  // none. A new command is exercised from the start.
  int monkey = 1;
  // For the monkey: null, any window; else only a window for which this holds.
  bool (*runsIn)(QWidget* window) = nullptr;
  // What it acts on: the window, or the pop-up menu open over it, where the monkey uses it
  // and nothing else.
  enum class On { Window, PopupMenu } on = On::Window;
};

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

  // Every command, in the order in which the usage lists them.
  static const std::vector<Command>& Commands();
  // The usage: each command with its arguments and what it does.
  static QString Usage();

 private:
  struct Runs;  // the commands' functions

  void Next();
  void Settle();
  void Finish(int code);
  void Execute(const QString& line);
  void Open(const QString& item);
  void TypeInCell(const QString& arguments);
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
