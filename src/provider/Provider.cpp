#include "provider/Provider.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusServiceWatcher>
#include <QProcess>
#include <QWidget>

#include "app/TarvelBus.h"
#include "app/UnitIndex.h"

Provider::Provider(QWidget* owner, int idleMilliseconds) : owner_(owner) {
  idle_.setSingleShot(true);
  idle_.setInterval(idleMilliseconds);
  connect(&idle_, &QTimer::timeout, qApp, &QCoreApplication::quit);
  idle_.start();
}

Provider::~Provider() = default;

void Provider::Used() { idle_.start(); }

QStringList Provider::Search(const QString& text) {
  Used();
  if (!index_) index_ = std::make_unique<UnitIndex>(owner_);
  QStringList ids;
  const std::vector<UnitEntry>& entries = index_->Entries();
  for (const UnitAnswer& answer : AnswerSearch(*index_, owner_, text)) {
    const auto position = answer.unit - entries.data();
    const QString id = QStringLiteral("%1|%2").arg(position).arg(answer.number);
    answers_.insert(id, answer);
    ids << id;
  }
  return ids;
}

const UnitAnswer* Provider::Answer(const QString& id) const {
  const auto it = answers_.constFind(id);
  return it == answers_.constEnd() ? nullptr : &it.value();
}

void Provider::Activate(const QString& id) {
  bool ok = false;
  const int position = id.section(u'|', 0, 0).toInt(&ok);
  if (ok && answers_.contains(id)) {
    CallTarvel(QStringLiteral("OpenUnit"), {position, id.section(u'|', 1)});
  } else {
    CallTarvel(QStringLiteral("Raise"), {});
  }
}

void Provider::LaunchSearch(const QString& terms) {
  CallTarvel(QStringLiteral("Search"), {terms});
}

void Provider::CallTarvel(const QString& method, const QVariantList& arguments) {
  Used();
  QDBusConnection bus = QDBusConnection::sessionBus();
  auto send = [bus, method, arguments]() mutable {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(kTarvelService), QLatin1String(kTarvelPath),
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

QStringList GnomeSearchAdaptor::GetSubsearchResultSet(const QStringList&, const QStringList& terms) {
  return provider_->Search(terms.join(u' '));
}

QList<QVariantMap> GnomeSearchAdaptor::GetResultMetas(const QStringList& ids) {
  provider_->Used();
  QList<QVariantMap> metas;
  for (const QString& id : ids) {
    const UnitAnswer* answer = provider_->Answer(id);
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
    const UnitAnswer* answer = provider_->Answer(id);
    // The first answer of a quantity is the exact one KRunner's "exact match" type stands for.
    const int type = (!answer->number.isEmpty() && matches.isEmpty()) ? 100 : 70;
    matches << RemoteMatch{id, answer->title, QStringLiteral("tarvel"), type, relevance,
                           {{QStringLiteral("subtext"), answer->description}}};
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
