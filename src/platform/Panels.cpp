#include "platform/Panels.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "platform/Messages.h"
#include "platform/Readable.h"

TGroupBox::TGroupBox(QWidget* parent, const QString& name, const QString& caption)
    : QGroupBox(caption, parent) {
  setObjectName(name);
}

void TGroupBox::SetBold(bool bold) {
  // A style sheet on the title alone: a font set on the box would pass to its children.
  setStyleSheet(bold ? QStringLiteral("QGroupBox { font-weight: bold; }") : QString());
}

namespace {

// The radio buttons of one group: those of the same parent, in the order of their creation.
std::vector<TRadioButton*> GroupOf(const QWidget* button) {
  std::vector<TRadioButton*> group;
  if (!button->parentWidget()) return group;
  for (QObject* child : button->parentWidget()->children()) {
    if (auto* b = qobject_cast<TRadioButton*>(child); b && b->autoExclusive()) group.push_back(b);
  }
  return group;
}

// Only the checked button of a group takes the focus from Tab; a group with none checked
// (or with its checked one disabled) is crossed button by button.
void UpdateGroupTabStops(const QWidget* button) {
  const std::vector<TRadioButton*> group = GroupOf(button);
  const bool chosen = std::any_of(group.begin(), group.end(), [](const TRadioButton* b) {
    return b->isChecked() && b->isEnabled();
  });
  for (TRadioButton* b : group) {
    b->setFocusPolicy(!chosen || b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

}  // namespace

TRadioButton::TRadioButton(QWidget* parent, const QString& name, const QString& caption,
                           bool checked)
    : QRadioButton(caption, parent) {
  setObjectName(name);
  setChecked(checked);
  connect(this, &QRadioButton::clicked, this, [this] {
    if (OnClick) platform::Guard([this] { OnClick(); });
  });
  connect(this, &QRadioButton::toggled, this, [this] { UpdateGroupTabStops(this); });
  UpdateGroupTabStops(this);
}

void TRadioButton::keyPressEvent(QKeyEvent* event) {
  int step = 0;
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Down:
    case Qt::Key_Right: step = 1; break;
    default: break;
  }
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (step == 0 || mods != Qt::NoModifier) {
    QRadioButton::keyPressEvent(event);
    return;
  }
  event->accept();
  std::vector<TRadioButton*> group;
  for (TRadioButton* b : GroupOf(this)) {
    if (b == this || (b->isEnabled() && b->isVisibleTo(window()))) group.push_back(b);
  }
  const auto at = std::find(group.begin(), group.end(), this) - group.begin();
  const auto count = static_cast<std::ptrdiff_t>(group.size());
  TRadioButton* next = group[static_cast<std::size_t>((at + step + count) % count)];
  if (next == this) return;
  next->setFocus(Qt::OtherFocusReason);
  if (!next->isChecked()) next->click();
}

namespace platform {

QColor WindowColor() { return QApplication::palette().color(QPalette::Active, QPalette::Base); }

QColor ButtonFaceColor() {
  return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

void SetColor(QWidget* control, const QColor& color) {
  QPalette p = control->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, control->backgroundRole(), color);
  }
  control->setPalette(p);
  FitColors(control);
}

namespace {

const QString kKeeperName = QStringLiteral("qt_anchors");

// Watches one parent's resizes and moves its anchored controls.
class AnchorKeeper : public QObject {
 public:
  explicit AnchorKeeper(QWidget* parent) : QObject(parent), parent_(parent) {
    setObjectName(kKeeperName);
    parent->installEventFilter(this);
  }
  void Add(QWidget* control, int anchors) {
    for (Entry& e : entries_) {
      if (e.control == control) {
        e = {control, anchors, control->geometry(), parent_->size()};
        return;
      }
    }
    entries_.push_back({control, anchors, control->geometry(), parent_->size()});
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parent_ && event->type() == QEvent::Resize) {
      const QSize now = static_cast<QResizeEvent*>(event)->size();
      for (const Entry& e : entries_) Place(e, now);
    }
    return false;
  }

 private:
  struct Entry {
    QPointer<QWidget> control;
    int anchors;
    QRect designed;    // its geometry when it was anchored
    QSize parentSize;  // its parent's size then
  };

  static void Place(const Entry& e, QSize now) {
    if (!e.control) return;
    QRect r = e.designed;
    const int dx = now.width() - e.parentSize.width();
    const int dy = now.height() - e.parentSize.height();
    if (e.anchors & akRight) {
      if (e.anchors & akLeft) {
        r.setWidth(std::max(0, r.width() + dx));
      } else {
        r.moveLeft(r.left() + dx);
      }
    }
    if (e.anchors & akBottom) {
      if (e.anchors & akTop) {
        r.setHeight(std::max(0, r.height() + dy));
      } else {
        r.moveTop(r.top() + dy);
      }
    }
    e.control->setGeometry(r);
  }

  QWidget* parent_;
  std::vector<Entry> entries_;
};

}  // namespace

void SetAnchors(QWidget* control, int anchors) {
  QWidget* parent = control->parentWidget();
  if (!parent) return;
  // The keeper has no meta-object of its own: it is found by its name.
  QObject* found = parent->findChild<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly);
  auto* keeper = found ? static_cast<AnchorKeeper*>(found) : new AnchorKeeper(parent);
  keeper->Add(control, anchors);
}

}  // namespace platform
