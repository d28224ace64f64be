#include "platform/Pages.h"

#include <QShowEvent>
#include <QTabBar>

#include "platform/Accessibility.h"
#include "platform/Messages.h"

namespace {

class FixedWidthTabBar : public QTabBar {
 public:
  explicit FixedWidthTabBar(QWidget* parent) : QTabBar(parent) {}
  int width = 0;

 protected:
  QSize tabSizeHint(int index) const override {
    QSize size = QTabBar::tabSizeHint(index);
    if (width > 0) size.setWidth(width);
    return size;
  }
  QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

}  // namespace

TTabSheet::TTabSheet(QWidget* parent, const QString& name) : QWidget(parent) {
  setObjectName(name);
}

void TTabSheet::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The controls of a page are named for assistive technology when they come into view.
  if (window()->isVisible()) platform::NameControlsForAccessibility(window());
  // The window system's own show events (a window restored) do not bring a page into view.
  if (event->spontaneous() || !OnShow) return;
  platform::Guard([this] { OnShow(); });
}

TPageControl::TPageControl(QWidget* parent, const QString& name) : QTabWidget(parent) {
  setObjectName(name);
  auto* bar = new FixedWidthTabBar(this);
  bar->setExpanding(false);
  bar->setElideMode(Qt::ElideNone);
  setTabBar(bar);
  setUsesScrollButtons(false);
}

TTabSheet* TPageControl::AddSheet(const QString& name, const QString& caption) {
  auto* sheet = new TTabSheet(this, name);
  addTab(sheet, caption);
  return sheet;
}

void TPageControl::SetTabWidth(int width) {
  static_cast<FixedWidthTabBar*>(tabBar())->width = width;
  tabBar()->updateGeometry();
  update();
}
