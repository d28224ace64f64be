#pragma once
// The converter window built around a hub: one edit per unit, numbered as designed, each with
// its label; the hub's change handler writes every other edit and each unit's handler writes
// the hub. The window declares its form and places its edits from its unit table; this piece
// holds what every such window has (the edits and values by number, ActiveEdit, the guard,
// the key-stroke bookkeeping, the "Volver" button) and does what every one does (the labels,
// the change and key wiring, the tab chain, the start of a change handler, the hub's pass,
// the hand-over of a unit's value to its hub, the reset that starts again from a typed
// number). The window keeps its handlers' own steps: its write order, its limits and guarded
// units, its exceptions.
//
// A window of several hubs (surface, volume, weight) declares each with its own busy flag: a
// hub's pass starts only while its flag is clear, the flag stays set until the next key
// stroke, and every edit's change runs either its hub's handler or its leaf's. A hub with no
// flag of its own has the window's `Updating`.

#include <QRect>
#include <QSize>
#include <cstddef>
#include <exception>
#include <initializer_list>
#include <optional>
#include <ranges>
#include <span>
#include <type_traits>
#include <vector>

#include "numeric/KeyStrokes.h"
#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Form.h"

class TBitBtn;
class TLabel;

// How a hub window's change handlers start on the text of their edit.
enum class HubPrologue {
  // ChangePrologue: an emptied edit clears the window; "-" or a trailing decimal separator
  // waits for more.
  Clears,
  // The same in the edit that the user is typing in; another edit stops only when empty, and
  // clears nothing: the program's clearing never brings a stale value back.
  ClearsTyped,
  // An empty text waits as "-" and a trailing separator do; nothing is cleared.
  NeverClears,
};

// What a hub window is, before its edits; given with designated initialisers.
struct HubWindow {
  const char* name;     // the form's designed name
  const char* caption;  // UTF-8, marked for translation in the window's context
  QSize clientSize;
  int lastEdit;  // the highest edit number
  // The clearing empties "Edit1" to "Edit<clearsTo>" (missing numbers skipped); 0: to lastEdit.
  int clearsTo = 0;
  int hub = 1;  // the hub's edit number
  // ActiveEdit when the window opens.
  int firstSource = 1;
  // The key events that make an edit the source and clear the guards.
  SourceKeys keys = SourceKeys::KeyDown;
  // The source is the edit last entered, which the window keeps in ActiveEdit itself; the
  // key events only clear the guards.
  bool sourceIsEntered = false;
  // False: the window filters the characters typed itself, after the bookkeeping.
  bool numericFilter = true;
  HubPrologue prologue = HubPrologue::Clears;
  // A hub's pass that fails to read or store a value: true, it ends with the "Oh oh!" box for
  // ActiveEdit's text; false, the error goes on up (to a handler of the window's own, or to
  // the default error box).
  bool passReportsInvalid = false;
  // The window owns its "Oh oh!" boxes.
  bool ownsInvalidBox = false;
  QRect volver;  // where the "Volver" button stands
  // Escape presses the button too.
  bool volverCancels = false;
};

// The tab chain of the edits, before the "Volver" button.
enum class HubTabOrder { AsPlaced, ByNumber };

// The edit number of a unit table's row (a row with an `edit`, or the number itself).
template <class Row>
constexpr int EditOf(const Row& row) {
  if constexpr (std::is_integral_v<Row>) {
    return row;
  } else {
    return row.edit;
  }
}

// The row of a unit table that describes edit n; the first row when none does.
template <class Unit, std::size_t N>
constexpr const Unit& UnitOf(const Unit (&units)[N], int n) {
  for (const Unit& unit : units) {
    if (unit.edit == n) return unit;
  }
  return units[0];
}

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
  // Each unit of a table whose rows give an edit's number, its caption (UTF-8, marked for
  // translation in the window's context) and where it
  // stands (x, y): the edit placed and labelled, in the table's order.
  template <class Unit, std::size_t N>
  void PlaceUnits(const Unit (&units)[N]) {
    for (const Unit& unit : units) {
      PlaceEdit(unit.edit, unit.x, unit.y);
      Label(unit.edit, Text(unit.caption));
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
  // the first source as ActiveEdit. The chain runs through the edits as placed or by number,
  // then the button; or by the numbers given, where a 0 stands for the button (last, when
  // none does).
  void Finish(HubTabOrder order = HubTabOrder::AsPlaced);
  void Finish(std::span<const int> order);

  // What else a key stroke puts back, after the guards (a control of the window's own).
  virtual void GuardsCleared() {}

  // The start of a change handler on edit's text, as the window declared (HubPrologue).
  // False: the handler stops there.
  bool Prologue(TEdit* edit);
  // The start of a unit's change handler: the prologue, then the unit's value read from its
  // text when the user is typing there; otherwise the handler that wrote the edit has just
  // stored its value, at full precision. False: the handler stops there.
  bool UnitReads(int n);

  // Hub n's guard: its own busy flag, or the window's Updating.
  bool& Guard(int n) { return hubs_[n] ? *hubs_[n] : Updating; }
  // The start of hub n's pass: none while its guard is set, that is during the pass and after
  // it until the next key stroke; otherwise the guard is set and the prologue decides.
  bool PassStarts(int n);
  // Hub n's pass: its start, the hub's value read from its text when the user is typing
  // there, then `writes`. A value that does not read or fit ends the pass as the window
  // declared (HubWindow::passReportsInvalid).
  template <class Writes>
  void HubPass(int n, Writes&& writes);
  // The rows of a unit table (or edit numbers) whose edits a pass writes, in their order:
  // every one but ActiveEdit's, which is tested as the loop reaches each row.
  template <class Rows>
  auto ToWrite(Rows&& rows) {
    return std::views::filter(std::forward<Rows>(rows),
                              [this](const auto& row) { return Edits[EditOf(row)] != ActiveEdit; });
  }

  // Hub n takes a unit's value: it is not ActiveEdit and its pass has not run since the last
  // key stroke.
  bool HubTakes(int n) { return Edits[n] != ActiveEdit && !Guard(n); }
  // A unit's value handed to hub n: written (WriteValue, to k decimals) when the hub takes it.
  // True when written.
  bool HandToHub(int n, Extended value, int k = kNoRounding);
  // The unit that the user is typing in, any edit but hub n: its value read from its text,
  // and the hub's value from it, intoHub(unit's number, its value). Nothing when no such edit
  // has the focus.
  template <class IntoHub>
  void ReadTypedUnit(int n, IntoHub&& intoHub);
  // The change handler shared by the units of a window whose hub hears only the user's own
  // typing: the value typed, refused above limit ("Número muy grande."); the hub's value
  // from it, toHub(value), unless that gives nothing; then the hub's text. A text that does
  // not read gets the "Oh oh!" box.
  template <class ToHub>
  void TypedUnitChange(TEdit* sender, double limit, ToHub&& toHub);

  // Runs body; a value that does not read or fit ends it with the "Oh oh!" box for
  // ActiveEdit's text.
  template <class Body>
  void ReportingInvalid(Body&& body);
  // The "Oh oh!" box for edit's text, owned as the window declared.
  void ReportInvalid(TEdit* edit);

  // The reset that starts the window again from digits typed on the keypad into edit n: the
  // simple dialog saying text; the value of edit `zeroed` back to 0; edit n becomes
  // ActiveEdit, takes the focus and is emptied; then each digit after `pause` milliseconds.
  // No beep. The window changes what it does otherwise before ResetAfterOverflow.
  OverflowReset RetypeReset(const QString& text, int n, int zeroed, int pause, const char* digits);
  // EmptyingReset of the hub: it becomes ActiveEdit, its guard is cleared and it is emptied,
  // which empties the window.
  OverflowReset EmptyingHubReset(const QString& caption, const QString& text);

  std::vector<TEdit*> Edits;  // by number
  std::vector<double> Value;  // by edit number
  TEdit* ActiveEdit = nullptr;
  bool Updating = false;
  KeyBookkeeping Bookkeeping;

 private:
  void ClearGuards();
  int ClearsTo() const { return window_.clearsTo ? window_.clearsTo : window_.lastEdit; }

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

template <class Writes>
void THubForm::HubPass(int n, Writes&& writes) {
  if (!PassStarts(n)) return;
  const auto pass = [&] {
    ReadIfFocused(Edits[n], Value[n]);
    writes();
  };
  if (window_.passReportsInvalid) {
    ReportingInvalid(pass);
  } else {
    pass();
  }
}

template <class IntoHub>
void THubForm::ReadTypedUnit(int n, IntoHub&& intoHub) {
  for (int unit = 1; unit <= window_.lastEdit; ++unit) {
    if (unit == n || !Edits[unit] || !Edits[unit]->Focused()) continue;
    Value[unit] = Store(ParseValue(Edits[unit]->Text()));
    Value[n] = Store(intoHub(unit, Value[unit]));
    return;
  }
}

template <class ToHub>
void THubForm::TypedUnitChange(TEdit* sender, double limit, ToHub&& toHub) {
  // Texts that the hub writes never come back here.
  if (!sender->Focused()) return;
  if (!Prologue(sender)) return;
  const int hub = window_.hub;
  try {
    const double x = Store(ParseValue(sender->Text()));
    if (x > limit) {
      ReportTooLarge(this, sender, x);
      return;
    }
    if (const std::optional<Extended> value = toHub(x)) Value[hub] = Store(*value);
  } catch (const std::exception&) {
    // The edit whose text did not read: a paste through the context menu may leave
    // ActiveEdit on another edit, whose text is a number.
    ReportInvalid(sender);
    return;
  }
  Edits[hub]->SetText(FormatValue(Value[hub]));
}

template <class Body>
void THubForm::ReportingInvalid(Body&& body) {
  try {
    body();
  } catch (const std::exception&) {
    ReportInvalid(ActiveEdit);
  }
}
