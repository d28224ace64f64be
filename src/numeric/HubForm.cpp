#include "numeric/HubForm.h"

#include <QCoreApplication>
#include <algorithm>

#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Input.h"
#include "value/Locale.h"

THubForm::THubForm(QWidget* owner, const HubWindow& window)
    : TForm(owner, QString::fromUtf8(window.name)),
      Edits(window.lastEdit + 1),
      Value(window.lastEdit + 1),
      Bookkeeping(
          window.keys, window.sourceIsEntered ? nullptr : &ActiveEdit, [this] { ClearGuards(); },
          window.numericFilter),
      window_(window),
      hubs_(window.lastEdit + 1) {
  SetCaption(QString::fromUtf8(window.caption));
  SetBorder(Border::Single);
  SetClientSize(window.clientSize.width(), window.clientSize.height());
  SetPosition(Position::ScreenCenter);
}

void THubForm::ClearGuards() {
  Updating = false;
  for (bool* busy : hubs_) {
    if (busy) *busy = false;
  }
  GuardsCleared();
}

TEdit* THubForm::PlaceEdit(int n, int x, int y) {
  auto* edit = new TEdit(this, QStringLiteral("Edit%1").arg(n));
  edit->setGeometry(x, y, 121, 21);
  Edits[n] = edit;
  placed_.push_back(n);
  return edit;
}

void THubForm::PlaceColumn(std::span<const int> numbers, int x, int y, int pitch, int gap) {
  PlaceEditColumn(this, numbers, x, y, pitch, gap, Edits.data());
  for (int n : numbers) {
    if (n != 0) placed_.push_back(n);
  }
}

TLabel* THubForm::Label(int n, const QString& caption, const QColor& color) {
  return AttachLabel(Edits[n], QStringLiteral("Label%1").arg(n), caption, color, true);
}

void THubForm::DeclareHubs(std::initializer_list<Hub> hubs) {
  for (const Hub& hub : hubs) hubs_[hub.edit] = hub.busy;
}

void THubForm::Finish(HubTabOrder order) {
  std::vector<int> numbers = placed_;
  if (order == HubTabOrder::ByNumber) std::sort(numbers.begin(), numbers.end());
  Finish(numbers);
}

void THubForm::Finish(std::span<const int> order) {
  if (!keysWired_) WireKeys(&THubForm::Edit1KeyDown, &THubForm::Edit1KeyPress);
  // The window's own class is built by now: its caption is translated in its context.
  SetCaption(Text(window_.caption));
  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"),
                        QCoreApplication::translate("Kit", "Volver"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(window_.volver);
  if (window_.volverCancels) SetCancelButton(BitBtn1);

  QList<QWidget*> chain;
  for (int n : order) chain << (n == 0 ? static_cast<QWidget*>(BitBtn1) : Edits[n]);
  if (!chain.contains(BitBtn1)) chain << BitBtn1;
  SetTabChain(chain);
  ActiveEdit = Edits[window_.firstSource];
}

bool THubForm::Prologue(TEdit* edit) {
  switch (window_.prologue) {
    case HubPrologue::Clears: break;
    case HubPrologue::ClearsTyped:
      if (!edit->Focused()) return !edit->Text().isEmpty();
      break;
    case HubPrologue::NeverClears: {
      const QString text = edit->Text();
      return !text.isEmpty() && text.back() != platform::DecimalSeparator() &&
             text != QLatin1String("-");
    }
  }
  return ChangePrologue(edit, ClearsTo());
}

bool THubForm::UnitReads(int n) {
  if (!Prologue(Edits[n])) return false;
  ReadIfFocused(Edits[n], Value[n]);
  return true;
}

bool THubForm::PassStarts(int n) {
  bool& guard = Guard(n);
  if (guard) return false;
  guard = true;
  return Prologue(Edits[n]);
}

bool THubForm::HandToHub(int n, Extended value, int k) {
  if (!HubTakes(n)) return false;
  WriteValue(Edits[n], Value[n], value, k);
  return true;
}

void THubForm::ReportInvalid(TEdit* edit) {
  ReportInvalidNumber(edit, window_.ownsInvalidBox ? this : nullptr);
}

OverflowReset THubForm::RetypeReset(const QString& text, int n, int zeroed, int pause,
                                    const char* digits) {
  OverflowReset reset;
  reset.simpleDialog = true;
  reset.text = text;
  reset.edit = Edits[n];
  reset.value = &Value[zeroed];
  reset.resetValue = 0;
  reset.activeEdit = &ActiveEdit;
  reset.keys.clear();
  for (const char* digit = digits; *digit; ++digit) {
    reset.keys.push_back({pause, platform::keys::Numpad(*digit - '0')});
  }
  reset.beep = false;
  return reset;
}

OverflowReset THubForm::EmptyingHubReset(const QString& caption, const QString& text) {
  const int hub = window_.hub;
  return EmptyingReset(caption, text, Edits[hub], &ActiveEdit, [this, hub] { Guard(hub) = false; });
}
