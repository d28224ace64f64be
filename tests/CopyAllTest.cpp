#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QXmlStreamReader>

#include "TestSupport.h"
#include "platform/Edit.h"
#include "platform/Messages.h"
#include "tools/length/Unidadv.h"
#include "tools/physical/Unidaddensidad.h"
#include "tools/physical/Unidadenergia.h"
#include "tools/physical/Unidadvol.h"
#include "tools/tables/Unidadhierros.h"

namespace {

class CopyAll : public HostFixture {};

struct Cell {
  QString text;
  int colSpan = 1;
};
using Rows = std::vector<std::vector<Cell>>;

// The rows of the one table in the document; fails the test when the document is not
// well-formed or holds no table, or more than one.
Rows ReadTable(const QString& html) {
  Rows rows;
  int tables = 0;
  QXmlStreamReader xml(html);
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const auto name = xml.name();
    if (name == QLatin1String("table")) ++tables;
    if (name == QLatin1String("tr")) rows.emplace_back();
    if (name == QLatin1String("td") || name == QLatin1String("th")) {
      EXPECT_FALSE(rows.empty()) << "a cell outside a row";
      if (rows.empty()) rows.emplace_back();
      const int span = xml.attributes().value(QLatin1String("colspan")).toInt();
      rows.back().push_back({QString(), std::max(span, 1)});
      rows.back().back().text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " in\n" << html.toStdString();
  EXPECT_EQ(tables, 1);
  return rows;
}

void SelectAll(QWidget* edit) {
  user::Key(edit, Qt::Key_End);
  user::Key(edit, Qt::Key_Home, Qt::ShiftModifier);
}

void CopyByKey(QWidget* focus) {
  user::Key(focus, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
}

}  // namespace

// The length window after 1 typed in "metro [m]": one row of two cells per unit, in the tab
// order, the same as the plain text's lines; the captions come back unescaped ("pulgada
// [inch ("), in]"); the desktop's clipboard holds both forms.
TEST_F(CopyAll, AConverterCopiesOneRowPerUnitInBothForms) {
  TForm3 form(nullptr);
  user::Show(&form);
  auto* metre = form.Find<TEdit>(QStringLiteral("Edit2"));
  user::Click(metre);
  SelectAll(metre);
  user::Type(metre, QStringLiteral("1"));
  CopyByKey(metre);
  ASSERT_EQ(host.clipboardWrites.size(), 1u);
  const QStringList lines = host.clipboardWrites.back().split(u'\n');
  const Rows rows = ReadTable(host.clipboardHtml.back());
  ASSERT_EQ(rows.size(), 19u);
  ASSERT_EQ(lines.size(), 19);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 2u);
    EXPECT_EQ(rows[i][0].text + u'\t' + rows[i][1].text, lines[static_cast<int>(i)]);
  }
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("miriámetro [Ma]\t0")) &&
              lines[0].endsWith(QStringLiteral("0001")));
  EXPECT_EQ(lines[4], QStringLiteral("metro [m]\t1"));
  EXPECT_EQ(rows[9][0].text, QStringLiteral("pulgada [inch (\"), in]"));
  EXPECT_TRUE(metre->Text() == QStringLiteral("1")) << "the window itself is left as it was";

  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->hasHtml());
  EXPECT_EQ(data->text(), host.clipboardWrites.back());
}

// A caption drawn in pieces reads with its exponent raised; empty edits are empty cells; the
// key does nothing while a message box is open, and the context menu's item copies the same.
TEST_F(CopyAll, RaisedExponentsEmptyCellsAndNoCopyUnderABox) {
  TFormVol form(nullptr);
  user::Show(&form);
  auto* cubicMetre = form.Find<TEdit>(QStringLiteral("Edit1"));
  user::Click(cubicMetre);
  SelectAll(cubicMetre);
  user::Key(cubicMetre, Qt::Key_Delete);

  host.onBox = [&](const platform::Box&) { CopyByKey(cubicMetre); };
  platform::MessageBox(&form, QStringLiteral("?"), QStringLiteral("Caja"), platform::Icon::None);
  EXPECT_TRUE(host.clipboardWrites.empty());
  host.onBox = nullptr;

  CopyByKey(cubicMetre);
  ASSERT_EQ(host.clipboardWrites.size(), 1u);
  const QStringList lines = host.clipboardWrites.back().split(u'\n');
  EXPECT_TRUE(lines.contains(QStringLiteral("metro cúbico [m³]\t")))
      << lines.join(u'\n').toStdString();
  for (const QString& line : lines) {
    EXPECT_FALSE(line.contains(u'<')) << "no markup in " << line.toStdString();
  }
  const Rows rows = ReadTable(host.clipboardHtml.back());
  EXPECT_EQ(rows.size(), static_cast<std::size_t>(lines.size()));
}

// The other windows that raise a "3" beside a caption read it raised too: a density per
// metre or a pressure times centimetres would be other units.
TEST_F(CopyAll, EveryRaisedThreeIsCopiedRaised) {
  TFormDensidad density(nullptr);
  user::Show(&density);
  CopyByKey(density.Find<TEdit>(QStringLiteral("Edit1")));
  TFormEnergia energy(nullptr);
  user::Show(&energy);
  CopyByKey(energy.Find<TEdit>(QStringLiteral("Edit1")));
  ASSERT_EQ(host.clipboardWrites.size(), 2u);
  const QStringList densities = host.clipboardWrites[0].split(u'\n');
  EXPECT_TRUE(densities.contains(QStringLiteral("kilogramo/metro³\t0")))
      << densities.join(u'\n').toStdString();
  EXPECT_TRUE(densities.contains(QStringLiteral("kilogramo/litro\t0")));
  const QStringList energies = host.clipboardWrites[1].split(u'\n');
  EXPECT_TRUE(energies.contains(QStringLiteral("atm.cm³\t0")))
      << energies.join(u'\n').toStdString();
  EXPECT_TRUE(energies.contains(QStringLiteral("atm.pie³\t0")));
}

// The steel table as shown: the title across all twelve columns, the headings over the
// sections spanning ten, then thirteen rows of bars. The key comes as the window system
// delivers it (to the window, then to the focus widget): one copy.
TEST_F(CopyAll, ATableWindowCopiesItsTableWithHeadings) {
  TFormHierros form(nullptr);
  user::Show(&form);
  QTest::sendKeyEvent(QTest::Click, form.windowHandle(), Qt::Key_C, QString(),
                      Qt::ControlModifier | Qt::ShiftModifier);
  user::Settle();
  ASSERT_EQ(host.clipboardWrites.size(), 1u);
  const Rows rows = ReadTable(host.clipboardHtml.back());
  ASSERT_EQ(rows.size(), 16u);
  EXPECT_EQ(rows[0][0].colSpan, 12);
  EXPECT_EQ(rows[1].size(), 3u);  // φ, the weight, and the sections' heading
  EXPECT_EQ(rows[1][2].colSpan, 10);
  EXPECT_EQ(rows[1][1].text, QStringLiteral("Peso kg/m"));
  for (std::size_t r = 3; r < rows.size(); ++r) EXPECT_EQ(rows[r].size(), 12u);
  EXPECT_EQ(host.clipboardWrites.back().split(u'\n').value(3),
            QStringLiteral(
                "3\t0,06\t0,071\t0,141\t0,212\t0,283\t0,353\t0,424\t0,495\t0,565\t0,636\t0,707"));
}
