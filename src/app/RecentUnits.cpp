#include "app/RecentUnits.h"

#include <QFile>
#include <QStringConverter>
#include <QStringList>
#include <algorithm>

#include "app/UnitIndex.h"
#include "platform/Edit.h"
#include "platform/Folders.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/KeptFile.h"
#include "tools/physical/Unidadclinica.h"

namespace recent {
namespace {

// The first line names the file and its form; then one unit a line: the menu command, the
// control, the column (-1 for none) and the analyte (empty for none), separated by tabs.
constexpr char kHeading[] = "# Tarvel: unidades recientes 1";
// A file longer than eight such lines can hold is not ours.
constexpr qint64 kMaxBytes = 4096;

std::vector<UnitPlace> Parse(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8.decode(bytes);
  if (utf8.hasError() || !text.endsWith(u'\n')) return {};
  QStringList lines = text.split(u'\n');
  lines.removeLast();
  if (lines.isEmpty() || lines.takeFirst() != QLatin1String(kHeading) || lines.size() > kMaxUnits)
    return {};
  std::vector<UnitPlace> places;
  for (const QString& line : lines) {
    const QStringList fields = line.split(u'\t');
    if (fields.size() != 4 || fields[0].isEmpty() || fields[1].isEmpty()) return {};
    bool ok = false;
    const int col = fields[2].toInt(&ok);
    if (!ok || col < -1) return {};
    const UnitPlace place{fields[0], fields[1], col, fields[3]};
    if (std::find(places.begin(), places.end(), place) != places.end()) return {};
    places.push_back(place);
  }
  return places;
}

QByteArray Format(const std::vector<UnitPlace>& places) {
  QString text = QLatin1String(kHeading) + u'\n';
  for (const UnitPlace& p : places) {
    text += QStringList{p.item, p.control, QString::number(p.col), p.analyte}.join(u'\t') + u'\n';
  }
  return text.toUtf8();
}

// A name kept in the file: one line, one field.
bool Keepable(const QString& text) {
  return !text.contains(u'\t') && !text.contains(u'\n') && !text.contains(u'\r');
}

}  // namespace

UnitPlace PlaceOf(const UnitEntry& unit) {
  return {unit.item, unit.control, unit.col, unit.analyte};
}

QString FilePath() {
  return platform::ConfigFolder() + QStringLiteral("/tarvel/unidades-recientes");
}

std::vector<UnitPlace> Read() {
  const platform::KeptRead kept = platform::ReadKeptFile(FilePath(), kMaxBytes);
  return kept.Ok() ? Parse(kept.bytes) : std::vector<UnitPlace>();
}

void Remember(const UnitPlace& place) {
  if (place.item.isEmpty() || place.control.isEmpty() || !Keepable(place.item) ||
      !Keepable(place.control) || !Keepable(place.analyte))
    return;
  std::vector<UnitPlace> places = Read();
  const auto before = places;
  places.erase(std::remove(places.begin(), places.end(), place), places.end());
  places.insert(places.begin(), place);
  if (places.size() > kMaxUnits) places.resize(kMaxUnits);
  if (places == before) return;
  platform::WriteWholeFile(FilePath(), Format(places));
}

void RememberTypedIn(const TForm* form, const QString& item) {
  const TEdit* edit = form->TypedEdit();
  if (!edit) return;
  // The clinical list's edits are labelled by the analyte chosen: that analyte is the unit.
  if (const auto* clinic = qobject_cast<const TFormClinic*>(form)) {
    const TStringGrid* grid = clinic->StringGrid1;
    if ((edit != clinic->Edit1 && edit != clinic->Edit2) || grid->Row() < grid->FixedRows()) return;
    Remember({item, clinic->Edit1->objectName(), -1, grid->Cell(0, grid->Row())});
    return;
  }
  if (IsUnitEdit(edit)) Remember({item, edit->objectName(), -1, QString()});
}

std::vector<const UnitEntry*> Units(const std::function<const UnitIndex&()>& index) {
  const std::vector<UnitPlace> places = Read();
  std::vector<const UnitEntry*> units;
  if (places.empty()) return units;
  const std::vector<UnitEntry>& entries = index().Entries();
  for (const UnitPlace& place : places) {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const UnitEntry& entry) {
      return PlaceOf(entry) == place;
    });
    if (found != entries.end()) units.push_back(&*found);
  }
  return units;
}

}  // namespace recent
