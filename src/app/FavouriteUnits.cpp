#include "app/FavouriteUnits.h"

#include <algorithm>

#include "platform/Folders.h"
#include "platform/KeptFile.h"

namespace favourite {
namespace {

constexpr char kHeading[] = "# Tarvel: unidades favoritas 1";
// A file longer than twenty places can hold is not ours.
constexpr qint64 kMaxBytes = 8192;

QByteArray Format(const std::vector<recent::UnitPlace>& places) {
  QString text = QLatin1String(kHeading) + u'\n';
  for (const recent::UnitPlace& place : places) text += recent::FieldsOf(place).join(u'\t') + u'\n';
  return text.toUtf8();
}

}  // namespace

QString FilePath() {
  return platform::ConfigFolder() + QStringLiteral("/tarvel/unidades-favoritas");
}

std::vector<recent::UnitPlace> Read() {
  const platform::KeptRead kept = platform::ReadKeptFile(FilePath(), kMaxBytes);
  if (!kept.Ok()) return {};
  const auto lines = recent::ReadPlaceLines(kept.bytes, kHeading, kMaxUnits, 4, 4);
  std::vector<recent::UnitPlace> places;
  if (lines) {
    for (const QStringList& fields : *lines) places.push_back(recent::PlaceOfFields(fields));
  }
  return places;
}

bool Contains(const recent::UnitPlace& place) {
  const std::vector<recent::UnitPlace> places = Read();
  return std::find(places.begin(), places.end(), place) != places.end();
}

Toggled Toggle(const recent::UnitPlace& place) {
  std::vector<recent::UnitPlace> places = Read();
  Toggled toggled{Toggled::Outcome::Removed, QString()};
  if (std::erase(places, place) == 0) {
    if (!recent::Keepable(place)) return {Toggled::Outcome::NotKept, QString()};
    if (static_cast<int>(places.size()) >= kMaxUnits) return {Toggled::Outcome::Full, QString()};
    places.push_back(place);
    toggled.outcome = Toggled::Outcome::Added;
  }
  if (!platform::WriteWholeFile(FilePath(), Format(places), &toggled.reason))
    toggled.outcome = Toggled::Outcome::NotKept;
  return toggled;
}

std::vector<const UnitEntry*> Units(const std::function<const UnitIndex&()>& index) {
  const std::vector<recent::UnitPlace> places = Read();
  if (places.empty()) return {};
  return recent::Find(places, index());
}

}  // namespace favourite
