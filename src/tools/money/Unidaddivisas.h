#pragma once
// The currency window: one edit per currency, converted through the euro at the central
// bank's reference rates (and at the user's own rates for the currencies the bank does not
// publish). The euro comes first, then the others by name. The window opens at
// once with the rates kept; it asks the bank for newer ones in the background when the kept
// ones are older than its last publication, or when the user asks.

#include <QDate>
#include <QHash>
#include <QSize>
#include <QString>
#include <vector>

#include "numeric/KeyStrokes.h"
#include "platform/Form.h"
#include "tools/money/History.h"
#include "tools/money/OwnCurrencies.h"
#include "tools/money/Rates.h"
#include "value/FloatErrors.h"

class TBitBtn;
class TEdit;
class TLabel;
class TStatusBar;
class QScrollArea;
class QDateEdit;

class TFormDivisas : public TForm {
  Q_OBJECT

 public:
  explicit TFormDivisas(QWidget* owner);

  // Each currency's edit is "Edit" + its code (EditEUR, EditUSD...), its label "Label" + its
  // code; a currency of the user's own has beside its edit "Fecha" + its code, the day it was
  // entered.
  TStatusBar* StatusBar1;
  TBitBtn* BitBtn1;  // "Volver"
  TBitBtn* BitBtn2;  // "Actualizar"
  TBitBtn* BitBtn3;  // "Añadir divisa..."
  TBitBtn* BitBtn4;  // "Modificar divisa..."
  // The day of the rates: empty (or today) for the latest, another day for that day's.
  QDateEdit* FechaTipos;
  TLabel* LabelFecha;  // "Fecha:"

  void EditEURKeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void EditEURKeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }
  // The change of any currency's edit: the user's amount, converted into every other
  // currency through the euro.
  void RowChange(int row);
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  // A day chosen in FechaTipos: that day's rates, or the latest for none or today.
  void FechaTiposChange(const QDate& date);

  // The rates in use: the bank's (possibly none) and the date they were fixed.
  const money::RateSheet& Rates() const { return sheet_; }
  // The rates of the day chosen, when one is; empty for the latest.
  const money::RateSheet& PastRates() const { return past_; }
  bool Downloading() const { return downloading_ || historyBusy_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Row {
    QString code;
    QString name;
    double perEuro = 0;  // 0: no rate (no rates kept yet)
    bool own = false;
    QDate entered;
    int digits = 2;
    TEdit* edit = nullptr;
    TLabel* label = nullptr;
    TLabel* mark = nullptr;  // the day a currency of the user's own was entered
    double value = 0;
  };

  // A currency's row; entered: the day a currency of the user's own was entered.
  static Row MakeRow(const QString& code, const QString& name, double perEuro,
                     const QDate& entered = QDate());
  struct Typed;
  Typed TypedAmount() const;
  // The rows of the rates in use, the euro first, the others by name.
  std::vector<Row> RowsToShow() const;
  // The edit, label and mark of row i.
  void MakeRowControls(int i, bool anyRate);
  void BuildRows();
  void PlaceRows();
  void ClearEdits();
  // The rows' area as large as they need, within the screen: a longer list scrolls.
  void FitToScreen(int rowsWidth, int rowsHeight);
  QSize MaxClient() const;
  // Writes every other currency from the source's amount, through the euro.
  void Convert();
  void Write(Row& row, Extended value);
  // Writes those rows from euros_; how many had to be emptied.
  int WriteRows(const std::vector<int>& rows);
  // Whether the row's edit is in the part of the list that the window shows.
  bool OnScreen(const Row& row) const;
  // The rows that could not be written: emptied, none left showing another amount's figure.
  void ReportOverflow(int emptied);
  void StartDownload();
  // The chosen day's rates from the history, read or downloaded first when needed.
  void UseHistory(bool mayDownload);
  bool OnPastDay() const { return chosenDay_.isValid() && !past_.Empty(); }
  QString RatesLine() const;
  void Downloaded(const money::Update& update);
  void ShowStatus();
  void SaveOwn(const money::OwnChange& change);
  QStringList TakenCodes() const;

  std::vector<Row> Rows;  // the euro first
  QScrollArea* rowArea_;
  QWidget* rowPanel_;  // the rows' edits and labels
  std::vector<QWidget*> rowWidgets_;
  QHash<QString, QSize> markSizes_;  // the size of each mark's text, measured once
  Extended euros_ = 0;               // the amount being converted, in euros
  std::vector<int> later_;           // rows off screen still to be written
  int passes_ = 0;  // conversions and row makings, so a late write knows it is stale
  int source_ = 0;  // the row the user typed in last: what the others are converted from
  // Set while a conversion writes the other edits. The source is the edit whose text the user
  // changed, whatever key or paste changed it.
  bool Updating = false;
  KeyBookkeeping Bookkeeping{SourceKeys::KeyDownAndPress, nullptr, [this] { Updating = false; }};

  money::RateSheet sheet_;
  std::vector<money::OwnCurrency> own_;
  bool downloading_ = false;
  bool asked_ = false;  // the download of the first showing was decided
  QString netNote_;     // "sin conexión", or why a download was refused
  QString ownNote_;     // a damaged file of the user's currencies, set aside
  QString keptNote_;    // kept rates that no longer read
  std::shared_ptr<const money::RateHistory> history_;
  bool historyRead_ = false;  // the kept history was looked for
  bool historyBusy_ = false;  // being read or downloaded
  QString historyNote_;       // why there is no history
  QDate chosenDay_;           // the day chosen; invalid for the latest
  QDate goodDate_;            // the field's last good day
  money::RateSheet past_;     // the rates of the day chosen
  QString dateNote_;          // a day refused
  int statusWidth_ = 0;       // what the status bar's text needs
};
