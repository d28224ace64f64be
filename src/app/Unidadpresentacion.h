#pragma once
// The main window: the welcome screen and the menu of every tool window.

#include <QMainWindow>

class QAction;
struct MenuRow;

class TFormPrincipal : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFormPrincipal(QWidget* parent = nullptr);

  // The menu's item (a command or a sub-menu's action) of that name, or null.
  QAction* MenuItem(const QString& name) const;

  // The main window's own commands.
  void Salir1Click();
  void Calculadora1Click();
  void Conversoronline1Click();
  void Cmopersonalizar1Click();
  void Lame1Click();
  void Acercade2Click();

 private:
  void BuildMenu();
  // A command of the catalogue: opens its window (a new instance owned by this window,
  // modal, destroyed when it closes) or runs this window's handler.
  void RunMenuRow(const MenuRow& row);
};
