#include "numeric/HubForm.h"

#include <algorithm>

#include "platform/Controls.h"
#include "platform/Edit.h"

THubForm::THubForm(QWidget* owner, const HubWindow& window)
    : TForm(owner, QString::fromUtf8(window.name)),
      Edits(window.lastEdit + 1),
      Value(window.lastEdit + 1),
      Bookkeeping(window.keys, &ActiveEdit,
                  [this] {
                    Updating = false;
                    for (bool* busy : hubs_) {
                      if (busy) *busy = false;
                    }
                  }),
      window_(window),
      hubs_(window.lastEdit + 1) {
  SetCaption(QString::fromUtf8(window.caption));
  SetBorder(Border::Single);
  SetClientSize(window.clientSize.width(), window.clientSize.height());
  SetPosition(Position::ScreenCenter);
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
  BitBtn1 =
      new TBitBtn(this, QStringLiteral("BitBtn1"), QStringLiteral("Volver"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(window_.volver);
  if (window_.volverCancels) SetCancelButton(BitBtn1);

  QList<QWidget*> chain;
  for (int n : order) chain << (n == 0 ? static_cast<QWidget*>(BitBtn1) : Edits[n]);
  if (!chain.contains(BitBtn1)) chain << BitBtn1;
  SetTabChain(chain);
  ActiveEdit = Edits[1];
}
