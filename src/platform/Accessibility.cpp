#include "platform/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocumentFragment>
#include <QVariant>
#include <algorithm>
#include <vector>

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

QRect InWindow(const QWidget* widget, const QWidget* window) {
  return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

bool ShownIn(const QWidget* widget, const QWidget* window) {
  return !widget->isHidden() && widget->isVisibleTo(window);
}

// An edit inside a list or a spin box belongs to that control, which is named instead.
bool IsPartOfAnother(const QWidget* widget) {
  const QWidget* parent = widget->parentWidget();
  return parent && (qobject_cast<const QComboBox*>(parent) ||
                    qobject_cast<const QAbstractSpinBox*>(parent));
}

struct Placed {
  const QLabel* label;
  QRect rect;
};

// The labels on the control's line at its left, from the nearest other control on that line
// to the control itself, read left to right (a caption may come in pieces, such as a raised
// exponent); else the nearest label above it that overlaps it across.
QString NameFromLabels(const QRect& control, const std::vector<Placed>& labels,
                       const std::vector<QRect>& others) {
  int fence = -1;  // the right edge of the nearest other control at the left on this line
  for (const QRect& other : others) {
    if (other == control || other.bottom() < control.top() || other.top() > control.bottom())
      continue;
    if (other.right() <= control.left()) fence = std::max(fence, other.right());
  }
  std::vector<Placed> line;
  for (const Placed& p : labels) {
    const bool overlapsLine = p.rect.bottom() >= control.top() - 4 && p.rect.top() <= control.bottom();
    if (overlapsLine && p.rect.right() <= control.left() + 2 && p.rect.left() >= fence)
      line.push_back(p);
  }
  std::sort(line.begin(), line.end(),
            [](const Placed& a, const Placed& b) { return a.rect.left() < b.rect.left(); });
  QString name;
  for (const Placed& p : line) name += PlainCaption(p.label->text());
  if (!name.isEmpty()) return name;

  const Placed* above = nullptr;
  for (const Placed& p : labels) {
    const bool across = p.rect.right() >= control.left() && p.rect.left() <= control.right();
    if (!across || p.rect.bottom() > control.top() + 2 || control.top() - p.rect.bottom() > 40)
      continue;
    if (!above || p.rect.bottom() > above->rect.bottom()) above = &p;
  }
  return above ? PlainCaption(above->label->text()) : QString();
}

}  // namespace

void NameControlsForAccessibility(QWidget* window) {
  std::vector<Placed> labels;
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (!ShownIn(label, window) || PlainCaption(label->text()).isEmpty()) continue;
    labels.push_back({label, InWindow(label, window)});
  }
  std::vector<QWidget*> fields;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!ShownIn(widget, window) || IsPartOfAnother(widget)) continue;
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
        qobject_cast<QAbstractSpinBox*>(widget))
      fields.push_back(widget);
  }
  std::vector<QRect> rects;
  for (QWidget* field : fields) rects.push_back(InWindow(field, window));

  for (std::size_t i = 0; i < fields.size(); ++i) {
    QWidget* field = fields[i];
    if (!field->accessibleName().isEmpty()) continue;
    QString name;
    for (const Placed& p : labels) {
      if (p.label->buddy() == field ||
          field->property(kLabelledBy).value<QObject*>() == p.label)
        name = PlainCaption(p.label->text());
    }
    if (name.isEmpty()) name = NameFromLabels(rects[i], labels, rects);
    if (name.isEmpty()) name = PlainCaption(field->toolTip());
    if (!name.isEmpty()) field->setAccessibleName(name);
  }

  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (!button->accessibleName().isEmpty()) continue;
    QString name = PlainCaption(button->text());
    if (name.isEmpty()) name = PlainCaption(button->toolTip());
    if (!name.isEmpty() && name != button->text()) button->setAccessibleName(name);
  }
}

}  // namespace platform
