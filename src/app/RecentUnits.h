#pragma once
// The units the user opened last, latest first, kept across starts in the configuration
// folder: a unit chosen in the unit search or in the desktop's search, and the unit whose
// edit the user typed in after opening its window from the menu, each with the quantity last
// typed into it where there was one. The unit search lists them when nothing is typed.
//
// A unit is kept by where it is (its window's menu command, its control, a heading's column,
// an analyte's name), never by its caption, and is looked up in the index when listed: a unit
// whose window is gone is left out. The file is a convenience: one that cannot be read or is
// damaged counts as empty and is written anew at the next unit opened; one that cannot be
// written is let be. Neither is ever an error shown to the user.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class TForm;
class UnitIndex;
struct UnitEntry;

namespace recent {

inline constexpr int kMaxUnits = 8;

struct UnitPlace {
  QString item;     // the menu command of the unit's window
  QString control;  // the edit's or the grid's name
  int col = -1;     // a heading's column
  QString analyte;  // an analyte's name in the clinical list
  bool operator==(const UnitPlace&) const = default;
};

UnitPlace PlaceOf(const UnitEntry& unit);

// The file, in the user's configuration folder.
QString FilePath();

// The places kept, latest first; none when the file is missing or damaged.
std::vector<UnitPlace> Read();

// The unit becomes the latest, with the quantity typed into it (its number as the user wrote
// it, or empty); the file keeps the kMaxUnits latest.
void Remember(const UnitPlace& place, const QString& number = QString());

// The window, opened by its menu command item, has closed: the unit whose edit the user typed
// in last, if any, becomes the latest, with the number it holds.
void RememberTypedIn(const TForm* form, const QString& item);

// A unit kept and the quantity last typed into it: its number with the decimal separator of
// the program (empty when there was none).
struct Recent {
  const UnitEntry* unit = nullptr;
  QString number;
};

// The units kept, latest first, found in the index, which is asked for only when some are
// kept; with their quantities, or the units alone.
std::vector<Recent> Listed(const std::function<const UnitIndex&()>& index);
std::vector<const UnitEntry*> Units(const std::function<const UnitIndex&()>& index);

// The form of the files of places (this one and the favourites'): a heading line, then one
// place a line, its fields separated by tabs: the menu command, the control, the column (-1
// for none), the analyte (empty for none), then any of the file's own. The lines after the
// heading, each split into its fields; none when the bytes are not such a file of at most
// maxPlaces different places with minFields to maxFields fields each.
std::optional<std::vector<QStringList>> ReadPlaceLines(const QByteArray& bytes, const char* heading,
                                                       int maxPlaces, int minFields, int maxFields);
UnitPlace PlaceOfFields(const QStringList& fields);
QStringList FieldsOf(const UnitPlace& place);
// Whether the place can be written in such a file: every field one line, no tab in it.
bool Keepable(const UnitPlace& place);

// The places in the units of the index, in their order; a place the index lacks is left out.
std::vector<const UnitEntry*> Find(const std::vector<UnitPlace>& places, const UnitIndex& index);

}  // namespace recent
