#include "provider/Provider.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QProcess>
#include <QWidget>
#include <algorithm>

#include "app/Language.h"
#include "app/Preferences.h"
#include "app/TarvelBus.h"
#include "app/UnitIndex.h"
#include "platform/Folders.h"
#include "platform/KeptFile.h"
#include "value/SearchText.h"

namespace {

// What the index is read from: the windows of this very program, and the files they read when
// they are made. Another build or installation, new rates or currencies of the user's own, and
// the windows are read again, as in another language.
QString IndexStamp() {
  const QStringList read = QStringList{QCoreApplication::applicationFilePath()} + UnitIndexInputs();
  QStringList stamp;
  for (const QString& path : read) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
      stamp << path + QStringLiteral(" absent");
      continue;
    }
    stamp << QStringLiteral("%1 %2 %3.%4")
                 .arg(path)
                 .arg(st.st_size)
                 .arg(st.st_mtim.tv_sec)
                 .arg(st.st_mtim.tv_nsec);
  }
  // The names are read in the interface's language.
  stamp << QStringLiteral("language ") + language::Current();
  return stamp.join(u'\n');
}

// Far more than the index takes (some 50 KB): a larger file is not ours.
constexpr qint64 kMaxIndexBytes = 16 << 20;

// A unit's mark in the ids: a hash (FNV-1a) of what names it in its window, the menu command,
// the control, a heading's column, an analyte. The same in every run, and wherever the unit
// stands in the index.
QString Mark(const UnitEntry& unit) {
  quint32 hash = 2166136261u;
  for (const QString& part : {unit.item, unit.control, QString::number(unit.col), unit.analyte}) {
    for (const QChar c : part + u'\n') hash = (hash ^ c.unicode()) * 16777619u;
  }
  return QStringLiteral("%1").arg(hash, 8, 16, QChar(u'0'));
}

QString IdOf(const UnitAnswer& answer) {
  QString id = Mark(*answer.unit) + u'|' + answer.number;
  if (!answer.typedUnit.isEmpty()) id += u'|' + answer.typedUnit;
  return id;
}

}  // namespace

QString ProviderIndexFile() {
  return platform::CacheFolder() + QStringLiteral("/tarvel/search-provider-index");
}

Provider::Provider(QWidget* owner, const QString& indexFile, int idleMilliseconds)
    : owner_(owner), indexFile_(indexFile) {
  idle_.setSingleShot(true);
  idle_.setInterval(idleMilliseconds);
  connect(&idle_, &QTimer::timeout, qApp, &QCoreApplication::quit);
  idle_.start();
}

Provider::~Provider() = default;

void Provider::Used() { idle_.start(); }

const UnitIndex& Provider::Index() {
  if (index_) return *index_;
  const QString stamp = IndexStamp();
  const platform::KeptRead kept = indexFile_.isEmpty()
                                      ? platform::KeptRead()
                                      : platform::ReadKeptFile(indexFile_, kMaxIndexBytes);
  if (kept.Ok()) {
    if (std::optional<UnitIndex> index = UnitIndex::FromSaved(kept.bytes, stamp))
      index_ = std::make_unique<UnitIndex>(std::move(*index));
  }
  if (index_) return *index_;
  index_ = std::make_unique<UnitIndex>(owner_);
  // Kept for the next start; where it cannot be written, every start reads the windows.
  if (!indexFile_.isEmpty()) platform::WriteWholeFile(indexFile_, index_->Saved(stamp));
  return *index_;
}

void Provider::ReadPreferences() {
  // The figures follow the user's preferences as they are now: answers made before a change
  // are made again.
  if (prefs::Apply()) answers_.clear();
}

QStringList Provider::Search(const QString& text) {
  Used();
  ReadPreferences();
  const UnitIndex& index = Index();
  // The answers of the searches before are let go now and then: an id makes its answer again.
  if (answers_.size() > 500) answers_.clear();
  QStringList ids;
  for (const UnitAnswer& answer : AnswerSearch(index, owner_, text)) {
    const QString id = IdOf(answer);
    answers_.insert(id, answer);
    ids << id;
  }
  return ids;
}

// An id as a search makes it, and only such: a unit of the index, a number as a search reads
// one (or none), the unit's words as typed after it.
std::optional<Provider::Id> Provider::Read(const QString& id) {
  const QString mark = id.section(u'|', 0, 0);
  const QString number = id.section(u'|', 1, 1);
  const QString typedUnit = id.section(u'|', 2);
  if (!id.contains(u'|') || search::ReadQuery(number).number != number ||
      (number.isEmpty() && !typedUnit.isEmpty()))
    return std::nullopt;
  const std::vector<UnitEntry>& entries = Index().Entries();
  const auto unit = std::find_if(entries.begin(), entries.end(),
                                 [&](const UnitEntry& entry) { return Mark(entry) == mark; });
  if (unit == entries.end()) return std::nullopt;
  return Id{static_cast<int>(unit - entries.begin()), number, typedUnit};
}

std::optional<UnitAnswer> Provider::Answer(const QString& id) {
  ReadPreferences();
  const auto it = answers_.constFind(id);
  if (it != answers_.constEnd()) return it.value();
  const std::optional<Id> read = Read(id);
  if (!read) return std::nullopt;
  const UnitAnswer answer =
      AnswerUnit(Index().Entries()[read->position], owner_, read->number, read->typedUnit);
  answers_.insert(id, answer);
  return answer;
}

void Provider::Activate(const QString& id) {
  if (const std::optional<Id> read = Read(id)) {
    CallTarvel(QStringLiteral("OpenUnit"), {read->position, read->number});
  } else {
    CallTarvel(QStringLiteral("Raise"), {});
  }
}

void Provider::LaunchSearch(const QString& terms) { CallTarvel(QStringLiteral("Search"), {terms}); }

void Provider::CallTarvel(const QString& method, const QVariantList& arguments) {
  Used();
  QDBusConnection bus = QDBusConnection::sessionBus();
  auto send = [bus, method, arguments]() mutable {
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(kTarvelService), QLatin1String(kTarvelPath),
                                       QLatin1String(kTarvelInterface), method);
    call.setArguments(arguments);
    bus.asyncCall(call);
  };
  if (bus.interface()->isServiceRegistered(QLatin1String(kTarvelService))) {
    send();
    return;
  }
  // Tarvel is started, and asked as soon as it is on the bus.
  auto* watcher = new QDBusServiceWatcher(QLatin1String(kTarvelService), bus,
                                          QDBusServiceWatcher::WatchForRegistration, this);
  connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, [watcher, send]() mutable {
    send();
    watcher->deleteLater();
  });
  QTimer::singleShot(30000, watcher, &QObject::deleteLater);
  QProcess::startDetached(QStringLiteral("tarvel"), {});
}

GnomeSearchAdaptor::GnomeSearchAdaptor(Provider* provider)
    : QDBusAbstractAdaptor(provider), provider_(provider) {}

QStringList GnomeSearchAdaptor::GetInitialResultSet(const QStringList& terms) {
  return provider_->Search(terms.join(u' '));
}

QStringList GnomeSearchAdaptor::GetSubsearchResultSet(const QStringList&,
                                                      const QStringList& terms) {
  return provider_->Search(terms.join(u' '));
}

QList<QVariantMap> GnomeSearchAdaptor::GetResultMetas(const QStringList& ids) {
  provider_->Used();
  QList<QVariantMap> metas;
  for (const QString& id : ids) {
    const std::optional<UnitAnswer> answer = provider_->Answer(id);
    if (!answer) continue;
    metas << QVariantMap{{QStringLiteral("id"), id},
                         {QStringLiteral("name"), answer->title},
                         {QStringLiteral("description"), answer->description},
                         {QStringLiteral("gicon"), QStringLiteral("tarvel")}};
  }
  return metas;
}

void GnomeSearchAdaptor::ActivateResult(const QString& id, const QStringList&, uint) {
  provider_->Activate(id);
}

void GnomeSearchAdaptor::LaunchSearch(const QStringList& terms, uint) {
  provider_->LaunchSearch(terms.join(u' '));
}

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match) {
  argument.beginStructure();
  argument << match.id << match.text << match.iconName << match.type << match.relevance
           << match.properties;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteMatch& match) {
  argument.beginStructure();
  argument >> match.id >> match.text >> match.iconName >> match.type >> match.relevance >>
      match.properties;
  argument.endStructure();
  return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action) {
  argument.beginStructure();
  argument << action.id << action.text << action.iconName;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteAction& action) {
  argument.beginStructure();
  argument >> action.id >> action.text >> action.iconName;
  argument.endStructure();
  return argument;
}

KRunnerAdaptor::KRunnerAdaptor(Provider* provider)
    : QDBusAbstractAdaptor(provider), provider_(provider) {}

QList<RemoteAction> KRunnerAdaptor::Actions() {
  provider_->Used();
  return {};
}

QList<RemoteMatch> KRunnerAdaptor::Match(const QString& query) {
  QList<RemoteMatch> matches;
  const QStringList ids = provider_->Search(query);
  double relevance = 1.0;
  for (const QString& id : ids) {
    const std::optional<UnitAnswer> answer = provider_->Answer(id);
    // The first answer of a quantity is the exact one KRunner's "exact match" type stands for.
    const int type = (!answer->number.isEmpty() && matches.isEmpty()) ? 100 : 70;
    matches << RemoteMatch{id,   answer->title, QStringLiteral("tarvel"),
                           type, relevance,     {{QStringLiteral("subtext"), answer->description}}};
    relevance *= 0.9;
  }
  return matches;
}

void KRunnerAdaptor::Run(const QString& matchId, const QString&) { provider_->Activate(matchId); }

void RegisterProviderTypes() {
  qDBusRegisterMetaType<QList<QVariantMap>>();
  qDBusRegisterMetaType<RemoteMatch>();
  qDBusRegisterMetaType<QList<RemoteMatch>>();
  qDBusRegisterMetaType<RemoteAction>();
  qDBusRegisterMetaType<QList<RemoteAction>>();
}
