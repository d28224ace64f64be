#include "app/Language.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QMutex>
#include <QTranslator>

#include "app/Startup.h"
#include "platform/Folders.h"
#include "platform/KeptFile.h"
#include "platform/Messages.h"

namespace language {

const Language kLanguages[3] = {{"es", "Español"}, {"en", "English"}, {"ca", "Català"}};

namespace {

// The whole file: its heading, then "idioma=" with a code, or nothing for the desktop's.
constexpr char kHeading[] = "# Tarvel: idioma 1";
constexpr char kKey[] = "idioma=";
constexpr qint64 kMaxBytes = 256;

bool IsOurs(const QString& code) {
  for (const Language& language : kLanguages) {
    if (code == QLatin1String(language.code)) return true;
  }
  return false;
}

// "ca_ES.UTF-8@valencia" → "ca".
QString LanguagePart(const QString& name) {
  qsizetype end = 0;
  while (end < name.size() && name[end].isLetter()) ++end;
  return name.left(end).toLower();
}

// Tarvel's translation, which remembers the Spanish text of each translation it has given:
// the unit search finds a unit by its Spanish name in any language.
class Translation : public QTranslator {
 public:
  using QTranslator::QTranslator;

  QString translate(const char* context, const char* source, const char* disambiguation,
                    int n) const override {
    QString text = QTranslator::translate(context, source, disambiguation, n);
    if (!text.isEmpty() && n < 0) {
      const QMutexLocker lock(&mutex_);
      sources_.insert(text, QString::fromUtf8(source));
    }
    return text;
  }

  QString SourceOf(const QString& text) const {
    const QMutexLocker lock(&mutex_);
    return sources_.value(text, text);
  }

 private:
  mutable QMutex mutex_;
  mutable QHash<QString, QString> sources_;
};

QString current = QStringLiteral("es");
Translation* ours = nullptr;
QTranslator* qts = nullptr;

// A translator of the given file, or null when there is none to load.
template <class T>
T* Load(const QString& file, const QString& folder) {
  auto* translator = new T(QCoreApplication::instance());
  if (translator->load(file, folder)) return translator;
  delete translator;
  return nullptr;
}

template <class T>
void Remove(T*& translator) {
  if (!translator) return;
  QCoreApplication::removeTranslator(translator);
  delete translator;
  translator = nullptr;
}

}  // namespace

QString FilePath() { return platform::ConfigFolder() + QStringLiteral("/tarvel/idioma"); }

QString Chosen() {
  const platform::KeptRead kept = platform::ReadKeptFile(FilePath(), kMaxBytes);
  if (!kept.Ok()) return QString();
  const QList<QByteArray> lines = kept.bytes.split('\n');
  // The heading, the choice and the empty piece after the last line break.
  if (lines.size() != 3 || lines[0] != kHeading || !lines[2].isEmpty() ||
      !lines[1].startsWith(kKey))
    return QString();
  const QString code = QString::fromLatin1(lines[1].mid(sizeof kKey - 1));
  return IsOurs(code) ? code : QString();
}

QString SaveChoice(const QString& choice) {
  const QString code = IsOurs(choice) ? choice : QString();
  const QByteArray text = QByteArray(kHeading) + '\n' + kKey + code.toLatin1() + '\n';
  QString reason;
  if (platform::WriteWholeFile(FilePath(), text, &reason)) return QString();
  return reason;
}

QStringList DesktopLanguages() {
  QString messages;
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    messages = qEnvironmentVariable(variable);
    if (!messages.isEmpty()) break;
  }
  const QString language = LanguagePart(messages);
  if (language.isEmpty() || language == QLatin1String("c") || language == QLatin1String("posix"))
    return {};
  QStringList languages;
  for (const QString& name : qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts)) {
    languages << LanguagePart(name);
  }
  languages << language;
  languages.removeAll(QString());
  languages.removeDuplicates();
  return languages;
}

QString Resolve(const QString& choice) {
  if (IsOurs(choice)) return choice;
  for (const QString& language : DesktopLanguages()) {
    if (IsOurs(language)) return language;
  }
  return QStringLiteral("es");
}

void Apply(const QString& code) {
  const QString language = IsOurs(code) ? code : QStringLiteral("es");
  if (language == current && (qts || ours)) return;
  Remove(ours);
  Remove(qts);
  if (language != QLatin1String("es")) {
    ours = Load<Translation>(QStringLiteral("tarvel_") + language, QStringLiteral(":/i18n"));
    if (ours) QCoreApplication::installTranslator(ours);
  }
  // Qt's own texts: the buttons of message boxes, the edits' context menu. Qt writes them in
  // English.
  if (language != QLatin1String("en")) {
    qts = Load<QTranslator>(QStringLiteral("qtbase_") + language,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qts) QCoreApplication::installTranslator(qts);
  }
  current = language;
  // The caption of the program's own message boxes.
  platform::SetApplicationTitle(QCoreApplication::translate("Startup", kApplicationTitle));
}

QString Current() { return current; }

QString SpanishOf(const QString& text) { return ours ? ours->SourceOf(text) : text; }

}  // namespace language
