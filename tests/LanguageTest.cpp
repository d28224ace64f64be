// The interface's language: which one the desktop's settings choose, the choice kept across
// starts, and a change applied at once to the main window and to every window opened after.

#include <QFile>
#include <QImage>
#include <QPushButton>
#include <map>
#include <memory>

#include "ShellSupport.h"
#include "app/Catalogue.h"
#include "app/Language.h"
#include "app/Unidadpresentacion.h"
#include "app/UnitIndex.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/KeptFile.h"

namespace {

class Languages : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    for (const char* name : kVariables) saved_[name] = qgetenv(name);
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value.isNull())
        qunsetenv(name);
      else
        qputenv(name, value);
    }
    language::Apply(QStringLiteral("es"));
    ShellFixture::TearDown();
  }
  // The environment holds only these of the variables that name languages.
  static void Environment(std::map<const char*, const char*> set) {
    for (const char* name : kVariables) qunsetenv(name);
    for (const auto& [name, value] : set) qputenv(name, value);
  }

  static constexpr const char* kVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
  std::map<const char*, QByteArray> saved_;
};

TEST_F(Languages, TheDesktopsFirstLanguageThatTarvelSpeaks) {
  const struct {
    std::map<const char*, const char*> environment;
    const char* language;
  } cases[] = {
      {{{"LANG", "en_US.UTF-8"}}, "en"},
      {{{"LANG", "fr_FR.UTF-8"}}, "es"},  // none of ours: the sources' language
      {{{"LANGUAGE", "fr:ca:en"}, {"LANG", "fr_FR.UTF-8"}}, "ca"},
      {{{"LC_MESSAGES", "ca_ES.UTF-8@valencia"}, {"LANG", "en_GB.UTF-8"}}, "ca"},
      {{{"LC_ALL", "en_US.UTF-8"}, {"LC_MESSAGES", "ca_ES.UTF-8"}}, "en"},
      // The C and POSIX locales speak the sources' language, whatever LANGUAGE says.
      {{{"LANGUAGE", "en"}, {"LANG", "C"}}, "es"},
      {{{"LANGUAGE", "en"}, {"LC_ALL", "POSIX"}, {"LANG", "en_US.UTF-8"}}, "es"},
      {{{"LANGUAGE", "en"}, {"LANG", "C.UTF-8"}}, "es"},
      {{}, "es"},
  };
  for (const auto& c : cases) {
    Environment(c.environment);
    EXPECT_EQ(language::Resolve(QString()), QLatin1String(c.language))
        << (c.environment.empty() ? "" : c.environment.begin()->second);
  }
  Environment({{"LANG", "ca_ES.UTF-8"}});
  EXPECT_EQ(language::Resolve(QStringLiteral("en")), QStringLiteral("en"));  // the user's choice
}

TEST_F(Languages, TheChoiceIsKeptAndADamagedFileMeansTheDesktops) {
  EXPECT_EQ(language::Chosen(), QString());  // nothing kept yet
  EXPECT_EQ(language::SaveChoice(QStringLiteral("ca")), QString());
  EXPECT_EQ(language::Chosen(), QStringLiteral("ca"));
  EXPECT_EQ(language::SaveChoice(QString()), QString());
  EXPECT_EQ(language::Chosen(), QString());
  for (const QByteArray& damaged :
       {QByteArray("# Tarvel: idioma 1\nidioma=fr\n"), QByteArray("# Tarvel: idioma 1\nidioma=en"),
        QByteArray("idioma=en\n"), QByteArray(4096, 'x')}) {
    ASSERT_TRUE(platform::WriteWholeFile(language::FilePath(), damaged));
    EXPECT_EQ(language::Chosen(), QString()) << damaged.left(40).toStdString();
  }
}

TEST_F(Languages, AChoiceAppliesAtOnceAndToTheWindowsOpenedAfter) {
  Environment({{"LANG", "C"}});
  auto window = std::make_unique<TFormPrincipal>();
  auto label = [&] {
    return window->centralWidget()->findChild<TLabel*>(QStringLiteral("Label1"))->text();
  };
  const QString spanishTitle = window->windowTitle();
  const QString spanishLabel = label();
  window->MenuItem(QStringLiteral("English1"))->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(language::Current(), QStringLiteral("en"));
  EXPECT_EQ(language::Chosen(), QStringLiteral("en"));
  EXPECT_TRUE(window->MenuItem(QStringLiteral("English1"))->isChecked());
  EXPECT_EQ(window->MenuItem(QStringLiteral("Idioma1"))->text(), QStringLiteral("Language"));
  EXPECT_EQ(window->MenuItem(QStringLiteral("Archivo1"))->text(), QStringLiteral("&File"));
  EXPECT_NE(window->windowTitle(), spanishTitle);
  EXPECT_NE(label(), spanishLabel);
  // A window opened now speaks English, the kit's texts too.
  std::unique_ptr<TForm> length(FindMenuRow(QStringLiteral("Longitud1"))->opens(window.get()));
  EXPECT_EQ(length->Caption(), QStringLiteral("Length units"));
  EXPECT_EQ(length->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->text(),
            QStringLiteral("Back"));

  // Back to the desktop's language, which the C locale makes Spanish: every text as before.
  window->MenuItem(QStringLiteral("Delsistema1"))->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(language::Current(), QStringLiteral("es"));
  EXPECT_TRUE(window->MenuItem(QStringLiteral("Delsistema1"))->isChecked());
  EXPECT_EQ(window->windowTitle(), spanishTitle);
  EXPECT_EQ(label(), spanishLabel);
  EXPECT_EQ(window->MenuItem(QStringLiteral("Idioma1"))->text(), QStringLiteral("Idioma"));
}

// In English the index finds a unit by its English name and plural, its Spanish name and its
// symbol, and an analyte by either name, keyed by its Spanish one as in Spanish.
TEST_F(Languages, TheUnitSearchFindsEnglishAndSpanishNames) {
  language::Apply(QStringLiteral("en"));
  QWidget owner;
  const UnitIndex index(&owner);
  for (const char* words : {"feet", "foot", "pie", "ft"}) {
    const std::vector<const UnitEntry*> found = index.Find(QString::fromLatin1(words));
    ASSERT_FALSE(found.empty()) << words;
    EXPECT_EQ(found.front()->item, QStringLiteral("Longitud1")) << words;
    EXPECT_EQ(found.front()->control, QStringLiteral("Edit5")) << words;
  }
  for (const char* words : {"uric acid", "ácido úrico"}) {
    const std::vector<const UnitEntry*> found = index.Find(QString::fromUtf8(words));
    ASSERT_FALSE(found.empty()) << words;
    EXPECT_EQ(found.front()->analyte, QStringLiteral("Ácido úrico")) << words;
  }
}

// The pictures of the logo in the languages the program speaks are its drawing of their words:
// a translation that changes them needs its picture made again (resources/logo-CODE.png).
TEST_F(Languages, TheLogosPicturesMatchTheirTranslations) {
  for (const char* code : {"en", "ca"}) {
    language::Apply(QString::fromLatin1(code));
    const QImage own(QStringLiteral(":/tarvel/logo-%1.png").arg(QLatin1String(code)));
    ASSERT_FALSE(own.isNull()) << code;
    EXPECT_EQ(own.convertToFormat(QImage::Format_RGB32), DrawLogo()) << code;
  }
}

}  // namespace
