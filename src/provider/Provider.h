#pragma once
// tarvel-search-provider: answers the desktops' own search boxes (GNOME Shell's search
// providers, KDE's KRunner) over the session bus, from the unit index and the real windows,
// headless. It exits by itself after a minute without calls.

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <memory>
#include <optional>

#include "app/UnitAnswers.h"

class UnitIndex;
class QWidget;

inline constexpr const char* kProviderService = "org.example.Tarvel.SearchProvider";
inline constexpr const char* kProviderPath = "/org/example/Tarvel/SearchProvider";

// The answers to the desktops' searches. An answer's id says all the answer is made of: the
// unit (a mark of its own), the number typed and, for the answer converted in its window, the
// unit's words as typed ("4dd22299|5|pies"); so the id of any earlier search still answers for
// itself, whatever came between. Answers are kept by id for the calls that follow a search
// (metas, activation).
class Provider : public QObject {
  Q_OBJECT

 public:
  // The index is kept between starts in indexFile, made again when the program has changed.
  Provider(QWidget* owner, const QString& indexFile, int idleMilliseconds = 60000);
  ~Provider() override;

  // A search: the ids of at most five answers.
  QStringList Search(const QString& text);
  // The answer an id stands for; none for an id that is not one of ours.
  std::optional<UnitAnswer> Answer(const QString& id);
  // Hands a chosen answer to the running Tarvel (started first when none runs): its unit,
  // with the number typed. An unknown id opens Tarvel only.
  void Activate(const QString& id);
  // Tarvel's own search window with the terms.
  void LaunchSearch(const QString& terms);
  // Every call counts as use: the idle timer starts again.
  void Used();

 private:
  // The user's preferences for the figures, read again at each call.
  void ReadPreferences();

  QWidget* owner_;
  QString indexFile_;
  std::unique_ptr<UnitIndex> index_;
  QHash<QString, UnitAnswer> answers_;
  QTimer idle_;

  struct Id {
    int position;
    QString number, typedUnit;
  };
  std::optional<Id> Read(const QString& id);
  const UnitIndex& Index();
  void CallTarvel(const QString& method, const QVariantList& arguments);
};

// org.gnome.Shell.SearchProvider2
class GnomeSearchAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

 public:
  explicit GnomeSearchAdaptor(Provider* provider);

 public slots:
  QStringList GetInitialResultSet(const QStringList& terms);
  QStringList GetSubsearchResultSet(const QStringList& previous, const QStringList& terms);
  QList<QVariantMap> GetResultMetas(const QStringList& ids);
  void ActivateResult(const QString& id, const QStringList& terms, uint timestamp);
  void LaunchSearch(const QStringList& terms, uint timestamp);

 private:
  Provider* provider_;
};

// KRunner's match and action, as its D-Bus runners exchange them.
struct RemoteMatch {
  QString id;
  QString text;
  QString iconName;
  int type = 0;
  double relevance = 0;
  QVariantMap properties;
};
struct RemoteAction {
  QString id;
  QString text;
  QString iconName;
};
QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteMatch& match);
QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteAction& action);
Q_DECLARE_METATYPE(RemoteMatch)
Q_DECLARE_METATYPE(RemoteAction)

// org.kde.krunner1
class KRunnerAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

 public:
  explicit KRunnerAdaptor(Provider* provider);

 public slots:
  QList<RemoteAction> Actions();
  QList<RemoteMatch> Match(const QString& query);
  void Run(const QString& matchId, const QString& actionId);

 private:
  Provider* provider_;
};

// Registers the types above with Qt's D-Bus marshalling.
void RegisterProviderTypes();

// Where the provider keeps its index: the user's cache folder ($XDG_CACHE_HOME, by default
// ~/.cache).
QString ProviderIndexFile();
