#include "driver/Readout.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
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
  if (auto* d = qobject_cast<QAbstractSpinBox*>(control)) return d->text().trimmed();
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

// The keys that type a character of their own, whatever the modifiers.
struct TypingKey {
  int key;
  const char* text;
};
constexpr TypingKey kTypingKeys[] = {
    {Qt::Key_Backspace, "\b"}, {Qt::Key_Return, "\r"}, {Qt::Key_Enter, "\r"},
    {Qt::Key_Escape, "\x1b"},  {Qt::Key_Tab, "\t"},    {Qt::Key_Space, " "},
};

// A key name in Qt's portable text: our own spellings that Qt reads otherwise ("Control",
// "PageUp", "Keypad1") in its own ("Ctrl", "PgUp", "Num+1").
QString Portable(QString name) {
  static const QRegularExpression control(QStringLiteral("\\bcontrol(?=\\+.)"),
                                          QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression page(QStringLiteral("\\bpage(up|down)$"),
                                       QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression keypad(QStringLiteral("\\bkeypad(\\d)$"),
                                         QRegularExpression::CaseInsensitiveOption);
  name.replace(control, QStringLiteral("Ctrl"));
  name.replace(page, QStringLiteral("Pg\\1"));
  name.replace(keypad, QStringLiteral("Num+\\1"));
  return name;
}

// The character that a key types with these modifiers, as the window system gives it.
QString TextOf(int key, Qt::KeyboardModifiers modifiers) {
  for (const TypingKey& typing : kTypingKeys) {
    if (typing.key == key) return QString::fromLatin1(typing.text);
  }
  if (key >= Qt::Key_Escape) return QString();  // a key without a character
  const QChar c(key);
  if (modifiers & Qt::KeypadModifier) return QString(c);  // a keypad digit
  if (modifiers & Qt::ControlModifier) {
    // A letter of the alphabet types its control code.
    return key >= 'A' && key <= 'Z' ? QString(QChar(key - 'A' + 1)) : QString();
  }
  if (modifiers & Qt::AltModifier) return QString();
  if (!c.isLetter()) return QString(c);
  return modifiers & Qt::ShiftModifier ? QString(c.toUpper()) : QString(c.toLower());
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
  // Qt has no name of its own for the Ctrl key pressed alone.
  static const QRegularExpression ctrlKey(QStringLiteral("^(.*\\+)?(ctrl|control)$"),
                                          QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch ctrl = ctrlKey.match(name);
  const QString portable =
      ctrl.hasMatch() ? Portable(ctrl.captured(1) + QStringLiteral("F1")) : Portable(name);
  const QKeySequence sequence = QKeySequence::fromString(portable, QKeySequence::PortableText);
  if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) return false;
  const int key = ctrl.hasMatch() ? int(Qt::Key_Control) : int(sequence[0].key());
  Qt::KeyboardModifiers modifiers = sequence[0].keyboardModifiers();
  if (key == Qt::Key_Enter) modifiers |= Qt::KeypadModifier;  // Enter is the keypad's
  *stroke = {key, modifiers, TextOf(key, modifiers)};
  return true;
}

}  // namespace driver
