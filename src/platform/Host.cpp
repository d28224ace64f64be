#include "platform/Host.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include "platform/Folders.h"

namespace platform {
namespace {

Host g_desktop;
Host* g_host = &g_desktop;

QMessageBox::Icon ToQt(Icon icon) {
  switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

Host& host() { return *g_host; }

void SetHost(Host* replacement) { g_host = replacement ? replacement : &g_desktop; }

Answer Host::ShowBox(const Box& box) {
  QMessageBox message(ToQt(box.icon), box.caption, box.text, QMessageBox::NoButton, box.owner);
  message.setTextFormat(Qt::PlainText);
  if (box.buttons == Buttons::YesNo) {
    message.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    message.setDefaultButton(QMessageBox::Yes);
  } else {
    message.setStandardButtons(QMessageBox::Ok);
  }
  message.setWindowModality(Qt::ApplicationModal);
  if (box.systemModal) message.setWindowFlag(Qt::WindowStaysOnTopHint);
  const int result = message.exec();
  if (box.buttons == Buttons::YesNo) return result == QMessageBox::No ? Answer::No : Answer::Yes;
  return Answer::Ok;
}

void Host::Pause(int milliseconds) {
  if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void Host::Beep() { QApplication::beep(); }

void Host::ShellOpen(const QString& target) {
  const QUrl url(target);
  if (!url.scheme().isEmpty() && url.scheme().size() > 1) {
    QDesktopServices::openUrl(url);
  } else {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
  }
}

bool Host::StartProgram(const QString& program) { return QProcess::startDetached(program, {}); }

void Host::SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void Host::SetClipboardData(const QString& text, const QString& html) {
  auto* data = new QMimeData;
  data->setText(text);
  data->setHtml(html);
  QGuiApplication::clipboard()->setMimeData(data);
}

QString Host::FindProgram(const QString& name) { return QStandardPaths::findExecutable(name); }

bool Host::RaiseWindow(const QString& title) { return RaiseTopLevelWindow(title); }

bool Host::TrayAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void Host::Fetch(const QUrl& url, const FetchLimits& limits, FetchDone done) {
  FetchThroughModule(url, limits, std::move(done));
}

Answer RecordingHost::ShowBox(const Box& box) {
  Answer answer = box.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  boxes.push_back({box, answer});
  if (print) print(Describe(box, answer));
  if (onBox) onBox(box);
  return answer;
}

void RecordingHost::Pause(int milliseconds) {
  if (milliseconds > 0) elapsedMilliseconds += milliseconds;
}

void RecordingHost::Beep() { ++beeps; }

void RecordingHost::ShellOpen(const QString& target) {
  shellTargets.push_back(target);
  if (print) print(QStringLiteral("shell ") + target);
}

bool RecordingHost::StartProgram(const QString& program) {
  programs.push_back(program);
  if (print) print(QStringLiteral("start ") + program);
  return programsStart;
}

void RecordingHost::SetClipboardText(const QString& text) {
  clipboardWrites.push_back(text);
  clipboardHtml.emplace_back();
  if (QGuiApplication::instance()) QGuiApplication::clipboard()->setText(text);
  if (print)
    print(QStringLiteral("clipboard ") + QString(text).replace(u'\n', QStringLiteral("\\n")));
}

// Printed a line of the text at a time, tabs shown as "\t"; the HTML form is not printed.
void RecordingHost::SetClipboardData(const QString& text, const QString& html) {
  clipboardWrites.push_back(text);
  clipboardHtml.push_back(html);
  if (QGuiApplication::instance()) Host::SetClipboardData(text, html);
  if (!print) return;
  for (const QString& line : text.split(u'\n')) {
    print(QStringLiteral("clipboard ") + QString(line).replace(u'\t', QStringLiteral("\\t")));
  }
}

QString RecordingHost::FindProgram(const QString& name) {
  for (const auto& [program, path] : programsOnPath) {
    if (program == name) return path;
  }
  return {};
}

namespace {

// Whether the desktop's proxy for the address's scheme is on this machine (a test's own), with
// no exceptions that could send the request elsewhere.
bool ProxiedThroughThisMachine(const QUrl& url) {
  if (!qEnvironmentVariableIsEmpty("no_proxy")) return false;
  const QUrl proxy(
      qEnvironmentVariable(url.scheme() == QLatin1String("https") ? "https_proxy" : "http_proxy"));
  return proxy.isValid() && IsLoopback(proxy);
}

}  // namespace

void RecordingHost::Fetch(const QUrl& url, const FetchLimits& limits, FetchDone done) {
  if (IsLoopback(url) || ProxiedThroughThisMachine(url)) {
    Host::Fetch(url, limits, std::move(done));
    return;
  }
  QTimer::singleShot(0, qApp, [done = std::move(done)] {
    done({FetchResult::Outcome::Offline,
          {},
          QCoreApplication::translate("Platform", "sin conexión")});
  });
}

bool RecordingHost::RaiseWindow(const QString& title) {
  for (const QString& window : windowTitles) {
    if (window == title) {
      raisedWindows.push_back(title);
      if (print) print(QStringLiteral("raise ") + title);
      return true;
    }
  }
  return false;
}

QString RecordingHost::ToString(Icon icon) {
  switch (icon) {
    case Icon::Information: return QStringLiteral("information");
    case Icon::Warning: return QStringLiteral("warning");
    case Icon::Error: return QStringLiteral("error");
    case Icon::Question: return QStringLiteral("question");
    case Icon::None: break;
  }
  return QStringLiteral("none");
}

QString RecordingHost::ToString(Answer answer) {
  switch (answer) {
    case Answer::Yes: return QStringLiteral("yes");
    case Answer::No: return QStringLiteral("no");
    case Answer::Ok: break;
  }
  return QStringLiteral("ok");
}

QString RecordingHost::Describe(const Box& box, Answer answer) {
  QString text = box.text;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n")).replace(u'\n', QStringLiteral("\\n"));
  return QStringLiteral("box %1 | %2 | %3 | %4 -> %5")
      .arg(box.caption, text, ToString(box.icon),
           box.buttons == Buttons::YesNo ? QStringLiteral("yesno") : QStringLiteral("ok"),
           ToString(answer));
}

}  // namespace platform
