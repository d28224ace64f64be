#include "tools/money/Unidaddivisas.h"

#include <QCollator>
#include <QDateTime>
#include <QLocale>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "numeric/Numeric.h"
#include "platform/Accessibility.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Locale.h"
#include "platform/Messages.h"
#include "platform/StatusBar.h"
#include "tools/money/Currencies.h"
#include "tools/money/Unidaddivisapropia.h"

namespace {

constexpr Extended kLimit = 1e15L;  // the largest amount taken: a thousand billion
constexpr int kPitch = 26;
constexpr int kEditWidth = 100;
constexpr int kEditHeight = 21;
constexpr int kMargin = 10;
constexpr int kColumnGap = 24;
constexpr int kButtonHeight = 27;
constexpr int kStatusHeight = 19;
const QColor kOwnColor(0x00, 0x80, 0x80);   // teal: a rate of the user's own
const QColor kDateColor(0x50, 0x50, 0x50);  // the day it was entered

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
  SetCaption(QStringLiteral("Divisas"));
  SetBorder(Border::Single);
  SetPosition(Position::ScreenCenter);
  SetClientSize(600, 400);
  // The desktop's search gives amounts as the window does, to the cent.
  setProperty(platform::kFiguresAsShown, true);

  sheet_ = money::KeptRates();
  money::OwnCurrencies own = money::LoadOwnCurrencies();
  own_ = std::move(own.list);
  ownNote_ = own.problem;

  BitBtn2 = new TBitBtn(this, QStringLiteral("BitBtn2"), QStringLiteral("Actualizar"));
  BitBtn2->OnClick = [this] { BitBtn2Click(); };
  BitBtn3 = new TBitBtn(this, QStringLiteral("BitBtn3"), QStringLiteral("Añadir divisa..."));
  BitBtn3->OnClick = [this] { BitBtn3Click(); };
  BitBtn4 = new TBitBtn(this, QStringLiteral("BitBtn4"), QStringLiteral("Modificar divisa..."));
  BitBtn4->OnClick = [this] { BitBtn4Click(); };
  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), QStringLiteral("Volver"), TBitBtn::Kind::OK);
  StatusBar1 = new TStatusBar(this, QStringLiteral("StatusBar1"));

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

void TFormDivisas::BuildRows() {
  // What the user had typed, to type it again into the same currency's new edit.
  QString sourceCode, sourceText;
  bool sourceFocused = false;
  if (source_ >= 0 && source_ < static_cast<int>(Rows.size())) {
    sourceCode = Rows[source_].code;
    sourceText = Rows[source_].edit->Text();
    // An amount that waited for its rate takes the focus when it can be typed in.
    sourceFocused = Rows[source_].edit->hasFocus() || !Rows[source_].edit->isEnabled();
  }
  for (QWidget* widget : rowWidgets_) delete widget;
  rowWidgets_.clear();
  Rows.clear();

  // The euro, then the bank's currencies (or, with no rates yet, every one Tarvel knows by
  // name, without a rate) and the user's own, by name. A code the user added stays the
  // user's even when the bank publishes it later.
  auto owned = [this](const QString& code) {
    return std::any_of(own_.begin(), own_.end(), [&](const auto& c) { return c.code == code; });
  };
  std::vector<Row> others;
  if (!sheet_.Empty()) {
    for (const money::Rate& rate : sheet_.rates)
      if (!owned(rate.code)) others.push_back(MakeRow(rate.code, money::CurrencyName(rate.code), rate.perEuro));
  } else {
    for (int i = 1; i < money::KnownCurrencyCount(); ++i) {
      const QString code = QString::fromLatin1(money::KnownCurrencies()[i].code);
      if (!owned(code)) others.push_back(MakeRow(code, money::CurrencyName(code), 0));
    }
  }
  for (const money::OwnCurrency& currency : own_)
    others.push_back(MakeRow(currency.code, currency.name, currency.perEuro, currency.entered));
  QCollator collator(QLocale(QLocale::Spanish, QLocale::Spain));
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(others.begin(), others.end(),
                   [&](const Row& a, const Row& b) { return collator.compare(a.name, b.name) < 0; });
  Rows.push_back(MakeRow(QStringLiteral("EUR"), money::CurrencyName(QStringLiteral("EUR")), 1.0));
  for (Row& row : others) Rows.push_back(std::move(row));
  const bool anyRate = std::any_of(Rows.begin() + 1, Rows.end(), [](const Row& r) { return r.perEuro > 0; });

  QList<QWidget*> chain;
  for (int i = 0; i < static_cast<int>(Rows.size()); ++i) {
    Row& row = Rows[i];
    row.edit = new TEdit(this, QStringLiteral("Edit") + row.code, QString());
    row.edit->resize(kEditWidth, kEditHeight);
    row.edit->setEnabled(i == 0 ? anyRate : row.perEuro > 0);
    row.edit->setProperty(platform::kSearchNames, money::SearchAliases(row.code));
    row.label = AttachLabel(row.edit, QStringLiteral("Label") + row.code,
                            money::Caption(row.name, row.code), row.own ? kOwnColor : kNavy);
    rowWidgets_.insert(rowWidgets_.end(), {row.edit, row.label});
    if (row.own) {
      row.mark = PlaceLabel(this, QStringLiteral("Fecha") + row.code,
                            QStringLiteral("propia, ") + ShortDate(row.entered), 0, 0, kDateColor);
      const QString about =
          QStringLiteral("Divisa propia: 1 EUR = %1 %2, introducida el %3")
              .arg(FormatValue(row.perEuro), row.code, money::SpanishDate(row.entered));
      row.edit->setAccessibleDescription(about);
      platform::SetHint(row.edit, about, true);
      platform::SetHint(row.mark, about, true);
      rowWidgets_.push_back(row.mark);
    }
    row.edit->OnChange = [this, i](TEdit*) { RowChange(i); };
    WireKeyHandlers(this, {row.edit}, &TFormDivisas::EditEURKeyDown, &TFormDivisas::EditEURKeyPress);
    chain << row.edit;
  }
  SetTabChain(chain << BitBtn2 << BitBtn3 << BitBtn4 << BitBtn1);
  BitBtn4->setEnabled(!own_.empty());
  PlaceRows();
  for (QWidget* widget : rowWidgets_) widget->show();
  if (isVisible()) platform::NameControlsForAccessibility(this);

  // One euro in every currency, until the user types; or the user's amount again.
  source_ = 0;
  const auto again = std::find_if(Rows.begin(), Rows.end(), [&](const Row& r) { return r.code == sourceCode; });
  if (again != Rows.end() && again->edit->isEnabled() && !sourceText.isEmpty()) {
    if (sourceFocused) again->edit->SetFocus();
    again->edit->SetText(sourceText);
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
  const int buttons = kMargin + perColumn * kPitch + 6;
  int x = kMargin;
  for (TBitBtn* button : {BitBtn2, BitBtn3, BitBtn4}) {
    const int width = std::max(90, button->sizeHint().width());
    button->setGeometry(x, buttons, width, kButtonHeight);
    x += width + 8;
  }
  const int width = std::max({2 * column + kColumnGap + 2 * kMargin, x + 83 + kMargin, statusWidth_, 560});
  BitBtn1->setGeometry(width - kMargin - 83, buttons, 83, kButtonHeight);
  const int height = buttons + kButtonHeight + kMargin + kStatusHeight;
  SetClientSize(width, height);
  StatusBar1->setGeometry(0, height - kStatusHeight, width, kStatusHeight);
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
  // Every write runs its edit's handler, which finds the conversion running.
  Updating = true;
  struct Done {
    bool& updating;
    ~Done() { updating = false; }
  } done{Updating};
  const Extended euros = Divide(source.value, source.perEuro);
  for (int j = 0; j < static_cast<int>(Rows.size()); ++j) {
    Row& row = Rows[j];
    if (j == source_ || !row.edit->isEnabled()) continue;
    Write(row, euros * row.perEuro);
  }
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
  money::DownloadRates(this, [this](const money::Update& update) {
    platform::Guard([&] { Downloaded(update); });
  });
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
      netNote_ = QStringLiteral("descarga rechazada: ") + update.reason;
      break;
  }
  ShowStatus();
}

void TFormDivisas::ShowStatus() {
  // What the desktop's search says of its answers.
  setProperty(platform::kAnswerSource, sheet_.Empty() ? QString()
                                                      : QStringLiteral("Tipos del BCE del ") +
                                                            money::SpanishDate(sheet_.date));
  QString text = sheet_.Empty()
                     ? QStringLiteral("Sin tipos de cambio del BCE")
                     : QStringLiteral("Tipos de referencia del BCE del ") + money::SpanishDate(sheet_.date);
  if (downloading_) {
    text += QStringLiteral(" — actualizando...");
  } else if (!netNote_.isEmpty()) {
    text += QStringLiteral(" — ") + netNote_;
  }
  if (sheet_.Empty() && !downloading_)
    text += QStringLiteral(". Pulse «Actualizar» o use Divisas > Conversor \"on-line\"");
  if (!ownNote_.isEmpty()) text += QStringLiteral(" — ") + ownNote_;
  StatusBar1->SetSimpleText(text);
  StatusBar1->setToolTip(text);
  // The window widens rather than cut what it says.
  statusWidth_ = StatusBar1->fontMetrics().horizontalAdvance(text) + 24;
  if (statusWidth_ > width()) PlaceRows();
}

QStringList TFormDivisas::TakenCodes() const {
  // The bank's currencies, named or published, even before its rates are had; and the user's.
  QStringList codes;
  for (int i = 0; i < money::KnownCurrencyCount(); ++i) codes << QString::fromLatin1(money::KnownCurrencies()[i].code);
  for (const money::Rate& rate : sheet_.rates) codes << rate.code;
  for (const money::OwnCurrency& currency : own_) codes << currency.code;
  return codes;
}

void TFormDivisas::SaveOwn() {
  const QString problem = money::SaveOwnCurrencies(own_);
  if (!problem.isEmpty())
    platform::MessageBox(this, problem, QStringLiteral("Divisas"), platform::Icon::Warning);
  BuildRows();
}

void TFormDivisas::BitBtn3Click() {
  TFormDivisaPropia form(this, TakenCodes());
  if (form.ShowModal() != mrOk) return;
  own_.push_back(form.Result());
  SaveOwn();
  if (TEdit* edit = Find<TEdit>(QStringLiteral("Edit") + form.Result().code)) edit->SetFocus();
}

void TFormDivisas::BitBtn4Click() {
  if (own_.empty()) return;
  const Row& source = Rows[source_];
  TFormDivisaPropia form(this, own_, source.own ? source.code : own_.front().code);
  if (form.ShowModal() != mrOk) return;
  const auto at = std::find_if(own_.begin(), own_.end(),
                               [&](const auto& c) { return c.code == form.Result().code; });
  if (at == own_.end()) return;
  if (form.Removed()) {
    own_.erase(at);
  } else {
    *at = form.Result();
  }
  SaveOwn();
}
