#include "tools/length/FractionParts.h"

#include <QCoreApplication>
#include <QStyle>

#include "platform/Controls.h"
#include "platform/SpeedButton.h"
#include "platform/StatusBar.h"

TBevel* AddFractionBar(QWidget* parent, const QRect& geometry) {
  auto* bar = new TBevel(parent, QStringLiteral("Bevel1"), TBevel::Shape::TopLine);
  bar->setFrameShadow(QFrame::Plain);
  bar->setLineWidth(2);
  bar->setGeometry(geometry);
  return bar;
}

StepButtons AddStepButtons(QWidget* parent, QPoint previous, QPoint next) {
  const QSize size(84, 30);
  QStyle* style = parent->style();
  StepButtons buttons{new TSpeedButton(parent, QStringLiteral("SpeedButton1"),
                                       //: a button: the previous measure (short for "anterior")
                                       QCoreApplication::translate("FractionParts", "Ant"),
                                       style->standardIcon(QStyle::SP_ArrowLeft), size),
                      new TSpeedButton(parent, QStringLiteral("SpeedButton2"),
                                       //: a button: the next measure (short for "siguiente")
                                       QCoreApplication::translate("FractionParts", "Sig"),
                                       style->standardIcon(QStyle::SP_ArrowRight), size)};
  buttons.previous->move(previous);
  buttons.next->move(next);
  for (TSpeedButton* step : {buttons.previous, buttons.next}) {
    step->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QFont bold = step->font();
    bold.setBold(true);
    step->setFont(bold);
    QPalette p = step->palette();
    p.setColor(QPalette::ButtonText, QColor(0x00, 0xFF, 0xFF));
    step->setPalette(p);
  }
  platform::SetHint(buttons.previous,
                    QCoreApplication::translate("FractionParts", "Medida anterior"), false);
  platform::SetHint(buttons.next, QCoreApplication::translate("FractionParts", "Medida siguiente"),
                    false);
  return buttons;
}

char16_t DigitsOnly(char16_t key) { return (key >= u'0' && key <= u'9') || key == 8 ? key : 0; }

void NameFractionEdits(QWidget* numerator, QWidget* denominator) {
  numerator->setAccessibleName(
      QCoreApplication::translate("FractionParts", "Numerador de la fracción de pulgada"));
  denominator->setAccessibleName(
      QCoreApplication::translate("FractionParts", "Denominador de la fracción de pulgada"));
}
