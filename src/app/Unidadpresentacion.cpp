#include "app/Unidadpresentacion.h"

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <memory>

#include "app/Catalogue.h"
#include "platform/Form.h"
#include "platform/Messages.h"

TFormPrincipal::TFormPrincipal(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FormPrincipal"));
  setWindowTitle(QStringLiteral(" - Tarvel - Unidades de pesas y medidas"));
  resize(546, 363);
  BuildMenu();
}

void TFormPrincipal::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("Menu"));
  QHash<QString, QMenu*> menus;
  for (int i = 0; i < kMenuRowCount; ++i) {
    const MenuRow& row = kMenu[i];
    QMenu* parent = menus.value(QString::fromUtf8(row.parent));
    const QString caption = QString::fromUtf8(row.caption);
    if (row.separatorName && parent) {
      parent->addSeparator()->setObjectName(QString::fromUtf8(row.separatorName));
    }
    QAction* action = nullptr;
    if (row.kind == MenuRow::SubMenu) {
      auto* menu = parent ? parent->addMenu(caption) : bar->addMenu(caption);
      menu->setObjectName(QString::fromUtf8(row.item));
      menus.insert(menu->objectName(), menu);
      action = menu->menuAction();
    } else {
      action = parent ? parent->addAction(caption) : bar->addAction(caption);
      action->setEnabled(row.opens || row.handler);
      connect(action, &QAction::triggered, this,
              [this, &row] { platform::Guard([&] { RunMenuRow(row); }); });
    }
    action->setObjectName(QString::fromUtf8(row.item));
  }
}

QAction* TFormPrincipal::MenuItem(const QString& name) const {
  for (QAction* action : menuBar()->findChildren<QAction*>()) {
    if (action->objectName() == name) return action;
  }
  return nullptr;
}

void TFormPrincipal::RunMenuRow(const MenuRow& row) {
  if (row.handler) {
    (this->*row.handler)();
    return;
  }
  if (!row.opens) return;
  const std::unique_ptr<TForm> form(row.opens(this));
  form->ShowModal();
}

void TFormPrincipal::Salir1Click() { close(); }
void TFormPrincipal::Calculadora1Click() {}
void TFormPrincipal::Conversoronline1Click() {}
void TFormPrincipal::Cmopersonalizar1Click() {}
void TFormPrincipal::Lame1Click() {}
void TFormPrincipal::Acercade2Click() {}
