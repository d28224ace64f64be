#include "tools/length/Unidadz.h"

#include <QApplication>

#include "platform/Accessibility.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Panel.h"

namespace {

struct Row {
  const char* header;  // UTF-8, marked for translation in the window's context
  const char* values[8];
  bool metric;  // the European sizes, in navy
};

const Row kFirstBlock[] = {
    {QT_TRANSLATE_NOOP("TFZapatos", "Sistema Métrico Europeo"),
     {"36", "37", "38", "39", "40", "41", "42", "43"},
     true},
    {QT_TRANSLATE_NOOP("TFZapatos", "De Mujeres"),
     {"5 1/2", "6 - 6 1/2", "7 - 7 1/2", "8 - 8 1/2", "9", "9 1/2", "10 - 10 1/2", "11"},
     false},
    {QT_TRANSLATE_NOOP("TFZapatos", "De Hombres"),
     {"", "", "", "6 - 6 1/2", "7", "7 1/2 - 8", "8 1/2", "9"},
     false},
    {QT_TRANSLATE_NOOP("TFZapatos", "Aprox. en centímetros"),
     {"22 1/2", "22 3/4", "23 3/4", "24 1/2", "25 1/4", "25 3/4", "26 1/4", "27"},
     false},
};
const Row kSecondBlock[] = {
    {QT_TRANSLATE_NOOP("TFZapatos", "Sistema Métrico Europeo"),
     {"44", "45", "46", "47", "48", "49", "50", ""},
     true},
    {QT_TRANSLATE_NOOP("TFZapatos", "De Hombres"),
     {"9 1/2 - 10", "10 1/2 - 11", "11 1/2 - 12", "12 1/2", "13 - 13 1/2", "14 - 14 1/2", "15", ""},
     false},
    {QT_TRANSLATE_NOOP("TFZapatos", "Aprox. en centímetros"),
     {"27 1/2", "28", "28 3/4", "30", "30 1/2", "31 1/2", "32", ""},
     false},
};

constexpr int kLeft = 11;
constexpr int kTop = 11;
constexpr int kHeaderWidth = 177;
constexpr int kValueWidth = 57;
constexpr int kGap = 2;
constexpr int kHeight = 25;
constexpr int kPitch = 27;       // from one row to the next
constexpr int kBlockPitch = 31;  // from the first block's last row to the second's first

}  // namespace

TFZapatos::TFZapatos(QWidget* owner) : TForm(owner, QStringLiteral("FZapatos")) {
  SetCaption(tr("Medida de zapatos"));
  SetBorder(Border::Single);
  SetClientSize(670, 263);
  QPalette menuColour = palette();
  menuColour.setColor(QPalette::Window, QApplication::palette("QMenu").color(QPalette::Window));
  setPalette(menuColour);

  auto* frame = new TBevel(this, QStringLiteral("Bevel1"), TBevel::Shape::Frame);
  frame->setGeometry(8, 8, 654, 197);

  const QPalette system;
  QList<QWidget*> chain;
  int number = 0;
  int y = kTop;
  // A screen reader reads each size with its row's heading and its European size.
  auto addRow = [&](const Row& row, const Row& european) {
    for (int col = 0; col <= 8; ++col) {
      const bool header = col == 0;
      auto* cell = new TPanel(this, QStringLiteral("Panel%1").arg(++number),
                              header ? Text(row.header) : QString::fromUtf8(row.values[col - 1]));
      cell->SetBevelOuter(TPanel::Bevel::Lowered);
      cell->SetColor(system.color(QPalette::Base));
      cell->SetFontColor(row.metric ? kNavy : system.color(QPalette::Text));
      // MS Sans Serif's metrics are Arial's rather than those of its stand-in here. Some
      // sizes ("10 - 10 1/2") are too wide for a cell in Arial: every size is drawn in its
      // narrow face, so that the whole table reads in one font.
      QFont font(header ? QStringLiteral("Arial") : QStringLiteral("Arial Narrow"));
      font.setPixelSize(13);
      font.setBold(header || row.metric);
      cell->setFont(font);
      if (header) {
        cell->SetAlignment(Qt::AlignLeft);
        cell->setGeometry(kLeft, y, kHeaderWidth, kHeight);
      } else {
        const int x = kLeft + kHeaderWidth + kGap + (col - 1) * (kValueWidth + kGap);
        cell->setGeometry(x, y, kValueWidth, kHeight);
      }
      if (header) {
        QString last;
        for (const char* size : european.values) {
          if (*size) last = QString::fromUtf8(size);
        }
        //: a range of European shoe sizes, as in "36 a 43"
        platform::SetCellHeadings(cell, QString(),
                                  tr("%1 a %2").arg(QString::fromUtf8(european.values[0]), last));
      } else {
        platform::SetCellHeadings(cell, Text(row.header),
                                  QString::fromUtf8(european.values[col - 1]));
      }
      cell->SetTabStop(true);
      chain << cell;
    }
  };
  for (const Row& row : kFirstBlock) {
    addRow(row, kFirstBlock[0]);
    y += kPitch;
  }
  y += kBlockPitch - kPitch;
  for (const Row& row : kSecondBlock) {
    addRow(row, kSecondBlock[0]);
    y += kPitch;
  }

  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), tr("Volver"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(579, 222, 83, 27);
  SetTabChain(chain << BitBtn1);
}
