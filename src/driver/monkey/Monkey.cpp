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
  if (command == QLatin1String("type") || command == QLatin1String("key") ||
      command == QLatin1String("paste") || command == QLatin1String("menu")) {
    NoteUserText(QApplication::focusWidget());
    NoteUserText(driver::FindControl(window, line_.section(u' ', 1, 1)));
  }
  if (command == QLatin1String("cell"))
    NoteUserText(driver::FindControl(window, line_.section(u' ', 1, 1)));
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
  if (QApplication::activePopupWidget()) return PopupStep();
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

QString Monkey::PopupStep() {
  auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QStringList items;
  if (popup) {
    for (QAction* action : popup->actions())
      if (!action->isSeparator() && action->isEnabled() && action->isVisible())
        items << MenuName(action);
  }
  if (items.isEmpty()) {
    // Nothing to choose: the menu is dismissed as a click elsewhere would.
    QApplication::activePopupWidget()->close();
    return Produce();
  }
  return QStringLiteral("menu ") + Pick(items);
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

QString Monkey::RandomStep(QWidget* window) {
  QList<QWidget*> controls, edits, buttons, lists;
  for (QWidget* w : driver::ControlsInTabOrder(window)) {
    if (!Usable(w)) continue;
    controls << w;
    if (qobject_cast<QLineEdit*>(w)) edits << w;
  }
  auto* form = qobject_cast<TForm*>(window);
  QList<QWidget*> closers;  // pressed seldom, so that a window's state gets deep
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
    if (!Usable(b)) continue;
    const bool closes = form && (b == form->DefaultButton() || b == form->CancelButton());
    (closes ? closers : buttons) << b;
  }
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (Usable(w) && (qobject_cast<QComboBox*>(w) || qobject_cast<QListWidget*>(w) ||
                      qobject_cast<QTableWidget*>(w)))
      lists << w;
  }
  QStringList tabs;
  for (QTabWidget* t : window->findChildren<QTabWidget*>()) {
    if (!t->isVisible()) continue;
    for (int i = 0; i < t->count(); ++i)
      if (t->isTabEnabled(i)) tabs << t->tabText(i).remove(QRegularExpression("&(?!&)"));
  }
  if (controls.isEmpty()) return QStringLiteral("close");

  if (host_->answers.empty() && Below(4) == 0) {
    return Below(2) ? QStringLiteral("answer yes") : QStringLiteral("answer no");
  }
  auto name = [](QWidget* w) { return w->objectName(); };
  auto target = [&] {
    if (!edits.isEmpty() && Below(5) != 0) return name(edits[Below(edits.size())]);
    return name(controls[Below(controls.size())]);
  };
  const int roll = Below(100);
  if (roll < 30) {
    return QStringLiteral("type %1 %2").arg(target(), kCharacters[Below(kCharacters.size())]);
  }
  if (roll < 45) return QStringLiteral("key %1 %2").arg(target(), Pick(kNamedKeys));
  // A run of keys goes to an edit: in a button, a blank would press it and the rest of the
  // run would land in the main window.
  if (roll < 58 && !edits.isEmpty()) {
    QString run;
    for (int n = 1 + Below(8); n > 0; --n) run += kCharacters[Below(kCharacters.size())];
    return QStringLiteral("type %1 %2")
        .arg(name(edits[Below(edits.size())]), run.trimmed().isEmpty() ? "5" : run);
  }
  if (roll < 68 && !edits.isEmpty()) {
    const QString edit = name(edits[Below(edits.size())]);
    if (Below(3) == 0) {
      pending_.push_back(
          QStringLiteral("key %1 %2").arg(edit, Below(2) ? "Ctrl+V" : "Shift+Insert"));
      const QString text = Pick(HostileTexts());
      return text.isEmpty() ? QStringLiteral("setclipboard")
                            : QStringLiteral("setclipboard ") + text;
    }
    return QStringLiteral("paste %1 %2").arg(edit, Pick(HostileTexts()));
  }
  if (roll < 82 && !buttons.isEmpty())
    return QStringLiteral("click ") + name(buttons[Below(buttons.size())]);
  if (roll < 82 && !closers.isEmpty() && Below(8) == 0)
    return QStringLiteral("click ") + name(closers[Below(closers.size())]);
  if (roll < 90 && !lists.isEmpty()) {
    QWidget* list = lists[Below(lists.size())];
    if (auto* table = qobject_cast<QTableWidget*>(list)) {
      if (table->rowCount() > 0 && table->columnCount() > 0) {
        QString text;
        for (int n = Below(5); n > 0; --n) text += kCharacters[Below(kCharacters.size())];
        return QStringLiteral("cell %1 %2 %3 %4")
            .arg(name(table))
            .arg(Below(table->columnCount()))
            .arg(Below(table->rowCount()))
            .arg(text);
      }
    } else if (auto* combo = qobject_cast<QComboBox*>(list)) {
      if (combo->count() > 0)
        return QStringLiteral("choose %1 #%2").arg(name(combo)).arg(Below(combo->count()));
    } else if (auto* items = qobject_cast<QListWidget*>(list)) {
      if (items->count() > 0)
        return QStringLiteral("choose %1 #%2").arg(name(items)).arg(Below(items->count()));
    }
  }
  if (roll < 94 && !tabs.isEmpty()) return QStringLiteral("tab ") + Pick(tabs);
  if (roll < 97 && !edits.isEmpty())
    return QStringLiteral("rightclick ") + name(edits[Below(edits.size())]);
  if (roll < 99) return QStringLiteral("key %1 %2").arg(target(), Below(2) ? "Return" : "Escape");
  return QStringLiteral("click ") + name(controls[Below(controls.size())]);
}

}  // namespace monkey
