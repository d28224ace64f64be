#pragma once
// The converter catalogue: the main window's menu, row by row in menu order, each command
// with the window it opens or the main window's handler it runs. A command whose window
// does not exist yet stays in the menu, disabled.

#include <QString>

class QWidget;
class TForm;
class TFormPrincipal;

using FormFactory = TForm* (*)(QWidget* owner);

struct MenuRow {
  enum Kind { SubMenu, Command };
  const char* parent;         // item name of the sub-menu holding it; "" for the menu bar
  const char* item;           // the item's name ("Longitud1"), as the driver's "open" takes it
  const char* caption;        // UTF-8, in Spanish, translated in the main window's context
  const char* separatorName;  // a separator line just above the row, or null
  Kind kind;
  FormFactory opens;                  // the window the command opens,
  void (TFormPrincipal::*handler)();  // or the main window's own handler; null: disabled
};

extern const MenuRow kMenu[];
extern const int kMenuRowCount;

// The row of a menu item, or null.
const MenuRow* FindMenuRow(const QString& item);
