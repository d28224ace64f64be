#pragma once
// The index of every unit the program converts, read from the windows themselves: each
// window of the catalogue is created, never shown, and read for its labelled edits, the
// column headings of its tables that convert and the clinical analytes; then it is
// destroyed. A window enabled in the catalogue joins by itself.

#include <QString>
#include <QStringList>
#include <vector>

#include "app/SearchText.h"

class QWidget;
class TEdit;
class TForm;

struct UnitEntry {
  enum class Kind { Edit, Heading, Analyte };
  Kind kind = Kind::Edit;
  QString caption;   // as the window shows it ("pie [foot ('), ft]", "Glucosa (Glucose)")
  QString window;    // the window's title, with the tab of a heading
  QString item;      // the menu command that opens the window
  QString control;   // the edit's or the grid's name
  QStringList tabs;  // the tab sheets to choose, outermost first, for a heading
  int col = -1;      // the heading's column
  QString analyte;   // the analyte's name in the clinical list
  QStringList names;  // what the search compares: the caption (and the edit's other names), or
                      // an analyte's two names
  bool enabled = true;  // the edit takes input (a currency without a rate does not)
  search::Target target;
  // The row as a screen reader reads it.
  QString Spoken() const { return caption + QStringLiteral(", ") + window; }
};

class UnitIndex {
 public:
  // Reads every window the catalogue enables, each created with this owner.
  explicit UnitIndex(QWidget* owner);

  const std::vector<UnitEntry>& Entries() const { return entries_; }
  // The units that answer the words, best first, then in the catalogue's order.
  std::vector<const UnitEntry*> Find(const QString& words) const;

 private:
  void ReadWindow(TForm* form, const QString& item);
  std::vector<UnitEntry> entries_;
};

// Whether the index reads the edit as a unit: it is labelled, the user types in it, and it is
// not part of a list.
bool IsUnitEdit(const TEdit* edit);

// Takes the freshly opened window of the entry to its unit: the tab of a heading, the analyte
// selected, the focus in the unit's edit (or its table's cell) with the text selected; then,
// when a number is given, types it there key by key through the window's own key path.
// Runs when the window, opened after this call, is first active, so that the edit really has
// the focus.
void GoToUnit(TForm* form, const UnitEntry& entry, const QString& number);
// The same in a window that is already shown and active.
void GoToUnitNow(TForm* form, const UnitEntry& entry, const QString& number);
