#include "platform/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QVariant>
#include <algorithm>
#include <vector>

#include "platform/Controls.h"
#include "platform/Messages.h"
#include "platform/Panel.h"

namespace platform {

QString PlainCaption(const QString& caption) {
  QString text = Qt::mightBeRichText(caption)
                     ? QTextDocumentFragment::fromHtml(caption).toPlainText()
                     : caption;
  // "&&" is a literal ampersand, a single one marks the accelerator.
  text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
  text.remove(u'&');
  text.replace(u'\x01', u'&');
  return text.simplified();
}

namespace {

// What a label shows, as a screen reader should read it: a label that shows its text as it is
// (markup and all, such as a name from a user's file) is read as it is too.
QString LabelCaption(const QLabel* label) {
  if (label->textFormat() != Qt::PlainText || !Qt::mightBeRichText(label->text()))
    return PlainCaption(label->text());
  return label->text().simplified();
}

QRect InWindow(const QWidget* widget, const QWidget* window) {
  return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

bool ShownIn(const QWidget* widget, const QWidget* window) {
  return !widget->isHidden() && widget->isVisibleTo(window);
}

// An edit inside a drop-down or a spin box belongs to that control, which is named instead;
// so does a table's cell editor or a scroll bar.
bool IsPartOfAnother(const QWidget* widget) {
  if (qobject_cast<const QScrollBar*>(widget)) return true;
  for (const QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
    if (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent) ||
        qobject_cast<const QAbstractItemView*>(parent))
      return true;
    if (parent->isWindow()) break;
  }
  return false;
}

// The controls that a label names: edits, drop-downs, spin boxes, sliders, lists, tables and
// text boxes.
bool IsField(const QWidget* widget) {
  return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
         qobject_cast<const QAbstractSpinBox*>(widget) ||
         qobject_cast<const QAbstractSlider*>(widget) ||
         qobject_cast<const QAbstractItemView*>(widget) ||
         qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget);
}

// The caption of the tab whose page holds the widget, or empty.
QString TabCaption(const QWidget* widget, const QWidget* window) {
  for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
    const QWidget* stack = w->parentWidget();
    if (!qobject_cast<const QStackedWidget*>(stack)) continue;
    if (const auto* tabs = qobject_cast<const QTabWidget*>(stack->parentWidget())) {
      const int index = tabs->indexOf(const_cast<QWidget*>(w));
      if (index >= 0) return PlainCaption(tabs->tabText(index));
    }
  }
  return {};
}

// Gives the drop-down the face that reads its name as its label's (defined below).
void UseComboFace(QComboBox* box);

struct Placed {
  const QLabel* label;
  QRect rect;
};

// A label just at the left of a field on its line, which it names, is nobody else's caption.
bool OnAFieldsLine(const Placed& label, const std::vector<QRect>& fields) {
  return std::any_of(fields.begin(), fields.end(), [&](const QRect& field) {
    return label.rect.bottom() >= field.top() && label.rect.top() <= field.bottom() &&
           label.rect.right() <= field.left() + 2 && field.left() - label.rect.right() <= 40;
  });
}

// The labels on the control's line at its left, from the nearest other control on that line
// to the control itself, read left to right (a caption may come in pieces, such as a raised
// exponent); else the nearest label above it that overlaps it across.
QString NameFromLabels(const QRect& control, const std::vector<Placed>& labels,
                       const std::vector<QRect>& others, const std::vector<QRect>& labelled) {
  int fence = -1;  // the right edge of the nearest other control at the left on this line
  for (const QRect& other : others) {
    if (other == control || other.bottom() < control.top() || other.top() > control.bottom())
      continue;
    if (other.right() <= control.left()) fence = std::max(fence, other.right());
  }
  std::vector<Placed> line;
  std::vector<Placed> units;
  for (const Placed& p : labels) {
    const bool overlapsLine =
        p.rect.bottom() >= control.top() - 4 && p.rect.top() <= control.bottom();
    if (!overlapsLine || p.rect.right() > control.left() + 2 || p.rect.left() < fence) continue;
    // A label just at the right of another control may be that control's unit ("[ºC]"):
    // a caption above this one wins over it.
    const bool unitOfAnother = std::any_of(others.begin(), others.end(), [&](const QRect& o) {
      return o != control && o.bottom() >= p.rect.top() && o.top() <= p.rect.bottom() &&
             p.rect.left() >= o.right() && p.rect.left() - o.right() <= 8;
    });
    (unitOfAnother ? units : line).push_back(p);
  }
  auto joined = [](std::vector<Placed> pieces) {
    std::sort(pieces.begin(), pieces.end(),
              [](const Placed& a, const Placed& b) { return a.rect.left() < b.rect.left(); });
    QString name;
    for (const Placed& p : pieces) name += LabelCaption(p.label);
    return name;
  };
  if (!line.empty()) return joined(line);

  const Placed* above = nullptr;
  for (const Placed& p : labels) {
    const bool across = p.rect.right() >= control.left() && p.rect.left() <= control.right();
    if (!across || p.rect.bottom() > control.top() + 2 || control.top() - p.rect.bottom() > 40)
      continue;
    if (OnAFieldsLine(p, labelled)) continue;
    if (!above || p.rect.bottom() > above->rect.bottom()) above = &p;
  }
  return above ? LabelCaption(above->label) : joined(units);
}

// The caption of the framed group that holds the control: a group box's title, or the
// label standing at the top of the smallest frame around it ("Lado A:", " SI ").
QString GroupCaption(const QRect& control, QWidget* window, const std::vector<Placed>& labels,
                     const std::vector<QRect>& fields) {
  const QWidget* group = nullptr;
  QRect groupRect;
  for (QWidget* frame : window->findChildren<QWidget*>()) {
    if (!qobject_cast<TBevel*>(frame) && !qobject_cast<QGroupBox*>(frame)) continue;
    if (!ShownIn(frame, window)) continue;
    const QRect rect = InWindow(frame, window);
    if (!rect.contains(control) || rect == control) continue;
    if (!group || groupRect.contains(rect)) {
      group = frame;
      groupRect = rect;
    }
  }
  if (!group) return {};
  if (const auto* box = qobject_cast<const QGroupBox*>(group); box && !box->title().isEmpty())
    return PlainCaption(box->title());
  const Placed* top = nullptr;
  for (const Placed& p : labels) {
    if (p.rect.top() < groupRect.top() - 24 || p.rect.top() > groupRect.top() + 16) continue;
    if (p.rect.left() < groupRect.left() - 4 || p.rect.left() > groupRect.right()) continue;
    if (OnAFieldsLine(p, fields)) continue;
    if (!top || p.rect.top() < top->rect.top()) top = &p;
  }
  return top ? LabelCaption(top->label) : QString();
}

// Controls that would share a name take the caption of their framed group before it: the
// sections of side A and side B of a mesh are "Lado A: Sección" and "Lado B: Sección". Those
// still alike within a group take the name of the nearest control above them that no other
// control shares, whose part they are: "EE.UU. galón líquidos [gal]: pinta [pt]".
void TellApart(const std::vector<std::size_t>& same, QWidget* window,
               const std::vector<QWidget*>& fields, const std::vector<QRect>& rects,
               const std::vector<Placed>& labels, const QMap<QWidget*, QString>& before,
               QMap<QWidget*, QString>& names) {
  QMap<QString, std::vector<std::size_t>> byGroup;
  for (std::size_t i : same) byGroup[GroupCaption(rects[i], window, labels, rects)].push_back(i);
  QMap<QString, int> uses;
  for (const QString& name : before) ++uses[name];
  for (auto group = byGroup.cbegin(); group != byGroup.cend(); ++group) {
    const QString prefix = group.key().isEmpty() ? QString() : group.key() + u' ';
    for (std::size_t i : *group) {
      QString owner;
      if (group->size() > 1) {
        QRect ownerRect;
        for (std::size_t j = 0; j < fields.size(); ++j) {
          const QRect& r = rects[j];
          if (j == i || r.bottom() > rects[i].top() || r.right() < rects[i].left() ||
              r.left() > rects[i].right())
            continue;
          const QString name = before.value(fields[j], fields[j]->accessibleName());
          if (name.isEmpty() || uses.value(name) > 1) continue;
          if (owner.isEmpty() || r.bottom() > ownerRect.bottom()) {
            owner = name;
            ownerRect = r;
          }
        }
      }
      const QString base = before.value(fields[i]);
      if (!owner.isEmpty())
        owner += owner.endsWith(u':') ? QStringLiteral(" ") : QStringLiteral(": ");
      names[fields[i]] = prefix + owner + base;
    }
  }
}

}  // namespace

void NameControlsForAccessibility(QWidget* window) {
  std::vector<Placed> labels;
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (!ShownIn(label, window) || LabelCaption(label).isEmpty()) continue;
    labels.push_back({label, InWindow(label, window)});
  }
  std::vector<QWidget*> fields;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->window() != window || !ShownIn(widget, window) || IsPartOfAnother(widget)) continue;
    if (IsField(widget)) fields.push_back(widget);
  }
  std::vector<QRect> rects;
  std::vector<QRect> labelled;  // the fields that their labels name
  for (QWidget* field : fields) {
    rects.push_back(InWindow(field, window));
    if (field->accessibleName().isEmpty()) labelled.push_back(rects.back());
  }

  QMap<QWidget*, QString> names;
  QMap<QString, std::vector<std::size_t>> byName;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    QWidget* field = fields[i];
    if (!field->accessibleName().isEmpty()) continue;
    QString name;
    const QObject* labelledBy = field->property(kLabelledBy).value<QObject*>();
    for (const Placed& p : labels) {
      if (p.label->buddy() == field || labelledBy == p.label) name = LabelCaption(p.label);
    }
    // A table is read under its tab's or its window's caption.
    if (name.isEmpty() && qobject_cast<QTableView*>(field)) {
      name = TabCaption(field, window);
      if (name.isEmpty()) name = PlainCaption(window->windowTitle());
    }
    if (name.isEmpty()) name = NameFromLabels(rects[i], labels, rects, labelled);
    if (name.isEmpty()) name = PlainCaption(field->toolTip());
    if (name.isEmpty()) continue;
    names[field] = name;
    byName[name].push_back(i);
  }
  const QMap<QWidget*, QString> before = names;
  for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
    if (it->size() > 1) TellApart(*it, window, fields, rects, labels, before, names);
  }
  for (auto it = names.cbegin(); it != names.cend(); ++it) {
    it.key()->setAccessibleName(*it);
    // A drop-down that can be typed into is read through its edit too.
    if (auto* box = qobject_cast<QComboBox*>(it.key())) {
      UseComboFace(box);
      if (QLineEdit* edit = box->lineEdit(); edit && edit->accessibleName().isEmpty())
        edit->setAccessibleName(*it);
    }
  }

  // A tab control passes the focus to its tabs; it is read under its page's or window's name.
  for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
    if (!tabs->accessibleName().isEmpty() || !ShownIn(tabs, window)) continue;
    QString name = TabCaption(tabs->parentWidget(), window);
    if (name.isEmpty()) name = PlainCaption(window->windowTitle());
    tabs->setAccessibleName(name);
  }

  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (!button->accessibleName().isEmpty()) continue;
    QString name = PlainCaption(button->text());
    if (name.isEmpty()) name = PlainCaption(button->toolTip());
    if (!name.isEmpty() && name != button->text()) button->setAccessibleName(name);
  }
}

void SetCellHeadings(QWidget* cell, const QString& row, const QString& column) {
  cell->setProperty("rowHeading", row);
  cell->setProperty("columnHeading", column);
}

namespace {

constexpr const char* kLink = "actsAsLink";

// A panel is read by its caption, which the program changes at will, and a cell of a table
// of panels by its headings too.
class PanelFace : public QAccessibleWidget {
 public:
  explicit PanelFace(TPanel* panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
    const auto* panel = static_cast<const TPanel*>(widget());
    const QString row = panel->property("rowHeading").toString();
    const QString column = panel->property("columnHeading").toString();
    QString caption = PlainCaption(panel->Caption());
    // An empty cell of a table is read as one.
    if (caption.isEmpty() && (!row.isEmpty() || !column.isEmpty()))
      //: how a screen reader names an empty cell of a table ("celda vacía")
      caption = QCoreApplication::translate("Platform", "vacía");
    QStringList parts;
    for (const QString& part : {caption, row, column}) {
      if (!part.isEmpty() && !parts.contains(part)) parts << part;
    }
    // A panel that holds labels (a heading in two lines) reads them.
    if (parts.isEmpty()) {
      for (const QLabel* label : panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!label->isHidden()) parts << LabelCaption(label);
    }
    return parts.join(QStringLiteral(", "));
  }
};

// A label made a link: its caption, the link role and the press action of a click.
class LinkFace : public QAccessibleWidget {
 public:
  explicit LinkFace(TLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return PlainCaption(static_cast<const TLabel*>(widget())->Caption());
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action != pressAction()) return;
    auto* label = static_cast<TLabel*>(widget());
    if (label->OnClick) platform::Guard([label] { label->OnClick(); });
  }
};

// A drop-down read by its label, as its name says, and by its choice as its value: on Linux
// Qt's own reads the choice as the name too, so that every drop-down of a window sounds
// alike ("10").
class ComboFace : public QAccessibleWidget {
 public:
  explicit ComboFace(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    const auto* box = static_cast<const QComboBox*>(widget());
    if (t == QAccessible::Value) return box->currentText();
    if (t == QAccessible::Name && box->accessibleName().isEmpty()) return box->currentText();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    return {QAccessibleActionInterface::showMenuAction(),
            QAccessibleActionInterface::pressAction()};
  }
  void doAction(const QString& action) override {
    if (action == QAccessibleActionInterface::showMenuAction() ||
        action == QAccessibleActionInterface::pressAction())
      static_cast<QComboBox*>(widget())->showPopup();
  }
};

void UseComboFace(QComboBox* box) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
  if (face && !dynamic_cast<ComboFace*>(face)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
  }
}

QAccessibleInterface* Faces(const QString& className, QObject* object) {
  if (className == QLatin1String("TComboBox")) {
    if (auto* box = qobject_cast<QComboBox*>(object)) return new ComboFace(box);
  }
  if (className == QLatin1String("TPanel")) {
    if (auto* panel = qobject_cast<TPanel*>(object)) return new PanelFace(panel);
  }
  if (className == QLatin1String("TLabel")) {
    auto* label = qobject_cast<TLabel*>(object);
    if (label && label->property(kLink).toBool()) return new LinkFace(label);
  }
  return nullptr;
}

// Enter and Space run a link's click; its focus is drawn round its caption.
class LinkKeeper : public QObject {
 public:
  explicit LinkKeeper(TLabel* label) : QObject(label), label_(label) {
    label->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != label_) return false;
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool press = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                         key->key() == Qt::Key_Space;
      const auto mods = key->modifiers() & ~Qt::KeypadModifier;
      if (press && mods == Qt::NoModifier && !key->isAutoRepeat()) {
        if (label_->OnClick) platform::Guard([this] { label_->OnClick(); });
        return true;
      }
      return false;
    }
    if (event->type() == QEvent::Paint && label_->hasFocus()) {
      static_cast<QObject*>(label_)->event(event);
      QPainter painter(label_);
      QPen pen(label_->palette().color(QPalette::Highlight));
      pen.setStyle(Qt::DotLine);
      painter.setPen(pen);
      painter.drawRect(label_->rect().adjusted(0, 0, -1, -1));
      return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) label_->update();
    return false;
  }

 private:
  TLabel* label_;
};

}  // namespace

void MakeLink(TLabel* label) {
  InstallAccessibleFaces();
  label->setProperty(kLink, true);
  label->setFocusPolicy(Qt::TabFocus);
  // The face that the label got while it was being made is a plain label's: it goes, and the
  // next request makes a link's.
  if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
  new LinkKeeper(label);
}

void InstallAccessibleFaces() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Faces);
}

}  // namespace platform
