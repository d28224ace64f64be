#include "app/Unidadpresentacion.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "app/Addresses.h"
#include "app/Catalogue.h"
#include "app/HelpTexts.h"
#include "app/Language.h"
#include "app/LanguageMenu.h"
#include "app/Pictures.h"
#include "app/Preferences.h"
#include "app/RecentUnits.h"
#include "app/Unidad2.h"
#include "app/Unidadbuscar.h"
#include "app/Unidadpersonalizar.h"
#include "app/Unidadpreferencias.h"
#include "app/Unit4.h"
#include "app/UnitIndex.h"
#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/Folders.h"
#include "platform/Form.h"
#include "platform/Messages.h"
#include "platform/Readable.h"

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kInfoBackground(255, 255, 225);

// The desktop calculators looked for on the program search path, in this order.
constexpr const char* kCalculators[] = {
    "gnome-calculator", "kcalc",     "galculator", "qalculate-gtk",
    "qalculate-qt",     "mate-calc", "xcalc"};

// The designed families by their installed substitutes (see PrepareApplication).
QFont Arial(int pixels, bool bold, bool underline = false) {
  QFont font(QFont::substitute(QStringLiteral("Arial")));
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

TLabel* Label(QWidget* parent, const char* name, const QString& caption, int x, int y,
              const QFont& font, const QColor& color) {
  auto* label = new TLabel(parent, QLatin1String(name), caption);
  label->setFont(font);
  label->SetFontColor(color);
  label->adjustSize();
  label->move(x, y);
  return label;
}

// The picture offered for the customer's logo, its words in the interface's language: the
// language's own picture where the program has one, drawn on the way for any other (the
// pictures of the languages it speaks are made by this drawing, and spare the start-up it).
QPixmap LogoPicture() {
  if (language::Current() == QLatin1String("es"))
    return QPixmap(QStringLiteral(":/tarvel/logo.png"));
  const QString own = QStringLiteral(":/tarvel/logo-%1.png").arg(language::Current());
  return QFile::exists(own) ? QPixmap(own) : QPixmap::fromImage(DrawLogo());
}

}  // namespace

QImage DrawLogo() {
  QImage logo(QStringLiteral(":/tarvel/logo.png"));
  //: the large words of the picture where a customer's logo would go
  const QString name = QCoreApplication::translate("TFormPrincipal", "Su logotipo");
  //: the small word under "Su logotipo" in that picture
  const QString here = QCoreApplication::translate("TFormPrincipal", "aquí");
  if (logo.isNull() || (name == QLatin1String("Su logotipo") && here == QStringLiteral("aquí")))
    return logo;
  logo = logo.convertToFormat(QImage::Format_RGB32);
  // The background is a vertical gradient: each row takes the colour of its left end.
  std::vector<QColor> rows;
  for (int y = 0; y < logo.height(); ++y) rows.push_back(logo.pixelColor(0, y));
  QPainter painter(&logo);
  for (int y = 0; y < logo.height(); ++y) {
    painter.setPen(rows[static_cast<std::size_t>(y)]);
    painter.drawLine(0, y, logo.width() - 1, y);
  }
  auto write = [&](const QString& text, int pixels, const QColor& colour, int centreY) {
    QFont font(QFont::substitute(QStringLiteral("Arial")));
    font.setBold(true);
    font.setPixelSize(pixels);
    // Narrowed to the picture's width, less a margin, where a language's words are longer.
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(text) > logo.width() - 20)
      font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(0, centreY - pixels, logo.width(), 2 * pixels), Qt::AlignCenter, text);
  };
  write(name, 30, QColor(0x20, 0x4f, 0x9e), 96);
  write(here, 16, QColor(0x3a, 0x47, 0x58), 141);
  return logo;
}

TFormPrincipal::TFormPrincipal(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FormPrincipal"));
  // The user's preferences, as kept when the program last ended.
  prefs::Apply();
  platform::KeepReadable(this);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  BuildWelcomeScreen();
  BuildMenu();
  SetTexts();
  setFixedSize(546, 363 + menuBar()->sizeHint().height());

  TempFile.clear();
  // A calculator on the search path makes both "Calculadora" commands visible.
  for (const char* name : kCalculators) {
    if (!platform::host().FindProgram(QLatin1String(name)).isEmpty()) {
      Calculator = QLatin1String(name);
      break;
    }
  }
  MenuItem(QStringLiteral("Calculadora1"))->setVisible(!Calculator.isEmpty());
}

TFormPrincipal::~TFormPrincipal() = default;

void TFormPrincipal::BuildWelcomeScreen() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Client"));
  client->setFixedSize(546, 363);
  client->setMouseTracking(true);
  client->installEventFilter(this);
  setCentralWidget(client);

  BuildHeadline(client);
  const QList<TLabel*> offers = BuildOffers(client);
  BuildFooter(client);

  // The labels that look like links are reached by Tab after "Salir", top to bottom.
  QWidget* previous = BitBtn1;
  for (TLabel* link : offers + QList<TLabel*>{Label7}) {
    platform::MakeLink(link);
    setTabOrder(previous, link);
    previous = link;
  }
}

// The headline over the welcome screen, on the information colour, and what it may hold.
void TFormPrincipal::BuildHeadline(QWidget* client) {
  auto* Label1 = new TLabel(client, QStringLiteral("Label1"),
                            tr("Programa \"de cortesía\" para obsequiar a sus clientes!"));
  QFont black(QFont::substitute(QStringLiteral("Arial Black")));
  black.setPixelSize(15);
  black.setWeight(QFont::Black);
  Label1->setFont(black);
  Label1->SetFontColor(kBlue);
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label1->setWordWrap(true);
  Label1->setAutoFillBackground(true);
  QPalette info = Label1->palette();
  info.setColor(QPalette::Window, kInfoBackground);
  Label1->setPalette(info);
  Label1->setGeometry(0, 0, 546, Label1->heightForWidth(546) + 2);

  QFont bold = QApplication::font();
  bold.setBold(true);
  Label(client, "Label10", tr("Esta pantalla de bienvenida puede contener:"), 10, 30, bold,
        palette().color(QPalette::WindowText));
}

// The logo on the left, the list of what a customised copy offers on the right; the web and
// e-mail addresses act as links, which this returns.
QList<TLabel*> TFormPrincipal::BuildOffers(QWidget* client) {
  auto* Bevel2 = new TBevel(client, QStringLiteral("Bevel2"), TBevel::Shape::Box);
  Bevel2->setGeometry(10, 48, 325, 237);
  auto* Image1 = new QLabel(client);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(12, 50, 321, 233);
  Image1->setPixmap(LogoPicture());
  Image1->setScaledContents(true);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setToolTip(tr("¿Su logotipo aquí?"));

  auto* Bevel3 = new TBevel(client, QStringLiteral("Bevel3"), TBevel::Shape::Box, true);
  Bevel3->setGeometry(339, 50, 201, 233);
  Label(client, "Label5", tr("• Su logotipo..."), 351, 72, Arial(16, true), kBlue);
  TLabel* Label4 =
      Label(client, "Label4", tr("• Dirección Web..."), 351, 124, Arial(13, true), kBlue);
  Label4->setCursor(Qt::PointingHandCursor);
  Label4->setToolTip(tr(kSampleWebHint));
  Label4->OnClick = [this] { Label4Click(); };
  TLabel* Label3 =
      Label(client, "Label3", tr("• Dirección de e-mail..."), 351, 168, Arial(13, true), kBlue);
  Label3->setCursor(Qt::PointingHandCursor);
  Label3->setToolTip(tr(kSampleEmailHint));
  Label3->OnClick = [this] { Label3Click(); };
  TLabel* Label2 =
      Label(client, "Label2", tr("• Algún consejo comercial..."), 351, 212, Arial(13, true), kBlue);
  Label2->OnClick = [this] { Label2Click(); };
  return {Label4, Label3};
}

// Below a line: the invitation with its link, and the "Salir" button.
void TFormPrincipal::BuildFooter(QWidget* client) {
  QFont plain = QApplication::font();
  QFont bold = plain;
  bold.setBold(true);
  auto* Bevel1 = new TBevel(client, QStringLiteral("Bevel1"), TBevel::Shape::TopLine);
  Bevel1->setGeometry(8, 294, 530, 2);
  //: the first line of the invitation; the second is "visite nuestra" and the link after it
  Label(client, "Label6", tr("Si desea personalizar una copia de este software,"), 12, 304, plain,
        kBlue);
  //: the second line of the invitation, before the link "página en Internet"
  TLabel* Label8 = Label(client, "Label8", tr("visite nuestra"), 12, 324, bold, kBlue);
  //: a link to the program's web page, ending the invitation "visite nuestra ..."
  Label7 = Label(client, "Label7", tr("página en Internet"), Label8->geometry().right() + 5, 324,
                 Arial(11, true, true), kBlue);
  Label7->setCursor(Qt::PointingHandCursor);
  Label7->setMouseTracking(true);
  Label7->OnClick = [this] { Label7Click(); };
  Label7->OnMouseMove = [this](QMouseEvent*) { Label7MouseMove(); };

  BitBtn1 = new TBitBtn(client, QStringLiteral("BitBtn1"), tr("&Salir"));
  BitBtn1->setIcon(pictures::Exit());
  BitBtn1->setGeometry(546 - 56 - 10, 363 - 25 - 8, 56, 25);
  BitBtn1->OnClick = [this] { BitBtn1Click(); };
}

void TFormPrincipal::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("Menu"));
  QHash<QString, QMenu*> menus;
  for (int i = 0; i < kMenuRowCount; ++i) {
    const MenuRow& row = kMenu[i];
    QMenu* parent = menus.value(QString::fromUtf8(row.parent));
    // Its text is written by SetTexts, as at each change of language.
    const QString caption;
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
  MarkLanguageItems(menus.value(QStringLiteral("Idioma1")));
  MenuItem(QStringLiteral("Salir1"))->setIcon(pictures::Exit());
  MenuItem(QStringLiteral("Buscarunidad1"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
}

QMenu* TFormPrincipal::PopupMenu() {
  if (PopupMenu1) return PopupMenu1;
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  QAction* open = PopupMenu1->addAction(pictures::Open(), QString());
  open->setObjectName(QStringLiteral("AbrirelConversor1"));
  QFont bold = open->font();
  bold.setBold(true);
  open->setFont(bold);
  PopupMenu1->setDefaultAction(open);
  connect(open, &QAction::triggered, this,
          [this] { platform::Guard([this] { AbrirelConversor1Click(); }); });
  PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N3"));
  Calculadora2 = PopupMenu1->addAction(pictures::Calculator(), QString());
  Calculadora2->setObjectName(QStringLiteral("Calculadora2"));
  connect(Calculadora2, &QAction::triggered, this,
          [this] { platform::Guard([this] { Calculadora2Click(); }); });
  QAction* exit = PopupMenu1->addAction(pictures::Exit(), QString());
  exit->setObjectName(QStringLiteral("Salir2"));
  connect(exit, &QAction::triggered, this, [this] { platform::Guard([this] { Salir2Click(); }); });
  Calculadora2->setVisible(!Calculator.isEmpty());
  SetPopupTexts();
  return PopupMenu1;
}

// The texts that follow the interface's language, besides the welcome screen's.
void TFormPrincipal::SetTexts() {
  setWindowTitle(tr(" - Tarvel - Unidades de pesas y medidas"));
  for (int i = 0; i < kMenuRowCount; ++i) {
    MenuItem(QString::fromUtf8(kMenu[i].item))->setText(tr(kMenu[i].caption));
  }
  QAction* calculator = MenuItem(QStringLiteral("Calculadora1"));
  //: the hint of the menu command that starts the desktop's calculator
  calculator->setToolTip(tr("Calculadora de WIndows"));
  calculator->setStatusTip(calculator->toolTip());
  if (PopupMenu1) SetPopupTexts();
  if (TrayIcon1) TrayIcon1->setToolTip(tr("Tarvel - Conversor"));
}

void TFormPrincipal::SetPopupTexts() {
  PopupMenu1->findChild<QAction*>(QStringLiteral("AbrirelConversor1"))
      ->setText(tr("Abrir el Conversor"));
  Calculadora2->setText(tr("Calculadora"));
  PopupMenu1->findChild<QAction*>(QStringLiteral("Salir2"))->setText(tr("Salir"));
}

// Another language: the welcome screen is built again in it, the focus where it was.
void TFormPrincipal::Retranslate() {
  // The control that has the focus, or would have it when the window is next active.
  const QWidget* focused = focusWidget();
  const QString focusedName =
      focused && centralWidget()->isAncestorOf(focused) ? focused->objectName() : QString();
  // Gone at once, not later: its controls have the same names as the new ones.
  delete takeCentralWidget();
  BuildWelcomeScreen();
  SetTexts();
  if (focusedName.isEmpty()) return;
  if (auto* control = centralWidget()->findChild<QWidget*>(focusedName)) control->setFocus();
}

QSystemTrayIcon* TFormPrincipal::TrayIcon() {
  if (TrayIcon1) return TrayIcon1;
  TrayIcon1 = new QSystemTrayIcon(QApplication::windowIcon(), this);
  TrayIcon1->setObjectName(QStringLiteral("TrayIcon1"));
  TrayIcon1->setToolTip(tr("Tarvel - Conversor"));
  TrayIcon1->setContextMenu(PopupMenu());
  connect(TrayIcon1, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            platform::Guard([&] { TrayIcon1Activated(reason); });
          });
  // Where the desktop has no notification area the icon stays hidden.
  const QString platformName = QGuiApplication::platformName();
  if (platformName != QLatin1String("offscreen") && platformName != QLatin1String("minimal")) {
    TrayIcon1->show();
  }
  return TrayIcon1;
}

void TFormPrincipal::TrayIcon1Activated(QSystemTrayIcon::ActivationReason reason) {
  if (reason == QSystemTrayIcon::DoubleClick) AbrirelConversor1Click();
}

QAction* TFormPrincipal::MenuItem(const QString& name) const {
  for (QAction* action : menuBar()->findChildren<QAction*>()) {
    if (action->objectName() == name) return action;
  }
  return nullptr;
}

void TFormPrincipal::RunMenuRow(const MenuRow& row, const std::function<void(TForm*)>& prepare) {
  if (row.handler) {
    (this->*row.handler)();
    return;
  }
  if (!row.opens) return;
  const std::unique_ptr<TForm> form(row.opens(this));
  if (prepare) prepare(form.get());
  if (QLatin1String(row.item) != QLatin1String("Superficie1")) {
    form->ShowModal();
  } else {
    // The surface window reports a failure of its own modal run with the system's reason.
    try {
      form->ShowModal();
    } catch (const std::exception&) {
      platform::MessageBox(this, QString::fromLocal8Bit(std::strerror(errno)), tr("Error"),
                           platform::Icon::Warning);
    }
  }
  recent::RememberTypedIn(form.get(), QString::fromUtf8(row.item));
}

void TFormPrincipal::Salir1Click() { close(); }

void TFormPrincipal::ChooseLanguage(const QString& choice) {
  ::ChooseLanguage(MenuItem(QStringLiteral("Idioma1"))->menu(), choice);
}

void TFormPrincipal::Preferencias1Click() {
  TFormPreferencias form(this);
  form.ShowModal();
}

void TFormPrincipal::RunCalculator() {
  // A calculator already open comes forward: its window, by the title the desktop gives it.
  if (platform::host().RaiseWindow(QStringLiteral("Calculadora"))) return;
  if (Calculator.isEmpty()) return;
  const QString path = platform::host().FindProgram(Calculator);
  if (!path.isEmpty()) platform::host().StartProgram(path);
}

void TFormPrincipal::Calculadora1Click() { RunCalculator(); }

void TFormPrincipal::Conversoronline1Click() {
  TFormBrowser form(this);
  form.ShowModal();
}

void TFormPrincipal::Cmopersonalizar1Click() {
  auto form = std::make_unique<TFormPersonalizar>(this);
  TempFile = platform::PrivateTempFolder() + QStringLiteral("/temp___2.html");
  const bool made = !platform::FileExists(TempFile);
  if (made) {
    PageLines = CustomisationPage() + '\n';
    platform::CreateNewFile(TempFile, *PageLines);
  }
  struct Free {
    std::optional<QByteArray>& lines;
    bool made;
    ~Free() {
      if (made) lines.reset();
    }
  } free{PageLines, made};
  if (WebView* browser = form->CppWebBrowser1()) {
    browser->Navigate(TempFile);
    form->ShowModal();
  } else {
    // Without a web view of our own the desktop's browser shows the page.
    platform::host().ShellOpen(TempFile);
  }
}

void TFormPrincipal::Lame1Click() {
  TempFile = platform::PrivateTempFolder() + QStringLiteral("/temp___1.txt");
  if (!platform::FileExists(TempFile)) platform::CreateNewFile(TempFile, ReadMeText().toUtf8());
  platform::host().ShellOpen(TempFile);
}

void TFormPrincipal::Acercade2Click() {
  TForm2 form(this);
  form.ShowModal();
}

void TFormPrincipal::AbrirelConversor1Click() {
  showNormal();
  raise();
  activateWindow();
}

const UnitIndex& TFormPrincipal::Units() {
  if (!UnitsRead) UnitsRead = std::make_unique<UnitIndex>(this);
  return *UnitsRead;
}

void TFormPrincipal::OpenSearch(const QString& typed) {
  const UnitEntry* chosen = nullptr;
  QString number;
  {
    TFormBuscar form(
        this, [this]() -> const UnitIndex& { return Units(); }, typed);
    form.ShowModal();
    chosen = form.Chosen();
    number = form.ChosenNumber();
  }
  if (chosen) OpenUnit(*chosen, number);
}

void TFormPrincipal::OpenUnit(const UnitEntry& unit, const QString& number) {
  const MenuRow* row = FindMenuRow(unit.item);
  if (!row) return;
  recent::Remember(recent::PlaceOf(unit), number);
  RunMenuRow(*row, [&](TForm* form) { GoToUnit(form, unit, number); });
}

void TFormPrincipal::Label7Click() { platform::host().ShellOpen(QString::fromUtf8(kProductPage)); }

void TFormPrincipal::Label4Click() {
  platform::MessageBox(
      this, tr("Con un clic aquí, miles de clientes visitarán vuestro sitio en Internet!"),
      tr("Sitio Web"), platform::Icon::None);
}

void TFormPrincipal::Label3Click() {
  platform::MessageBox(this,
                       tr("Un clic aquí, y vuestros clientes os escribirán para "
                          "acordar un nuevo contrato, enviaros felicitaciones o "
                          "simplemente para recordar vuestra dirección de e-mail."),
                       tr("e-mail"), platform::Icon::None);
}

void TFormPrincipal::Label2Click() {
  platform::MessageBox(this, tr("No, un clic aquí no hará nada."), tr("Nada"),
                       platform::Icon::None);
}

void TFormPrincipal::Label7MouseMove() {
  Label7->SetFontColor(kRed);
  Label7->setFont(Arial(11, true, true));
}

void TFormPrincipal::FormMouseMove() {
  Label7->SetFontColor(kBlue);
  Label7->setFont(Arial(11, true, true));
}

void TFormPrincipal::AppMinimize() {
  // Without a notification area the window could not come back: it stays on the task bar.
  if (!platform::host().TrayAvailable()) return;
  const QString flag = platform::ConfigFolder() + QStringLiteral("/Tarvel_Tray1.txt");
  if (!platform::FileExists(flag)) {
    const platform::Answer answer = platform::MessageBox(
        nullptr,
        tr("El conversor se va a minimizar junto al reloj del sistema. \n\n¿Desea "
           "volver a ver este mensaje?"),
        tr("Minimizando..."), platform::Icon::Information, platform::Buttons::YesNo, true);
    if (answer == platform::Answer::No) {
      QByteArray content;
      for (const QString& line : TrayFlagLines()) content += line.toUtf8() + '\n';
      QDir().mkpath(platform::ConfigFolder());
      platform::CreateNewFile(flag, content);
    }
  }
  QCoreApplication::processEvents();
  platform::host().Pause(200);
  TrayIcon();  // the way back
  hide();
}

void TFormPrincipal::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) platform::Guard([this] { Retranslate(); });
  if (event->type() == QEvent::WindowStateChange && isMinimized() && isVisible()) {
    // After the minimise has been done, as the application's own minimise event.
    QTimer::singleShot(0, this, [this] {
      if (isMinimized() && isVisible()) platform::Guard([this] { AppMinimize(); });
    });
  }
}

void TFormPrincipal::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) emit Closed();
}

void TFormPrincipal::keyPressEvent(QKeyEvent* event) {
  // "Salir" is the window's Cancel button.
  if (event->key() == Qt::Key_Escape &&
      (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier)) {
    BitBtn1->click();
    return;
  }
  // A letter or a digit typed here begins a search for a unit.
  const QString text = event->text();
  const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (mods == Qt::NoModifier && text.size() == 1 && text[0].isLetterOrNumber() && isEnabled()) {
    platform::Guard([&] { OpenSearch(text); });
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void TFormPrincipal::showEvent(QShowEvent* event) {
  if (!placed_) {
    placed_ = true;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
  }
  QMainWindow::showEvent(event);
}

bool TFormPrincipal::eventFilter(QObject* watched, QEvent* event) {
  if (watched == centralWidget() && event->type() == QEvent::MouseMove) {
    platform::Guard([this] { FormMouseMove(); });
  }
  return QMainWindow::eventFilter(watched, event);
}
