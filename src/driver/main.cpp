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
//   echo TEXT                prints TEXT
//   snapshot FILE            saves a picture of the active window (PNG)
//
// Message boxes print as "box CAPTION | TEXT | ICON | BUTTONS -> ANSWER", the shell's open as
// "shell TARGET", the program's clipboard writes as "clipboard TEXT". An unknown command or
// control prints "error: ..." and ends the run with exit status 2.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <iostream>
#include <string>

#include "app/Startup.h"
#include "app/Unidadpresentacion.h"
#include "driver/ScriptRunner.h"
#include "driver/Session.h"
#include "platform/Application.h"
#include "platform/Host.h"
#include "platform/Locale.h"

namespace {

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

  bool ok = false;
  const QStringList lines = ReadScript(argc, argv, &ok);
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
    TFormPrincipal FormPrincipal;
    FormPrincipal.show();
    FormPrincipal.activateWindow();
    QApplication::setActiveWindow(&FormPrincipal);
    driver::ScriptRunner runner(lines, &FormPrincipal, &host);
    runner.Start();
    QApplication::exec();
    code = runner.ExitCode();
  }
  platform::SetHost(nullptr);
  return code;
}
