#include "driver/Readout.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QVariant>
#include <QWidget>

#include "platform/StatusBar.h"

namespace driver {

QString OneLine(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
  text.replace(u'\n', QStringLiteral("\\n"));
  text.replace(u'\r', QStringLiteral("\\n"));
  return text;
}

QWidget* FindControl(QWidget* window, const QString& name) {
  if (!window || name.isEmpty()) return nullptr;
  if (window->objectName() == name) return window;
  return window->findChild<QWidget*>(name, Qt::FindChildrenRecursively);
}

QList<QWidget*> ControlsInTabOrder(QWidget* window) {
  QList<QWidget*> controls;
  for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
    if (!window->isAncestorOf(w)) continue;
    // A group of radio buttons is one stop of Tab, its checked button; the arrows reach the
    // others, which belong to the order as well.
    if (!(w->focusPolicy() & Qt::TabFocus) && !qobject_cast<QRadioButton*>(w)) continue;
    if (!controls.contains(w)) controls.append(w);
  }
  return controls;
}

namespace {

QString Text(QWidget* control) {
  const QVariant caption = control->property("caption");
  if (caption.isValid()) return caption.toString();
  if (auto* e = qobject_cast<QLineEdit*>(control)) return e->text();
  if (auto* m = qobject_cast<QPlainTextEdit*>(control)) return m->toPlainText();
  if (auto* m = qobject_cast<QTextEdit*>(control)) return m->toPlainText();
  if (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control)) {
    return static_cast<QAbstractButton*>(control)->isChecked() ? QStringLiteral("checked")
                                                               : QStringLiteral("unchecked");
  }
  if (auto* b = qobject_cast<QAbstractButton*>(control)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(control)) return l->text();
  if (auto* c = qobject_cast<QComboBox*>(control)) return c->currentText();
  if (auto* g = qobject_cast<QGroupBox*>(control)) return g->title();
  if (auto* s = qobject_cast<QAbstractSlider*>(control)) return QString::number(s->value());
  if (auto* p = qobject_cast<QProgressBar*>(control)) return QString::number(p->value());
  if (auto* l = qobject_cast<QListWidget*>(control)) {
    return l->currentItem() ? l->currentItem()->text() : QString();
  }
  const QVariant position = control->property("position");
  if (position.isValid()) return position.toString();
  return QString();
}

// The tool tip, or the hint that shows only in a status bar.
QString Hint(const QWidget* control) {
  const QString tip = control->toolTip();
  return tip.isEmpty() ? platform::Hint(control) : tip;
}

QString Hex(const QColor& color) { return color.name(QColor::HexRgb); }

// The widget whose fill shows behind this one.
const QWidget* FillOwner(const QWidget* w) {
  if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
      qobject_cast<const QPushButton*>(w) || qobject_cast<const QComboBox*>(w) ||
      qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w)) {
    return w;
  }
  while (w && !w->autoFillBackground() && !w->isWindow()) w = w->parentWidget();
  return w;
}

}  // namespace

QStringList Describe(QWidget* control) {
  const QString name = control->objectName();
  if (auto* grid = qobject_cast<QTableWidget*>(control)) {
    QStringList lines;
    for (int row = 0; row < grid->rowCount(); ++row) {
      for (int col = 0; col < grid->columnCount(); ++col) {
        const QTableWidgetItem* item = grid->item(row, col);
        lines << QStringLiteral("%1[%2,%3] = %4")
                     .arg(name)
                     .arg(col)
                     .arg(row)
                     .arg(OneLine(item ? item->text() : QString()));
      }
    }
    return lines;
  }
  return {name + QStringLiteral(" = ") + OneLine(Text(control))};
}

QString DescribeState(QWidget* control) {
  const QWidget* fill = FillOwner(control);
  const QColor background = fill ? fill->palette().color(fill->backgroundRole()) : QColor();
  const QColor color = control->palette().color(control->foregroundRole());
  auto yesNo = [](bool b) { return b ? QStringLiteral("yes") : QStringLiteral("no"); };
  return QStringLiteral("%1: enabled=%2 visible=%3 bold=%4 color=%5 background=%6 hint=%7")
      .arg(control->objectName(), yesNo(control->isEnabled()), yesNo(control->isVisible()),
           yesNo(control->font().bold()), Hex(color), Hex(background), OneLine(Hint(control)));
}

QString StatusText(QWidget* window, bool* found) {
  auto* bar = window->findChild<QStatusBar*>();
  *found = bar != nullptr;
  if (!bar) return QString();
  QStringList panels;
  for (QLabel* label : bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
    panels << label->text();
  }
  if (panels.isEmpty()) return bar->currentMessage();
  return panels.join(QStringLiteral(" | "));
}

bool ParseKey(const QString& name, platform::KeyStroke* stroke) {
  QStringList parts = name.split(u'+');
  if (name.endsWith(QLatin1String("++"))) {  // "Ctrl++"
    parts.removeLast();
    parts.last() = QStringLiteral("+");
  }
  Qt::KeyboardModifiers mods;
  for (int i = 0; i + 1 < parts.size(); ++i) {
    const QString m = parts[i].toLower();
    if (m == QLatin1String("ctrl") || m == QLatin1String("control"))
      mods |= Qt::ControlModifier;
    else if (m == QLatin1String("shift"))
      mods |= Qt::ShiftModifier;
    else if (m == QLatin1String("alt"))
      mods |= Qt::AltModifier;
    else if (m == QLatin1String("meta"))
      mods |= Qt::MetaModifier;
    else
      return false;
  }
  const QString key = parts.last();
  const QString lower = key.toLower();
  static const struct {
    const char* name;
    int key;
    const char* text;
  } kNamed[] = {
      {"delete", Qt::Key_Delete, ""},
      {"del", Qt::Key_Delete, ""},
      {"backspace", Qt::Key_Backspace, "\b"},
      {"home", Qt::Key_Home, ""},
      {"end", Qt::Key_End, ""},
      {"return", Qt::Key_Return, "\r"},
      {"enter", Qt::Key_Enter, "\r"},
      {"escape", Qt::Key_Escape, "\x1b"},
      {"esc", Qt::Key_Escape, "\x1b"},
      {"tab", Qt::Key_Tab, "\t"},
      {"backtab", Qt::Key_Backtab, ""},
      {"left", Qt::Key_Left, ""},
      {"right", Qt::Key_Right, ""},
      {"up", Qt::Key_Up, ""},
      {"down", Qt::Key_Down, ""},
      {"pageup", Qt::Key_PageUp, ""},
      {"pgup", Qt::Key_PageUp, ""},
      {"pagedown", Qt::Key_PageDown, ""},
      {"pgdown", Qt::Key_PageDown, ""},
      {"insert", Qt::Key_Insert, ""},
      {"ins", Qt::Key_Insert, ""},
      {"space", Qt::Key_Space, " "},
      {"shift", Qt::Key_Shift, ""},
      {"ctrl", Qt::Key_Control, ""},
      {"control", Qt::Key_Control, ""},
      {"alt", Qt::Key_Alt, ""},
  };
  for (const auto& n : kNamed) {
    if (lower == QLatin1String(n.name)) {
      *stroke = {n.key, mods, QString::fromLatin1(n.text)};
      if (n.key == Qt::Key_Enter) stroke->modifiers |= Qt::KeypadModifier;
      return true;
    }
  }
  if (lower.startsWith(QLatin1String("keypad")) && lower.size() == 7 && lower[6].isDigit()) {
    *stroke = platform::keys::Numpad(lower[6].digitValue());
    stroke->modifiers |= mods;
    return true;
  }
  if (lower.size() > 1 && lower[0] == u'f') {
    bool ok = false;
    const int n = lower.mid(1).toInt(&ok);
    if (ok && n >= 1 && n <= 24) {
      *stroke = {Qt::Key_F1 + n - 1, mods, QString()};
      return true;
    }
  }
  if (key.size() != 1) return false;
  const QChar c = key[0];
  if (c.isLetter()) {
    const int code = c.toUpper().unicode();
    QString text;
    if (mods & Qt::ControlModifier) {
      if (code >= 'A' && code <= 'Z') text = QString(QChar(code - 'A' + 1));
    } else if (!(mods & Qt::AltModifier)) {
      text = (mods & Qt::ShiftModifier) ? QString(c.toUpper()) : QString(c.toLower());
    }
    *stroke = {code, mods, text};
    return true;
  }
  *stroke = {c.unicode(), mods,
             (mods & (Qt::ControlModifier | Qt::AltModifier)) ? QString() : QString(c)};
  return true;
}

}  // namespace driver
