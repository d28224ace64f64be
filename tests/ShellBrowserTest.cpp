// The currency window and the customisation window against a fake web view, the about box,
// and one page loaded in the real web view module.
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTcpServer>
#include <QToolButton>
#include <QUrl>

#include "ShellSupport.h"
#include "app/Addresses.h"
#include "app/Unidad2.h"
#include "app/Unidadpersonalizar.h"
#include "app/Unit4.h"
#include "platform/Controls.h"
#include "platform/Input.h"
#include "platform/Messages.h"

namespace {

const QString kCurrency = QString::fromUtf8(kCurrencyPage);
const QString kProduct = QString::fromUtf8(kProductPage);
QString Go(const QString& address) { return QStringLiteral("navigate ") + address; }

class CurrencyWindow : public ShellFixture {
 protected:
  void Open() {
    form = std::make_unique<TFormBrowser>(nullptr);
    user::Show(form.get());
    view = FakeWebView::last;
    ASSERT_NE(view, nullptr);
  }
  void Click(const char* name) { form->findChild<QToolButton*>(QLatin1String(name))->click(); }
  void TearDown() override {
    form.reset();
    ShellFixture::TearDown();
  }
  std::unique_ptr<TFormBrowser> form;
  FakeWebView* view = nullptr;
};

TEST_F(CurrencyWindow, OpensOnTheCurrencyPageWithItsList) {
  Open();
  EXPECT_EQ(form->Caption(), QStringLiteral("Conversor de divisas \"on-line\""));
  QComboBox* list = form->ComboBox1;
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->itemText(0), QStringLiteral("Conversor de divisas \"on-line\""));
  EXPECT_EQ(list->itemText(1), QStringLiteral("Su página Web"));
  EXPECT_EQ(list->itemText(2), QStringLiteral("Este programa"));
  EXPECT_EQ(list->currentIndex(), -1);
  EXPECT_EQ(list->currentText(), list->itemText(0));
  EXPECT_EQ(list->width(), 185);
  EXPECT_EQ(view->log, (std::vector<QString>{QStringLiteral("offline false"), Go(kCurrency)}));
  QStringList captions;
  for (const char* name :
       {"SpeedButton1", "SpeedButton5", "SpeedButton2", "SpeedButton3", "SpeedButton4"}) {
    captions << form->findChild<QToolButton*>(QLatin1String(name))->text();
  }
  EXPECT_EQ(captions, (QStringList{"Anterior", "Siguiente", "Actualizar", "Guardar", "Imprimir"}));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CurrencyWindow, EveryActivationLoadsTheCurrencyPageAgain) {
  Open();
  form->ComboBox1->setCurrentIndex(2);
  form->ComboBox1Change();
  QWidget other;
  user::Show(&other);
  user::Show(form.get());
  EXPECT_EQ(view->log,
            (std::vector<QString>{QStringLiteral("offline false"), Go(kCurrency), Go(kProduct),
                                  QStringLiteral("offline false"), Go(kCurrency)}));
}

TEST_F(CurrencyWindow, ChoosingFromTheListWithTheArrows) {
  Open();
  view->log.clear();
  QComboBox* list = form->ComboBox1;
  user::Key(list, Qt::Key_Down);
  EXPECT_EQ(list->currentIndex(), 0);
  EXPECT_EQ(view->log, std::vector<QString>{Go(kCurrency)});
  user::Key(list, Qt::Key_Down);
  ASSERT_EQ(host.boxes.size(), 1u);
  const platform::Box& box = host.boxes[0].box;
  EXPECT_EQ(box.caption, QStringLiteral("¿Su página aquí?"));
  EXPECT_EQ(box.text,
            QStringLiteral("Eligiendo esta opción, el mini-browser se dirigirá a su "
                           "página Web (por un mínimo desembolso previo, naturalmente =)."));
  EXPECT_EQ(box.icon, platform::Icon::Warning);
  EXPECT_EQ(box.owner, form.get());
  EXPECT_EQ(view->log.size(), 1u) << "the page stays";
  user::Key(list, Qt::Key_Down);
  EXPECT_EQ(view->log.back(), Go(kProduct));
  // Enter runs the chosen item again.
  user::Key(list, Qt::Key_Return);
  EXPECT_EQ(view->log, (std::vector<QString>{Go(kCurrency), Go(kProduct), Go(kProduct)}));
  EXPECT_TRUE(form->isVisible()) << "Enter does not close the window";
}

TEST_F(CurrencyWindow, EnterWithNoItemAndTypedLettersDoNothing) {
  Open();
  view->log.clear();
  QComboBox* list = form->ComboBox1;
  user::Key(list, Qt::Key_Return);
  user::Type(list, QStringLiteral("Este"));
  user::Key(list, Qt::Key_Backspace);
  user::Key(list, Qt::Key_Delete);
  user::Key(list, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(list->currentIndex(), -1);
  EXPECT_EQ(list->currentText(), QStringLiteral("Conversor de divisas \"on-line\""));
  EXPECT_TRUE(view->log.empty());
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(form->isVisible());
}

TEST_F(CurrencyWindow, TheListFollowsAnteriorAndSiguiente) {
  Open();
  form->ComboBox1->setCurrentIndex(2);
  form->ComboBox1Change();  // history: currency, product
  view->FollowLink(QStringLiteral("https://other.example/page"));
  view->log.clear();
  Click("SpeedButton1");
  EXPECT_EQ(form->ComboBox1->currentIndex(), 2);
  Click("SpeedButton1");
  EXPECT_EQ(form->ComboBox1->currentIndex(), 0);
  Click("SpeedButton1");  // the start of the history: nothing moves
  EXPECT_EQ(form->ComboBox1->currentIndex(), 0);
  Click("SpeedButton5");
  EXPECT_EQ(form->ComboBox1->currentIndex(), 2);
  form->ComboBox1->setCurrentIndex(0);
  Click("SpeedButton5");  // another page: the list is left as it is
  EXPECT_EQ(form->ComboBox1->currentIndex(), 0);
  EXPECT_EQ(view->log, (std::vector<QString>{"back", "back", "back", "forward", "forward"}))
      << "selecting from code navigates nowhere";
  Click("SpeedButton2");
  Click("SpeedButton3");
  Click("SpeedButton4");
  EXPECT_EQ(view->log.back(), QStringLiteral("print"));
  EXPECT_EQ(view->log[view->log.size() - 2], QStringLiteral("save"));
  EXPECT_EQ(view->log[view->log.size() - 3], QStringLiteral("reload"));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CurrencyWindow, NewWindowsAreRefused) {
  Open();
  bool cancel = false;
  ASSERT_TRUE(view->OnNewWindow);
  view->OnNewWindow(cancel);
  EXPECT_TRUE(cancel);
}

TEST_F(CurrencyWindow, WithoutAWebViewItSaysSoOpensTheProductPageAndCloses) {
  SetWebViewAvailable(false);
  TFormBrowser browser(nullptr);
  EXPECT_EQ(browser.ShowModal(), TForm::mrCancel);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.text,
            QStringLiteral(
                "Esta aplicación necesita que esté instalado InternetExplores 4, o posterior."));
  EXPECT_EQ(host.boxes[0].box.caption, platform::ApplicationTitle());
  EXPECT_EQ(host.shellTargets, std::vector<QString>{kProduct});
  EXPECT_FALSE(browser.isVisible());
}

TEST_F(ShellFixture, CustomisationWindowToolBar) {
  TFormPersonalizar form(nullptr);
  user::Show(&form);
  FakeWebView* view = FakeWebView::last;
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(form.Caption(), QStringLiteral("Cómo personalizar..."));
  for (const char* name :
       {"boton_atras", "BotonAdelante", "BotonActualizar", "SpeedButton1", "SpeedButton2"}) {
    form.findChild<QToolButton*>(QLatin1String(name))->click();
  }
  EXPECT_EQ(view->log, (std::vector<QString>{"back", "forward", "reload", "save", "print"}));
  EXPECT_EQ(form.findChild<QToolButton*>(QStringLiteral("boton_atras"))->width(), 52);
  bool cancel = false;
  EXPECT_FALSE(view->OnNewWindow) << "the view refuses new windows by itself";
  (void)cancel;
}

TEST_F(ShellFixture, AboutBoxLinksAndColours) {
  TForm2 about(nullptr);
  user::Show(&about);
  EXPECT_EQ(about.Caption(), QStringLiteral("Acerca de Tarvel - conversor de unidades"));
  EXPECT_EQ(about.findChild<TLabel*>(QStringLiteral("Label8"))->text(),
            QStringLiteral("Versión 2.5"));
  EXPECT_EQ(about.findChild<TLabel*>(QStringLiteral("Label10"))->text(),
            QStringLiteral("Sevilla, noviembre de 2002"));
  auto* maker = about.findChild<TLabel*>(QStringLiteral("Label6"));
  EXPECT_EQ(maker->FontColor(), QColor(0, 0, 255));
  EXPECT_FALSE(maker->font().underline());
  EXPECT_EQ(maker->toolTip(), QStringLiteral("Página del programa"));
  platform::SendMouseMove(maker);
  EXPECT_EQ(maker->FontColor(), QColor(255, 0, 0));
  EXPECT_TRUE(maker->font().bold() && maker->font().underline());
  platform::SendMouseMove(&about, QPoint(3, 250));
  EXPECT_EQ(maker->FontColor(), QColor(0, 0, 255));
  EXPECT_TRUE(!maker->font().bold() && maker->font().underline());
  platform::SendMouseClick(maker);
  platform::SendMouseClick(about.findChild<TLabel*>(QStringLiteral("Label5")));
  EXPECT_EQ(
      host.shellTargets,
      (std::vector<QString>{kProduct, QStringLiteral("mailto:") + QString::fromUtf8(kMakerEmail)}));
  for (TLabel* label : about.findChildren<TLabel*>()) {
    EXPECT_TRUE(about.rect().contains(label->geometry())) << label->objectName().toStdString();
  }
  user::Key(&about, Qt::Key_Return);
  EXPECT_EQ(about.result(), TForm::mrOk);
  EXPECT_FALSE(about.isVisible());
}

bool WaitFor(const std::function<bool()>& done, int milliseconds = 30000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return done();
}

QString PageText(WebView& view) {
  QString text;
  bool read = false;
  view.ReadPageText([&](const QString& t) {
    text = t;
    read = true;
  });
  WaitFor([&] { return read; }, 5000);
  return text;
}

void DisableChromiumSandboxForTests() {
  if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS")) {
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
  }
}

// A port of the loopback address where nobody listens.
int ClosedPort() {
  QTcpServer server;
  server.listen(QHostAddress::LocalHost);
  const int port = server.serverPort();
  server.close();
  return port;
}

// A page that cannot be loaded shows, within two seconds, a Spanish page that says so and why
// and offers to load it again; the view goes on working. A server that accepts the connection
// and never answers gets our own page once the view's patience runs out.
TEST(WebViewModule, APageThatCannotBeLoadedShowsWhyInSpanish) {
  DisableChromiumSandboxForTests();
  QTemporaryDir dir;
  const QString local = dir.filePath(QStringLiteral("local.html"));
  {
    QFile file(local);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<title>local</title><p>una p\xc3\xa1gina local</p>");
  }
  QWidget window;
  window.resize(500, 400);
  std::unique_ptr<WebView> view = CreateWebView(&window);
  ASSERT_NE(view, nullptr) << "the web view module did not load";
  view->Widget()->resize(500, 400);
  window.show();
  int finished = 0;
  view->OnDocumentComplete = [&](bool) { ++finished; };

  const QString refused = QStringLiteral("http://127.0.0.1:%1/").arg(ClosedPort());
  view->Navigate(refused);
  // The engine's own error page, not a blank window that stays blank: on a quiet machine it
  // comes within a second; the wait leaves room for a busy one and stays well short of the
  // thirty seconds and more that a blank window would last.
  QString text;
  EXPECT_TRUE(WaitFor(
      [&] {
        text = PageText(*view);
        return text.contains(QStringLiteral("No se puede acceder"));
      },
      10000))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("No se puede acceder a este sitio web")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("rechazado la conexión"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Volver a cargar"))) << text.toStdString();
  EXPECT_EQ(view->LocationURL(), refused);

  // Still usable: the next page loads.
  finished = 0;
  view->Navigate(local);
  ASSERT_TRUE(WaitFor([&] { return finished > 0; }));
  EXPECT_TRUE(PageText(*view).contains(QStringLiteral("una página local")));

  QTcpServer silent;
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
  // The address holds "%2", which the page shows as it is, not the seconds waited.
  const QString mute = QStringLiteral("http://127.0.0.1:%1/a%2Fb").arg(silent.serverPort());
  view->SetPatience(500);
  view->Navigate(mute);
  ASSERT_TRUE(WaitFor(
      [&] { return PageText(*view).contains(QStringLiteral("No se ha podido cargar la página")); },
      10000));
  text = PageText(*view);
  EXPECT_TRUE(text.contains(QStringLiteral("no ha respondido en 1 segundos")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("/a%2Fb no ha respondido"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Volver a intentarlo"))) << text.toStdString();
  EXPECT_EQ(view->LocationURL(), mute);
  view.reset();
}

// The real module: it loads, makes a view, shows a local page and refuses the window that the
// page opens.
TEST(WebViewModule, LoadsALocalPageAndRefusesNewWindows) {
  DisableChromiumSandboxForTests();
  QTemporaryDir dir;
  const QString first = dir.filePath(QStringLiteral("first.html"));
  const QString second = dir.filePath(QStringLiteral("second.html"));
  for (const auto& [path, body] :
       {std::pair{first,
                  QByteArray("<title>one</title><script>window.open('second.html')</script>")},
        std::pair{second, QByteArray("<title>two</title><p>two</p>")}}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(body);
  }
  QWidget window;
  window.resize(400, 300);
  std::unique_ptr<WebView> view = CreateWebView(&window);
  ASSERT_NE(view, nullptr) << "the web view module did not load";
  view->Widget()->resize(400, 300);
  window.show();
  int loaded = 0, refused = 0;
  view->OnDocumentComplete = [&](bool ok) { loaded += ok ? 1 : 0; };
  view->OnNewWindow = [&](bool& cancel) {
    ++refused;
    cancel = true;
  };
  auto waitFor = [](const std::function<bool()>& done) { return WaitFor(done); };
  view->Navigate(first);
  ASSERT_TRUE(waitFor([&] { return loaded >= 1 && refused >= 1; }))
      << "loaded " << loaded << ", refused " << refused;
  EXPECT_EQ(view->LocationURL(), QUrl::fromLocalFile(first).toString());
  view->Navigate(second);
  ASSERT_TRUE(waitFor([&] { return loaded >= 2; }));
  EXPECT_EQ(view->LocationURL(), QUrl::fromLocalFile(second).toString());
  view->GoBack();
  EXPECT_EQ(view->LocationURL(), QUrl::fromLocalFile(first).toString()) << "right after the step";
  int shown = 0;
  for (QWidget* top : QApplication::topLevelWidgets()) shown += top->isVisible() ? 1 : 0;
  EXPECT_EQ(shown, 1) << "no other window opened";
  view.reset();
}

}  // namespace
