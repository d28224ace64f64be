#pragma once
// The tab control of the form library: a page control whose pages (tab sheets) carry their
// designed names. A sheet's OnShow runs every time it comes into view: when its tab is
// chosen, and when the page that holds it is shown again with it as the current sheet.

#include <QTabWidget>
#include <functional>

class TTabSheet : public QWidget {
  Q_OBJECT

 public:
  TTabSheet(QWidget* parent, const QString& name);
  std::function<void()> OnShow;

 protected:
  void showEvent(QShowEvent* event) override;
};

class TPageControl : public QTabWidget {
  Q_OBJECT

 public:
  TPageControl(QWidget* parent, const QString& name);

  TTabSheet* AddSheet(const QString& name, const QString& caption);
  // Every tab this wide (0: as wide as its caption).
  void SetTabWidth(int width);
  TTabSheet* ActivePage() const { return qobject_cast<TTabSheet*>(currentWidget()); }
  void SetActivePage(TTabSheet* sheet) { setCurrentWidget(sheet); }
};
