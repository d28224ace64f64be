// tarvel-monkey: every enabled tool window under seeded random use, through the real event
// paths, with every box answered at random and pauses in virtual time.
//
//   tarvel-monkey [SEED [STEPS]] [--seed N] [--steps N] [--seconds S] [--window ITEM]
//                 [--out DIR] [--step-limit MS]
//
// Each window of the catalogue that has a window to open runs in a process of its own for
// STEPS random steps (20 000 unless given), or until its share of S seconds is spent, then
// the closing checks. A failure prints the seed, the window and the steps, shortened to the
// fewest that still fail, and writes them to DIR/monkey-ITEM-SEED.tvs, a script that
// tarvel-script replays (and "tarvel-monkey --replay FILE" replays with the checks).
// Exit status: 0 when every window held, 1 when one failed, 2 on a usage error.

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "app/Catalogue.h"
#include "app/Startup.h"
#include "app/Unidadpresentacion.h"
#include "driver/ScriptRunner.h"
#include "driver/Session.h"
#include "driver/monkey/Monkey.h"
#include "platform/Application.h"
#include "platform/Host.h"
#include "value/Locale.h"

namespace {

struct Arguments {
  quint64 seed = 0;
  bool seeded = false;
  long steps = 20000;
  double seconds = 0;
  int stepLimitMs = 10000;
  QString window;  // one window only
  QString out = QStringLiteral(".");
  QString child;   // run this window here (a process of the parent's)
  QString replay;  // replay this script with the checks
  QString log;
};

void Say(const QString& line) {
  const QByteArray bytes = line.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

bool Parse(int argc, char** argv, Arguments* a) {
  int positional = 0;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    const bool hasValue = i + 1 < argc;
    const QString value = hasValue ? QString::fromLocal8Bit(argv[i + 1]) : QString();
    bool ok = true;
    if (arg == QLatin1String("--seed") && hasValue) {
      a->seed = value.toULongLong(&ok);
      a->seeded = true;
    } else if (arg == QLatin1String("--steps") && hasValue) {
      a->steps = value.toLong(&ok);
    } else if (arg == QLatin1String("--seconds") && hasValue) {
      a->seconds = value.toDouble(&ok);
    } else if (arg == QLatin1String("--step-limit") && hasValue) {
      a->stepLimitMs = value.toInt(&ok);
    } else if (arg == QLatin1String("--window") && hasValue) {
      a->window = value;
    } else if (arg == QLatin1String("--out") && hasValue) {
      a->out = value;
    } else if (arg == QLatin1String("--child") && hasValue) {
      a->child = value;
    } else if (arg == QLatin1String("--replay") && hasValue) {
      a->replay = value;
    } else if (arg == QLatin1String("--log") && hasValue) {
      a->log = value;
    } else if (!arg.startsWith(u'-') && positional < 2) {
      if (positional++ == 0) {
        a->seed = arg.toULongLong(&ok);
        a->seeded = true;
      } else {
        a->steps = arg.toLong(&ok);
      }
      continue;
    } else {
      return false;
    }
    if (!ok) return false;
    ++i;
  }
  return a->steps >= 0 && a->stepLimitMs > 0;
}

// The process's quiet: a grid cell that takes no editor is the monkey's try, not a fault.
void QuietenMessages() {
  driver::InstallQuietMessages();
  static const QtMessageHandler quiet = qInstallMessageHandler(nullptr);
  qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (text != QLatin1String("edit: editing failed")) quiet(type, context, text);
      });
}

// The monkey's options for the window of the arguments; false when the script to replay
// does not read.
bool ReadOptions(const Arguments& a, monkey::Options* options) {
  options->item = a.child;
  options->seed = a.seed;
  options->steps = a.steps;
  options->seconds = a.seconds;
  options->stepLimitMs = a.stepLimitMs;
  if (a.replay.isEmpty()) return true;
  QFile file(a.replay);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    Say(QStringLiteral("error: cannot read ") + a.replay);
    return false;
  }
  options->replaying = true;
  while (!file.atEnd()) options->replay << QString::fromUtf8(file.readLine());
  return true;
}

// How the monkey's run of a window ended.
struct WindowRun {
  int code = 0;  // the runner's exit status
  QString failure;
  long steps = 0;
};

// The main window, the scenario driver's runner and the monkey feeding it, until the run
// ends; a step that never returns is a hang, reported from a watchdog thread, since the GUI
// thread is stuck.
WindowRun DriveWindow(const monkey::Options& options, platform::RecordingHost* host) {
  TFormPrincipal FormPrincipal;
  FormPrincipal.show();
  FormPrincipal.activateWindow();
  QApplication::setActiveWindow(&FormPrincipal);
  driver::ScriptRunner runner({}, &FormPrincipal, host);
  monkey::Monkey monkey(options, &FormPrincipal, host, &runner);
  runner.SetSource([&] { return monkey.Next(); });

  std::atomic<bool> done{false};
  const long long hangMs = std::max(30000LL, 3LL * options.stepLimitMs);
  std::thread watchdog([&] {
    while (!done) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      if (!done && monkey.SinceStepStart() > hangMs) {
        std::printf("FAIL hang: step %ld has not returned after %lld ms\n", monkey.Steps(), hangMs);
        std::fflush(stdout);
        std::_Exit(4);
      }
    }
  });
  runner.Start();
  QApplication::exec();
  done = true;
  watchdog.join();
  WindowRun run;
  run.code = runner.ExitCode();
  run.failure = monkey.Failure();
  if (run.failure.isEmpty() && run.code == 0 && !options.replaying && !monkey.Finished()) {
    run.failure = QStringLiteral("ended: the program ended after '%1'").arg(monkey.CurrentLine());
  }
  run.steps = monkey.Steps();
  return run;
}

// One window in this process: the monkey's commands through the scenario driver's runner.
int RunWindow(int argc, char** argv, const Arguments& a) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/tarvel-monkey-XXXXXX"));
  if (!scratch.isValid()) return 2;
  driver::PrivateFolders(scratch);
  QuietenMessages();

  monkey::Options options;
  if (!ReadOptions(a, &options)) return 2;
  std::FILE* log = a.log.isEmpty() ? nullptr : std::fopen(a.log.toLocal8Bit().constData(), "w");
  options.log = log;

  TApplication app(argc, argv);
  PrepareApplication();
  platform::SetDecimalSeparator(u'.');
  platform::RecordingHost host;
  platform::SetHost(&host);
  QElapsedTimer clock;
  clock.start();
  const WindowRun run = DriveWindow(options, &host);
  platform::SetHost(nullptr);
  if (log) std::fclose(log);
  if (!run.failure.isEmpty()) {
    Say(QStringLiteral("FAIL ") + run.failure);
    return 3;
  }
  if (run.code != 0) return run.code;  // the runner has printed its error
  Say(QStringLiteral("done %1 steps, %2 boxes, %3 s")
          .arg(run.steps)
          .arg(host.boxes.size())
          .arg(double(clock.elapsed()) / 1000, 0, 'f', 1));
  return 0;
}

struct Outcome {
  bool failed = false;
  QString kind;     // "crash", "hang", "shown", "broken", ...: what a shortened run must keep
  QString report;   // the child's last lines
  QString summary;  // "done ..." of a run that held
};

Outcome Run(const QStringList& arguments, bool quiet) {
  QProcess child;
  child.setProcessChannelMode(quiet ? QProcess::SeparateChannels : QProcess::ForwardedErrorChannel);
  if (quiet) child.setStandardErrorFile(QProcess::nullDevice());
  child.start(QCoreApplication::applicationFilePath(), arguments);
  Outcome outcome;
  if (!child.waitForStarted(-1)) {
    outcome.failed = true;
    outcome.kind = QStringLiteral("start");
    outcome.report = QStringLiteral("cannot start ") + child.program();
    return outcome;
  }
  child.waitForFinished(-1);
  const QStringList lines =
      QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
  const QString last = lines.isEmpty() ? QString() : lines.last();
  if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0) {
    outcome.summary = last;
    return outcome;
  }
  outcome.failed = true;
  outcome.report = last;
  if (child.exitStatus() == QProcess::NormalExit && last.startsWith(QLatin1String("FAIL "))) {
    outcome.kind = last.mid(5).section(u':', 0, 0);
  } else if (child.exitStatus() == QProcess::NormalExit &&
             last.startsWith(QLatin1String("error:"))) {
    outcome.kind = QStringLiteral("driver");
  } else {
    outcome.kind = QStringLiteral("crash");
    outcome.report = child.exitStatus() == QProcess::CrashExit
                         ? QStringLiteral("crash: the process died")
                         : QStringLiteral("crash: exit status %1").arg(child.exitCode());
  }
  return outcome;
}

bool WriteScript(const QString& path, const QStringList& header, const QStringList& lines) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  for (const QString& h : header) file.write(("# " + h + "\n").toUtf8());
  for (const QString& l : lines) file.write((l + "\n").toUtf8());
  file.write("show\n");
  return true;
}

// Leaves out runs of commands as long as the rest still fails the same way.
QStringList Shorten(QStringList lines, const QString& kind, const QString& scratch) {
  const QString path = scratch + QStringLiteral("/candidate.tvs");
  QElapsedTimer clock;
  clock.start();
  auto fails = [&](const QStringList& candidate) {
    WriteScript(path, {}, candidate);
    const Outcome o = Run({QStringLiteral("--replay"), path}, true);
    return o.failed && o.kind == kind;
  };
  int parts = 2;
  while (lines.size() >= 2 && clock.elapsed() < 300000) {
    const int chunk = int((lines.size() + parts - 1) / parts);
    bool shorter = false;
    for (int start = 0; start < lines.size(); start += chunk) {
      QStringList candidate = lines;
      candidate.remove(start, std::min<qsizetype>(chunk, lines.size() - start));
      if (fails(candidate)) {
        lines = candidate;
        parts = std::max(parts - 1, 2);
        shorter = true;
        break;
      }
    }
    if (!shorter) {
      if (parts >= lines.size()) break;
      parts = std::min<int>(int(lines.size()), parts * 2);
    }
  }
  return lines;
}

QStringList ReadLines(const QString& path) {
  QFile file(path);
  QStringList lines;
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return lines;
  for (const QString& l : QString::fromUtf8(file.readAll()).split(u'\n')) {
    if (!l.isEmpty()) lines << l;
  }
  return lines;
}

int RunAll(int argc, char** argv, Arguments a) {
  QCoreApplication app(argc, argv);
  // A command of the driver is exercised as soon as it exists: one whose arguments the monkey
  // never makes needs a maker, or a share of 0 in the driver's table.
  if (const QString unknown = monkey::CommandsWithoutArguments(); !unknown.isEmpty()) {
    Say(QStringLiteral("error: the monkey cannot make these arguments: ") + unknown);
    return 2;
  }
  if (!a.seeded) a.seed = quint64(QDateTime::currentMSecsSinceEpoch());
  QStringList windows;
  for (int i = 0; i < kMenuRowCount; ++i) {
    if (kMenu[i].opens && (a.window.isEmpty() || a.window == QLatin1String(kMenu[i].item)))
      windows << QLatin1String(kMenu[i].item);
  }
  if (windows.isEmpty()) {
    Say(QStringLiteral("error: no enabled window '%1'").arg(a.window));
    return 2;
  }
  QDir().mkpath(a.out);
  QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/tarvel-monkey-XXXXXX"));
  Say(QStringLiteral("tarvel-monkey: seed %1, %2 windows, up to %3 steps each%4")
          .arg(a.seed)
          .arg(windows.size())
          .arg(a.steps)
          .arg(a.seconds > 0 ? QStringLiteral(", %1 s in all").arg(a.seconds) : QString()));
  int failures = 0;
  for (const QString& item : windows) {
    const QString log = scratch.path() + u'/' + item + QStringLiteral(".log");
    QStringList arguments = {"--child",      item,
                             "--seed",       QString::number(a.seed),
                             "--steps",      QString::number(a.steps),
                             "--step-limit", QString::number(a.stepLimitMs),
                             "--log",        log};
    if (a.seconds > 0) arguments << "--seconds" << QString::number(a.seconds / windows.size());
    const Outcome outcome = Run(arguments, false);
    if (!outcome.failed) {
      Say(QStringLiteral("%1: %2").arg(item, outcome.summary.mid(5)));
      continue;
    }
    ++failures;
    const QStringList steps = ReadLines(log);
    if (steps.isEmpty()) {
      Say(QStringLiteral("FAILED: window %1: %2").arg(item, outcome.report));
      continue;
    }
    Say(QStringLiteral("FAILED: seed %1, window %2, after %3 commands: %4")
            .arg(a.seed)
            .arg(item)
            .arg(steps.size())
            .arg(outcome.report));
    const QStringList shortest = Shorten(steps, outcome.kind, scratch.path());
    const QString script =
        QDir(a.out).filePath(QStringLiteral("monkey-%1-%2.tvs").arg(item).arg(a.seed));
    WriteScript(script,
                {QStringLiteral("tarvel-monkey --seed %1 --steps %2 --window %3")
                     .arg(a.seed)
                     .arg(a.steps)
                     .arg(item),
                 outcome.report, QStringLiteral("shortened from %1 commands").arg(steps.size())},
                shortest);
    Say(QStringLiteral("the %1 commands that still fail, in %2:").arg(shortest.size()).arg(script));
    for (const QString& line : shortest) Say(QStringLiteral("  ") + line);
  }
  return failures ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments a;
  if (!Parse(argc, argv, &a)) {
    std::fprintf(stderr,
                 "usage: tarvel-monkey [SEED [STEPS]] [--seed N] [--steps N] [--seconds S] "
                 "[--window ITEM] [--out DIR] [--step-limit MS] | --replay FILE\n");
    return 2;
  }
  if (!a.child.isEmpty() || !a.replay.isEmpty()) return RunWindow(argc, argv, a);
  return RunAll(argc, argv, a);
}
