#pragma once
// The index of every unit the program converts, read from the windows themselves: each
// window of the catalogue is created, never shown, and read for its labelled edits, the
// column headings of its tables that convert and the clinical analytes; then it is
// destroyed. A window enabled in the catalogue joins by itself.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "value/SearchText.h"

class QWidget;
class TEdit;
class TForm;

struct UnitEntry {
  enum class Kind { Edit, Heading, Analyte };
  Kind kind = Kind::Edit;
  QString caption;      // as the window shows it ("pie [foot ('), ft]", "Glucosa (Glucose)")
  QString window;       // the window's title, with the tab of a heading
  QString item;         // the menu command that opens the window
  QString control;      // the edit's or the grid's name
  QStringList tabs;     // the tab sheets to choose, outermost first, for a heading
  int col = -1;         // the heading's column
  QString analyte;      // the analyte's name in the clinical list
  QStringList names;    // what the search compares: the caption (and the edit's other names), or
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

  // The index as bytes to keep, marked with stamp; and back, without opening a window: none
  // when the bytes are not an index kept with the same stamp.
  QByteArray Saved(const QString& stamp) const;
  static std::optional<UnitIndex> FromSaved(const QByteArray& saved, const QString& stamp);

  const std::vector<UnitEntry>& Entries() const { return entries_; }
  // The units that answer the words, best first, then in the catalogue's order.
  std::vector<const UnitEntry*> Find(const QString& words) const;

 private:
  UnitIndex() = default;
  void ReadWindow(TForm* form, const QString& item);
  void PrepareSearch();
  std::vector<UnitEntry> entries_;
};

// The files the windows read when they are made (the currency window's kept rates and the
// user's own currencies): an index kept from an earlier run holds only while they are unchanged.
QStringList UnitIndexInputs();

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
