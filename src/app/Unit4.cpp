#include "app/Unit4.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/Addresses.h"
#include "app/BrowserParts.h"
#include "app/Pictures.h"
#include "platform/Controls.h"
#include "platform/Host.h"
#include "platform/Messages.h"

TFormBrowser::TFormBrowser(QWidget* owner) : TForm(owner, QStringLiteral("FormBrowser")) {
  const QString currencyItem = tr("Conversor de divisas \"on-line\"");
  SetCaption(currencyItem);
  SetBorder(Border::Sizeable, false, true);
  SetPosition(Position::ScreenCenter);
  SetClientSize(654, 422);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* Panel2 = new QFrame(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel2->setFixedHeight(46);
  auto* bar = new QHBoxLayout(Panel2);
  bar->setContentsMargins(4, 3, 4, 3);
  bar->setSpacing(1);
  const QSize size(51, 37);
  auto button = [&](const char* name, const QString& caption, const QIcon& icon,
                    void (TFormBrowser::*click)()) {
    auto* b = new TSpeedButton(Panel2, QLatin1String(name), caption, icon, size);
    b->setIconSize(QSize(18, 18));
    b->OnClick = [this, click] { (this->*click)(); };
    bar->addWidget(b);
  };
  button("SpeedButton1", tr("Anterior"), pictures::Back(), &TFormBrowser::SpeedButton1Click);
  button("SpeedButton5", tr("Siguiente"), pictures::Forward(), &TFormBrowser::SpeedButton5Click);
  button("SpeedButton2", tr("Actualizar"), pictures::Reload(), &TFormBrowser::SpeedButton2Click);
  auto* Bevel1 = new TBevel(Panel2, QStringLiteral("Bevel1"), TBevel::Shape::LeftLine);
  Bevel1->setFixedSize(2, 34);
  bar->addSpacing(4);
  bar->addWidget(Bevel1);
  bar->addSpacing(4);
  button("SpeedButton3", tr("Guardar"), pictures::Save(), &TFormBrowser::SpeedButton3Click);
  button("SpeedButton4", tr("Imprimir"), pictures::Print(), &TFormBrowser::SpeedButton4Click);
  bar->addSpacing(16);
  auto* Label1 = new TLabel(Panel2, QStringLiteral("Label1"), tr("Ir a:"));
  bar->addWidget(Label1);
  bar->addSpacing(6);
  ComboBox1 = new QComboBox(Panel2);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setFixedWidth(185);
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->addItems({currencyItem, tr("Su página Web"), tr("Este programa")});
  ComboBox1->setCurrentIndex(-1);
  ComboBox1->lineEdit()->setReadOnly(true);
  // The text only shows the choice: the combo box must not pick an item from it when the
  // text loses the focus or Enter is pressed (Enter is the list's own, below).
  QObject::disconnect(ComboBox1->lineEdit(), nullptr, ComboBox1, nullptr);
  ComboBox1->setEditText(currencyItem);
  ComboBox1->installEventFilter(this);
  ComboBox1->lineEdit()->installEventFilter(this);
  connect(ComboBox1, &QComboBox::activated, this,
          [this] { platform::Guard([this] { ComboBox1Change(); }); });
  bar->addWidget(ComboBox1);
  bar->addStretch(1);
  layout->addWidget(Panel2);

  auto* Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  auto* inner = new QVBoxLayout(Panel1);
  inner->setContentsMargins(0, 0, 0, 0);
  browser_ = PlaceWebView(Panel1, inner);
  if (browser_) browser_->OnNewWindow = [this](bool& cancel) { CppWebBrowser1NewWindow2(cancel); };
  layout->addWidget(Panel1, 1);

  OnActivate = [this] { FormActivate(); };
}

TFormBrowser::~TFormBrowser() {
  // The list outlives the view while the window's children go: it calls nothing here then.
  ComboBox1->disconnect(this);
  ComboBox1->removeEventFilter(this);
  ComboBox1->lineEdit()->removeEventFilter(this);
}

void TFormBrowser::FormActivate() {
  if (!browser_) {
    platform::ShowMessage(
        tr("Esta aplicación necesita que esté instalado InternetExplores 4, o posterior."));
    platform::host().ShellOpen(QString::fromUtf8(kProductPage));
    Close();
    return;
  }
  browser_->SetOffline(false);
  browser_->Navigate(QString::fromUtf8(kCurrencyPage));
}

void TFormBrowser::SpeedButton1Click() {
  if (!browser_) return;
  browser_->GoBack();
  FollowLocation();
}

void TFormBrowser::SpeedButton5Click() {
  if (!browser_) return;
  browser_->GoForward();
  FollowLocation();
}

void TFormBrowser::SpeedButton2Click() {
  if (browser_) browser_->Reload();
}
void TFormBrowser::SpeedButton3Click() {
  if (browser_) browser_->SaveAs();
}
void TFormBrowser::SpeedButton4Click() {
  if (browser_) browser_->Print();
}

void TFormBrowser::CppWebBrowser1NewWindow2(bool& cancel) { cancel = true; }

void TFormBrowser::FollowLocation() {
  const QString location = browser_->LocationURL();
  if (location == QLatin1String(kCurrencyPage)) {
    ComboBox1->setCurrentIndex(0);
  } else if (location == QLatin1String(kProductPage)) {
    ComboBox1->setCurrentIndex(2);
  }
}

void TFormBrowser::ComboBox1Change() {
  switch (ComboBox1->currentIndex()) {
    case 0:
      if (browser_) browser_->Navigate(QString::fromUtf8(kCurrencyPage));
      break;
    case 1:
      platform::MessageBox(this,
                           tr("Eligiendo esta opción, el mini-browser se dirigirá a "
                              "su página Web (por un mínimo desembolso previo, "
                              "naturalmente =)."),
                           tr("¿Su página aquí?"), platform::Icon::Warning);
      break;
    case 2:
      if (browser_) browser_->Navigate(QString::fromUtf8(kProductPage));
      break;
    default: break;
  }
}

void TFormBrowser::ComboBox1KeyPress(char16_t& key) {
  if (key == u'\r') {
    key = 0;
    ComboBox1Change();
    return;
  }
  key = 0;
}

// The list's text cannot be edited: every key that would type, delete or paste is
// discarded, and Enter runs the list's change. The arrows still choose an item.
bool TFormBrowser::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == ComboBox1 || watched == ComboBox1->lineEdit()) &&
      event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->key();
    const bool enter = code == Qt::Key_Return || code == Qt::Key_Enter;
    const bool navigation =
        code == Qt::Key_Tab || code == Qt::Key_Backtab || code == Qt::Key_Escape;
    const bool character =
        !key->text().isEmpty() && !navigation && !(key->modifiers() & Qt::AltModifier);
    if (enter || character || code == Qt::Key_Delete || code == Qt::Key_Backspace) {
      char16_t c = enter ? u'\r' : (key->text().isEmpty() ? 0 : key->text().at(0).unicode());
      platform::Guard([&] { ComboBox1KeyPress(c); });
      return true;
    }
  }
  return TForm::eventFilter(watched, event);
}
