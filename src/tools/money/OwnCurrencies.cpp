#include "tools/money/OwnCurrencies.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSet>
#include <algorithm>

#include "platform/Folders.h"
#include "platform/KeptFile.h"
#include "tools/money/Currencies.h"
#include "tools/money/Rates.h"

namespace money {
namespace {

// Two hundred entries with long names and other fields take some 40 KB; a larger file is not
// one the program wrote.
constexpr qint64 kLargestFile = 1 << 20;

const QString kEntries = QStringLiteral("divisas");
const QString kCode = QStringLiteral("codigo");
const QString kName = QStringLiteral("nombre");
const QString kRate = QStringLiteral("porEuro");
const QString kEntered = QStringLiteral("introducida");

// The file as it stands: its whole JSON (for what this version does not know) and the list
// read from it; why, when it does not read.
struct OwnFile {
  QJsonObject root;
  OwnCurrencies own;
  QString damaged;
};

// An entry that reads, or why not.
QString ReadEntry(const QJsonValue& value, const QSet<QString>& seen, OwnCurrency& currency) {
  if (!value.isObject())
    return QCoreApplication::translate("OwnCurrencies", "una divisa no se lee");
  const QJsonObject entry = value.toObject();
  currency = {entry.value(kCode).toString(), entry.value(kName).toString().trimmed(),
              entry.value(kRate).toDouble(),
              QDate::fromString(entry.value(kEntered).toString(), Qt::ISODate)};
  if (!IsCurrencyCode(currency.code) || currency.code == QLatin1String("EUR"))
    return QCoreApplication::translate("OwnCurrencies", "un código de divisa no vale");
  if (seen.contains(currency.code))
    return QCoreApplication::translate("OwnCurrencies", "%1 está dos veces").arg(currency.code);
  if (currency.name.isEmpty() || currency.name.size() > kOwnNameLength)
    return QCoreApplication::translate("OwnCurrencies",
                                       "el nombre de %1 está vacío o pasa de %2 letras")
        .arg(currency.code, QString::number(kOwnNameLength));
  if (!RateInBounds(currency.perEuro))
    return QCoreApplication::translate("OwnCurrencies", "el tipo de %1 no está entre 1E-6 y 1E12")
        .arg(currency.code);
  if (!currency.entered.isValid())
    return QCoreApplication::translate("OwnCurrencies", "la fecha de %1 no vale")
        .arg(currency.code);
  return QString();
}

OwnFile Parse(const QByteArray& bytes) {
  OwnFile file;
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) {
    file.damaged = QCoreApplication::translate("OwnCurrencies", "no es JSON");
    return file;
  }
  file.root = document.object();
  const QJsonValue entries = file.root.value(kEntries);
  if (!entries.isArray()) {
    file.damaged = QCoreApplication::translate("OwnCurrencies", "sin lista de divisas");
    return file;
  }
  const QJsonArray list = entries.toArray();
  if (list.size() > kMostOwnCurrencies) {
    file.damaged = QCoreApplication::translate("OwnCurrencies", "tiene %1 divisas, más de %2")
                       .arg(QString::number(list.size()), QString::number(kMostOwnCurrencies));
    return file;
  }
  QSet<QString> seen;
  for (const QJsonValue& value : list) {
    OwnCurrency currency;
    file.damaged = ReadEntry(value, seen, currency);
    if (!file.damaged.isEmpty()) return file;
    seen.insert(currency.code);
    file.own.list.push_back(currency);
  }
  return file;
}

// Moves a damaged file out of the way, under a name that says so; what to tell the user.
QString SetAside(const QString& path, const QString& why) {
  const QString stamp = path + QStringLiteral(".danado-") +
                        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  // Never over another file set aside in the same second.
  QString aside = stamp;
  for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
    aside = stamp + QStringLiteral("-%1").arg(n);
  if (QFile::rename(path, aside)) {
    //: %1 what is wrong with it; %2 the name it was renamed to
    return QCoreApplication::translate(
               "OwnCurrencies",
               "el archivo de sus divisas estaba dañado (%1) y se ha apartado como %2")
        .arg(why, QFileInfo(aside).fileName());
  }
  return QCoreApplication::translate(
             "OwnCurrencies", "el archivo de sus divisas está dañado (%1) y no se pudo apartar")
      .arg(why);
}

// The file read whole; a damaged one set aside, with problem saying so.
OwnFile ReadFile(const QString& path) {
  const platform::KeptRead kept = platform::ReadKeptFile(path, kLargestFile);
  OwnFile file;
  switch (kept.outcome) {
    case platform::KeptRead::Outcome::Missing: return file;
    case platform::KeptRead::Outcome::Read: file = Parse(kept.bytes); break;
    case platform::KeptRead::Outcome::TooLarge:
    case platform::KeptRead::Outcome::NotAFile: file.damaged = kept.reason; break;
    case platform::KeptRead::Outcome::Unreadable:
      file.own.problem = QCoreApplication::translate(
                             "OwnCurrencies", "no se puede leer el archivo de sus divisas: %1")
                             .arg(kept.reason);
      return file;
  }
  if (!file.damaged.isEmpty()) {
    const QString problem = SetAside(path, file.damaged);
    file = OwnFile();
    file.damaged = problem;
    file.own.problem = problem;
  }
  return file;
}

QJsonObject Entry(QJsonObject entry, const OwnCurrency& currency) {
  entry.insert(kCode, currency.code);
  entry.insert(kName, currency.name);
  entry.insert(kRate, currency.perEuro);
  entry.insert(kEntered, currency.entered.toString(Qt::ISODate));
  return entry;
}

QJsonArray Entries(const std::vector<OwnCurrency>& list) {
  QJsonArray entries;
  for (const OwnCurrency& currency : list) entries.append(Entry({}, currency));
  return entries;
}

QString Write(const QJsonObject& root) {
  QString why;
  if (platform::WriteWholeFile(OwnCurrenciesPath(), QJsonDocument(root).toJson(), &why))
    return QString();
  return QCoreApplication::translate("OwnCurrencies", "no se pudieron guardar sus divisas: %1")
      .arg(why);
}

// Applies the change to the entries; false when it cannot be made (the list is full).
bool Apply(const OwnChange& change, QJsonArray& entries) {
  const auto at = std::find_if(entries.begin(), entries.end(), [&](const QJsonValueRef& value) {
    return value.toObject().value(kCode).toString() == change.currency.code;
  });
  if (change.kind == OwnChange::Kind::Remove) {
    if (at != entries.end()) entries.erase(at);
    return true;
  }
  // A currency another window removed meanwhile comes back with the user's change; one it
  // added is changed in place, with whatever else its entry holds.
  if (at != entries.end()) {
    *at = Entry(at->toObject(), change.currency);
    return true;
  }
  if (entries.size() >= kMostOwnCurrencies) return false;
  entries.append(Entry({}, change.currency));
  return true;
}

}  // namespace

QString OwnCurrenciesPath() {
  return platform::DataFolder() + QStringLiteral("/tarvel/divisas-propias.json");
}

OwnCurrencies LoadOwnCurrencies() { return ReadFile(OwnCurrenciesPath()).own; }

OwnCurrencies SaveOwnChange(const OwnChange& change, const std::vector<OwnCurrency>& known) {
  const QString path = OwnCurrenciesPath();
  // One reader and writer at a time, whichever window or program it is.
  QDir().mkpath(QFileInfo(path).path());
  QLockFile lock(path + QStringLiteral(".lock"));
  if (!lock.tryLock(3000))
    return {known, QCoreApplication::translate(
                       "OwnCurrencies",
                       "no se pudieron guardar sus divisas: otro Tarvel está guardando las suyas")};

  OwnFile file = ReadFile(path);
  if (!file.own.problem.isEmpty() && file.damaged.isEmpty()) return {known, file.own.problem};
  QString problem = file.damaged;
  // A file found damaged is rebuilt from what the window showed.
  if (!file.damaged.isEmpty()) file.own.list = known;
  QJsonArray entries =
      file.damaged.isEmpty() ? file.root.value(kEntries).toArray() : Entries(known);
  if (!Apply(change, entries)) {
    return {file.own.list, QCoreApplication::translate("OwnCurrencies",
                                                       "ya tiene %1 divisas propias, las que caben")
                               .arg(kMostOwnCurrencies)};
  }
  file.root.insert(kEntries, entries);
  if (const QString why = Write(file.root); !why.isEmpty()) return {file.own.list, why};
  OwnCurrencies saved = Parse(QJsonDocument(file.root).toJson()).own;
  saved.problem = problem;
  return saved;
}

QString SaveOwnCurrencies(const std::vector<OwnCurrency>& list) {
  return Write(QJsonObject{{kEntries, Entries(list)}});
}

}  // namespace money
