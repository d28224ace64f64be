// tarvel-script: drives the real windows headless from a script, for acceptance tests and for
// anyone who wants to reproduce a behaviour. Commands come one per line from the file named
// as the argument, or from standard input; blank lines and lines starting with # are skipped.
//
//   decimal , | .            the regional decimal separator, before the first open
//   open ITEM                runs the main menu command named ITEM (e.g. Longitud1)
//   close                    closes the open tool window as its close box would
//   window                   prints "window = CAPTION" for the active window
//   type WIDGET TEXT         focuses WIDGET as a click would (if needed), types TEXT key by key
//   key WIDGET KEY           one key stroke: Delete, Backspace, Home, End, Return, Escape,
//                            Tab, Ctrl+V, Shift+Home, Keypad1, F1, a letter...
//   paste WIDGET TEXT        replaces WIDGET's text with TEXT as the context menu's paste would
//   setclipboard TEXT        puts TEXT on the clipboard
//   focus WIDGET             gives WIDGET the focus as a mouse click would
//   click WIDGET             a left click in its middle; clickat WIDGET X Y at a pixel (on a
//                            grid's title row too)
//   rightclick WIDGET        presses the right button there: its pop-up menu opens
//   hover WIDGET             moves the mouse over it
//   menu ITEM                chooses ITEM (its name or caption) in the open pop-up menu
//   tab CAPTION              shows the tab captioned CAPTION, of any tab control: the tabs
//                            of the pages that hold it are chosen first
//   choose WIDGET ITEM       selects ITEM (its text, or #N) in a combo box, list or grid
//   cell WIDGET COL ROW TEXT selects a grid cell and types TEXT into it
//   answer yes|no|ok         the answer to the next message box (else its first button)
//   show [WIDGET ...]        prints "WIDGET = text" (no names: every control in tab order);
//                            a grid prints "GRID[col,row] = text" for each cell, and
//                            GRID[col,row], GRID[col,*] or GRID[*,row] names some of them
//   row GRID                 prints the cells of the grid's current row as show does
//   state WIDGET ...         prints enabled, visible, bold, colours and hint
//   filled                   prints "filled = NAMES", the edits that are not empty, in tab
//                            order ("filled =" when every edit is empty)
//   status                   prints "status = TEXT", the status bar's panels
//   focused                  prints the name of the widget that has the focus
//   catalogue                prints "catalogue = ITEM ...", the menu commands that open a
//                            window
//   tabs                     prints "tabs = CAPTION | ...", every tab of the active window,
//                            each followed by the tabs on its page: "tab" shows them in turn
//   items LIST               prints "LIST[n] = text" for every row of a list
//   restart                  ends the program as its close box would and starts it again in
//                            the same folders: what it keeps across starts is read anew
//   wait network             returns when no download is in flight (20 seconds at most)
//   echo TEXT                prints TEXT
//   snapshot FILE            saves a picture of the active window (PNG), with the open
//                            pop-up menu drawn over it
//
// With --interactive instead of a file, the commands are read from standard input one at a
// time, each once the one before is done; meanwhile the program keeps serving its events (and
// assistive technology), so that another program can drive it and look at it in turn.
//
// Message boxes print as "box CAPTION | TEXT | ICON | BUTTONS -> ANSWER", the shell's open as
// "shell TARGET", the program's clipboard writes as "clipboard TEXT". An unknown command or
// control prints "error: ..." and ends the run with exit status 2.

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include <unistd.h>

#include "app/Startup.h"
#include "app/Unidadpresentacion.h"
#include "driver/ScriptRunner.h"
#include "driver/Session.h"
#include "platform/Application.h"
#include "platform/Host.h"
#include "platform/Locale.h"

namespace {

// One line of standard input, the program's events served while it is awaited; empty at
// the end of the input.
QString ReadLineServing() {
  static QByteArray pending;
  static bool ended = false;
  for (;;) {
    const qsizetype end = pending.indexOf('\n');
    if (end >= 0) {
      const QString line = QString::fromUtf8(pending.left(end)).trimmed();
      pending.remove(0, end + 1);
      if (line.isEmpty()) continue;
      return line;
    }
    if (ended) return {};
    QEventLoop loop;
    QSocketNotifier notifier(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    loop.exec();
    char buffer[4096];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
      ended = true;
    } else {
      pending.append(buffer, got);
    }
  }
}

QStringList ReadScript(int argc, char** argv, bool* ok) {
  QStringList lines;
  *ok = true;
  if (argc > 1) {
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
      *ok = false;
      return lines;
    }
    while (!file.atEnd()) lines << QString::fromUtf8(file.readLine());
  } else {
    std::string line;
    while (std::getline(std::cin, line)) lines << QString::fromStdString(line);
  }
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/tarvel-script-XXXXXX"));
  if (!scratch.isValid()) {
    std::fprintf(stderr, "tarvel-script: cannot create a scratch directory\n");
    return 2;
  }
  driver::PrivateFolders(scratch);

  bool ok = true;
  const bool interactive = argc > 1 && qstrcmp(argv[1], "--interactive") == 0;
  const QStringList lines = interactive ? QStringList() : ReadScript(argc, argv, &ok);
  if (!ok) {
    driver::Print(QStringLiteral("error: cannot read %1").arg(QString::fromLocal8Bit(argv[1])));
    return 2;
  }

  // The driver types its keys itself: no input method stands between them and the window
  // (and a Wayland compositor without a seat offers none that works).
  qputenv("QT_IM_MODULE", "none");
  driver::InstallQuietMessages();
  TApplication app(argc, argv);
  PrepareApplication();
  platform::SetDecimalSeparator(u'.');
  platform::RecordingHost host;
  host.print = driver::Print;
  platform::SetHost(&host);

  int code = 0;
  {
    auto FormPrincipal = std::make_unique<TFormPrincipal>();
    auto start = [&FormPrincipal] {
      FormPrincipal->show();
      FormPrincipal->activateWindow();
      QApplication::setActiveWindow(FormPrincipal.get());
      return FormPrincipal.get();
    };
    driver::ScriptRunner runner(lines, start(), &host);
    runner.SetRestart([&] {
      FormPrincipal->close();
      FormPrincipal.reset();
      FormPrincipal = std::make_unique<TFormPrincipal>();
      return start();
    });
    if (interactive) runner.SetSource(ReadLineServing);
    runner.Start();
    QApplication::exec();
    code = runner.ExitCode();
  }
  platform::SetHost(nullptr);
  return code;
}
