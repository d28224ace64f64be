#pragma once
// Key-stroke bookkeeping: a key event in one of a converter window's edits makes that edit
// ActiveEdit, the source of the conversion, and clears the window's guard flags, so that the
// next change converts from there. Windows differ in which key events count; each names its
// variant, and its key handlers call this.

#include <Qt>
#include <functional>
#include <initializer_list>
#include <span>

#include "platform/Edit.h"

// The key events that make an edit the source and clear the guards.
enum class SourceKeys {
  // Every key going down: arrows, Delete, and the key of each typed character. A character
  // that comes without a key going down (from an input method) does not count.
  KeyDown,
  // Every key going down and every character.
  KeyDownAndPress,
  // Every character, and Delete going down, which brings no character. Arrows, Home and End
  // do not count.
  PressAndDelete,
};

class KeyBookkeeping {
 public:
  // activeEdit: the window's ActiveEdit, or null where the source is the edit last entered
  // and the keys only clear the guards. clearGuards: the window's guard flags back to false.
  // numericFilter: a character passes through FilterNumericKey afterwards; without it the
  // window filters the character itself.
  KeyBookkeeping(SourceKeys keys, TEdit** activeEdit, std::function<void()> clearGuards,
                 bool numericFilter = true);

  // The key handlers' part: a key going down in sender, a character typed into it.
  void KeyDown(TEdit* sender, int key) const;
  void KeyPress(TEdit* sender, char16_t& key) const;
  // The guards cleared as a key stroke clears them.
  void ClearGuards() const { clearGuards_(); }

 private:
  void Count(TEdit* sender) const;

  SourceKeys keys_;
  TEdit** activeEdit_;
  std::function<void()> clearGuards_;
  bool numericFilter_;
};

// Makes keyDown and keyPress, members of the window, the key handlers of every edit given;
// null entries (the unused [0] of an array by edit number, gaps) are skipped.
template <class Window>
void WireKeyHandlers(Window* window, std::initializer_list<TEdit*> edits,
                     void (Window::*keyDown)(TEdit*, int&),
                     void (Window::*keyPress)(TEdit*, char16_t&)) {
  for (TEdit* edit : edits) {
    if (!edit) continue;
    edit->OnKeyDown = [window, keyDown](TEdit* sender, int& key, Qt::KeyboardModifiers) {
      (window->*keyDown)(sender, key);
    };
    edit->OnKeyPress = [window, keyPress](TEdit* sender, char16_t& key) {
      (window->*keyPress)(sender, key);
    };
  }
}
template <class Window>
void WireKeyHandlers(Window* window, std::span<TEdit* const> edits,
                     void (Window::*keyDown)(TEdit*, int&),
                     void (Window::*keyPress)(TEdit*, char16_t&)) {
  for (TEdit* edit : edits) WireKeyHandlers(window, {edit}, keyDown, keyPress);
}
