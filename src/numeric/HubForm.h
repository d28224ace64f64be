#pragma once
// The converter window built around a hub: one edit per unit, numbered as designed, each with
// its label; the hub's change handler writes every other edit and each unit's handler writes
// the hub. The window declares its form and places its edits from its unit table; this piece
// holds what every such window has (the edits and values by number, ActiveEdit, the guard,
// the key-stroke bookkeeping, the "Volver" button) and does what every one does (the labels,
// the change and key wiring, the tab chain). The window keeps its handlers and its
// exceptions.
//
// A window of several hubs (surface, volume) declares each with its own busy flag: a hub's
// pass starts only while its flag is clear, the flag stays set until the next key stroke, and
// every edit's change runs either its hub's handler or its leaf's.

#include <QRect>
#include <QSize>
#include <initializer_list>
#include <span>
#include <type_traits>
#include <vector>

#include "numeric/KeyStrokes.h"
#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Form.h"

class TBitBtn;
class TLabel;

// What a hub window is, before its edits: the form's designed name, its caption (UTF-8), its
// client size, the highest edit number, the key events that make an edit the source, where
// the "Volver" button stands, and whether Escape presses it too.
struct HubWindow {
  constexpr HubWindow(const char* name, const char* caption, QSize clientSize, int lastEdit,
                      SourceKeys keys, QRect volver, bool volverCancels = false)
      : name(name),
        caption(caption),
        clientSize(clientSize),
        lastEdit(lastEdit),
        keys(keys),
        volver(volver),
        volverCancels(volverCancels) {}

  const char* name;
  const char* caption;
  QSize clientSize;
  int lastEdit;
  SourceKeys keys;
  QRect volver;
  bool volverCancels;
};

// The tab chain of the edits, before the "Volver" button.
enum class HubTabOrder { AsPlaced, ByNumber };

class THubForm : public TForm {
 public:
  // The "Volver" button: the default button, closing the window with the OK result.
  TBitBtn* BitBtn1 = nullptr;

  // Every edit's key handlers: the key-stroke bookkeeping of the window's variant, then the
  // numeric filter.
  void Edit1KeyDown(TEdit* sender, int& key) { Bookkeeping.KeyDown(sender, key); }
  void Edit1KeyPress(TEdit* sender, char16_t& key) { Bookkeeping.KeyPress(sender, key); }

  // The last value of the unit of edit n.
  double UnitValue(int n) const { return Value[n]; }

 protected:
  // The form: its name and caption, a single border, its client size, centred on the screen.
  THubForm(QWidget* owner, const HubWindow& window);

  // Edit n, 121 by 21 pixels at (x, y).
  TEdit* PlaceEdit(int n, int x, int y);
  // A column of edits from (x, y) down, one pitch apart; a 0 leaves a gap of `gap` pixels.
  void PlaceColumn(std::span<const int> numbers, int x, int y, int pitch, int gap);
  // "Label<n>" beside edit n: the caption, bold, in the colour given.
  TLabel* Label(int n, const QString& caption, const QColor& color = kNavy);
  // Each unit of a table whose rows give an edit's number, its caption (UTF-8) and where it
  // stands (x, y): the edit placed and labelled, in the table's order.
  template <class Unit, std::size_t N>
  void PlaceUnits(const Unit (&units)[N]) {
    for (const Unit& unit : units) {
      PlaceEdit(unit.edit, unit.x, unit.y);
      Label(unit.edit, QString::fromUtf8(unit.caption));
    }
  }

  // The change handlers: hubChange for the hub's edit, and for every other edit unitChange,
  // given the edit's number (void(int)), the edit (void(TEdit*)), or the edit and its place
  // in the order in which the edits were placed, from 0 (void(TEdit*, int)).
  template <class Window, class... Arguments>
  void WireChanges(int hub, void (Window::*hubChange)(), void (Window::*unitChange)(Arguments...));

  // A window of several hubs: each edit given is a hub, guarded by the busy flag given.
  struct Hub {
    int edit;
    bool* busy;
  };
  void DeclareHubs(std::initializer_list<Hub> hubs);
  bool IsHub(int n) const { return hubs_[n] != nullptr; }
  // Hub n's pass has run since the last key stroke; false for a leaf.
  bool Busy(int n) const { return hubs_[n] && *hubs_[n]; }
  // The start of hub n's pass (HubPassStarts with its busy flag): none while it is busy;
  // otherwise it becomes busy and the change prologue decides.
  bool PassStarts(int n, int editBound) { return HubPassStarts(*hubs_[n], Edits[n], editBound); }
  // The change handlers of a window of several hubs, given the edit's number: hubChange for
  // a hub, leafChange for any other edit.
  template <class Window>
  void WireChanges(void (Window::*hubChange)(int), void (Window::*leafChange)(int));

  // Makes keyDown and keyPress, the window's own designed key handlers, those of every edit;
  // otherwise Edit1KeyDown and Edit1KeyPress are.
  template <class Window>
  void WireKeys(void (Window::*keyDown)(TEdit*, int&),
                void (Window::*keyPress)(TEdit*, char16_t&)) {
    WireKeyHandlers(static_cast<Window*>(this), Edits, keyDown, keyPress);
    keysWired_ = true;
  }

  // The end of the construction: the "Volver" button, the key handlers, the tab chain and
  // Edit1 as ActiveEdit. The chain runs through the edits as placed or by number, then the
  // button; or by the numbers given, where a 0 stands for the button (last, when none does).
  void Finish(HubTabOrder order = HubTabOrder::AsPlaced);
  void Finish(std::span<const int> order);

  std::vector<TEdit*> Edits;  // by number
  std::vector<double> Value;  // by edit number
  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  KeyBookkeeping Bookkeeping;

 private:
  HubWindow window_;
  std::vector<int> placed_;  // the edits' numbers, in the order placed
  std::vector<bool*> hubs_;  // by edit number: a hub's busy flag
  bool keysWired_ = false;
};

template <class Window, class... Arguments>
void THubForm::WireChanges(int hub, void (Window::*hubChange)(),
                           void (Window::*unitChange)(Arguments...)) {
  auto* window = static_cast<Window*>(this);
  for (int place = 0; place < static_cast<int>(placed_.size()); ++place) {
    const int n = placed_[place];
    TEdit* edit = Edits[n];
    if (n == hub) {
      edit->OnChange = [window, hubChange](TEdit*) { (window->*hubChange)(); };
    } else if constexpr (std::is_invocable_v<decltype(unitChange), Window*, int>) {
      edit->OnChange = [window, unitChange, n](TEdit*) { (window->*unitChange)(n); };
    } else if constexpr (std::is_invocable_v<decltype(unitChange), Window*, TEdit*>) {
      edit->OnChange = [window, unitChange](TEdit* sender) { (window->*unitChange)(sender); };
    } else {
      edit->OnChange = [window, unitChange, place](TEdit* sender) {
        (window->*unitChange)(sender, place);
      };
    }
  }
}

template <class Window>
void THubForm::WireChanges(void (Window::*hubChange)(int), void (Window::*leafChange)(int)) {
  auto* window = static_cast<Window*>(this);
  for (int n : placed_) {
    const auto change = IsHub(n) ? hubChange : leafChange;
    Edits[n]->OnChange = [window, change, n](TEdit*) { (window->*change)(n); };
  }
}
