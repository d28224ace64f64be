#include "app/LanguageMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "app/Language.h"
#include "platform/Messages.h"

namespace {

// The item of each choice, the desktop's languages first.
constexpr struct {
  const char* item;
  const char* code;
} kItems[] = {{"Delsistema1", ""}, {"Espanol1", "es"}, {"English1", "en"}, {"Catala1", "ca"}};

void Check(QMenu* menu, const QString& choice) {
  for (const auto& item : kItems) {
    if (choice != QLatin1String(item.code)) continue;
    if (auto* action = menu->findChild<QAction*>(QLatin1String(item.item))) {
      action->setChecked(true);
    }
  }
}

}  // namespace

void MarkLanguageItems(QMenu* menu) {
  auto* group = new QActionGroup(menu);
  for (const auto& item : kItems) {
    if (auto* action = menu->findChild<QAction*>(QLatin1String(item.item))) {
      action->setCheckable(true);
      group->addAction(action);
    }
  }
  Check(menu, language::Chosen());
}

void ChooseLanguage(QMenu* menu, const QString& choice) {
  const QString reason = language::SaveChoice(choice);
  language::Apply(language::Resolve(choice));
  Check(menu, choice);
  if (!reason.isEmpty()) {
    platform::ShowMessage(
        QCoreApplication::translate("LanguageMenu", "No se pudo guardar el idioma elegido: %1")
            .arg(reason));
  }
}
