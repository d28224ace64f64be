#pragma once
// Copying a window's whole result at once. Ctrl+Shift+C in any window of the program, or
// "Copiar todas las unidades" at the end of a unit edit's context menu, puts on the clipboard
// - in a window that shows tables (string grids, or panels laid out as the cells of a table):
//   those tables as shown, headings included;
// - in any other window: one line per unit, "caption<TAB>shown text", in the window's tab
//   order, the caption as it reads beside the edit (an empty edit gives an empty cell);
// both as plain text, tab-separated for a spreadsheet, and as an HTML table for a word
// processor. Nothing is copied while a message box is open.

#include <QString>
#include <vector>

class QMenu;
class QWidget;

namespace platform {

// The property of a window (QString) whose text heads the copy of its units, on a line of its
// own: what the figures hang on ("Tipos de referencia del BCE del 4 de diciembre de 2026").
inline constexpr const char* kCopyHeading = "copyHeading";

struct CopiedCell {
  QString text;
  int row = 0;
  int col = 0;
  int rowSpan = 1;
  int colSpan = 1;
  bool heading = false;
};

struct CopiedTable {
  int rows = 0;
  int cols = 0;
  std::vector<CopiedCell> cells;
};

// What Ctrl+Shift+C copies from this window: its tables, or its units as one table of two
// columns; nothing when it has neither.
std::vector<CopiedTable> TablesToCopy(QWidget* window);
// Rows of tab-separated cells, a blank line between two tables; a cell spanning columns or
// rows leaves the places it covers empty.
QString TablesAsText(const std::vector<CopiedTable>& tables);
// One HTML table per table, spans kept, headings as <th>; a well-formed document.
QString TablesAsHtml(const std::vector<CopiedTable>& tables);

// Copies the window's tables or units to the clipboard through host(). False when nothing
// was copied (a message box is open, or the window has nothing to copy).
bool CopyAllUnits(QWidget* window);

// Ends an edit's context menu with "Copiar todas las unidades" when the edit is one of the
// units its window copies.
void AddCopyAllItem(QMenu* menu, QWidget* edit);

// Makes Ctrl+Shift+C copy in every window of the program (once for the application).
void EnableCopyAllKey();

}  // namespace platform
