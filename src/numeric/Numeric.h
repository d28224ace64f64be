#pragma once
// The conventions of the converter windows, built on the numbers of Value.h: the key filter,
// the write of a value into an edit, the change-handler prologue, the clearing of every edit,
// the overflow reset, the simulated keys and the invalid-number and too-large boxes.

#include <QString>
#include <functional>
#include <vector>

#include "platform/Host.h"
#include "platform/Input.h"
#include "value/Value.h"

class TEdit;
class TForm;

// The key filter of every numeric edit: the character to insert, or 0 to discard the key.
char16_t FilterNumericKey(char16_t key, TEdit* edit);
// The same on an edit's state: its text, the caret (selection start) and selection length.
char16_t FilterNumericKey(char16_t key, const QString& text, int selStart, int selLength);

// No rounding for WriteValue.
inline constexpr int kNoRounding = -1;
// "write E <- v": stores v in E's value field, then shows it (rounded to k decimals when
// k >= 0) in E, which runs E's change handler before this returns.
void WriteValue(TEdit* edit, double& field, Extended value, int k = kNoRounding);

// The start of every change handler of a numeric edit. An empty text clears the form's
// edits; "-" or a trailing decimal separator waits for more input. True: go on.
bool ChangePrologue(TEdit* edit, int editBound);

// The value of an edit that the user is typing in, read from its text. An edit without the
// focus keeps the value that the handler writing it stored just before, at full precision.
void ReadIfFocused(TEdit* edit, double& field);

// Empties the form's edits "Edit1" to "Edit<bound>"; missing numbers are skipped.
void ClearAllEdits(TForm* form, int bound);

// One simulated key, after a pause.
struct KeyStep {
  int pauseBefore = 0;  // milliseconds
  platform::KeyStroke stroke;
};
// Waits and queues the keys in order; they arrive at the focused edit after the running
// handler returns, through key-down, key press and change.
void SimulateKeys(const std::vector<KeyStep>& steps);

// The overflow reset of a form. The defaults are the reference procedure: a warning box
// owned by the form; the reset edit's value := 1, it becomes ActiveEdit and gets the focus;
// its text is emptied (which clears the form); after 500 ms keypad 1 is simulated; a beep.
struct OverflowReset {
  QString caption;
  QString text;
  platform::Icon icon = platform::Icon::Warning;
  bool simpleDialog = false;  // the library's simple message dialog instead of the box
  TEdit* edit = nullptr;      // the reset edit
  double* value = nullptr;    // its value field; null leaves every value alone
  double resetValue = 1.0;
  TEdit** activeEdit = nullptr;       // the form's ActiveEdit
  std::function<void()> resetGuards;  // the form's own guard flags, before the edit is emptied
  bool processMessages = false;       // pending window messages are processed after the box
  bool focus = true;
  bool focusAfterEmptying = false;
  // Above 0, the form's edits "Edit1" to this one are emptied instead of the reset edit alone.
  int clearsTo = 0;
  std::vector<KeyStep> keys = {{500, platform::keys::Numpad(1)}};
  bool beep = true;
};
void ResetAfterOverflow(TForm* form, const OverflowReset& reset);
// The reset of a window that simply ends empty: the box, then the reset edit becomes
// ActiveEdit, the guards are cleared and the edit is emptied, which clears the form. No value
// is set, the focus stays, no key is simulated and no beep sounds.
OverflowReset EmptyingReset(const QString& caption, const QString& text, TEdit* edit,
                            TEdit** activeEdit, std::function<void()> resetGuards);

// The "Oh oh!" box for an edit's text, then the whole text selected. The box has no owner
// window unless one is given.
void ReportInvalidNumber(TEdit* edit, QWidget* owner = nullptr);

// The "Número muy grande." box of the windows that refuse a typed value above their limit:
// owned by the form, quoting the value as FormatValue shows it; then the edit's whole text
// selected.
void ReportTooLarge(TForm* form, TEdit* edit, double value);
// The same quoting a text as typed.
void ReportTooLarge(TForm* form, TEdit* edit, const QString& shown);
