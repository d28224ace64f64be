#include "tools/tables/Unidadhierros.h"

#include <QAction>
#include <QMenu>
#include <cmath>

#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/Host.h"
#include "platform/Messages.h"
#include "platform/Panel.h"
#include "value/Locale.h"

namespace {

constexpr int kDiameters[TFormHierros::kRows] = {3, 4, 5, 6, 8, 10, 12, 14, 16, 20, 25, 32, 40};
// Nominal mass per metre, kg: π d² / 4 of steel at 7850 kg/m³, to two decimals.
const char* const kWeights[TFormHierros::kRows] = {"0,06", "0,10", "0,15", "0,22", "0,40",
                                                   "0,62", "0,89", "1,21", "1,58", "2,47",
                                                   "3,85", "6,31", "9,86"};
constexpr long double kPi = 3.141592653589793238L;

// The section of n bars of d mm, n π d² / 400 cm², to three decimals rounded half up, with a
// comma whatever the system's separator.
QString Section(int bars, int diameter) {
  const long double thousandths = std::floor(bars * kPi * diameter * diameter / 400 * 1000 + 0.5L);
  const long long whole = static_cast<long long>(thousandths);
  return QStringLiteral("%1,%2").arg(whole / 1000).arg(whole % 1000, 3, 10, QChar(u'0'));
}

// Every cell is a lowered panel on the caption-text colour with black Arial text.
constexpr int kHeight = 20;
constexpr int kNarrow = 20;  // the diameter column
constexpr int kWide = 52;    // the weight and section columns
constexpr int kLeft = 38;
constexpr int kTop = 20;
constexpr int kHeaderTop = kTop + 22;
constexpr int kRowsTop = kHeaderTop + 2 * kHeight;
constexpr int kSectionsLeft = kLeft + kNarrow + kWide;

// The text of a row's cell: the diameter, the weight per metre, or the section of col - 1
// bars.
QString CellText(int row, int col) {
  if (col == 0) return QString::number(kDiameters[row]);
  if (col == 1) return QLatin1String(kWeights[row]);
  return Section(col - 1, kDiameters[row]);
}

TPanel* MakeCell(QWidget* parent, const QString& name, const QString& caption, const QRect& at) {
  auto* cell = new TPanel(parent, name, caption);
  cell->SetBevelOuter(TPanel::Bevel::Lowered);
  cell->SetColor(Qt::white);
  cell->SetFontColor(Qt::black);
  cell->setFont(QFont(QStringLiteral("Arial"), 10));
  cell->setGeometry(at);
  return cell;
}

}  // namespace

TFormHierros::TFormHierros(QWidget* owner) : TForm(owner, QStringLiteral("FormHierros")) {
  SetCaption(tr("Barras de acero"));
  SetBorder(Border::Single);
  SetClientSize(668, 410);
  SetPosition(Position::ScreenCenter);

  auto* frame = new TBevel(this, QStringLiteral("Bevel1"), TBevel::Shape::Frame);
  frame->setGeometry(29, 12, 610, 341);

  QList<QWidget*> chain;
  BuildHeadings(chain);
  BuildRows(chain);

  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), tr("Volver"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(556, 368, 83, 27);
  SetTabChain(chain << BitBtn1);
  // The window opens with no cell highlighted: the focus starts on the button.
  BitBtn1->setFocus();

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  Copiar1 = PopupMenu1->addAction(tr("Copiar"));
  Copiar1->setObjectName(QStringLiteral("Copiar1"));
  PopupMenu1->setDefaultAction(Copiar1);
  connect(Copiar1, &QAction::triggered, this,
          [this] { platform::Guard([this] { Copiar1Click(); }); });
  for (int bars = 0; bars < 10; ++bars) Headers[bars]->PopupMenu = PopupMenu1;
  for (auto& row : Cells) {
    for (TPanel* cell : row) cell->PopupMenu = PopupMenu1;
  }
}

// The title, the headings of the diameter and weight columns, and the section columns' heading
// over one heading a number of bars, which take the focus (added to chain).
void TFormHierros::BuildHeadings(QList<QWidget*>& chain) {
  MakeCell(this, QStringLiteral("Panel1"), tr("Barras de acero corrugado para hormigón armado."),
           QRect(kLeft, kTop, kNarrow + 11 * kWide, 22));
  MakeCell(this, QStringLiteral("Panel2"), QStringLiteral("φ"),
           QRect(kLeft, kHeaderTop, kNarrow, 2 * kHeight));
  TPanel* weight = MakeCell(this, QStringLiteral("Panel3"), QString(),
                            QRect(kLeft + kNarrow, kHeaderTop, kWide, 2 * kHeight));
  int label = 0;
  for (const QString& caption : {tr("Peso"), QStringLiteral("kg/m")}) {
    auto* text = new TLabel(weight, QStringLiteral("Label%1").arg(label + 1), caption);
    text->setFont(weight->font());
    text->SetFontColor(Qt::black);
    text->setAlignment(Qt::AlignCenter);
    text->setGeometry(1, 1 + label * (kHeight - 1), kWide - 2, kHeight - 1);
    ++label;
  }
  MakeCell(this, QStringLiteral("Panel5"), tr("Sección en cm² según número de barras"),
           QRect(kSectionsLeft, kHeaderTop, 10 * kWide, kHeight));

  for (int bars = 1; bars <= 10; ++bars) {
    const QString name =
        bars == 1 ? QStringLiteral("Panel4") : QStringLiteral("Panel%1").arg(45 + bars);
    Headers[bars - 1] =
        MakeCell(this, name, QString::number(bars),
                 QRect(kSectionsLeft + (bars - 1) * kWide, kHeaderTop + kHeight, kWide, kHeight));
    platform::SetCellHeadings(Headers[bars - 1], QString(),
                              tr("Sección en cm² según número de barras"));
    WireCell(Headers[bars - 1]);
    chain << Headers[bars - 1];
  }
}

// A row per diameter: the diameter, the weight per metre and the sections of 1 to 10 bars,
// each cell read with the bar's diameter and its column's heading (added to chain).
void TFormHierros::BuildRows(QList<QWidget*>& chain) {
  for (int row = 0; row < kRows; ++row) {
    const int d = kDiameters[row];
    for (int col = 0; col < kCols; ++col) {
      const int x = col == 0 ? kLeft : kLeft + kNarrow + (col - 1) * kWide;
      TPanel* cell =
          MakeCell(this, QStringLiteral("Panel%1").arg(100 + kCols * row + col), CellText(row, col),
                   QRect(x, kRowsTop + row * kHeight, col == 0 ? kNarrow : kWide, kHeight));
      Cells[row][col] = cell;
      if (col == 0) {
        platform::SetCellHeadings(cell, QString(), QStringLiteral("φ"));
      } else {
        const int bars = col - 1;
        platform::SetCellHeadings(cell, QStringLiteral("φ %1").arg(d),
                                  col == 1    ? tr("Peso kg/m")
                                  : bars == 1 ? tr("Sección en cm² de %1 barra").arg(bars)
                                              : tr("Sección en cm² de %1 barras").arg(bars));
      }
      WireCell(cell);
      chain << cell;
    }
  }
}

void TFormHierros::WireCell(TPanel* cell) {
  cell->SetTabStop(true);
  cell->OnClick = [this, cell] { Panel6Click(cell); };
  cell->OnEnter = [this, cell] { Panel6Click(cell); };
  cell->OnContextPopup = [this, cell] { Panel6ContextPopup(cell); };
}

bool TFormHierros::Highlighted(const TPanel* cell) {
  return cell->BevelOuter() == TPanel::Bevel::Raised;
}

void TFormHierros::SetHighlighted(TPanel* cell, bool on) {
  cell->SetBevelOuter(on ? TPanel::Bevel::Raised : TPanel::Bevel::Lowered);
  cell->SetBold(on);
  const QPalette system = QPalette();
  cell->SetColor(on ? system.color(QPalette::Highlight) : system.color(QPalette::Base));
  cell->SetFontColor(on ? QColor(Qt::white) : system.color(QPalette::Text));
}

void TFormHierros::Panel6Click(TPanel* sender) {
  CurrentCell = sender;
  if (!Highlighted(sender)) {
    // Entering the cell comes back here, nested, and highlights it there already.
    sender->SetFocus();
    SetHighlighted(sender, true);
    if (SelectedCell && SelectedCell != sender) SetHighlighted(SelectedCell, false);
    SelectedCell = sender;
  } else {
    SetHighlighted(sender, false);
    SelectedCell = sender;
  }
}

void TFormHierros::Panel6ContextPopup(TPanel* sender) {
  CurrentCell = sender;
  if (!Highlighted(sender)) Panel6Click(sender);
}

void TFormHierros::Copiar1Click() {
  if (!CurrentCell) return;
  QString text = CurrentCell->Caption();
  const qsizetype comma = text.indexOf(u',');
  if (comma >= 0) text[comma] = QChar(platform::DecimalSeparator());
  platform::host().SetClipboardText(text);
}
