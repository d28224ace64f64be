#include "driver/monkey/Monkey.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <optional>

#include "app/Unidadpresentacion.h"
#include "driver/Readout.h"
#include "driver/ScriptRunner.h"
#include "driver/monkey/Checks.h"
#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/Host.h"

namespace monkey {
namespace {

const QStringList kNamedKeys = {"Delete",    "Backspace", "Home",    "End",    "Shift+Home",
                                "Shift+End", "Left",      "Right",   "Up",     "Down",
                                "Tab",       "Ctrl+C",    "Ctrl+V",  "Ctrl+X", "Keypad0",
                                "Keypad1",   "Keypad5",   "Keypad9", "Insert", "Shift+Insert"};
// What a careless hand types: digits, both separators, the apostrophe, signs, exponents,
// letters and blanks.
const QString kCharacters = QStringLiteral("0123456789012345,.,.''+-Ee aZx/ñ");

QStringList HostileTexts() {
  static const QStringList texts = [] {
    QStringList t = {"1E400",
                     "-1E308",
                     "1E-400",
                     "-",
                     ",",
                     ".",
                     "1,5E-",
                     "1.5E-",
                     "   ",
                     "\x01\x02",
                     "\t",
                     "\x7f",
                     "٣٤٥",
                     "中文",
                     "Ωμ",
                     "-0",
                     "1E308",
                     "9,9E307",
                     "1e",
                     "'",
                     "0,0000000000000000001",
                     "99999999999999999999999",
                     "1,5",
                     "1.5",
                     "-1",
                     "0",
                     "",
                     "+",
                     "E",
                     "2'5",
                     "1E4000",
                     "-,",
                     "NaN",
                     "inf"};
    t << QString(400, u'9') << QStringLiteral("1") + QString(399, u'0');
    return t;
  }();
  return texts;
}

// The caption as the driver's "menu" command matches it.
QString MenuName(const QAction* action) {
  if (!action->objectName().isEmpty()) return action->objectName();
  QString caption = action->text();
  caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  const int tab = caption.indexOf(u'\t');
  return tab < 0 ? caption : caption.left(tab);
}

bool Usable(const QWidget* w) {
  return w->isVisible() && w->isEnabled() && !w->objectName().isEmpty() &&
         !w->objectName().startsWith(QLatin1String("qt_")) && !w->objectName().contains(u' ');
}

}  // namespace

Monkey::Monkey(Options options, TFormPrincipal* main, platform::RecordingHost* host,
               driver::ScriptRunner* runner)
    : options_(std::move(options)),
      main_(main),
      host_(host),
      runner_(runner),
      random_(options_.seed) {
  clock_.start();
  // The text being rejected is the one in the edit that has the focus as the box shows.
  host_->onBox = [this](const platform::Box&) {
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    boxInputs_.resize(host_->boxes.size());
    boxInputs_.back() = edit ? edit->text() : QString();
  };
}

int Monkey::Below(int n) { return n <= 1 ? 0 : static_cast<int>(random_() % std::uint64_t(n)); }

QString Monkey::Pick(const QStringList& choices) { return choices.at(Below(choices.size())); }

long long Monkey::SinceStepStart() const { return clock_.elapsed() - stepStart_.load(); }

bool Monkey::WindowOpen() const { return runner_->ActiveWindow() != main_; }

void Monkey::Fail(const QString& failure) {
  if (failure_.isEmpty()) failure_ = failure;
}

QString Monkey::Next() {
  if (started_) Check();
  started_ = true;
  if (Failed()) return QString();
  const QString line = Produce();
  if (line.isEmpty()) return line;
  if (line.startsWith(QLatin1String("open "))) {
    userTexts_.clear();
    everTyped_.clear();
  }
  if (line == QLatin1String(kFinalMarker)) final_ = true;
  if (options_.log) {
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), options_.log);
    std::fputc('\n', options_.log);
    std::fflush(options_.log);
  }
  line_ = line;
  boxesBefore_ = host_->boxes.size();
  strayBefore_ = TApplication::StrayExceptions();
  if (!line.startsWith(QLatin1String("answer ")) && line != QLatin1String(kFinalMarker)) ++steps_;
  stepStart_ = clock_.elapsed();
  return line;
}

void Monkey::Check() {
  const long long took = SinceStepStart();
  if (took > options_.stepLimitMs) {
    Fail(QStringLiteral("slow: '%1' took %2 ms").arg(line_).arg(took));
  }
  if (TApplication::StrayExceptions() != strayBefore_) {
    Fail(QStringLiteral("exception: one reached Qt's event dispatch during '%1'").arg(line_));
  }
  QWidget* window = runner_->ActiveWindow();
  // The user's own text is theirs, whatever it holds.
  const QString command = line_.section(u' ', 0, 0);
  // (A cell's text is in the editor that has the focus, then in the grid's item.)
  if (command == QLatin1String("type") || command == QLatin1String("key") ||
      command == QLatin1String("paste") || command == QLatin1String("menu") ||
      command == QLatin1String("cell")) {
    NoteUserText(QApplication::focusWidget());
    NoteUserText(driver::FindControl(window, line_.section(u' ', 1, 1)));
  }
  CheckTexts(window);
  for (std::size_t i = boxesBefore_; i < host_->boxes.size(); ++i) {
    const platform::Box& box = host_->boxes[i].box;
    // A message may repeat the user's own input.
    QStringList inputs = userTexts_.values();
    inputs << line_.section(u' ', 2) << (i < boxInputs_.size() ? boxInputs_[i] : QString());
    const QString text = WithoutInput(box.text, inputs);
    CheckText(QStringLiteral("a box"), text);
    if (final_ && command == QLatin1String("type") && box.icon == platform::Icon::Error) {
      Fail(QStringLiteral("broken: typing 1 into %1 shows the error box '%2'")
               .arg(finalEdit_, box.text));
    }
  }
  if (final_ && command == QLatin1String("close") &&
      (QApplication::activeModalWidget() || window != main_)) {
    Fail(QStringLiteral("broken: the window '%1' does not close").arg(window->windowTitle()));
  }
}

void Monkey::NoteUserText(QWidget* control) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    userTexts_[edit] = edit->text();
    everTyped_.insert(edit->text());
  }
  // A grid's cell takes what its editor held.
  QWidget* w = control;
  while (w && !qobject_cast<QTableWidget*>(w)) w = w->parentWidget();
  if (auto* table = qobject_cast<QTableWidget*>(w)) {
    if (const QTableWidgetItem* item = table->currentItem()) userTexts_[item] = item->text();
  }
}

// The user's text in that control, or a copy of it, however old, that the window shows
// elsewhere.
bool Monkey::UserText(const void* control, const QString& text) const {
  const auto user = userTexts_.constFind(control);
  if (user != userTexts_.constEnd() && *user == text) return true;
  return everTyped_.contains(text);
}

void Monkey::CheckTexts(QWidget* window) {
  if (window == main_) return;
  CheckText(QStringLiteral("the caption"), window->windowTitle());
  for (QWidget* w : window->findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      if (!UserText(edit, edit->text())) CheckText(name, edit->text());
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
      CheckText(name, label->text());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      CheckText(name, button->text());
    } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
      for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c)
          if (const QTableWidgetItem* item = table->item(r, c);
              item && !UserText(item, item->text()))
            CheckText(QStringLiteral("%1[%2,%3]").arg(name).arg(c).arg(r), item->text());
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
      for (int i = 0; i < list->count(); ++i) CheckText(name, list->item(i)->text());
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < combo->count(); ++i) CheckText(name, combo->itemText(i));
    }
  }
}

void Monkey::CheckText(const QString& where, const QString& text) {
  if (ShowsNonNumber(text))
    Fail(QStringLiteral("shown: %1 shows '%2' after '%3'").arg(where, text, line_));
}

QString Monkey::Produce() {
  if (options_.replaying) {
    while (replayIndex_ < options_.replay.size()) {
      QString line = options_.replay[replayIndex_++];
      while (line.endsWith(u'\r') || line.endsWith(u'\n')) line.chop(1);
      while (!line.isEmpty() && line[0].isSpace()) line.remove(0, 1);
      if (!line.isEmpty() && !line.startsWith(u'#')) return line;
    }
    return QString();
  }
  if (steps_ == 0 && line_.isEmpty())
    return Below(2) ? QStringLiteral("decimal ,") : QStringLiteral("decimal .");
  if (QApplication::activePopupWidget()) return RandomStep(runner_->ActiveWindow());
  if (!pending_.empty()) {
    const QString line = pending_.front();
    pending_.pop_front();
    return line;
  }
  const bool outOfTime = options_.seconds > 0 && clock_.elapsed() > options_.seconds * 1000;
  if (!WindowOpen() && finalStage_ < 3) return QStringLiteral("open ") + options_.item;
  if (final_ || steps_ >= options_.steps || outOfTime) return FinalStep(runner_->ActiveWindow());
  return RandomStep(runner_->ActiveWindow());
}

QString Monkey::FinalStep(QWidget* window) {
  switch (finalStage_) {
    case 0:
      // A window that the tool window opened itself (a dialog of its own) is closed first, as
      // the user would, so that the last checks reach the tool window.
      if (window->parentWidget() && window->parentWidget()->window() != main_)
        return QStringLiteral("close");
      finalStage_ = 1;
      return QLatin1String(kFinalMarker);
    case 1: {
      finalStage_ = 2;
      for (QWidget* w : driver::ControlsInTabOrder(window)) {
        auto* edit = qobject_cast<QLineEdit*>(w);
        if (edit && Usable(edit) && !edit->isReadOnly()) {
          finalEdit_ = edit->objectName();
          break;
        }
      }
      if (finalEdit_.isEmpty()) return FinalStep(window);
      for (const char* key : {"End", "Shift+Home", "Delete"})
        pending_.push_back(QStringLiteral("key %1 %2").arg(finalEdit_, QLatin1String(key)));
      pending_.push_back(QStringLiteral("type %1 1").arg(finalEdit_));
      return QStringLiteral("focus ") + finalEdit_;
    }
    case 2: finalStage_ = 3; return QStringLiteral("close");
    default: finalStage_ = 4; return QString();
  }
}

// What a random step may act on in the window: its usable controls in tab order, its edits,
// its buttons (those that close it apart), its lists and grids with items, the captions of
// its tabs in view, and the items of an open pop-up menu.
struct Monkey::View {
  QList<QWidget*> controls, edits, buttons, closers, lists, grids;
  QStringList tabs, menuItems;
  QWidget* last = nullptr;  // the control the step's arguments named last
};

Monkey::View Monkey::Look(QWidget* window) const {
  View view;
  for (QWidget* w : driver::ControlsInTabOrder(window)) {
    if (!Usable(w)) continue;
    view.controls << w;
    if (qobject_cast<QLineEdit*>(w)) view.edits << w;
  }
  auto* form = qobject_cast<TForm*>(window);
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
    if (!Usable(b)) continue;
    const bool closes = form && (b == form->DefaultButton() || b == form->CancelButton());
    (closes ? view.closers : view.buttons) << b;
  }
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!Usable(w)) continue;
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
      if (table->rowCount() > 0 && table->columnCount() > 0) view.grids << w;
    }
    auto* combo = qobject_cast<QComboBox*>(w);
    auto* items = qobject_cast<QAbstractItemView*>(w);
    if ((combo && combo->count() > 0) ||
        (items && items->model() && items->model()->rowCount(items->rootIndex()) > 0))
      view.lists << w;
  }
  for (QTabWidget* t : window->findChildren<QTabWidget*>()) {
    if (!t->isVisible()) continue;
    for (int i = 0; i < t->count(); ++i)
      if (t->isTabEnabled(i)) view.tabs << t->tabText(i).remove(QRegularExpression("&(?!&)"));
  }
  if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
    for (QAction* action : popup->actions())
      if (!action->isSeparator() && action->isEnabled() && action->isVisible())
        view.menuItems << MenuName(action);
  }
  return view;
}

// One argument of a command, of its kind; null when the window has nothing for it.
std::optional<QString> Monkey::Make(const driver::Argument& argument, View& view) {
  using Kind = driver::Argument::Kind;
  auto name = [&view](QWidget* w) {
    view.last = w;
    return std::optional<QString>(w->objectName());
  };
  auto any = [&](const QList<QWidget*>& widgets) -> std::optional<QString> {
    if (widgets.isEmpty()) return std::nullopt;
    return name(widgets[Below(widgets.size())]);
  };
  switch (argument.kind) {
    case Kind::Widget: {
      // Half the time an edit; else any control or button, one that closes the window
      // seldom, so that the window's state gets deep.
      if (!view.edits.isEmpty() && Below(2) == 0) return any(view.edits);
      if (!view.closers.isEmpty() && Below(16) == 0) return any(view.closers);
      return any(view.controls + view.buttons);
    }
    case Kind::Edit: return any(view.edits);
    case Kind::List: return any(view.lists);
    case Kind::Grid: return any(view.grids);
    case Kind::ListItem: {
      // Of the list just named, by number.
      if (auto* combo = qobject_cast<QComboBox*>(view.last))
        return QStringLiteral("#%1").arg(Below(combo->count()));
      auto* items = qobject_cast<QAbstractItemView*>(view.last);
      if (!items) return std::nullopt;
      return QStringLiteral("#%1").arg(Below(items->model()->rowCount(items->rootIndex())));
    }
    case Kind::MenuItem:
      if (view.menuItems.isEmpty()) return std::nullopt;
      return Pick(view.menuItems);
    case Kind::MenuCommand: return std::nullopt;  // the run keeps to its one window
    case Kind::Column:
    case Kind::Row: {
      auto* grid = qobject_cast<QTableWidget*>(view.last);
      if (!grid) return std::nullopt;
      return QString::number(
          Below(argument.kind == Kind::Column ? grid->columnCount() : grid->rowCount()));
    }
    case Kind::X:
    case Kind::Y:
      if (!view.last) return std::nullopt;
      return QString::number(
          Below(argument.kind == Kind::X ? view.last->width() : view.last->height()));
    case Kind::Key:
      if (Below(8) == 0) return QString::fromLatin1(Below(2) ? "Return" : "Escape");
      return Pick(kNamedKeys);
    case Kind::Text: return Text(view);
    case Kind::Caption:
      if (view.tabs.isEmpty()) return std::nullopt;
      return Pick(view.tabs);
    // A picture taken and thrown away: a replay of the steps writes nothing anywhere.
    case Kind::File: return QStringLiteral("/dev/null");
    case Kind::Choice: {
      QStringList words = QString::fromUtf8(argument.words).split(u'|');
      for (QString& word : words) word = word.trimmed();
      return Pick(words);
    }
    case Kind::Word: return QString::fromUtf8(argument.words);
  }
  return std::nullopt;
}

// Free text: a character, a run of them, or a hostile text. More than a key goes to an edit
// only: in a button, a blank would press it and the rest would land in the main window.
QString Monkey::Text(const View& view) {
  const bool edit =
      !view.last || qobject_cast<QLineEdit*>(view.last) || qobject_cast<QTableWidget*>(view.last);
  const int roll = Below(10);
  if (roll < 5 || !edit) return QString(kCharacters[Below(kCharacters.size())]);
  if (roll < 8) {
    QString run;
    for (int n = 1 + Below(8); n > 0; --n) run += kCharacters[Below(kCharacters.size())];
    return run.trimmed().isEmpty() ? QStringLiteral("5") : run;
  }
  return Pick(HostileTexts());
}

// The command's arguments for this window; null when the window has nothing for one of them.
// What may be left out is, half the time; a repeat is not made.
std::optional<QString> Monkey::Arguments(const driver::Command& command, View& view) {
  QStringList arguments;
  view.last = nullptr;
  for (const driver::Argument& argument : command.arguments) {
    if (argument.optional && Below(2) == 0) continue;
    const std::optional<QString> made = Make(argument, view);
    if (!made) return std::nullopt;
    arguments << *made;
  }
  return arguments.join(u' ');
}

QString Monkey::RandomStep(QWidget* window) {
  View view = Look(window);
  // The commands that run here, each drawn by its share: where a pop-up is open, those that
  // act on a pop-up menu.
  const bool popup = QApplication::activePopupWidget() != nullptr;
  if (!popup && view.controls.isEmpty()) return QStringLiteral("close");
  const auto on = popup ? driver::Command::On::PopupMenu : driver::Command::On::Window;
  std::vector<const driver::Command*> commands;
  int shares = 0;
  for (const driver::Command& command : driver::ScriptRunner::Commands()) {
    if (command.monkey <= 0 || command.on != on) continue;
    if (command.runsIn && !command.runsIn(window)) continue;
    commands.push_back(&command);
    shares += command.monkey;
  }
  for (int tries = 0; tries < 100 && shares > 0; ++tries) {
    int draw = Below(shares);
    const driver::Command* command = commands.front();
    for (const driver::Command* each : commands) {
      command = each;
      if ((draw -= each->monkey) < 0) break;
    }
    const std::optional<QString> arguments = Arguments(*command, view);
    if (!arguments) continue;  // nothing here to use it on
    const QString name = QString::fromLatin1(command->name);
    return arguments->isEmpty() ? name : name + u' ' + *arguments;
  }
  if (!popup) return QStringLiteral("close");
  // Nothing to choose in the pop-up menu: it is dismissed as a click elsewhere would.
  QApplication::activePopupWidget()->close();
  return Produce();
}

QString CommandsWithoutArguments() {
  QStringList words;
  for (const driver::Command& command : driver::ScriptRunner::Commands()) {
    if (command.monkey <= 0) continue;
    for (const driver::Argument& argument : command.arguments) {
      // The run keeps to its one window: it opens no other.
      if (argument.kind != driver::Argument::Kind::MenuCommand) continue;
      words << QStringLiteral("%1 (%2)").arg(driver::UsageWord(argument),
                                             QLatin1String(command.name));
    }
  }
  return words.join(QStringLiteral(", "));
}

}  // namespace monkey
