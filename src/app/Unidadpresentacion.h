#pragma once
// The main window: the welcome screen, the menu of every tool window, the tray icon with its
// menu, the calculator command and the help files.

#include <QMainWindow>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QImage;
class QMenu;
class TBitBtn;
class TForm;
class TLabel;
class UnitIndex;
struct MenuRow;
struct UnitEntry;

class TFormPrincipal : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFormPrincipal(QWidget* parent = nullptr);
  ~TFormPrincipal() override;

  // The menu's item (a command or a sub-menu's action) of that name, or null.
  QAction* MenuItem(const QString& name) const;
  // The tray icon's pop-up menu, made with the tray icon.
  QMenu* PopupMenu();
  // The tray icon, made at the first call: making it asks the desktop's session bus for a
  // notification area, which start-up leaves until the window has been drawn.
  QSystemTrayIcon* TrayIcon();

  // The main window's own commands.
  void Salir1Click();
  // How the live converters write their results: the "Preferencias" window.
  void Preferencias1Click();
  // Archivo > Idioma: the desktop's languages, or one of Tarvel's.
  void Delsistema1Click() { ChooseLanguage(QString()); }
  void Espanol1Click() { ChooseLanguage(QStringLiteral("es")); }
  void English1Click() { ChooseLanguage(QStringLiteral("en")); }
  void Catala1Click() { ChooseLanguage(QStringLiteral("ca")); }
  void ChooseLanguage(const QString& choice);
  void Salir2Click() { Salir1Click(); }
  void BitBtn1Click() { Salir1Click(); }
  void Calculadora1Click();
  void Calculadora2Click() { Calculadora1Click(); }
  void Conversoronline1Click();
  void Cmopersonalizar1Click();
  void Lame1Click();
  void Acercade2Click();
  void AbrirelConversor1Click();
  // The unit search, empty or with what the user began to type in this window.
  void Buscarunidad1Click() { OpenSearch(QString()); }
  void OpenSearch(const QString& typed);
  // Opens the unit's window as its menu command does, there at the unit, with the number
  // (if any) typed into its edit.
  void OpenUnit(const UnitEntry& unit, const QString& number);
  // Every unit of every window, read from the windows at the first search.
  const UnitIndex& Units();
  void Label7Click();
  void Label4Click();
  void Label3Click();
  void Label2Click();
  void Label7MouseMove();
  void FormMouseMove();
  // The application was minimised: asks once about the tray, then hides the window.
  void AppMinimize();
  void RunCalculator();

  // The help file last written or opened, in the private temporary folder.
  QString TempFile;

 signals:
  // The window closed: the program ends.
  void Closed();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetTexts();
  void SetPopupTexts();
  void Retranslate();
  void BuildWelcomeScreen();
  void BuildHeadline(QWidget* client);
  QList<TLabel*> BuildOffers(QWidget* client);
  void BuildFooter(QWidget* client);
  void BuildMenu();
  void TrayIcon1Activated(QSystemTrayIcon::ActivationReason reason);
  // A command of the catalogue: opens its window (a new instance owned by this window,
  // modal, destroyed when it closes) or runs this window's handler.
  // A preparation, when given, runs on the new window before it is shown.
  void RunMenuRow(const MenuRow& row, const std::function<void(TForm*)>& prepare = {});

  TLabel* Label7 = nullptr;
  TBitBtn* BitBtn1 = nullptr;
  QSystemTrayIcon* TrayIcon1 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* Calculadora2 = nullptr;
  // The calculator found at start (the program's name on the search path), or empty.
  QString Calculator;
  // The customisation page while it is being written.
  std::optional<QByteArray> PageLines;
  std::unique_ptr<UnitIndex> UnitsRead;
  bool placed_ = false;
};

// The picture offered for a customer's logo, its words drawn in the interface's language (in
// Spanish the picture as it is). The languages the program speaks have it as a picture of
// their own, made by this.
QImage DrawLogo();
