#pragma once
// The units the user opened last, latest first, kept across starts in the configuration
// folder: a unit chosen in the unit search or in the desktop's search, and the unit whose
// edit the user typed in after opening its window from the menu. The unit search lists them
// when nothing is typed.
//
// A unit is kept by where it is (its window's menu command, its control, a heading's column,
// an analyte's name), never by its caption, and is looked up in the index when listed: a unit
// whose window is gone is left out. The file is a convenience: one that cannot be read or is
// damaged counts as empty and is written anew at the next unit opened; one that cannot be
// written is let be. Neither is ever an error shown to the user.

#include <QString>
#include <functional>
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

// The unit becomes the latest; the file keeps the kMaxUnits latest.
void Remember(const UnitPlace& place);

// The window, opened by its menu command item, has closed: the unit whose edit the user typed
// in last, if any, becomes the latest.
void RememberTypedIn(const TForm* form, const QString& item);

// The units kept, latest first, found in the index, which is asked for only when some are
// kept.
std::vector<const UnitEntry*> Units(const std::function<const UnitIndex&()>& index);

}  // namespace recent
