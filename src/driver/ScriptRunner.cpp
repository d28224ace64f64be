#include "driver/ScriptRunner.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "app/Catalogue.h"
#include "app/Unidadpresentacion.h"
#include "driver/Readout.h"
#include "driver/WindowInput.h"
#include "platform/Edit.h"
#include "platform/Host.h"
#include "platform/Input.h"
#include "platform/Locale.h"
#include "platform/Network.h"

namespace driver {
namespace {

struct DriverError {
  QString message;
};

[[noreturn]] void Fail(const QString& message) { throw DriverError{message}; }

// "word rest": the first word and what follows its single separating blank.
std::pair<QString, QString> Split(const QString& text) {
  const int blank = text.indexOf(u' ');
  if (blank < 0) return {text, QString()};
  return {text.left(blank), text.mid(blank + 1)};
}

QString WithoutMnemonic(QString caption) {
  caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  const int tab = caption.indexOf(u'\t');
  return tab < 0 ? caption : caption.left(tab);
}

// The tab controls whose nearest page (or the window) is root, each tab followed by the tabs
// on its own page: the order in which "tab" shows every one of them.
void ListTabs(QWidget* window, QWidget* root, QStringList& captions) {
  for (QTabWidget* tabs : root->findChildren<QTabWidget*>()) {
    QWidget* page = window;
    for (QWidget* w = tabs->parentWidget(); w && w != window; w = w->parentWidget()) {
      auto* owner = w->parentWidget() ? qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget())
                                      : nullptr;
      if (owner && owner->indexOf(w) >= 0) {
        page = w;
        break;
      }
    }
    if (page != root) continue;
    for (int i = 0; i < tabs->count(); ++i) {
      captions << WithoutMnemonic(tabs->tabText(i));
      ListTabs(window, tabs->widget(i), captions);
    }
  }
}

}  // namespace

void Print(const QString& line) {
  const QByteArray bytes = line.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

ScriptRunner::ScriptRunner(QStringList lines, TFormPrincipal* main, platform::RecordingHost* host)
    : lines_(std::move(lines)), main_(main), host_(host) {}

void ScriptRunner::Start() {
  QTimer::singleShot(0, this, [this] { Next(); });
}

void ScriptRunner::Finish(int code) {
  if (finished_) return;
  finished_ = true;
  exitCode_ = code;
  QCoreApplication::exit(code);
}

void ScriptRunner::Settle() {
  for (int round = 0; round < 1000; ++round) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (platform::PendingSimulatedKeys() == 0) break;
  }
  // A window that closed leaves the one under it active, as a desktop would; a window that
  // opened is the active one, as the user who opened it sees it, even where the window
  // system will not let a program activate its own windows (Wayland).
  QWidget* modal = QApplication::activeModalWidget();
  const bool opened = modal && QApplication::activeWindow() != modal;
  if ((opened || !QApplication::activeWindow()) && !QApplication::activePopupWidget()) {
    QWidget* top = modal;
    if (!top && main_->isVisible()) top = main_;
    if (top) {
      top->activateWindow();
      QApplication::setActiveWindow(top);
      QCoreApplication::processEvents();
    }
  }
}

void ScriptRunner::Next() {
  if (finished_) return;
  // Called back from the processing of events inside the running command (not from a modal
  // loop it opened): the command is not done yet.
  if (!running_.empty() && running_.back() == QThread::currentThread()->loopLevel()) {
    QTimer::singleShot(0, this, [this] { Next(); });
    return;
  }
  try {
    Settle();
    if (!main_->isVisible() && !QApplication::activeModalWidget()) {
      Finish(0);  // the program has ended (its main window closed)
      return;
    }
    QString line = source_ ? source_() : QString();
    while (!source_ && index_ < lines_.size()) {
      line = lines_[index_++];
      while (line.endsWith(u'\r') || line.endsWith(u'\n')) line.chop(1);
      while (!line.isEmpty() && line[0].isSpace()) line.remove(0, 1);
      if (!line.isEmpty() && !line.startsWith(u'#')) break;
      line.clear();
    }
    if (line.isEmpty()) {
      Finish(0);
      return;
    }
    // The next command is queued first: a command that opens a modal window or a pop-up
    // menu returns only when it closes, and the commands in between run inside it.
    QTimer::singleShot(0, this, [this] { Next(); });
    running_.push_back(QThread::currentThread()->loopLevel());
    struct Done {
      std::vector<int>& running;
      ~Done() { running.pop_back(); }
    } done{running_};
    Execute(line);
  } catch (const DriverError& error) {
    Print(QStringLiteral("error: ") + error.message);
    Finish(2);
  } catch (const std::exception& error) {
    Print(QStringLiteral("error: uncaught exception: ") + QString::fromLocal8Bit(error.what()));
    Finish(2);
  }
}

QWidget* ScriptRunner::ActiveWindow() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return main_;
}

QWidget* ScriptRunner::Control(const QString& name) const {
  QWidget* window = ActiveWindow();
  QWidget* control = FindControl(window, name);
  if (!control) {
    Fail(QStringLiteral("no control '%1' in the window '%2'").arg(name, window->windowTitle()));
  }
  if (!control->isVisible()) Fail(QStringLiteral("'%1' is not visible").arg(name));
  return control;
}

void ScriptRunner::FocusAsClick(QWidget* control) {
  if (control->hasFocus()) return;
  // Typing goes on in a list's or a grid's editor that has the focus.
  if (qobject_cast<QAbstractItemView*>(control) &&
      control->isAncestorOf(QApplication::focusWidget()))
    return;
  if (qobject_cast<QLineEdit*>(control)) {
    ClickOn(control);  // also places the caret where the click is
  } else {
    control->setFocus(Qt::MouseFocusReason);
  }
}

QWidget* ScriptRunner::KeyWindow() const {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  return ActiveWindow();
}

void ScriptRunner::Execute(const QString& line) {
  const auto [command, rest] = Split(line);
  const auto [name, text] = Split(rest);

  if (command == QLatin1String("decimal")) {
    if (opened_) Fail(QStringLiteral("decimal must come before the first open"));
    if (rest != QLatin1String(",") && rest != QLatin1String(".")) {
      Fail(QStringLiteral("decimal takes , or ."));
    }
    platform::SetDecimalSeparator(rest[0].unicode());
  } else if (command == QLatin1String("open")) {
    if (ActiveWindow() != main_) Fail(QStringLiteral("the main window is not the active window"));
    QAction* action = main_->MenuItem(rest);
    if (!action || action->menu()) Fail(QStringLiteral("no menu command '%1'").arg(rest));
    if (!action->isVisible()) Fail(QStringLiteral("'%1' is not visible").arg(rest));
    if (!action->isEnabled()) Fail(QStringLiteral("'%1' is disabled").arg(rest));
    opened_ = true;
    action->trigger();
  } else if (command == QLatin1String("close")) {
    QWidget* window = ActiveWindow();
    if (window == main_) Fail(QStringLiteral("no tool window is open"));
    window->close();
  } else if (command == QLatin1String("window")) {
    Print(QStringLiteral("window = ") + ActiveWindow()->windowTitle());
  } else if (command == QLatin1String("type")) {
    QWidget* control = Control(name);
    FocusAsClick(control);
    for (const QChar c : text) {
      StrokeInto(KeyWindow(), platform::keys::Character(c));
      Settle();
    }
  } else if (command == QLatin1String("key")) {
    QWidget* control = Control(name);
    platform::KeyStroke stroke;
    if (!ParseKey(text, &stroke)) Fail(QStringLiteral("unknown key '%1'").arg(text));
    FocusAsClick(control);
    StrokeInto(KeyWindow(), stroke);
  } else if (command == QLatin1String("paste")) {
    auto* edit = qobject_cast<QLineEdit*>(Control(name));
    if (!edit) Fail(QStringLiteral("'%1' is not an edit").arg(name));
    // A right click gives the focus as the keyboard would: the text gets selected.
    if (!edit->hasFocus()) edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    if (auto* own = qobject_cast<TEdit*>(edit)) {
      own->PasteText(text);
    } else {
      edit->insert(text);
    }
  } else if (command == QLatin1String("setclipboard")) {
    QGuiApplication::clipboard()->setText(rest);
  } else if (command == QLatin1String("focus")) {
    FocusAsClick(Control(rest));
  } else if (command == QLatin1String("click")) {
    ClickOn(Control(rest));
  } else if (command == QLatin1String("clickat")) {
    const auto [x, y] = Split(text);
    bool okX = false, okY = false;
    const QPoint at(x.toInt(&okX), y.toInt(&okY));
    if (!okX || !okY) Fail(QStringLiteral("clickat takes a control and two numbers"));
    ClickOn(Control(name), at);
  } else if (command == QLatin1String("rightclick")) {
    ClickOn(Control(rest), QPoint(), Qt::RightButton);
  } else if (command == QLatin1String("hover")) {
    MoveOver(Control(rest));
  } else if (command == QLatin1String("menu")) {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!popup) Fail(QStringLiteral("no pop-up menu is open"));
    QAction* chosen = nullptr;
    for (QAction* action : popup->actions()) {
      if (action->isSeparator()) continue;
      if (action->objectName() == rest || WithoutMnemonic(action->text()) == rest) chosen = action;
    }
    if (!chosen) {
      QStringList items;
      for (QAction* action : popup->actions()) {
        if (!action->isSeparator()) items << WithoutMnemonic(action->text());
      }
      Fail(QStringLiteral("no item '%1' in the pop-up menu (%2)").arg(rest, items.join(u", ")));
    }
    if (!chosen->isEnabled()) Fail(QStringLiteral("'%1' is disabled").arg(rest));
    popup->setActiveAction(chosen);
    StrokeInto(popup, platform::keys::Character(u'\r'));
  } else if (command == QLatin1String("tab")) {
    // A tab in view first; else one on a page of another tab control, whose tabs are then
    // chosen from the outermost in, as a user reaches it.
    QTabWidget* found = nullptr;
    int foundIndex = -1;
    for (QTabWidget* tabs : ActiveWindow()->findChildren<QTabWidget*>()) {
      for (int i = 0; i < tabs->count(); ++i) {
        if (WithoutMnemonic(tabs->tabText(i)) != rest) continue;
        if (!found || (tabs->isVisible() && !found->isVisible())) {
          found = tabs;
          foundIndex = i;
        }
      }
    }
    if (!found) Fail(QStringLiteral("no tab '%1'").arg(rest));
    std::vector<std::pair<QTabWidget*, QWidget*>> outer;
    for (QWidget* w = found; w && w != ActiveWindow(); w = w->parentWidget()) {
      auto* tabs = qobject_cast<QTabWidget*>(w->parentWidget());
      // A page sits in the tab control's stack: its grandparent is the tab control.
      if (!tabs && w->parentWidget())
        tabs = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget());
      if (tabs && tabs->indexOf(w) >= 0) outer.emplace_back(tabs, w);
    }
    for (auto it = outer.rbegin(); it != outer.rend(); ++it)
      it->first->setCurrentWidget(it->second);
    if (!found->isVisible()) Fail(QStringLiteral("the tab '%1' is not visible").arg(rest));
    found->setCurrentIndex(foundIndex);
  } else if (command == QLatin1String("choose")) {
    QWidget* control = Control(name);
    bool byNumber = false;
    const int number = text.startsWith(u'#') ? text.mid(1).toInt(&byNumber) : -1;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
      const int index = byNumber ? number : combo->findText(text, Qt::MatchExactly);
      if (index < 0 || index >= combo->count()) Fail(QStringLiteral("no item '%1'").arg(text));
      combo->setCurrentIndex(index);
      Q_EMIT combo->activated(index);
      Q_EMIT combo->textActivated(combo->itemText(index));
    } else if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
      QModelIndex index;
      if (byNumber) {
        index = view->model()->index(number, 0, view->rootIndex());
      } else {
        const QModelIndexList found =
            view->model()->match(view->model()->index(0, 0, view->rootIndex()), Qt::DisplayRole,
                                 text, 1, Qt::MatchExactly);
        if (!found.isEmpty()) index = found.first();
      }
      if (!index.isValid()) Fail(QStringLiteral("no item '%1'").arg(text));
      view->scrollTo(index);
      ClickOn(view->viewport(), view->visualRect(index).center());
    } else {
      Fail(QStringLiteral("'%1' is not a list").arg(name));
    }
  } else if (command == QLatin1String("cell")) {
    auto* grid = qobject_cast<QTableWidget*>(Control(name));
    if (!grid) Fail(QStringLiteral("'%1' is not a grid").arg(name));
    const QStringList parts = text.split(u' ');
    bool okCol = false, okRow = false;
    const int col = parts.value(0).toInt(&okCol);
    const int row = parts.value(1).toInt(&okRow);
    if (!okCol || !okRow || parts.size() < 2) Fail(QStringLiteral("cell takes COL ROW TEXT"));
    const QString typed = text.section(u' ', 2);
    const QModelIndex index = grid->model()->index(row, col);
    if (!index.isValid()) Fail(QStringLiteral("no cell %1,%2").arg(col).arg(row));
    grid->scrollTo(index);
    ClickOn(grid->viewport(), grid->visualRect(index).center());
    grid->edit(index);
    Settle();
    if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) editor->selectAll();
    for (const QChar c : typed) {
      StrokeInto(KeyWindow(), platform::keys::Character(c));
      Settle();
    }
  } else if (command == QLatin1String("answer")) {
    if (rest == QLatin1String("yes")) {
      host_->answers.push_back(platform::Answer::Yes);
    } else if (rest == QLatin1String("no")) {
      host_->answers.push_back(platform::Answer::No);
    } else if (rest == QLatin1String("ok")) {
      host_->answers.push_back(platform::Answer::Ok);
    } else {
      Fail(QStringLiteral("answer takes yes, no or ok"));
    }
  } else if (command == QLatin1String("show")) {
    QStringList shown;
    if (rest.isEmpty()) {
      for (QWidget* control : ControlsInTabOrder(ActiveWindow())) shown << Describe(control);
    }
    for (const QString& each : rest.split(u' ', Qt::SkipEmptyParts)) {
      // GRID[col,row], GRID[col,*] or GRID[*,row]: those cells only.
      static const QRegularExpression cells(QStringLiteral("^(\\w+)\\[(\\d+|\\*),(\\d+|\\*)\\]$"));
      const QRegularExpressionMatch match = cells.match(each);
      if (!match.hasMatch()) {
        shown << Describe(Control(each));
        continue;
      }
      const QString prefix = match.captured(1) + u'[';
      const QString col = match.captured(2), row = match.captured(3);
      const qsizetype before = shown.size();
      for (const QString& line : Describe(Control(match.captured(1)))) {
        const QString at = line.mid(prefix.size(), line.indexOf(u']') - prefix.size());
        const QString c = at.section(u',', 0, 0), r = at.section(u',', 1, 1);
        if ((col == u'*' || col == c) && (row == u'*' || row == r)) shown << line;
      }
      if (shown.size() == before) Fail(QStringLiteral("no cell %1").arg(each));
    }
    for (const QString& line : shown) Print(line);
  } else if (command == QLatin1String("row")) {
    auto* grid = qobject_cast<QTableWidget*>(Control(rest));
    if (!grid) Fail(QStringLiteral("'%1' is not a grid").arg(rest));
    const QString suffix = QStringLiteral(",%1]").arg(grid->currentRow());
    for (const QString& line : Describe(grid)) {
      if (line.section(u' ', 0, 0).endsWith(suffix)) Print(line);
    }
  } else if (command == QLatin1String("items")) {
    auto* list = qobject_cast<QListWidget*>(Control(rest));
    if (!list) Fail(QStringLiteral("'%1' is not a list").arg(rest));
    for (int i = 0; i < list->count(); ++i)
      Print(QStringLiteral("%1[%2] = %3").arg(rest).arg(i).arg(list->item(i)->text()));
  } else if (command == QLatin1String("restart")) {
    if (!restart_) Fail(QStringLiteral("this run cannot restart the program"));
    if (ActiveWindow() != main_) Fail(QStringLiteral("the main window is not the active window"));
    main_ = restart_();
  } else if (command == QLatin1String("filled")) {
    QStringList names;
    for (QWidget* control : ControlsInTabOrder(ActiveWindow())) {
      auto* edit = qobject_cast<QLineEdit*>(control);
      if (edit && !edit->text().isEmpty()) names << edit->objectName();
    }
    Print((QStringLiteral("filled = ") + names.join(u' ')).trimmed());
  } else if (command == QLatin1String("state")) {
    for (const QString& each : rest.split(u' ', Qt::SkipEmptyParts)) {
      Print(DescribeState(Control(each)));
    }
  } else if (command == QLatin1String("status")) {
    bool found = false;
    const QString status = StatusText(ActiveWindow(), &found);
    if (!found) Fail(QStringLiteral("the window has no status bar"));
    Print(QStringLiteral("status = ") + status);
  } else if (command == QLatin1String("focused")) {
    QWidget* w = QApplication::focusWidget();
    // A grid's cell editor names its grid.
    while (w && (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))))
      w = w->parentWidget();
    Print(w ? w->objectName() : QStringLiteral("none"));
  } else if (command == QLatin1String("catalogue")) {
    QStringList items;
    for (int i = 0; i < kMenuRowCount; ++i) {
      if (kMenu[i].opens) items << QString::fromUtf8(kMenu[i].item);
    }
    Print(QStringLiteral("catalogue = ") + items.join(u' '));
  } else if (command == QLatin1String("tabs")) {
    QStringList captions;
    ListTabs(ActiveWindow(), ActiveWindow(), captions);
    Print((QStringLiteral("tabs = ") + captions.join(QStringLiteral(" | "))).trimmed());
  } else if (command == QLatin1String("wait")) {
    if (rest != QLatin1String("network")) Fail(QStringLiteral("wait takes: network"));
    // Until no download is in flight, 20 seconds at most; the program serves its events.
    QElapsedTimer clock;
    clock.start();
    while (platform::FetchesInFlight() > 0 && clock.elapsed() < 20000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(2);
    }
  } else if (command == QLatin1String("echo")) {
    Print(rest);
  } else if (command == QLatin1String("snapshot")) {
    QWidget* window = ActiveWindow();
    QPixmap picture = window->grab();
    // An open pop-up menu is drawn over the window, where it stands.
    if (QWidget* popup = QApplication::activePopupWidget()) {
      QPainter painter(&picture);
      painter.drawPixmap(popup->geometry().topLeft() - window->geometry().topLeft(), popup->grab());
    }
    if (!picture.save(rest, "PNG")) Fail(QStringLiteral("cannot write %1").arg(rest));
  } else {
    Fail(QStringLiteral("unknown command '%1'").arg(command));
  }
}

}  // namespace driver
