// tarvel-script: drives the real windows headless from a script, for acceptance tests and for
// anyone who wants to reproduce a behaviour. "tarvel-script --help" prints how to call it, the
// commands with their arguments (from the driver's table of commands,
// ScriptRunner::Commands), what the driver prints and its exit status.

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "app/Startup.h"
#include "app/Unidadpresentacion.h"
#include "driver/ScriptRunner.h"
#include "driver/Session.h"
#include "platform/Application.h"
#include "platform/Host.h"
#include "value/Locale.h"

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

  if (argc > 1 && (qstrcmp(argv[1], "--help") == 0 || qstrcmp(argv[1], "-h") == 0)) {
    const QByteArray usage = (QStringLiteral(R"(usage: tarvel-script [SCRIPT | --interactive]
Runs the commands of SCRIPT, or of standard input, one a line, each once the program is idle;
blank lines and lines starting with # are skipped. With --interactive the commands are read
one at a time, each once the one before is done, and meanwhile the program keeps serving its
events (and assistive technology), so that another program can drive it and look at it.

Commands:
)") + driver::ScriptRunner::Usage() +
                              QStringLiteral(R"(
Message boxes print as "box CAPTION | TEXT | ICON | BUTTONS -> ANSWER", the shell's open as
"shell TARGET", the program's clipboard writes as "clipboard TEXT". An unknown command or
control prints "error: ..." and ends the run with exit status 2.
)"))
                                 .toUtf8();
    std::fwrite(usage.constData(), 1, static_cast<size_t>(usage.size()), stdout);
    return 0;
  }

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
