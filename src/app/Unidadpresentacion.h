#pragma once
// The main window: the welcome screen and the menu of every tool window.

#include <QMainWindow>

class TFormPrincipal : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFormPrincipal(QWidget* parent = nullptr);
};
