#include "driver/ScriptRunner.h"

#include <QAbstractSpinBox>
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
#include <optional>

#include "app/Catalogue.h"
#include "app/Language.h"
#include "app/Unidadpresentacion.h"
#include "driver/Readout.h"
#include "driver/WindowInput.h"
#include "platform/Edit.h"
#include "platform/Host.h"
#include "platform/Input.h"
#include "platform/Network.h"
#include "value/Locale.h"

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
  const auto [name, rest] = Split(line);
  for (const Command& command : Commands()) {
    if (name == QLatin1String(command.name)) return command.run(*this, rest);
  }
  Fail(QStringLiteral("unknown command '%1'").arg(name));
}

namespace {

void ChooseInMenu(const QString& rest) {
  auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (!popup) Fail(QStringLiteral("no pop-up menu is open"));
  QAction* chosen = nullptr;
  QStringList items;
  for (QAction* action : popup->actions()) {
    if (action->isSeparator()) continue;
    items << WithoutMnemonic(action->text());
    if (action->objectName() == rest || WithoutMnemonic(action->text()) == rest) chosen = action;
  }
  if (!chosen) {
    Fail(QStringLiteral("no item '%1' in the pop-up menu (%2)").arg(rest, items.join(u", ")));
  }
  if (!chosen->isEnabled()) Fail(QStringLiteral("'%1' is disabled").arg(rest));
  popup->setActiveAction(chosen);
  StrokeInto(popup, platform::keys::Character(u'\r'));
}

// A tab in view first; else one on a page of another tab control, whose tabs are then chosen
// from the outermost in, as a user reaches it.
void ShowTab(QWidget* window, const QString& caption) {
  QTabWidget* found = nullptr;
  int foundIndex = -1;
  for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
    for (int i = 0; i < tabs->count(); ++i) {
      if (WithoutMnemonic(tabs->tabText(i)) != caption) continue;
      if (!found || (tabs->isVisible() && !found->isVisible())) {
        found = tabs;
        foundIndex = i;
      }
    }
  }
  if (!found) Fail(QStringLiteral("no tab '%1'").arg(caption));
  std::vector<std::pair<QTabWidget*, QWidget*>> outer;
  for (QWidget* w = found; w && w != window; w = w->parentWidget()) {
    auto* tabs = qobject_cast<QTabWidget*>(w->parentWidget());
    // A page sits in the tab control's stack: its grandparent is the tab control.
    if (!tabs && w->parentWidget())
      tabs = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget());
    if (tabs && tabs->indexOf(w) >= 0) outer.emplace_back(tabs, w);
  }
  for (auto it = outer.rbegin(); it != outer.rend(); ++it) it->first->setCurrentWidget(it->second);
  if (!found->isVisible()) Fail(QStringLiteral("the tab '%1' is not visible").arg(caption));
  found->setCurrentIndex(foundIndex);
}

// An item of a combo box (chosen and activated as the user does) or of a list or grid
// (clicked): by its text, or "#N" by its number.
void ChooseItem(QWidget* control, const QString& name, const QString& text) {
  bool byNumber = false;
  const int number = text.startsWith(u'#') ? text.mid(1).toInt(&byNumber) : -1;
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    const int index = byNumber ? number : combo->findText(text, Qt::MatchExactly);
    if (index < 0 || index >= combo->count()) Fail(QStringLiteral("no item '%1'").arg(text));
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
    Q_EMIT combo->textActivated(combo->itemText(index));
    return;
  }
  auto* view = qobject_cast<QAbstractItemView*>(control);
  if (!view) Fail(QStringLiteral("'%1' is not a list").arg(name));
  QModelIndex index;
  if (byNumber) {
    index = view->model()->index(number, 0, view->rootIndex());
  } else {
    const QModelIndexList found = view->model()->match(
        view->model()->index(0, 0, view->rootIndex()), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    if (!found.isEmpty()) index = found.first();
  }
  if (!index.isValid()) Fail(QStringLiteral("no item '%1'").arg(text));
  view->scrollTo(index);
  ClickOn(view->viewport(), view->visualRect(index).center());
}

// GRID[col,row], GRID[col,*] or GRID[*,row]: those cells' lines of "show"; null when the name
// is not of that form.
std::optional<QStringList> Cells(const QString& each,
                                 const std::function<QWidget*(const QString&)>& control) {
  static const QRegularExpression cells(QStringLiteral("^(\\w+)\\[(\\d+|\\*),(\\d+|\\*)\\]$"));
  const QRegularExpressionMatch match = cells.match(each);
  if (!match.hasMatch()) return std::nullopt;
  const QString prefix = match.captured(1) + u'[';
  const QString col = match.captured(2), row = match.captured(3);
  QStringList shown;
  for (const QString& line : Describe(control(match.captured(1)))) {
    const QString at = line.mid(prefix.size(), line.indexOf(u']') - prefix.size());
    const QString c = at.section(u',', 0, 0), r = at.section(u',', 1, 1);
    if ((col == u'*' || col == c) && (row == u'*' || row == r)) shown << line;
  }
  if (shown.isEmpty()) Fail(QStringLiteral("no cell %1").arg(each));
  return shown;
}

// The texts of a list's, a combo box's or a grid's items (a grid's first column), in order.
QStringList ItemTexts(QWidget* control, const QString& name) {
  QStringList items;
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
  }
  auto* view = qobject_cast<QAbstractItemView*>(control);
  if (!view || !view->model()) Fail(QStringLiteral("'%1' is not a list").arg(name));
  const QAbstractItemModel* model = view->model();
  for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
    items << model->index(row, 0, view->rootIndex()).data().toString();
  return items;
}

void SavePicture(QWidget* window, const QString& file) {
  QPixmap picture = window->grab();
  // An open pop-up menu is drawn over the window, where it stands.
  if (QWidget* popup = QApplication::activePopupWidget()) {
    QPainter painter(&picture);
    painter.drawPixmap(popup->geometry().topLeft() - window->geometry().topLeft(), popup->grab());
  }
  if (!picture.save(file, "PNG")) Fail(QStringLiteral("cannot write %1").arg(file));
}

bool HasStatusBar(QWidget* window) {
  bool found = false;
  StatusText(window, &found);
  return found;
}

}  // namespace

// The functions that carry the commands out, each on the rest of its line.
struct ScriptRunner::Runs {
  using R = ScriptRunner;
  static void Decimal(R& r, const QString& rest) {
    if (r.opened_) Fail(QStringLiteral("decimal must come before the first open"));
    if (rest != QLatin1String(",") && rest != QLatin1String(".")) {
      Fail(QStringLiteral("decimal takes , or ."));
    }
    platform::SetDecimalSeparator(rest[0].unicode());
  }

  static void Language(R& r, const QString& rest) {
    if (r.opened_) Fail(QStringLiteral("language must come before the first open"));
    language::Apply(rest);
  }

  static void Open(R& r, const QString& rest) { r.Open(rest); }

  static void Close(R& r, const QString&) {
    QWidget* window = r.ActiveWindow();
    if (window == r.main_) Fail(QStringLiteral("no tool window is open"));
    window->close();
  }

  static void Window(R& r, const QString&) {
    Print(QStringLiteral("window = ") + r.ActiveWindow()->windowTitle());
  }

  static void Type(R& r, const QString& rest) {
    const auto [name, text] = Split(rest);
    r.FocusAsClick(r.Control(name));
    for (const QChar c : text) {
      StrokeInto(r.KeyWindow(), platform::keys::Character(c));
      r.Settle();
    }
  }

  static void Key(R& r, const QString& rest) {
    const auto [name, text] = Split(rest);
    QWidget* control = r.Control(name);
    platform::KeyStroke stroke;
    if (!ParseKey(text, &stroke)) Fail(QStringLiteral("unknown key '%1'").arg(text));
    r.FocusAsClick(control);
    StrokeInto(r.KeyWindow(), stroke);
  }

  static void Paste(R& r, const QString& rest) {
    const auto [name, text] = Split(rest);
    QWidget* control = r.Control(name);
    auto* edit = qobject_cast<QLineEdit*>(control);
    // A date or number field is pasted into through its own edit.
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(control)) {
      edit = spin->findChild<QLineEdit*>();
      if (!spin->hasFocus()) spin->setFocus(Qt::OtherFocusReason);
    }
    if (!edit) Fail(QStringLiteral("'%1' is not an edit").arg(name));
    // A right click gives the focus as the keyboard would: the text gets selected.
    if (!edit->hasFocus()) edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    if (auto* own = qobject_cast<TEdit*>(edit)) {
      own->PasteText(text);
    } else {
      edit->insert(text);
    }
    // A pasted date or number counts at once, as Enter would make it.
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(control)) spin->interpretText();
  }

  static void Setclipboard(R&, const QString& rest) { QGuiApplication::clipboard()->setText(rest); }

  static void Focus(R& r, const QString& rest) { r.FocusAsClick(r.Control(rest)); }

  static void Click(R& r, const QString& rest) { ClickOn(r.Control(rest)); }

  static void Clickat(R& r, const QString& rest) {
    const auto [name, text] = Split(rest);
    const auto [x, y] = Split(text);
    bool okX = false, okY = false;
    const QPoint at(x.toInt(&okX), y.toInt(&okY));
    if (!okX || !okY) Fail(QStringLiteral("clickat takes a control and two numbers"));
    ClickOn(r.Control(name), at);
  }

  static void Rightclick(R& r, const QString& rest) {
    ClickOn(r.Control(rest), QPoint(), Qt::RightButton);
  }

  static void Hover(R& r, const QString& rest) { MoveOver(r.Control(rest)); }

  static void Menu(R&, const QString& rest) { ChooseInMenu(rest); }

  static void Tab(R& r, const QString& rest) { ShowTab(r.ActiveWindow(), rest); }

  static void Choose(R& r, const QString& rest) {
    const auto [name, text] = Split(rest);
    ChooseItem(r.Control(name), name, text);
  }

  static void Cell(R& r, const QString& rest) { r.TypeInCell(rest); }

  static void Answer(R& r, const QString& rest) {
    if (rest == QLatin1String("yes")) {
      r.host_->answers.push_back(platform::Answer::Yes);
    } else if (rest == QLatin1String("no")) {
      r.host_->answers.push_back(platform::Answer::No);
    } else if (rest == QLatin1String("ok")) {
      r.host_->answers.push_back(platform::Answer::Ok);
    } else {
      Fail(QStringLiteral("answer takes yes, no or ok"));
    }
  }

  static void Show(R& r, const QString& rest) {
    QStringList shown;
    if (rest.isEmpty()) {
      for (QWidget* control : ControlsInTabOrder(r.ActiveWindow())) shown << Describe(control);
    }
    const auto control = [&r](const QString& name) { return r.Control(name); };
    for (const QString& each : rest.split(u' ', Qt::SkipEmptyParts)) {
      const std::optional<QStringList> cells = Cells(each, control);
      shown << (cells ? *cells : Describe(r.Control(each)));
    }
    for (const QString& line : shown) Print(line);
  }

  static void Row(R& r, const QString& rest) {
    auto* grid = qobject_cast<QTableWidget*>(r.Control(rest));
    if (!grid) Fail(QStringLiteral("'%1' is not a grid").arg(rest));
    const QString suffix = QStringLiteral(",%1]").arg(grid->currentRow());
    for (const QString& line : Describe(grid)) {
      if (line.section(u' ', 0, 0).endsWith(suffix)) Print(line);
    }
  }

  static void State(R& r, const QString& rest) {
    for (const QString& each : rest.split(u' ', Qt::SkipEmptyParts)) {
      Print(DescribeState(r.Control(each)));
    }
  }

  static void Filled(R& r, const QString&) {
    QStringList names;
    for (QWidget* control : ControlsInTabOrder(r.ActiveWindow())) {
      auto* edit = qobject_cast<QLineEdit*>(control);
      if (edit && !edit->text().isEmpty()) names << edit->objectName();
    }
    Print((QStringLiteral("filled = ") + names.join(u' ')).trimmed());
  }

  static void Status(R& r, const QString&) {
    bool found = false;
    const QString status = StatusText(r.ActiveWindow(), &found);
    if (!found) Fail(QStringLiteral("the window has no status bar"));
    Print(QStringLiteral("status = ") + status);
  }

  static void Focused(R&, const QString&) {
    QWidget* w = QApplication::focusWidget();
    // A grid's cell editor names its grid.
    while (w && (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))))
      w = w->parentWidget();
    Print(w ? w->objectName() : QStringLiteral("none"));
  }

  static void Catalogue(R&, const QString&) {
    QStringList items;
    for (int i = 0; i < kMenuRowCount; ++i) {
      if (kMenu[i].opens) items << QString::fromUtf8(kMenu[i].item);
    }
    Print(QStringLiteral("catalogue = ") + items.join(u' '));
  }

  static void Tabs(R& r, const QString&) {
    QStringList captions;
    ListTabs(r.ActiveWindow(), r.ActiveWindow(), captions);
    Print((QStringLiteral("tabs = ") + captions.join(QStringLiteral(" | "))).trimmed());
  }

  static void Items(R& r, const QString& rest) {
    const QStringList items = ItemTexts(r.Control(rest), rest);
    for (qsizetype i = 0; i < items.size(); ++i)
      Print(QStringLiteral("%1[%2] = %3").arg(rest).arg(i).arg(items[i]));
  }

  static void Restart(R& r, const QString&) {
    if (!r.restart_) Fail(QStringLiteral("this run cannot restart the program"));
    if (r.ActiveWindow() != r.main_)
      Fail(QStringLiteral("the main window is not the active window"));
    r.main_ = r.restart_();
  }

  static void Wait(R&, const QString& rest) {
    if (rest != QLatin1String("network")) Fail(QStringLiteral("wait takes: network"));
    // The program serves its events meanwhile.
    QElapsedTimer clock;
    clock.start();
    while (platform::FetchesInFlight() > 0 && clock.elapsed() < 20000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(2);
    }
  }

  static void Echo(R&, const QString& rest) { Print(rest); }

  static void Snapshot(R& r, const QString& rest) { SavePicture(r.ActiveWindow(), rest); }
};

const std::vector<Command>& ScriptRunner::Commands() {
  using Arg = Argument::Kind;
  static const std::vector<Command> commands = {
      {"decimal",
       {{.kind = Arg::Choice, .words = ", | ."}},
       "the regional decimal separator, before the first open",
       &Runs::Decimal,
       0},
      {"language",
       {{.kind = Arg::Choice, .words = "es|en|ca"}},
       "the interface's language (Spanish unless a script says so),\n"
       "before the first open",
       &Runs::Language,
       0},
      {"open",
       {{Arg::MenuCommand}},
       "runs the main menu command named ITEM (e.g. Longitud1)",
       &Runs::Open,
       0},
      {"close", {}, "closes the open tool window as its close box would", &Runs::Close},
      {"window", {}, "prints \"window = CAPTION\" for the active window", &Runs::Window},
      {"type",
       {{Arg::Widget}, {Arg::Text}},
       "focuses WIDGET as a click would (if needed), types TEXT key by key",
       &Runs::Type,
       40},
      {"key",
       {{Arg::Widget}, {Arg::Key}},
       "one key stroke: Delete, Backspace, Home, End, Return, Escape,\n"
       "Tab, Ctrl+V, Shift+Home, Keypad1, F1, a letter...",
       &Runs::Key,
       17},
      {"paste",
       {{Arg::Edit}, {Arg::Text}},
       "replaces EDIT's text with TEXT as the context menu's paste would",
       &Runs::Paste,
       7},
      {"setclipboard", {{Arg::Text}}, "puts TEXT on the clipboard", &Runs::Setclipboard, 3},
      {"focus", {{Arg::Widget}}, "gives WIDGET the focus as a mouse click would", &Runs::Focus, 2},
      {"click", {{Arg::Widget}}, "a left click in its middle", &Runs::Click, 14},
      {"clickat",
       {{Arg::Widget}, {Arg::X}, {Arg::Y}},
       "a left click at a pixel of WIDGET (on a grid's title row too)",
       &Runs::Clickat},
      {"rightclick",
       {{Arg::Widget}},
       "presses the right button there: its pop-up menu opens",
       &Runs::Rightclick,
       3},
      {"hover", {{Arg::Widget}}, "moves the mouse over it", &Runs::Hover},
      {"menu",
       {{Arg::MenuItem}},
       "chooses ITEM (its name or caption) in the open pop-up menu",
       &Runs::Menu,
       1,
       nullptr,
       Command::On::PopupMenu},
      {"tab",
       {{Arg::Caption}},
       "shows the tab captioned CAPTION, of any tab control: the tabs\n"
       "of the pages that hold it are chosen first",
       &Runs::Tab,
       4},
      {"choose",
       {{Arg::List}, {Arg::ListItem}},
       "selects ITEM (its text, or #N) in a combo box, list or grid",
       &Runs::Choose,
       5},
      {"cell",
       {{Arg::Grid}, {Arg::Column}, {Arg::Row}, {Arg::Text}},
       "selects a grid cell and types TEXT into it",
       &Runs::Cell,
       3},
      {"answer",
       {{.kind = Arg::Choice, .words = "yes|no|ok"}},
       "the answer to the next message box (else its first button)",
       &Runs::Answer,
       12},
      {"show",
       {{.kind = Arg::Widget, .optional = true, .repeats = true}},
       "prints \"WIDGET = text\" (no names: every control in tab order);\n"
       "a grid prints \"GRID[col,row] = text\" for each cell, and\n"
       "GRID[col,row], GRID[col,*] or GRID[*,row] names some of them",
       &Runs::Show},
      {"row", {{Arg::Grid}}, "prints the cells of the grid's current row as show does", &Runs::Row},
      {"state",
       {{.kind = Arg::Widget, .repeats = true}},
       "prints enabled, visible, bold, colours and hint",
       &Runs::State},
      {"filled",
       {},
       "prints \"filled = NAMES\", the edits that are not empty, in tab\n"
       "order (\"filled =\" when every edit is empty)",
       &Runs::Filled},
      {"status",
       {},
       "prints \"status = TEXT\", the status bar's panels",
       &Runs::Status,
       1,
       HasStatusBar},
      {"focused", {}, "prints the name of the widget that has the focus", &Runs::Focused},
      {"catalogue",
       {},
       "prints \"catalogue = ITEM ...\", the menu commands that open a window",
       &Runs::Catalogue},
      {"tabs",
       {},
       "prints \"tabs = CAPTION | ...\", every tab of the active window,\n"
       "each followed by the tabs on its page: \"tab\" shows them in turn",
       &Runs::Tabs},
      {"items",
       {{Arg::List}},
       "prints \"LIST[n] = text\" for every item of a list, combo box or grid\n(a grid's first "
       "column)",
       &Runs::Items},
      {"restart",
       {},
       "ends the program as its close box would and starts it again in\n"
       "the same folders: what it keeps across starts is read anew",
       &Runs::Restart,
       0},  // the monkey's run keeps its one program
      {"wait",
       {{.kind = Arg::Word, .words = "network"}},
       "returns when no download is in flight (20 seconds at most)",
       &Runs::Wait},
      {"echo", {{Arg::Text}}, "prints TEXT", &Runs::Echo},
      {"snapshot",
       {{Arg::File}},
       "saves a picture of the active window (PNG), with the open\npop-up menu drawn over it",
       &Runs::Snapshot},
  };
  return commands;
}

QString UsageWord(const Argument& argument) {
  using Kind = Argument::Kind;
  QString word;
  switch (argument.kind) {
    case Kind::Widget: word = QStringLiteral("WIDGET"); break;
    case Kind::Edit: word = QStringLiteral("EDIT"); break;
    case Kind::List: word = QStringLiteral("LIST"); break;
    case Kind::Grid: word = QStringLiteral("GRID"); break;
    case Kind::ListItem:
    case Kind::MenuItem:
    case Kind::MenuCommand: word = QStringLiteral("ITEM"); break;
    case Kind::Column: word = QStringLiteral("COL"); break;
    case Kind::Row: word = QStringLiteral("ROW"); break;
    case Kind::X: word = QStringLiteral("X"); break;
    case Kind::Y: word = QStringLiteral("Y"); break;
    case Kind::Key: word = QStringLiteral("KEY"); break;
    case Kind::Text: word = QStringLiteral("TEXT"); break;
    case Kind::Caption: word = QStringLiteral("CAPTION"); break;
    case Kind::File: word = QStringLiteral("FILE"); break;
    case Kind::Choice:
    case Kind::Word: word = QString::fromUtf8(argument.words); break;
  }
  if (argument.repeats) word += QStringLiteral(" ...");
  return argument.optional ? u'[' + word + u']' : word;
}

QString ScriptRunner::Usage() {
  QString usage;
  for (const Command& command : Commands()) {
    QString head = QStringLiteral("  ") + QLatin1String(command.name);
    for (const Argument& argument : command.arguments) head += u' ' + UsageWord(argument);
    const QStringList help = QString::fromUtf8(command.help).split(u'\n');
    usage += head.leftJustified(26) + u' ' + help.front() + u'\n';
    for (qsizetype i = 1; i < help.size(); ++i) usage += QString(27, u' ') + help[i] + u'\n';
  }
  return usage;
}

void ScriptRunner::Open(const QString& item) {
  if (ActiveWindow() != main_) Fail(QStringLiteral("the main window is not the active window"));
  QAction* action = main_->MenuItem(item);
  if (!action || action->menu()) Fail(QStringLiteral("no menu command '%1'").arg(item));
  if (!action->isVisible()) Fail(QStringLiteral("'%1' is not visible").arg(item));
  if (!action->isEnabled()) Fail(QStringLiteral("'%1' is disabled").arg(item));
  opened_ = true;
  action->trigger();
}

void ScriptRunner::TypeInCell(const QString& rest) {
  const auto [name, text] = Split(rest);
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
}

}  // namespace driver
