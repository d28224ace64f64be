// The unit search: reading a typed search, the index read from the windows, the order of the
// answers, and the search window's keys.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVariant>
#include <algorithm>
#include <memory>
#include <set>

#include "ShellSupport.h"
#include "app/Catalogue.h"
#include "app/RecentUnits.h"
#include "app/Unidadbuscar.h"
#include "app/Unidadpresentacion.h"
#include "app/UnitAnswers.h"
#include "app/UnitIndex.h"
#include "platform/Accessibility.h"
#include "platform/Edit.h"
#include "platform/Grid.h"
#include "platform/ListBox.h"
#include "platform/Pages.h"
#include "tools/physical/Unidadclinica.h"
#include "value/SearchText.h"

namespace {

TEST(SearchText, ReadsALeadingNumberExactlyAsTypedAndTheRestAsTheUnit) {
  const struct {
    const char* typed;
    const char* number;
    const char* unit;
  } cases[] = {
      {"5 pies", "5", "pies"},
      {"2,5 km", "2,5", "km"},
      {"-40 ºF", "-40", "ºF"},
      {"1E3 psi", "1E3", "psi"},
      {"  1.5e-3m ", "1.5e-3", "m"},
      {"100 glucosa", "100", "glucosa"},
      {"5e pulgadas", "5", "e pulgadas"},  // no exponent without its digits
      {"5, pies", "5", ", pies"},          // nor a separator without a digit after it
      {"-", "", "-"},
      {"pie", "", "pie"},
      {"", "", ""},
      {",5 m", "", ",5 m"},
  };
  for (const auto& c : cases) {
    const search::Query query = search::ReadQuery(QString::fromUtf8(c.typed));
    EXPECT_EQ(query.number, QString::fromUtf8(c.number)) << c.typed;
    EXPECT_EQ(query.unit, QString::fromUtf8(c.unit)) << c.typed;
  }
  EXPECT_EQ(search::Fold(QStringLiteral("  Kilómetro  CÚBICO [km³] ")),
            QStringLiteral("kilometro cubico [km3]"));
  EXPECT_EQ(search::Fold(QStringLiteral("ºC")), search::Fold(QStringLiteral("°c")));
}

class UnitIndexTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    platform::SetDecimalSeparator(u',');
    main = std::make_unique<TFormPrincipal>();
  }
  void TearDown() override {
    main.reset();
    ShellFixture::TearDown();
  }
  const UnitIndex& Index() { return main->Units(); }
  QStringList Found(const char* typed) {
    QStringList rows;
    for (const UnitEntry* unit : Index().Find(QString::fromUtf8(typed))) rows << unit->Spoken();
    return rows;
  }
  std::unique_ptr<TFormPrincipal> main;
};

// Counted against the windows as a user sees them: each shown, each tab chosen in turn.
TEST_F(UnitIndexTest, HoldsEveryLabelledEditEveryTableHeadingAndEveryAnalyte) {
  std::set<QString> indexed;
  for (const UnitEntry& unit : Index().Entries()) {
    indexed.insert(unit.item + u'/' + unit.control + u'/' + QString::number(unit.col) + u'/' +
                   unit.analyte);
  }
  int edits = 0, headings = 0, analytes = 0;
  for (int i = 0; i < kMenuRowCount; ++i) {
    const MenuRow& row = kMenu[i];
    if (!row.opens) continue;
    const QString item = QString::fromUtf8(row.item);
    const std::unique_ptr<TForm> form(row.opens(main.get()));
    user::Show(form.get());
    const QList<TPageControl*> controls = form->findChildren<TPageControl*>();
    for (TPageControl* pages : controls) {
      for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        for (TPageControl* inner : controls) {
          for (int sub = 0; inner != pages && sub < inner->count(); ++sub)
            inner->setCurrentIndex(sub);
        }
      }
    }
    if (auto* clinic = qobject_cast<TFormClinic*>(form.get())) {
      for (int r = 1; r < clinic->StringGrid1->RowCount(); ++r, ++analytes) {
        const QString name = clinic->StringGrid1->Cell(0, r);
        EXPECT_TRUE(indexed.count(item + QStringLiteral("/Edit1/-1/") + name))
            << name.toStdString();
      }
      continue;
    }
    for (TEdit* edit : form->findChildren<TEdit*>()) {
      if (edit->isReadOnly() || !edit->property(platform::kLabelledBy).value<QObject*>()) continue;
      ++edits;
      EXPECT_TRUE(indexed.count(item + u'/' + edit->objectName() + QStringLiteral("/-1/")))
          << item.toStdString() << " " << edit->objectName().toStdString();
    }
    for (TStringGrid* grid : form->findChildren<TStringGrid*>()) {
      if (!grid->Editable()) continue;
      for (int col = grid->FixedCols(); col < grid->ColCount(); ++col, ++headings) {
        EXPECT_FALSE(grid->Cell(col, 0).isEmpty());
        EXPECT_TRUE(
            indexed.count(item + u'/' + grid->objectName() + u'/' + QString::number(col) + u'/'))
            << grid->objectName().toStdString() << " " << col;
      }
    }
  }
  EXPECT_EQ(analytes, 138);
  EXPECT_GT(headings, 40);
  EXPECT_GT(edits, 300);
}

TEST_F(UnitIndexTest, AnswersByWordStartSymbolAndPluralWholeNamesFirst) {
  const QStringList pul = Found("pul");
  for (const char* unit : {"pulgada [inch (\"), in], Unidades de longitud",
                           "pulgada cúbica [cu.in], Unidades de volumen y capacidad",
                           "pulgadas de Hg (a 0 C), Unidades de presión"}) {
    EXPECT_TRUE(pul.contains(QString::fromUtf8(unit))) << unit;
  }
  EXPECT_EQ(Found("pul").first(),
            QString::fromUtf8("pulgada [inch (\"), in], Unidades de longitud"));
  EXPECT_EQ(Found("ft").first(), QStringLiteral("pie [foot ('), ft], Unidades de longitud"));
  EXPECT_EQ(Found("km/h").first(), QStringLiteral("km/hora, Unidades de Velocidad"));
  // The s of a symbol is no plural.
  EXPECT_EQ(Found("km/s"), QStringList{QStringLiteral("km/seg, Unidades de Velocidad")});
  EXPECT_EQ(Found("m/s").first(), QStringLiteral("m/seg, Unidades de Velocidad"));
  EXPECT_EQ(Found("mmHg").first(),
            QString::fromUtf8("milímetros de Hg (a 0 C), Unidades de presión"));
  EXPECT_EQ(Found("pies").first(), Found("pie").first());
  EXPECT_EQ(Found("NUDOS"), Found("nudo"));
  EXPECT_EQ(Found("nudo"), (QStringList{QStringLiteral("nudo [milla marina], Unidades de longitud"),
                                        QStringLiteral("nudo, Unidades de Velocidad")}));
  const QString celsius = QStringLiteral("Celsius o Centígrado (C), Unidades de temperatura");
  EXPECT_EQ(Found("ºc").first(), celsius);
  EXPECT_EQ(Found("°C").first(), celsius);
  EXPECT_TRUE(Found("c").contains(celsius));
  EXPECT_EQ(Found("glucose"), Found("GLUCOSA"));
  EXPECT_EQ(Found("glucosa").size(), 1);
  for (const char* none : {"xyzzy", "", "   ", "\xE6\x97\xA5\xE6\x9C\xAC", "[](),", "°"}) {
    EXPECT_TRUE(Found(none).isEmpty()) << none;
  }
}

TEST_F(UnitIndexTest, SearchWindowMovesBetweenEditAndListAndEnterTakesTheSelectedRow) {
  const UnitEntry* chosen = nullptr;
  QString number;
  TFormBuscar search(
      main.get(), [this]() -> const UnitIndex& { return Index(); }, QStringLiteral("3"));
  user::Show(&search);
  EXPECT_TRUE(search.Edit1->hasFocus());
  EXPECT_EQ(search.ListBox1->count(), 0);  // a number alone names no unit
  user::Type(search.Edit1, QStringLiteral(" nudos"));
  ASSERT_EQ(search.ListBox1->count(), 2);
  EXPECT_EQ(search.ListBox1->item(0)->data(Qt::AccessibleTextRole).toString(),
            QStringLiteral("nudo [milla marina], Unidades de longitud"));
  user::Key(search.Edit1, Qt::Key_Down);
  EXPECT_TRUE(search.ListBox1->hasFocus());
  user::Key(search.ListBox1, Qt::Key_Down);
  user::Key(search.ListBox1, Qt::Key_Up);
  user::Key(search.ListBox1, Qt::Key_Up);
  EXPECT_TRUE(search.Edit1->hasFocus());
  EXPECT_EQ(search.Edit1->Text(), QStringLiteral("3 nudos"));  // not selected: typing goes on
  user::Key(search.Edit1, Qt::Key_Down);
  user::Key(search.ListBox1, Qt::Key_Down);
  user::Key(search.ListBox1, Qt::Key_Return);
  chosen = search.Chosen();
  number = search.ChosenNumber();
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(chosen->item, QStringLiteral("Velocidad1"));
  EXPECT_EQ(number, QStringLiteral("3"));
  EXPECT_FALSE(search.isVisible());
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(UnitIndexTest, EscapeClosesTheSearchAndEnterWithoutAnswersKeepsItOpen) {
  TFormBuscar search(main.get(), [this]() -> const UnitIndex& { return Index(); });
  user::Show(&search);
  user::Type(search.Edit1, QStringLiteral("qqq"));
  user::Key(search.Edit1, Qt::Key_Return);
  EXPECT_TRUE(search.isVisible());
  EXPECT_EQ(search.Chosen(), nullptr);
  user::Key(search.Edit1, Qt::Key_Escape);
  EXPECT_FALSE(search.isVisible());
  EXPECT_EQ(search.Chosen(), nullptr);
}

}  // namespace

namespace {

TEST_F(UnitIndexTest, AnswersAQuantityWithTheFiguresItsWindowShows) {
  const std::vector<UnitAnswer> feet = AnswerSearch(Index(), main.get(), QStringLiteral("5 pies"));
  ASSERT_FALSE(feet.empty());
  EXPECT_LE(feet.size(), 5u);
  EXPECT_EQ(feet[0].title, QStringLiteral("5 pies = 1,524 m"));
  EXPECT_EQ(feet[0].description,
            QStringLiteral("152,4 cm · 60 pulgadas · 1,66667 yardas — Unidades de longitud"));
  const std::vector<UnitAnswer> light =
      AnswerSearch(Index(), main.get(), QStringLiteral("1 año luz"));
  ASSERT_FALSE(light.empty());
  EXPECT_TRUE(light[0].description.contains(QStringLiteral("9,46055E12 km")))
      << light[0].description.toStdString();
  EXPECT_EQ(feet[0].number, QStringLiteral("5"));

  const std::vector<UnitAnswer> speed =
      AnswerSearch(Index(), main.get(), QStringLiteral("100 km/h"));
  ASSERT_FALSE(speed.empty());
  EXPECT_EQ(speed[0].title, QStringLiteral("100 km/h = 27,77778 m/seg"));
  EXPECT_TRUE(speed[0].description.contains(QStringLiteral("53,9612 nudos")))
      << speed[0].description.toStdString();
  const std::vector<UnitAnswer> pressure =
      AnswerSearch(Index(), main.get(), QStringLiteral("1E3 psi"));
  ASSERT_FALSE(pressure.empty());
  EXPECT_EQ(pressure[0].title, QStringLiteral("1E3 psi = 68,94757 bar"));

  // The unit converted: a plain unit before one per something, the everyday one among equals,
  // either name of "Celsius o Centígrado" before the energy unit "Celsius".
  EXPECT_EQ(AnswerSearch(Index(), main.get(), QStringLiteral("3,5 libras"), 1)[0].title,
            QStringLiteral("3,5 libras = 1,587573 kg"));
  EXPECT_EQ(AnswerSearch(Index(), main.get(), QStringLiteral("30 celsius"), 1)[0].title,
            QStringLiteral("30 celsius = 86 Fahrenheit"));

  const std::vector<UnitAnswer> name =
      AnswerSearch(Index(), main.get(), QStringLiteral("onza troy"));
  ASSERT_EQ(name.size(), 1u);
  EXPECT_EQ(name[0].title, QStringLiteral("onza troy"));
  EXPECT_EQ(name[0].description, QStringLiteral("Unidades de Peso"));
  EXPECT_TRUE(AnswerSearch(Index(), main.get(), QStringLiteral("5 xyzzy")).empty());
  EXPECT_TRUE(host.boxes.empty());
}

// The file of the units opened last is a convenience: damaged in any way, it lists nothing and
// is written anew at the next unit opened; a unit whose window is gone is left out.
TEST_F(UnitIndexTest, ADamagedRecentUnitsFileListsNothingAndIsReplacedAtTheNextOpening) {
  auto listed = [&] {
    QStringList rows;
    for (const UnitEntry* unit : recent::Units([&]() -> const UnitIndex& { return Index(); }))
      rows << unit->Spoken();
    return rows;
  };
  const QString path = recent::FilePath();
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
  auto write = [&](const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
  };
  const QByteArray heading = "# Tarvel: unidades recientes 1\n";
  const QByteArray metre = "Longitud1\tEdit2\t-1\t\n";
  write(heading + metre);
  EXPECT_EQ(listed(), QStringList{QStringLiteral("metro [m], Unidades de longitud")});
  const QByteArray damaged[] = {QByteArray("\x00\xff\xfe garbage", 12),
                                metre,
                                heading + "Longitud1\tEdit2\n",
                                heading + "Longitud1\tEdit2\tuno\t\n",
                                heading + metre + metre,
                                heading + metre.left(metre.size() - 1),
                                heading + QByteArray(5000, 'a') + '\n',
                                heading + metre.repeated(9),
                                heading + "Longitud1\tEdit2\t-1\t\xc3\n"};
  for (const QByteArray& content : damaged) {
    write(content);
    EXPECT_TRUE(listed().isEmpty()) << content.toStdString();
  }

  // The next unit opened, a search's choice, writes the file anew.
  const std::vector<UnitEntry>& units = Index().Entries();
  const auto foot = std::find_if(units.begin(), units.end(), [](const UnitEntry& unit) {
    return unit.caption == QStringLiteral("pie [foot ('), ft]");
  });
  ASSERT_NE(foot, units.end());
  WhileModal([&] { main->OpenUnit(*foot, QString()); }, [](QWidget*) {});
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), heading + "Longitud1\t" + foot->control.toUtf8() + "\t-1\t\n");
  EXPECT_EQ(listed(), QStringList{foot->Spoken()});

  // A window that a later version no longer has is left out, the others kept.
  write(heading + "Divisasantiguas1\tEdit1\t-1\t\n" + metre);
  EXPECT_EQ(listed(), QStringList{QStringLiteral("metro [m], Unidades de longitud")});
}

}  // namespace
