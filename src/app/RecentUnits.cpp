#include "app/RecentUnits.h"

#include <QStringConverter>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "app/UnitIndex.h"
#include "platform/Edit.h"
#include "platform/Folders.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/KeptFile.h"
#include "tools/physical/Unidadclinica.h"
#include "value/Locale.h"
#include "value/Value.h"

namespace recent {
namespace {

// After the four fields of the place, where a quantity was typed, its number with '.' as the
// decimal separator.
constexpr char kHeading[] = "# Tarvel: unidades recientes 1";
// A file longer than eight such lines can hold is not ours.
constexpr qint64 kMaxBytes = 4096;
constexpr qsizetype kMaxNumberLength = 32;

struct Kept {
  UnitPlace place;
  QString number;  // with '.' as the separator; empty for none
};

// A number as kept: '.' for the separator, as the search takes either; empty when it is not
// one a converter reads, or larger than any it holds.
QString KeptNumber(const QString& typed) {
  QString number = typed.trimmed();
  number.replace(u',', u'.');
  // "020" typed after the 0 that stood in the edit is 20; "+5" is 5.
  if (number.startsWith(u'+')) number.remove(0, 1);
  const qsizetype digits = number.startsWith(u'-') ? 1 : 0;
  while (number.size() > digits + 1 && number[digits] == u'0' && number[digits + 1].isDigit())
    number.remove(digits, 1);
  if (number.isEmpty() || number.size() > kMaxNumberLength) return QString();
  if (!std::all_of(number.begin(), number.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || QStringLiteral(".+-Ee").contains(c);
      }))
    return QString();
  QString shown = number;
  shown.replace(u'.', QChar(platform::DecimalSeparator()));
  Extended value = 0;
  if (!TryParseValue(shown, value) || std::fabs(value) > DBL_MAX) return QString();
  return number;
}

std::vector<Kept> Parse(const QByteArray& bytes) {
  const auto lines = ReadPlaceLines(bytes, kHeading, kMaxUnits, 4, 5);
  if (!lines) return {};
  std::vector<Kept> kept;
  for (const QStringList& fields : *lines) {
    const QString number = fields.value(4);
    if (fields.size() == 5 && (number.isEmpty() || KeptNumber(number) != number)) return {};
    kept.push_back({PlaceOfFields(fields), number});
  }
  return kept;
}

QByteArray Format(const std::vector<Kept>& kept) {
  QString text = QLatin1String(kHeading) + u'\n';
  for (const Kept& k : kept) {
    QStringList fields = FieldsOf(k.place);
    if (!k.number.isEmpty()) fields << k.number;
    text += fields.join(u'\t') + u'\n';
  }
  return text.toUtf8();
}

std::vector<Kept> ReadKept() {
  const platform::KeptRead kept = platform::ReadKeptFile(FilePath(), kMaxBytes);
  return kept.Ok() ? Parse(kept.bytes) : std::vector<Kept>();
}

bool IsField(const QString& text) {
  return !text.contains(u'\t') && !text.contains(u'\n') && !text.contains(u'\r');
}

}  // namespace

std::optional<std::vector<QStringList>> ReadPlaceLines(const QByteArray& bytes, const char* heading,
                                                       int maxPlaces, int minFields,
                                                       int maxFields) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8.decode(bytes);
  if (utf8.hasError() || !text.endsWith(u'\n')) return std::nullopt;
  QStringList lines = text.split(u'\n');
  lines.removeLast();
  if (lines.isEmpty() || lines.takeFirst() != QLatin1String(heading) || lines.size() > maxPlaces)
    return std::nullopt;
  std::vector<QStringList> read;
  std::vector<UnitPlace> places;
  for (const QString& line : lines) {
    const QStringList fields = line.split(u'\t');
    if (fields.size() < minFields || fields.size() > maxFields || fields[0].isEmpty() ||
        fields[1].isEmpty())
      return std::nullopt;
    bool ok = false;
    const int col = fields[2].toInt(&ok);
    if (!ok || col < -1) return std::nullopt;
    const UnitPlace place = PlaceOfFields(fields);
    if (std::find(places.begin(), places.end(), place) != places.end()) return std::nullopt;
    places.push_back(place);
    read.push_back(fields);
  }
  return read;
}

UnitPlace PlaceOfFields(const QStringList& fields) {
  return {fields.value(0), fields.value(1), fields.value(2).toInt(), fields.value(3)};
}

QStringList FieldsOf(const UnitPlace& place) {
  return {place.item, place.control, QString::number(place.col), place.analyte};
}

bool Keepable(const UnitPlace& place) {
  return !place.item.isEmpty() && !place.control.isEmpty() && IsField(place.item) &&
         IsField(place.control) && IsField(place.analyte);
}

std::vector<const UnitEntry*> Find(const std::vector<UnitPlace>& places, const UnitIndex& index) {
  const std::vector<UnitEntry>& entries = index.Entries();
  std::vector<const UnitEntry*> units;
  for (const UnitPlace& place : places) {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const UnitEntry& entry) {
      return PlaceOf(entry) == place;
    });
    if (found != entries.end()) units.push_back(&*found);
  }
  return units;
}

UnitPlace PlaceOf(const UnitEntry& unit) {
  return {unit.item, unit.control, unit.col, unit.analyte};
}

QString FilePath() {
  return platform::ConfigFolder() + QStringLiteral("/tarvel/unidades-recientes");
}

std::vector<UnitPlace> Read() {
  std::vector<UnitPlace> places;
  for (const Kept& kept : ReadKept()) places.push_back(kept.place);
  return places;
}

void Remember(const UnitPlace& place, const QString& number) {
  if (!Keepable(place)) return;
  std::vector<Kept> kept = ReadKept();
  const auto before = kept;
  std::erase_if(kept, [&](const Kept& k) { return k.place == place; });
  kept.insert(kept.begin(), {place, KeptNumber(number)});
  if (kept.size() > kMaxUnits) kept.resize(kMaxUnits);
  if (Format(kept) == Format(before)) return;
  platform::WriteWholeFile(FilePath(), Format(kept));
}

void RememberTypedIn(const TForm* form, const QString& item) {
  const TEdit* edit = form->TypedEdit();
  if (!edit) return;
  // The clinical list's edits are labelled by the analyte chosen: that analyte is the unit,
  // and a quantity of it is one typed in its conventional unit.
  if (const auto* clinic = qobject_cast<const TFormClinic*>(form)) {
    const TStringGrid* grid = clinic->StringGrid1;
    if ((edit != clinic->Edit1 && edit != clinic->Edit2) || grid->Row() < grid->FixedRows()) return;
    Remember({item, clinic->Edit1->objectName(), -1, clinic->AnalyteKey(grid->Row())},
             edit == clinic->Edit1 ? edit->Text() : QString());
    return;
  }
  if (IsUnitEdit(edit)) Remember({item, edit->objectName(), -1, QString()}, edit->Text());
}

std::vector<Recent> Listed(const std::function<const UnitIndex&()>& index) {
  const std::vector<Kept> kept = ReadKept();
  std::vector<Recent> listed;
  if (kept.empty()) return listed;
  const UnitIndex& units = index();
  for (const Kept& k : kept) {
    const std::vector<const UnitEntry*> found = Find({k.place}, units);
    if (found.empty()) continue;
    QString number = k.number;
    number.replace(u'.', QChar(platform::DecimalSeparator()));
    listed.push_back({found.front(), number});
  }
  return listed;
}

std::vector<const UnitEntry*> Units(const std::function<const UnitIndex&()>& index) {
  std::vector<const UnitEntry*> units;
  for (const Recent& recent : Listed(index)) units.push_back(recent.unit);
  return units;
}

}  // namespace recent
