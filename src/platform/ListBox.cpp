#include "platform/ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/Messages.h"

TListBox::TListBox(QWidget* parent, const QString& name, const QStringList& items)
    : QListWidget(parent) {
  setObjectName(name);
  addItems(items);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QString TListBox::SelectedText() const {
  const QListWidgetItem* item = currentItem();
  return item ? item->text() : QString();
}

void TListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint())) Clicked();
}

void TListBox::keyPressEvent(QKeyEvent* event) {
  const int before = currentRow();
  QListWidget::keyPressEvent(event);
  if (currentRow() != before) Clicked();
}

void TListBox::Clicked() {
  if (OnClick) platform::Guard([this] { OnClick(); });
}
