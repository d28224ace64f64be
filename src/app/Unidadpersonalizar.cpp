#include "app/Unidadpersonalizar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/BrowserParts.h"
#include "app/Pictures.h"

TFormPersonalizar::TFormPersonalizar(QWidget* owner)
    : TForm(owner, QStringLiteral("FormPersonalizar")) {
  SetCaption(tr("Cómo personalizar..."));
  SetBorder(Border::Sizeable, false, true);
  SetPosition(Position::ScreenCenter);
  SetClientSize(536, 445);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* ToolBar1 = new QFrame(this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setFixedHeight(28);
  auto* bar = new QHBoxLayout(ToolBar1);
  bar->setContentsMargins(2, 1, 2, 1);
  bar->setSpacing(1);
  const QSize size(26, 26);
  auto separator = [&] {
    auto* line = new QFrame(ToolBar1);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    bar->addSpacing(3);
    bar->addWidget(line);
    bar->addSpacing(3);
  };
  auto button = [&](const char* name, const QString& tip, const QIcon& icon, QSize size,
                    void (TFormPersonalizar::*click)()) {
    auto* b = new TSpeedButton(ToolBar1, QLatin1String(name), QString(), icon, size);
    b->setToolTip(tip);
    b->OnClick = [this, click] { (this->*click)(); };
    bar->addWidget(b);
  };
  button("boton_atras", tr("Atrás"), pictures::Back(), QSize(52, 26),
         &TFormPersonalizar::boton_atrasClick);
  button("BotonAdelante", tr("Adelante"), pictures::Forward(), size,
         &TFormPersonalizar::BotonAdelanteClick);
  button("BotonActualizar", tr("Actualizar"), pictures::Reload(), size,
         &TFormPersonalizar::BotonActualizarClick);
  separator();
  button("SpeedButton1", tr("Guardar como..."), pictures::Save(), size,
         &TFormPersonalizar::SpeedButton1Click);
  separator();
  button("SpeedButton2", tr("Imprimir"), pictures::Print(), size,
         &TFormPersonalizar::SpeedButton2Click);
  bar->addStretch(1);
  layout->addWidget(ToolBar1);
  browser_ = PlaceWebView(this, layout);
}

TFormPersonalizar::~TFormPersonalizar() = default;

void TFormPersonalizar::boton_atrasClick() {
  if (browser_) browser_->GoBack();
}
void TFormPersonalizar::BotonAdelanteClick() {
  if (browser_) browser_->GoForward();
}
void TFormPersonalizar::BotonActualizarClick() {
  if (browser_) browser_->Reload();
}
void TFormPersonalizar::SpeedButton1Click() {
  if (browser_) browser_->SaveAs();
}
void TFormPersonalizar::SpeedButton2Click() {
  if (browser_) browser_->Print();
}
