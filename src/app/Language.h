#pragma once
// The interface's language. Spanish is the language the texts are written in; the others are
// translations compiled into the program (":/i18n/tarvel_CODE.qm") with Qt's own texts for the
// same language. The user's choice is kept in the configuration folder: the desktop's
// languages, or one of Tarvel's.

#include <QString>
#include <QStringList>

namespace language {

struct Language {
  const char* code;  // "es", "en", "ca"
  const char* name;  // in its own language, as the menu shows it
};
// Spanish first: the language of the sources.
extern const Language kLanguages[3];

// The choice kept: "" for the desktop's languages, else a code of kLanguages. A missing or
// damaged file means the desktop's.
QString Chosen();
// Keeps the choice (written whole to a temporary file, then renamed). Empty when it was kept,
// else the reason, in the interface's language.
QString SaveChoice(const QString& choice);
QString FilePath();

// The language a choice means: a code of ours as it is; "" the first of the desktop's
// languages that Tarvel speaks (DesktopLanguages), Spanish when there is none.
QString Resolve(const QString& choice);
// The desktop's languages in order of preference, as gettext reads the environment: LANGUAGE
// (a list separated by colons), then LC_ALL, LC_MESSAGES or LANG, the first one set. Under the
// C or POSIX locale, none.
QStringList DesktopLanguages();

// The interface speaks `code` from now on: Tarvel's translation and Qt's own texts for it are
// installed in place of the ones before, and every window is told (QEvent::LanguageChange).
void Apply(const QString& code);
// The code of the language the interface speaks.
QString Current();
// The Spanish text that a text of the interface translates, once the translation has been
// given; else the text itself.
QString SpanishOf(const QString& text);

}  // namespace language
