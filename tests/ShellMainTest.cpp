// The main window: its menu against the catalogue, the welcome screen's links and boxes,
// Escape, the calculator, the tray and the minimise question with its flag file, the help
// files in the private temporary folder, and a converter opened twice.
#include <sys/stat.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include "ShellSupport.h"
#include "app/Addresses.h"
#include "app/Catalogue.h"
#include "app/HelpTexts.h"
#include "app/Unidadpresentacion.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Input.h"

namespace {

using platform::Answer;

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(content);
}

int Mode(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

class ShellMain : public ShellFixture {
 protected:
  void Open() {
    window = std::make_unique<TFormPrincipal>();
    user::Show(window.get());
  }
  TLabel* L(const char* name) const { return window->findChild<TLabel*>(QLatin1String(name)); }
  void Minimise() {
    window->showMinimized();
    user::Settle();
  }
  QString FlagFile() const { return ConfigDir() + QStringLiteral("/Tarvel_Tray1.txt"); }
  void TearDown() override {
    window.reset();
    ShellFixture::TearDown();
  }

  std::unique_ptr<TFormPrincipal> window;
};

TEST_F(ShellMain, MenuFollowsTheCatalogueRowByRow) {
  Open();
  // Every sub-menu's entries in catalogue order, separators in their place.
  QHash<QString, QStringList> expected;
  for (int i = 0; i < kMenuRowCount; ++i) {
    const MenuRow& row = kMenu[i];
    QStringList& entries = expected[QString::fromUtf8(row.parent)];
    if (row.separatorName) entries << QString::fromUtf8(row.separatorName);
    entries << QString::fromUtf8(row.item);
    QAction* action = window->MenuItem(QString::fromUtf8(row.item));
    ASSERT_NE(action, nullptr) << row.item;
    EXPECT_EQ(action->text(), QString::fromUtf8(row.caption)) << row.item;
    if (row.kind == MenuRow::Command && action->isVisible()) {
      EXPECT_EQ(action->isEnabled(), row.opens != nullptr || row.handler != nullptr) << row.item;
    }
  }
  QStringList top;
  for (QAction* action : window->menuBar()->actions()) top << action->objectName();
  EXPECT_EQ(top, expected.value(QString()));
  EXPECT_EQ(top,
            (QStringList{"Archivo1", "Otros1", "Divisasonline1", "Calculadora1", "Acercade1"}));
  for (QMenu* menu : window->menuBar()->findChildren<QMenu*>()) {
    if (menu == window->PopupMenu() || menu->objectName().isEmpty()) continue;
    QStringList entries;
    for (QAction* action : menu->actions()) entries << action->objectName();
    EXPECT_EQ(entries, expected.value(menu->objectName())) << menu->objectName().toStdString();
  }
  EXPECT_EQ(window->MenuItem(QStringLiteral("Divisasonline1"))->text(),
            QStringLiteral("Divisas  "));
  EXPECT_EQ(window->MenuItem(QStringLiteral("Calculadora1"))->toolTip(),
            QStringLiteral("Calculadora de WIndows"));
}

TEST_F(ShellMain, WelcomeScreenAsDesigned) {
  Open();
  EXPECT_EQ(window->windowTitle(), QStringLiteral(" - Tarvel - Unidades de pesas y medidas"));
  EXPECT_EQ(window->centralWidget()->size(), QSize(546, 363));
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(L("Label1")->text(),
            QStringLiteral("Programa \"de cortesía\" para obsequiar a sus clientes!"));
  EXPECT_EQ(L("Label7")->text(), QStringLiteral("página en Internet"));
  auto* exit = window->findChild<TBitBtn*>(QStringLiteral("BitBtn1"));
  ASSERT_NE(exit, nullptr);
  EXPECT_EQ(exit->text(), QStringLiteral("&Salir"));
  EXPECT_EQ(exit->size(), QSize(56, 25));
  // Nothing is clipped: every label fits inside the window, and its text in the label.
  for (TLabel* label : window->centralWidget()->findChildren<TLabel*>()) {
    EXPECT_TRUE(window->centralWidget()->rect().contains(label->geometry()))
        << label->objectName().toStdString();
    if (!label->wordWrap()) {
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
    }
  }
}

TEST_F(ShellMain, BulletLabelsAndTheProductLink) {
  Open();
  platform::SendMouseClick(L("Label4"));
  platform::SendMouseClick(L("Label3"));
  platform::SendMouseClick(L("Label2"));
  platform::SendMouseClick(L("Label7"));
  ASSERT_EQ(host.boxes.size(), 3u);
  EXPECT_EQ(host.boxes[0].box.caption, QStringLiteral("Sitio Web"));
  EXPECT_EQ(
      host.boxes[0].box.text,
      QStringLiteral("Con un clic aquí, miles de clientes visitarán vuestro sitio en Internet!"));
  EXPECT_EQ(host.boxes[1].box.caption, QStringLiteral("e-mail"));
  EXPECT_TRUE(
      host.boxes[1].box.text.startsWith(QStringLiteral("Un clic aquí, y vuestros clientes")));
  EXPECT_EQ(host.boxes[2].box.caption, QStringLiteral("Nada"));
  EXPECT_EQ(host.boxes[2].box.text, QStringLiteral("No, un clic aquí no hará nada."));
  for (const auto& record : host.boxes) {
    EXPECT_EQ(record.box.icon, platform::Icon::None);
    EXPECT_EQ(record.box.owner, window.get());
  }
  EXPECT_EQ(host.shellTargets, std::vector<QString>{QString::fromUtf8(kProductPage)});
}

TEST_F(ShellMain, ProductLinkTurnsRedUnderTheMouseAndBlueOffIt) {
  Open();
  TLabel* link = L("Label7");
  platform::SendMouseMove(link);
  EXPECT_EQ(link->FontColor(), QColor(255, 0, 0));
  EXPECT_TRUE(link->font().bold() && link->font().underline());
  platform::SendMouseMove(window->centralWidget(), QPoint(5, 290));
  EXPECT_EQ(link->FontColor(), QColor(0, 0, 255));
  EXPECT_TRUE(link->font().bold() && link->font().underline());
}

TEST_F(ShellMain, EscapeAndSalirEndTheProgram) {
  Open();
  int closed = 0;
  QObject::connect(window.get(), &TFormPrincipal::Closed, [&] { ++closed; });
  user::Key(window.get(), Qt::Key_Escape);
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(host.boxes.empty());

  Open();
  int again = 0;
  QObject::connect(window.get(), &TFormPrincipal::Closed, [&] { ++again; });
  window->MenuItem(QStringLiteral("Salir1"))->trigger();
  EXPECT_EQ(again, 1);
}

TEST_F(ShellMain, CalculatorHiddenWithoutOneRaisedWhenRunningStartedOtherwise) {
  Open();
  EXPECT_FALSE(window->MenuItem(QStringLiteral("Calculadora1"))->isVisible());
  EXPECT_FALSE(
      window->PopupMenu()->findChild<QAction*>(QStringLiteral("Calculadora2"))->isVisible());
  window->RunCalculator();
  EXPECT_TRUE(host.programs.empty());

  host.programsOnPath = {{QStringLiteral("kcalc"), QStringLiteral("/usr/local/bin/kcalc")}};
  Open();
  EXPECT_TRUE(window->MenuItem(QStringLiteral("Calculadora1"))->isVisible());
  EXPECT_TRUE(
      window->PopupMenu()->findChild<QAction*>(QStringLiteral("Calculadora2"))->isVisible());
  window->MenuItem(QStringLiteral("Calculadora1"))->trigger();
  EXPECT_EQ(host.programs, std::vector<QString>{QStringLiteral("/usr/local/bin/kcalc")});

  host.windowTitles = {QStringLiteral("Calculadora - 2"), QStringLiteral("Calculadora")};
  window->PopupMenu()->findChild<QAction*>(QStringLiteral("Calculadora2"))->trigger();
  EXPECT_EQ(host.raisedWindows, std::vector<QString>{QStringLiteral("Calculadora")});
  EXPECT_EQ(host.programs.size(), 1u) << "no second calculator";

  // Removed since start: nothing happens.
  host.windowTitles.clear();
  host.programsOnPath.clear();
  window->RunCalculator();
  EXPECT_EQ(host.programs.size(), 1u);
}

TEST_F(ShellMain, TrayIconAndItsMenu) {
  Open();
  EXPECT_EQ(window->TrayIcon()->toolTip(), QStringLiteral("Tarvel - Conversor"));
  QStringList items;
  for (QAction* action : window->PopupMenu()->actions()) {
    items << action->objectName() + u'=' + action->text();
  }
  EXPECT_EQ(items, (QStringList{"AbrirelConversor1=Abrir el Conversor",
                                "N3=", "Calculadora2=Calculadora", "Salir2=Salir"}));
  EXPECT_EQ(window->PopupMenu()->defaultAction()->objectName(),
            QStringLiteral("AbrirelConversor1"));
  EXPECT_TRUE(window->PopupMenu()->defaultAction()->font().bold());
}

TEST_F(ShellMain, MinimiseAsksAndNoWritesTheFlagFile) {
  Open();
  host.answers = {Answer::No};
  Minimise();
  ASSERT_EQ(host.boxes.size(), 1u);
  const platform::Box& box = host.boxes[0].box;
  EXPECT_EQ(box.caption, QStringLiteral("Minimizando..."));
  EXPECT_EQ(box.text, QStringLiteral("El conversor se va a minimizar junto al reloj del sistema. "
                                     "\n\n¿Desea volver a ver este mensaje?"));
  EXPECT_EQ(box.icon, platform::Icon::Information);
  EXPECT_EQ(box.buttons, platform::Buttons::YesNo);
  EXPECT_TRUE(box.systemModal);
  EXPECT_EQ(box.owner, nullptr);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(host.elapsedMilliseconds, 200);

  QByteArray expected;
  for (const QString& line : TrayFlagLines()) expected += line.toUtf8() + '\n';
  EXPECT_EQ(ReadFile(FlagFile()), expected);
  const QList<QByteArray> lines = expected.split('\n');
  EXPECT_EQ(lines[1], "Tarvel.exe - Programa Conversor de Unidades");
  EXPECT_EQ(lines[17], "Msg0=#Minimizar al TrayIcon#");
  EXPECT_EQ(lines[16], QByteArray(53, '-'));

  // Restored from the tray, then minimised again: no question, hidden at once.
  emit window->TrayIcon()->activated(QSystemTrayIcon::DoubleClick);
  user::Settle();
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isMinimized());
  Minimise();
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_FALSE(window->isVisible());
  // A single click does nothing; the menu's first item restores.
  emit window->TrayIcon()->activated(QSystemTrayIcon::Trigger);
  user::Settle();
  EXPECT_FALSE(window->isVisible());
  window->PopupMenu()->actions().first()->trigger();
  EXPECT_TRUE(window->isVisible());
}

TEST_F(ShellMain, MinimiseAnsweredYesAsksAgain) {
  Open();
  host.answers = {Answer::Yes, Answer::Yes};
  Minimise();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(QFile::exists(FlagFile()));
  window->AbrirelConversor1Click();
  Minimise();
  EXPECT_EQ(host.boxes.size(), 2u);
  EXPECT_FALSE(QFile::exists(FlagFile()));
}

TEST_F(ShellMain, AnExistingFlagFileSuppressesTheQuestionAndIsNotRewritten) {
  WriteFile(FlagFile(), "mine");
  Open();
  Minimise();
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(ReadFile(FlagFile()), "mine");
}

TEST_F(ShellMain, AnUnwritableFlagFolderGivesTheErrorBoxAndTheWindowStaysMinimised) {
  // A folder below a file can be written by nobody, root included.
  WriteFile(dir.filePath(QStringLiteral("file")), "x");
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("file/config"))));
  Open();
  host.answers = {Answer::No};
  Minimise();
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[1].box.icon, platform::Icon::Error);
  EXPECT_TRUE(host.boxes[1].box.text.startsWith(QStringLiteral("Cannot create file \"")))
      << host.boxes[1].box.text.toStdString();
  EXPECT_TRUE(host.boxes[1].box.text.contains(QStringLiteral("Tarvel_Tray1.txt")));
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->isMinimized());
}

TEST_F(ShellMain, WithoutATrayMinimisingLeavesTheWindowOnTheTaskBar) {
  host.trayAvailable = false;
  Open();
  Minimise();
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(ShellMain, ReadMeWrittenOncePrivatelyAndOpened) {
  Open();
  window->MenuItem(QStringLiteral("Lame1"))->trigger();
  const QString readMe = TempDir() + QStringLiteral("/temp___1.txt");
  EXPECT_EQ(host.shellTargets, std::vector<QString>{readMe});
  EXPECT_EQ(window->TempFile, readMe);
  const QByteArray text = ReadFile(readMe);
  EXPECT_EQ(text.count('\n'), 15);
  EXPECT_EQ(text, ReadMeText().toUtf8());
  EXPECT_TRUE(text.startsWith("Tarvel - conversor de unidades (versi\xc3\xb3n 2.5)"));
  EXPECT_EQ(text.split('\n')[1], QByteArray(40, '-'));
  EXPECT_EQ(Mode(TempDir()), 0700);
  EXPECT_EQ(Mode(readMe), 0600);
}

TEST_F(ShellMain, StaleHelpFilesAreShownUnchanged) {
  ASSERT_EQ(::mkdir(QFile::encodeName(TempDir()).constData(), 0700), 0);
  const QString readMe = TempDir() + QStringLiteral("/temp___1.txt");
  const QString page = TempDir() + QStringLiteral("/temp___2.html");
  WriteFile(readMe, "old read-me");
  WriteFile(page, "<p>old page</p>");
  Open();
  window->MenuItem(QStringLiteral("Lame1"))->trigger();
  EXPECT_EQ(host.shellTargets, std::vector<QString>{readMe});
  WhileModal([&] { window->MenuItem(QStringLiteral("Cmopersonalizar1"))->trigger(); },
             [&](QWidget* modal) {
               EXPECT_EQ(modal->objectName(), QStringLiteral("FormPersonalizar"));
               ASSERT_NE(FakeWebView::last, nullptr);
               EXPECT_EQ(FakeWebView::last->log,
                         std::vector<QString>{QStringLiteral("navigate ") + page});
             });
  EXPECT_EQ(ReadFile(readMe), "old read-me");
  EXPECT_EQ(ReadFile(page), "<p>old page</p>");
  EXPECT_EQ(window->TempFile, page);
}

TEST_F(ShellMain, HelpFilesAreNeverWrittenIntoAFolderOthersCouldReach) {
  Open();
  // Too open a folder, then a symbolic link in its place: both refused, nothing written.
  ASSERT_EQ(::mkdir(QFile::encodeName(TempDir()).constData(), 0755), 0);
  window->MenuItem(QStringLiteral("Lame1"))->trigger();
  ASSERT_TRUE(QDir(TempDir()).removeRecursively());
  const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
  ASSERT_EQ(::mkdir(QFile::encodeName(elsewhere).constData(), 0700), 0);
  ASSERT_TRUE(QFile::link(elsewhere, TempDir()));
  window->MenuItem(QStringLiteral("Cmopersonalizar1"))->trigger();
  ASSERT_EQ(host.boxes.size(), 2u);
  for (const auto& record : host.boxes) {
    EXPECT_EQ(record.box.icon, platform::Icon::Error);
    EXPECT_TRUE(record.box.text.startsWith(QStringLiteral("Cannot create file \"") + TempDir()));
  }
  EXPECT_TRUE(host.shellTargets.empty());
  EXPECT_EQ(FakeWebView::last, nullptr) << "the page window was not shown";
  EXPECT_TRUE(QDir(elsewhere).isEmpty());
}

TEST_F(ShellMain, CustomisationPageIsOneLineOfWindows1252WithEntities) {
  Open();
  WhileModal([&] { window->MenuItem(QStringLiteral("Cmopersonalizar1"))->trigger(); },
             [&](QWidget* modal) {
               EXPECT_EQ(qobject_cast<TForm*>(modal)->Caption(),
                         QStringLiteral("Cómo personalizar..."));
             });
  const QByteArray page = ReadFile(TempDir() + QStringLiteral("/temp___2.html"));
  EXPECT_EQ(page, CustomisationPage() + '\n');
  EXPECT_EQ(page.count('\n'), 1);
  for (const char c : page) EXPECT_GT(static_cast<signed char>(c), 0) << "not ASCII";
  EXPECT_TRUE(page.contains("charset=windows-1252"));
  EXPECT_TRUE(page.contains("lang=\"es\""));
  EXPECT_TRUE(page.contains("<title>C&oacute;mo personalizar Tarvel</title>"));
  EXPECT_TRUE(page.contains("&#0161;Gracias por preguntar!"));
  EXPECT_TRUE(page.contains("Formas de pago:"));
  EXPECT_TRUE(page.contains("Tarjetas de cr&eacute;dito"));
  EXPECT_TRUE(page.contains(">Consulte</a>"));
  EXPECT_EQ(Mode(TempDir() + QStringLiteral("/temp___2.html")), 0600);
}

TEST_F(ShellMain, WithoutAWebViewTheCustomisationPageGoesToTheDesktopBrowser) {
  SetWebViewAvailable(false);
  Open();
  window->MenuItem(QStringLiteral("Cmopersonalizar1"))->trigger();
  EXPECT_EQ(host.shellTargets, std::vector<QString>{TempDir() + QStringLiteral("/temp___2.html")});
}

// Each opening of a converter is a new window owned by the main window, modal, destroyed
// afterwards: the second opening shows the first one's initial texts.
TEST_F(ShellMain, SameConverterOpenedTwiceShowsItsInitialTexts) {
  const MenuRow* converter = nullptr;
  for (int i = 0; i < kMenuRowCount && !converter; ++i) {
    if (kMenu[i].opens) converter = &kMenu[i];
  }
  if (!converter) GTEST_SKIP() << "no converter window is in the catalogue yet";
  Open();
  auto texts = [](QWidget* form) {
    QStringList all;
    for (QLineEdit* edit : form->findChildren<QLineEdit*>()) {
      all << edit->objectName() + u'=' + edit->text();
    }
    return all;
  };
  QStringList first, second;
  QPointer<QWidget> opened;
  auto open = [&] { window->MenuItem(QString::fromUtf8(converter->item))->trigger(); };
  WhileModal(open, [&](QWidget* form) {
    opened = form;
    EXPECT_EQ(form->parentWidget(), window.get());
    EXPECT_TRUE(form->isModal());
    first = texts(form);
    if (auto* edit = form->findChild<TEdit*>()) user::Type(edit, QStringLiteral("7"));
  });
  user::Settle();
  EXPECT_TRUE(opened.isNull()) << "the window was destroyed";
  WhileModal(open, [&](QWidget* form) { second = texts(form); });
  EXPECT_EQ(first, second);
}

}  // namespace
