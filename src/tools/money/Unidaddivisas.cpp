#include "tools/money/Unidaddivisas.h"

#include <QApplication>
#include <QCollator>
#include <QDateEdit>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "numeric/Numeric.h"
#include "platform/Accessibility.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/CopyAll.h"
#include "platform/Edit.h"
#include "platform/Messages.h"
#include "platform/StatusBar.h"
#include "tools/money/Currencies.h"
#include "tools/money/Unidaddivisapropia.h"
#include "value/Locale.h"

namespace {

constexpr Extended kLimit = 1e15L;  // the largest amount taken: a thousand billion
constexpr int kPitch = 26;
constexpr int kEditWidth = 100;
constexpr int kEditHeight = 21;
constexpr int kMargin = 10;
constexpr int kColumnGap = 24;
constexpr int kButtonHeight = 27;
constexpr int kStatusHeight = 19;
const QColor kOwnColor(0x00, 0x80, 0x80);    // teal: a rate of the user's own
const QColor kDateColor(0x50, 0x50, 0x50);   // the day it was entered
const QColor kStaleColor(0xB0, 0x40, 0x00);  // rates more than a week old

// An amount to the currency's minor unit, with its trailing zeros ("95,20"); beyond the
// fixed notation of the windows, as they show a number.
QString FormatAmount(double amount, int digits) {
  if (std::fabs(amount) >= 1e15) return FormatValue(amount);
  const double rounded = static_cast<double>(RoundTo(amount, digits));
  QString text = QString::number(rounded == 0 ? 0.0 : rounded, 'f', digits);
  text.replace(u'.', QChar(platform::DecimalSeparator()));
  return text;
}

QString ShortDate(const QDate& date) { return date.toString(QStringLiteral("d/M/yyyy")); }

}  // namespace

TFormDivisas::TFormDivisas(QWidget* owner) : TForm(owner, QStringLiteral("FormDivisas")) {
  SetCaption(tr("Divisas"));
  SetBorder(Border::Single);
  SetPosition(Position::ScreenCenter);
  SetClientSize(600, 400);
  // The desktop's search gives amounts as the window does, to the cent.
  setProperty(platform::kFiguresAsShown, true);

  sheet_ = money::KeptRates(&keptNote_);
  money::OwnCurrencies own = money::LoadOwnCurrencies();
  own_ = std::move(own.list);
  ownNote_ = own.problem;

  BitBtn2 = new TBitBtn(this, QStringLiteral("BitBtn2"), tr("Actualizar"));
  BitBtn2->OnClick = [this] { BitBtn2Click(); };
  BitBtn3 = new TBitBtn(this, QStringLiteral("BitBtn3"), tr("Añadir divisa..."));
  BitBtn3->OnClick = [this] { BitBtn3Click(); };
  BitBtn4 = new TBitBtn(this, QStringLiteral("BitBtn4"), tr("Modificar divisa..."));
  BitBtn4->OnClick = [this] { BitBtn4Click(); };
  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), tr("Volver"), TBitBtn::Kind::OK);
  FechaTipos = new QDateEdit(this);
  FechaTipos->setObjectName(QStringLiteral("FechaTipos"));
  FechaTipos->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  FechaTipos->setCalendarPopup(true);
  // A day counts once typed whole (Enter, or leaving the field), not at each key.
  FechaTipos->setKeyboardTracking(false);
  // Its lowest day stands for none (shown empty): the latest rates. A day before the bank's
  // first, or after today, can be typed, and is refused with a word in the status bar.
  FechaTipos->setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 31));
  FechaTipos->setSpecialValueText(QStringLiteral(" "));
  FechaTipos->setDate(FechaTipos->minimumDate());
  goodDate_ = FechaTipos->minimumDate();
  FechaTipos->resize(std::max(104, FechaTipos->sizeHint().width()), kEditHeight + 2);
  connect(FechaTipos, &QDateEdit::dateChanged, this,
          [this](const QDate& date) { platform::Guard([&] { FechaTiposChange(date); }); });
  // Entered while empty, it shows today (the same rates), so that a day can be typed into
  // its parts.
  FechaTipos->installEventFilter(this);
  LabelFecha = PlaceLabel(this, QStringLiteral("LabelFecha"), tr("Fecha:"), 0, 0);
  FechaTipos->setAccessibleName(tr("Fecha de los tipos"));
  StatusBar1 = new TStatusBar(this, QStringLiteral("StatusBar1"));
  // The rows stand in an area of their own, which scrolls only when they are more than the
  // screen holds; otherwise it is not seen.
  rowArea_ = new QScrollArea(this);
  rowArea_->setObjectName(QStringLiteral("Divisas"));
  rowArea_->setFrameShape(QFrame::NoFrame);
  rowArea_->setFocusPolicy(Qt::NoFocus);
  rowPanel_ = new QWidget;
  rowArea_->setWidget(rowPanel_);
  rowArea_->viewport()->setAutoFillBackground(false);
  rowPanel_->setAutoFillBackground(false);

  BuildRows();
  ShowStatus();
}

TFormDivisas::Row TFormDivisas::MakeRow(const QString& code, const QString& name, double perEuro,
                                        const QDate& entered) {
  Row row;
  row.code = code;
  row.name = name;
  row.perEuro = perEuro;
  row.own = entered.isValid();
  row.entered = entered;
  row.digits = money::MinorDigits(code);
  return row;
}

// What the user had typed, to type it again into the same currency's new edit.
struct TFormDivisas::Typed {
  QString code, text;
  bool focused = false;
  int caret = -1, anchor = -1;  // where the user left the caret and the selection's other end
};

TFormDivisas::Typed TFormDivisas::TypedAmount() const {
  Typed typed;
  if (source_ < 0 || source_ >= static_cast<int>(Rows.size())) return typed;
  const TEdit* edit = Rows[source_].edit;
  typed.code = Rows[source_].code;
  typed.text = edit->Text();
  // An amount that waited for its rate takes the focus when it can be typed in.
  typed.focused = edit->hasFocus() || !edit->isEnabled();
  if (edit->hasFocus()) {
    typed.caret = edit->cursorPosition();
    typed.anchor = !edit->hasSelectedText()                ? typed.caret
                   : typed.caret == edit->selectionStart() ? edit->selectionEnd()
                                                           : edit->selectionStart();
  }
  return typed;
}

std::vector<TFormDivisas::Row> TFormDivisas::RowsToShow() const {
  // The euro, then the bank's currencies (or, with no rates yet, every one Tarvel knows by
  // name, without a rate) and the user's own, by name. A code the user added stays the
  // user's even when the bank publishes it later.
  auto owned = [this](const QString& code) {
    return std::any_of(own_.begin(), own_.end(), [&](const auto& c) { return c.code == code; });
  };
  // On a past day: that day's currencies; those it did not have, and the user's own (whose
  // rates are of today), are shown without a rate.
  const bool past = OnPastDay();
  const money::RateSheet& shown = past ? past_ : sheet_;
  std::vector<Row> others;
  QSet<QString> listed;
  for (const money::Rate& rate : shown.rates) {
    if (!past && owned(rate.code)) continue;
    others.push_back(MakeRow(rate.code, money::CurrencyName(rate.code), rate.perEuro));
    listed.insert(rate.code);
  }
  auto withoutRate = [&](const QString& code) {
    if (listed.contains(code) || owned(code)) return;
    others.push_back(MakeRow(code, money::CurrencyName(code), 0));
    listed.insert(code);
  };
  if (shown.Empty() || past) {
    for (int i = 1; i < money::KnownCurrencyCount(); ++i)
      withoutRate(QString::fromLatin1(money::KnownCurrencies()[i].code));
    for (const money::Rate& rate : sheet_.rates) withoutRate(rate.code);
  }
  for (const money::OwnCurrency& currency : own_) {
    if (listed.contains(currency.code)) continue;
    others.push_back(
        MakeRow(currency.code, currency.name, past ? 0 : currency.perEuro, currency.entered));
  }
  QCollator collator(QLocale(QLocale::Spanish, QLocale::Spain));
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(others.begin(), others.end(), [&](const Row& a, const Row& b) {
    return collator.compare(a.name, b.name) < 0;
  });
  std::vector<Row> rows{
      MakeRow(QStringLiteral("EUR"), money::CurrencyName(QStringLiteral("EUR")), 1.0)};
  for (Row& row : others) rows.push_back(std::move(row));
  return rows;
}

void TFormDivisas::MakeRowControls(int i, bool anyRate) {
  Row& row = Rows[i];
  row.edit = new TEdit(rowPanel_, QStringLiteral("Edit") + row.code, QString());
  row.edit->resize(kEditWidth, kEditHeight);
  row.edit->setEnabled(i == 0 ? anyRate : row.perEuro > 0);
  row.edit->setProperty(platform::kSearchNames, money::SearchAliases(row.code));
  row.label = AttachLabel(row.edit, QStringLiteral("Label") + row.code,
                          money::Caption(row.name, row.code), row.own ? kOwnColor : kNavy);
  rowWidgets_.insert(rowWidgets_.end(), {row.edit, row.label});
  if (row.own) {
    // Most marks say the same ("propia, 9/12/2026"): the text is measured once.
    //: beside a currency of the user's own: the day it was entered
    const QString mark = tr("propia, %1").arg(ShortDate(row.entered));
    row.mark = new TLabel(rowPanel_, QStringLiteral("Fecha") + row.code, mark);
    row.mark->SetFontColor(kDateColor);
    if (const auto size = markSizes_.constFind(mark); size != markSizes_.cend()) {
      row.mark->resize(*size);
    } else {
      row.mark->adjustSize();
      markSizes_.insert(mark, row.mark->size());
    }
    //: %1 the rate, %2 the currency's code, %3 the date it was entered ("9 de diciembre de 2026")
    const QString about =
        tr("Divisa propia: 1 EUR = %1 %2, introducida el %3")
            .arg(FormatValue(row.perEuro), row.code, money::DateText(row.entered));
    row.edit->setAccessibleDescription(about);
    platform::SetPlainHint(row.edit, about);
    platform::SetPlainHint(row.mark, about);
    rowWidgets_.push_back(row.mark);
  }
  row.edit->OnChange = [this, i](TEdit*) { RowChange(i); };
  WireKeyHandlers(this, {row.edit}, &TFormDivisas::EditEURKeyDown, &TFormDivisas::EditEURKeyPress);
}

void TFormDivisas::BuildRows() {
  const Typed typed = TypedAmount();
  ++passes_;  // rows still to be written belong to the rows that go now
  later_.clear();
  for (QWidget* widget : rowWidgets_) delete widget;
  rowWidgets_.clear();
  markSizes_.clear();
  Rows = RowsToShow();
  const bool anyRate =
      std::any_of(Rows.begin() + 1, Rows.end(), [](const Row& r) { return r.perEuro > 0; });
  QList<QWidget*> chain;
  for (int i = 0; i < static_cast<int>(Rows.size()); ++i) {
    MakeRowControls(i, anyRate);
    chain << Rows[i].edit;
  }
  SetTabChain(chain << FechaTipos << BitBtn2 << BitBtn3 << BitBtn4 << BitBtn1);
  BitBtn4->setEnabled(!own_.empty() && !OnPastDay());
  PlaceRows();
  for (QWidget* widget : rowWidgets_) widget->show();
  if (isVisible()) platform::NameControlsForAccessibility(this);

  // One euro in every currency, until the user types; or the user's amount again.
  source_ = 0;
  const auto again =
      std::find_if(Rows.begin(), Rows.end(), [&](const Row& r) { return r.code == typed.code; });
  if (again != Rows.end() && again->edit->isEnabled() && !typed.text.isEmpty()) {
    if (typed.focused) again->edit->SetFocus();
    again->edit->SetText(typed.text);
    // The caret and the selection where they were: the next key goes where the user expects.
    if (typed.caret >= 0) again->edit->setSelection(typed.anchor, typed.caret - typed.anchor);
  } else if (Rows[0].edit->isEnabled()) {
    Rows[0].edit->SetText(FormatAmount(1, Rows[0].digits));
  }
}

void TFormDivisas::PlaceRows() {
  int labelWidth = 0, markWidth = 0;
  for (const Row& row : Rows) {
    labelWidth = std::max(labelWidth, row.label->width());
    if (row.mark) markWidth = std::max(markWidth, row.mark->width());
  }
  const int column = labelWidth + 6 + kEditWidth + (markWidth ? 6 + markWidth : 0);
  const int perColumn = (static_cast<int>(Rows.size()) + 1) / 2;
  for (int i = 0; i < static_cast<int>(Rows.size()); ++i) {
    const Row& row = Rows[i];
    const int x = kMargin + (i / perColumn) * (column + kColumnGap) + labelWidth + 6;
    const int y = kMargin + (i % perColumn) * kPitch;
    row.edit->move(x, y);
    row.label->move(x - 6 - row.label->width(), y);
    if (row.mark) {
      row.mark->resize(row.mark->width(), kEditHeight);
      row.mark->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      row.mark->move(x + kEditWidth + 6, y);
    }
  }
  const int rowsWidth = 2 * column + kColumnGap + 2 * kMargin;
  FitToScreen(rowsWidth, kMargin + perColumn * kPitch);
  const int buttons = rowArea_->height() + 6;
  int x = kMargin;
  LabelFecha->resize(LabelFecha->width(), kButtonHeight);
  LabelFecha->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  LabelFecha->move(x, buttons);
  x += LabelFecha->width() + 6;
  FechaTipos->move(x, buttons + (kButtonHeight - FechaTipos->height()) / 2);
  x += FechaTipos->width() + 8;
  for (TBitBtn* button : {BitBtn2, BitBtn3, BitBtn4}) {
    const int width = std::max(90, button->sizeHint().width());
    button->setGeometry(x, buttons, width, kButtonHeight);
    x += width + 8;
  }
  const int width = std::max(
      {rowArea_->width(), x + 83 + kMargin, std::min(statusWidth_, MaxClient().width()), 560});
  BitBtn1->setGeometry(width - kMargin - 83, buttons, 83, kButtonHeight);
  const int height = buttons + kButtonHeight + kMargin + kStatusHeight;
  SetClientSize(width, height);
  StatusBar1->setGeometry(0, height - kStatusHeight, width, kStatusHeight);
}

QSize TFormDivisas::MaxClient() const {
  // The screen's room less the window manager's frame (a title bar's worth before the
  // window has one).
  const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
  const QSize room = where ? where->availableGeometry().size() : QSize(1024, 768);
  const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(8, 40);
  return room - frame;
}

void TFormDivisas::FitToScreen(int rowsWidth, int rowsHeight) {
  rowPanel_->resize(rowsWidth, rowsHeight);
  const QSize room = MaxClient() - QSize(0, 6 + kButtonHeight + kMargin + kStatusHeight);
  const bool scrolls = rowsHeight > room.height();
  const int bar = scrolls ? rowArea_->verticalScrollBar()->sizeHint().width() : 0;
  rowArea_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  rowArea_->setHorizontalScrollBarPolicy(rowsWidth + bar > room.width() ? Qt::ScrollBarAsNeeded
                                                                        : Qt::ScrollBarAlwaysOff);
  rowArea_->setGeometry(0, 0, std::min(rowsWidth + bar, room.width()),
                        std::min(rowsHeight, room.height()));
}

void TFormDivisas::ClearEdits() {
  for (Row& row : Rows) row.edit->SetText(QString());
}

void TFormDivisas::Write(Row& row, Extended value) {
  row.value = Store(value);
  row.edit->SetText(FormatAmount(row.value, row.digits));
}

void TFormDivisas::RowChange(int i) {
  if (Updating) return;  // a write of the running conversion
  Row& source = Rows[i];
  const QString text = source.edit->Text();
  if (text.isEmpty()) {
    ClearEdits();
    return;
  }
  if (!ChangePrologue(source.edit, 0)) return;
  Extended amount = 0;
  if (!TryParseValue(text, amount)) {
    ReportInvalidNumber(source.edit, this);
    return;
  }
  if (std::fabs(amount) > kLimit) {
    ReportTooLarge(this, source.edit, text);
    return;
  }
  source.value = Store(amount);
  source_ = i;
  // An amount given to a currency without a rate yet (the unit search, before the first
  // rates) waits in its edit: the rows made with the rates take it again.
  if (source.edit->isEnabled()) Convert();
}

void TFormDivisas::Convert() {
  const Row& source = Rows[source_];
  euros_ = Divide(source.value, source.perEuro);
  // The rows on screen at once; in a list longer than the screen, the others in the next turn
  // of the event loop, so that a key stroke never waits for rows nobody sees.
  later_.clear();
  std::vector<int> now;
  for (int j = 0; j < static_cast<int>(Rows.size()); ++j) {
    if (j == source_ || !Rows[j].edit->isEnabled()) continue;
    (OnScreen(Rows[j]) ? now : later_).push_back(j);
  }
  int emptied = WriteRows(now);
  if (!later_.empty())
    QTimer::singleShot(0, this, [this, pass = ++passes_] {
      if (pass != passes_) return;  // a newer conversion, or new rows, came first
      const std::vector<int> rows = std::move(later_);
      later_.clear();
      if (const int emptied = WriteRows(rows)) ReportOverflow(emptied);
    });
  if (emptied > 0) ReportOverflow(emptied);
}

bool TFormDivisas::OnScreen(const Row& row) const {
  if (!isVisible() || rowArea_->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOn) return true;
  const QRect seen(QPoint(0, rowArea_->verticalScrollBar()->value()), rowArea_->viewport()->size());
  return seen.intersects(row.edit->geometry());
}

int TFormDivisas::WriteRows(const std::vector<int>& rows) {
  // Every write runs its edit's handler, which finds the conversion running.
  Updating = true;
  struct Done {
    bool& updating;
    ~Done() { updating = false; }
  } done{Updating};
  // Every row is written: a row whose figure cannot be had is emptied and the others go on,
  // so that no row keeps a figure of an earlier amount.
  int emptied = 0;
  for (int j : rows) {
    Row& row = Rows[j];
    try {
      Write(row, euros_ * row.perEuro);
    } catch (const EMathError&) {
      row.value = 0;
      row.edit->SetText(QString());
      ++emptied;
    }
  }
  return emptied;
}

void TFormDivisas::ReportOverflow(int emptied) {
  platform::MessageBox(
      this,
      emptied == 1
          ? tr("El importe es demasiado grande para una de las divisas: se ha dejado vacía.")
          : tr("El importe es demasiado grande para %1 divisas: se han dejado vacías.")
                .arg(emptied),
      tr("Divisas"), platform::Icon::Warning);
}

void TFormDivisas::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  // A window read without being shown (the unit search's index, the desktop's search) never
  // goes to the network.
  if (asked_ || testAttribute(Qt::WA_DontShowOnScreen)) return;
  asked_ = true;
  // After the first paint: the window shows the rates it has before anything else.
  if (sheet_.Empty() || sheet_.date < money::LastPublication(QDateTime::currentDateTimeUtc()))
    QTimer::singleShot(0, this, [this] { StartDownload(); });
}

void TFormDivisas::BitBtn2Click() { StartDownload(); }

void TFormDivisas::StartDownload() {
  if (downloading_) return;
  downloading_ = true;
  ShowStatus();
  money::DownloadRates(
      this, [this](const money::Update& update) { platform::Guard([&] { Downloaded(update); }); });
}

void TFormDivisas::Downloaded(const money::Update& update) {
  downloading_ = false;
  switch (update.outcome) {
    case money::Update::Outcome::Kept: {
      netNote_ = update.reason;
      const bool sameCurrencies =
          !sheet_.Empty() && sheet_.rates.size() == update.sheet.rates.size() &&
          std::equal(sheet_.rates.begin(), sheet_.rates.end(), update.sheet.rates.begin(),
                     [](const money::Rate& a, const money::Rate& b) { return a.code == b.code; });
      sheet_ = update.sheet;
      if (!sameCurrencies) {
        BuildRows();
        break;
      }
      // The same rows: the new rates in place, and what is shown converted again.
      for (Row& row : Rows) {
        if (row.own || row.code == QLatin1String("EUR")) continue;
        for (const money::Rate& rate : sheet_.rates)
          if (rate.code == row.code) row.perEuro = rate.perEuro;
      }
      if (!Rows[source_].edit->Text().isEmpty()) Convert();
      break;
    }
    case money::Update::Outcome::Offline: netNote_ = update.reason; break;
    case money::Update::Outcome::Refused:
      netNote_ = tr("descarga rechazada: %1").arg(update.reason);
      break;
  }
  ShowStatus();
}

QString TFormDivisas::RatesLine() const {
  if (OnPastDay()) {
    const QString date = money::LongDateText(past_.date);
    //: %1 the date with its weekday ("viernes 30 de diciembre de 2022")
    if (past_.date == chosenDay_)
      return tr("Tipos de referencia del BCE del %1", "a date with its weekday").arg(date);
    // A day without a publication takes the last day before it, and says so, as briefly as
    // the date of the rates allows.
    const QString day = chosenDay_.year() != past_.date.year() ? money::DateText(chosenDay_)
                        : chosenDay_.month() != past_.date.month()
                            ? money::DayAndMonthText(chosenDay_)
                            : money::DayText(chosenDay_);
    //: %1 the date of the rates with its weekday ("viernes 30 de diciembre de 2022"); %2 the day
    //: chosen: "31" when in the same month, "1 de enero" in the same year, else the whole date
    return tr("Tipos de referencia del BCE del %1 (el %2 no hubo publicación)").arg(date, day);
  }
  if (sheet_.Empty()) return tr("Sin tipos de cambio del BCE");
  const QString date = money::DateText(sheet_.date);
  // Rates kept for more than a week are marked, so a user long offline knows it.
  const qint64 age = sheet_.date.daysTo(money::Today());
  //: %1 the date of the rates ("4 de diciembre de 2026"); %2 how many days ago, more than 7
  if (age > 7)
    return tr("Tipos de referencia del BCE del %1 (hace %2 días)").arg(date, QString::number(age));
  //: %1 the date of the rates ("4 de diciembre de 2026")
  return tr("Tipos de referencia del BCE del %1").arg(date);
}

void TFormDivisas::ShowStatus() {
  // What the desktop's search says of its answers, and what heads a copy of the figures.
  //: under the desktop search's answers; %1 the date of the rates ("4 de diciembre de 2026")
  setProperty(
      platform::kAnswerSource,
      sheet_.Empty() ? QString() : tr("Tipos del BCE del %1").arg(money::DateText(sheet_.date)));
  const bool anyRates = OnPastDay() || !sheet_.Empty();
  setProperty(platform::kCopyHeading, anyRates ? RatesLine() : QString());
  QString text = RatesLine();
  if (downloading_) {
    text += QStringLiteral(" — ") + tr("actualizando...");
  } else if (!netNote_.isEmpty()) {
    text += QStringLiteral(" — ") + netNote_;
  }
  if (historyBusy_) {
    text += QStringLiteral(" — ") + tr("cargando los tipos de otros días...");
  } else if (!historyNote_.isEmpty()) {
    text += QStringLiteral(" — ") + historyNote_;
  }
  if (!dateNote_.isEmpty()) text += QStringLiteral(" — ") + dateNote_;
  if (sheet_.Empty() && !downloading_ && !OnPastDay())
    //: «Actualizar» is this window's button; Divisas > Conversor "on-line" the main menu's item
    text += QStringLiteral(". ") + tr("Pulse «Actualizar» o use Divisas > Conversor \"on-line\"");
  if (!keptNote_.isEmpty()) text += QStringLiteral(" — ") + keptNote_;
  if (!ownNote_.isEmpty()) text += QStringLiteral(" — ") + ownNote_;
  StatusBar1->SetSimpleText(text);
  // Old rates in the window's warning colour.
  const bool stale = !OnPastDay() && !sheet_.Empty() && sheet_.date.daysTo(money::Today()) > 7;
  QPalette palette = StatusBar1->palette();
  palette.setColor(QPalette::WindowText,
                   stale ? kStaleColor : QApplication::palette().color(QPalette::WindowText));
  StatusBar1->setPalette(palette);
  // Text from outside (a server's reason, a file's name) is shown as it is, never as markup.
  platform::SetPlainToolTip(StatusBar1, text);
  // The window widens rather than cut what it says.
  statusWidth_ = StatusBar1->fontMetrics().horizontalAdvance(text) + 24;
  if (statusWidth_ > width()) PlaceRows();
}

bool TFormDivisas::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the field takes the day typed, and does not close the window; a field emptied
  // from the keyboard stands for the latest rates again, on Enter or on leaving it.
  const bool enter = event->type() == QEvent::KeyPress &&
                     (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
  if (watched == FechaTipos && (enter || event->type() == QEvent::FocusOut)) {
    if (FechaTipos->text().trimmed().isEmpty()) {
      FechaTipos->setDate(FechaTipos->minimumDate());
    } else if (enter) {
      FechaTipos->interpretText();
    }
    if (enter) return true;
  }
  if (watched == FechaTipos && event->type() == QEvent::FocusIn &&
      FechaTipos->date() == FechaTipos->minimumDate()) {
    const QSignalBlocker quiet(FechaTipos);
    FechaTipos->setDate(money::Today());
  }
  return TForm::eventFilter(watched, event);
}

void TFormDivisas::FechaTiposChange(const QDate& date) {
  const QDate today = money::Today();
  if (date == FechaTipos->minimumDate() || date == today) {
    // The latest rates.
    goodDate_ = date;
    dateNote_.clear();
    historyNote_.clear();  // what the history lacked no longer matters
    chosenDay_ = QDate();
    past_ = money::RateSheet();
    BuildRows();
    ShowStatus();
    return;
  }
  if (date < money::kFirstPublication || date > today) {
    dateNote_ = date > today ? tr("no hay tipos de días futuros")
                             : tr("no hay tipos del BCE antes del 4 de enero de 1999");
    // The field keeps the last good day.
    const QSignalBlocker quiet(FechaTipos);
    FechaTipos->setDate(goodDate_);
    ShowStatus();
    return;
  }
  goodDate_ = date;
  dateNote_.clear();
  chosenDay_ = date;
  UseHistory(true);
}

void TFormDivisas::UseHistory(bool mayDownload) {
  if (!chosenDay_.isValid()) return;
  const QDate newest = money::LastPublication(QDateTime::currentDateTimeUtc());
  // The history serves when it reaches the day, or when the bank has published nothing since.
  const bool serves =
      history_ && (history_->LastDay() >= chosenDay_ || history_->LastDay() >= newest);
  if (serves || (!mayDownload && history_)) {
    past_ = history_->On(chosenDay_);
    if (past_.Empty()) historyNote_ = tr("el histórico no tiene ese día");
    BuildRows();
    ShowStatus();
    return;
  }
  if (historyBusy_) return;  // what is being read or downloaded will ask again
  historyBusy_ = true;
  ShowStatus();
  auto arrived = [this](bool download) {
    return [this, download](std::shared_ptr<const money::RateHistory> history, const QString& why) {
      platform::Guard([&] {
        historyBusy_ = false;
        historyRead_ = true;
        if (history) history_ = std::move(history);
        historyNote_ = why;
        UseHistory(!download);
        if (!OnPastDay()) ShowStatus();
      });
    };
  };
  if (!historyRead_) {
    money::LoadKeptHistory(this, arrived(false));
  } else if (mayDownload) {
    money::DownloadHistory(this, arrived(true));
  } else {
    historyBusy_ = false;
    ShowStatus();
  }
}

QStringList TFormDivisas::TakenCodes() const {
  // The bank's currencies, named or published, even before its rates are had; and the user's.
  QStringList codes;
  for (int i = 0; i < money::KnownCurrencyCount(); ++i)
    codes << QString::fromLatin1(money::KnownCurrencies()[i].code);
  for (const money::Rate& rate : sheet_.rates) codes << rate.code;
  for (const money::OwnCurrency& currency : own_) codes << currency.code;
  return codes;
}

void TFormDivisas::SaveOwn(const money::OwnChange& change) {
  // The file as it is now, with this one change: what another window or Tarvel added stays.
  money::OwnCurrencies saved = money::SaveOwnChange(change, own_);
  own_ = std::move(saved.list);
  if (!saved.problem.isEmpty()) {
    ownNote_ = saved.problem;
    ShowStatus();
    QString text = saved.problem;
    text[0] = text[0].toUpper();
    platform::MessageBox(this, text + u'.', tr("Divisas"), platform::Icon::Warning);
  }
  BuildRows();
}

void TFormDivisas::BitBtn3Click() {
  if (own_.size() >= static_cast<size_t>(money::kMostOwnCurrencies)) {
    platform::MessageBox(this,
                         tr("Ya tiene %1 divisas propias, las que caben. Quite alguna "
                            "(«Modificar divisa...») para añadir otra.")
                             .arg(money::kMostOwnCurrencies),
                         tr("Divisas"), platform::Icon::Information);
    return;
  }
  TFormDivisaPropia form(this, TakenCodes());
  if (form.ShowModal() != mrOk) return;
  SaveOwn({money::OwnChange::Kind::Add, form.Result()});
  if (TEdit* edit = Find<TEdit>(QStringLiteral("Edit") + form.Result().code)) edit->SetFocus();
}

void TFormDivisas::BitBtn4Click() {
  if (own_.empty()) return;
  const Row& source = Rows[source_];
  TFormDivisaPropia form(this, own_, source.own ? source.code : own_.front().code);
  if (form.ShowModal() != mrOk) return;
  SaveOwn({form.Removed() ? money::OwnChange::Kind::Remove : money::OwnChange::Kind::Change,
           form.Result()});
}
