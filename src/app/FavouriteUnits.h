#pragma once
// The units the user keeps at hand, in the order they were made favourites, kept across
// starts in the configuration folder as the recent units are (by where they are, in a file of
// the same form: app/RecentUnits.h). The unit search lists them above the recent units when
// nothing is typed. A file that cannot be read or is damaged counts as empty, and the next
// change writes it anew.

#include <QString>
#include <functional>
#include <vector>

#include "app/RecentUnits.h"

namespace favourite {

inline constexpr int kMaxUnits = 20;

// The file, in the user's configuration folder.
QString FilePath();

// The places kept, in the order they were added; none when the file is missing or damaged.
std::vector<recent::UnitPlace> Read();

bool Contains(const recent::UnitPlace& place);

struct Toggled {
  enum class Outcome { Added, Removed, Full, NotKept };
  Outcome outcome;
  QString reason;  // why the file could not be written (NotKept), in Spanish
};
// A unit that is not a favourite becomes the last one, unless there are kMaxUnits already;
// one that is stops being one.
Toggled Toggle(const recent::UnitPlace& place);

// The favourites found in the index, which is asked for only when some are kept.
std::vector<const UnitEntry*> Units(const std::function<const UnitIndex&()>& index);

}  // namespace favourite
