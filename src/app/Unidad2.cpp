#include "app/Unidad2.h"

#include <QMouseEvent>

#include "app/Addresses.h"
#include "platform/Controls.h"
#include "platform/Host.h"

namespace {
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
}  // namespace

TForm2::TForm2(QWidget* owner) : TForm(owner, QStringLiteral("Form2")) {
  SetCaption(tr("Acerca de Tarvel - conversor de unidades"));
  SetBorder(Border::Dialog);
  SetClientSize(401, 257);
  setMouseTracking(true);

  auto* Bevel1 = new TBevel(this, QStringLiteral("Bevel1"), TBevel::Shape::Box, true);
  Bevel1->setGeometry(8, 8, 385, 160);
  auto* Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(20, 20, 41, 41);
  Image1->setPixmap(QPixmap(QStringLiteral(":/tarvel/tarvel.png")));
  Image1->setScaledContents(true);

  PlaceLabel(this, QStringLiteral("Label7"), tr("Tarvel - conversor de unidades"), 76, 20, QColor(),
             true);
  TLabel* Label8 =
      PlaceLabel(this, QStringLiteral("Label8"), tr("Versión 2.5"), 76, 40, QColor(), true);
  TLabel* Label1 = PlaceLabel(this, QStringLiteral("Label1"), QString::fromUtf8(kRightsYears),
                              Label8->geometry().right() + 8, 40, QColor(), true);
  Label6 = PlaceLabel(this, QStringLiteral("Label6"), QString::fromUtf8(kMakerName),
                      Label1->geometry().right() + 6, 40, kBlue);
  Label6->setCursor(Qt::PointingHandCursor);
  Label6->setToolTip(tr("Página del programa"));
  Label6->setMouseTracking(true);
  Label6->OnClick = [this] { Label6Click(); };
  Label6->OnMouseMove = [this](QMouseEvent*) { Label6MouseMove(); };

  PlaceLabel(this, QStringLiteral("Label3"), tr("Para consultas o comentarios:"), 76, 70);
  TLabel* Label5 =
      PlaceLabel(this, QStringLiteral("Label5"), QString::fromUtf8(kMakerEmail), 76, 86, kBlue);
  Label5->SetUnderline(true);
  Label5->adjustSize();
  Label5->setCursor(Qt::PointingHandCursor);
  Label5->OnClick = [this] { Label5Click(); };

  TLabel* Label9 = PlaceLabel(this, QStringLiteral("Label9"), Text(kAndalusianCredit), 20, 120);
  TLabel* Label10 =
      PlaceLabel(this, QStringLiteral("Label10"), Text(kAndalusianCreditPlace), 0, 138);
  Label10->PlaceAt(qMax(Label9->geometry().right() + 1, 200), 138, Qt::AlignRight);

  auto* Bevel2 = new TBevel(this, QStringLiteral("Bevel2"), TBevel::Shape::TopLine);
  Bevel2->setGeometry(8, 178, 385, 2);
  PlaceLabel(this, QStringLiteral("Label2"), tr("Versión de cortesía, personalizada para..."), 16,
             187, QColor(0, 0, 0));
  auto* Bevel3 = new TBevel(this, QStringLiteral("Bevel3"), TBevel::Shape::TopLine);
  Bevel3->setGeometry(8, 208, 385, 2);

  Button1 = new TButton(this, QStringLiteral("Button1"), tr("OK"));
  Button1->setGeometry(163, 221, 75, 25);
  Button1->ModalResult = mrOk;
  Button1->setDefault(true);
  SetDefaultButton(Button1);
  // An about box also closes with Escape.
  SetCancelButton(Button1);
  Button1->setFocus();
}

void TForm2::Label6Click() { platform::host().ShellOpen(QString::fromUtf8(kProductPage)); }

void TForm2::Label5Click() {
  platform::host().ShellOpen(QStringLiteral("mailto:") + QString::fromUtf8(kMakerEmail));
}

void TForm2::Label6MouseMove() {
  Label6->SetFontColor(kRed);
  Label6->SetBold(true);
  Label6->SetUnderline(true);
  Label6->adjustSize();
}

void TForm2::FormMouseMove() {
  Label6->SetFontColor(kBlue);
  Label6->SetBold(false);
  Label6->SetUnderline(true);
  Label6->adjustSize();
}

void TForm2::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove();
  TForm::mouseMoveEvent(event);
}
