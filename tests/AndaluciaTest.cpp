// What the tables window needs from the kit beyond the scenarios' reach: the picture formats
// at their rounding edges, a string grid typed into as a user does (the key opens the cell's
// editor over the old text) with program writes while a cell is being edited, and tab sheets
// that run OnShow whenever they come into view.
#include <QApplication>
#include <memory>

#include "TestSupport.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/Input.h"
#include "platform/Pages.h"
#include "value/Picture.h"

namespace {

class Pictures : public SeparatorFixture {};
INSTANTIATE_FOR_BOTH_SEPARATORS(Pictures);

TEST_P(Pictures, FixedDecimalsKeepTrailingZerosAndRoundHalfUp) {
  EXPECT_EQ(FormatFixed(1 / 0.833, 5), S("1,20048"));
  EXPECT_EQ(FormatFixed(1 / 5572.699, 6), S("0,000179"));
  EXPECT_EQ(FormatFixed(0, 6), S("0,000000"));
  EXPECT_EQ(FormatFixed(-2.5, 2), S("-2,50"));
  EXPECT_EQ(FormatFixed(0.9999995, 6), S("1,000000"));  // the carry reaches the units
  EXPECT_EQ(FormatFixed(999.9999996, 6), S("1000,000000"));
  // Halves are taken from the 15 significant digits, not from the binary value below them.
  EXPECT_EQ(FormatFixed(0.0000005, 6), S("0,000001"));
  EXPECT_EQ(FormatFixed(-0.0000004, 6), S("0,000000"));  // no sign on a zero
  EXPECT_EQ(FormatFixed(123456.5, 0), "123457");
  EXPECT_EQ(FormatFixed(1e-20, 6), S("0,000000"));
}

TEST_P(Pictures, ScientificShowsTheSignAndTwoExponentDigitsAtLeast) {
  EXPECT_EQ(FormatScientific(1200480.192, 4), S("1,2005E+06"));
  EXPECT_EQ(FormatScientific(1.612471e-5, 6), S("1,612471E-05"));
  EXPECT_EQ(FormatScientific(9.99995, 4), S("1,0000E+01"));  // the carry raises the power
  EXPECT_EQ(FormatScientific(6.2e303, 4), S("6,2000E+303"));
  EXPECT_EQ(FormatScientific(0, 4), S("0,0000E+00"));
  EXPECT_EQ(FormatScientific(-5, 6), S("-5,000000E+00"));
  EXPECT_EQ(FormatScientific(2.5e-300, 1), S("2,5E-300"));
}

// A grid of two data columns and two data rows under its headings; its key handler refuses
// 'x' and makes ',' a point, and every handler call is logged.
class GridForm : public TForm {
 public:
  GridForm() : TForm(nullptr, QStringLiteral("GridForm")) {
    SetClientSize(300, 200);
    grid = new TStringGrid(this, QStringLiteral("StringGrid1"), 3, 3);
    grid->SetCellSize(70, 20);
    grid->move(10, 10);
    grid->SetCell(0, 1, QStringLiteral("uno"));
    grid->SetCell(1, 0, QStringLiteral("A"));
    grid->SetCell(1, 1, QStringLiteral("12"));
    grid->SetCell(2, 1, QStringLiteral("34"));
    grid->OnKeyPress = [this](char16_t& key) {
      log.push_back(QStringLiteral("key ") + QChar(key));
      if (key == u'x') key = 0;
      if (key == u',') key = u'.';
    };
    grid->OnSetEditText = [this](int col, int row, const QString& value) {
      log.push_back(QStringLiteral("set %1,%2 %3").arg(col).arg(row).arg(value));
      if (value == QLatin1String("9")) grid->SetCell(col, row, QStringLiteral("90"));
    };
    edit = new TEdit(this, QStringLiteral("Edit1"));
    edit->setGeometry(10, 120, 100, 21);
  }
  TStringGrid* grid;
  TEdit* edit;
  std::vector<QString> log;
};

class Grid : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    form = std::make_unique<GridForm>();
    user::Show(form.get());
    grid()->setFocus();
    grid()->setCurrentCell(1, 1);
    user::Settle();
  }
  void TearDown() override {
    form.reset();
    HostFixture::TearDown();
  }
  TStringGrid* grid() const { return form->grid; }
  void Type(const QString& text) const {
    for (const QChar c : text) {
      platform::SendKeyStroke(QApplication::focusWidget(), platform::keys::Character(c));
      user::Settle();
    }
  }
  std::unique_ptr<GridForm> form;
};

TEST_F(Grid, AKeyOnTheSelectedCellReplacesItsTextThroughTheKeyHandler) {
  Type(QStringLiteral("x"));  // refused: the cell keeps its text
  EXPECT_EQ(grid()->Cell(1, 1), "12");
  Type(QStringLiteral("5,2"));
  EXPECT_EQ(grid()->Cell(1, 1), "5.2");
  ASSERT_NE(grid()->InplaceEditor(), nullptr);
  EXPECT_EQ(grid()->InplaceEditor()->Text(), "5.2");
  const std::vector<QString> expected = {"key x",      "key 5", "set 1,1 5",  "key ,",
                                         "set 1,1 5.", "key 2", "set 1,1 5.2"};
  EXPECT_EQ(form->log, expected);
  // Leaving the cell keeps what was typed; the other cells and the headings are untouched.
  form->edit->SetFocus();
  user::Settle();
  EXPECT_EQ(grid()->InplaceEditor(), nullptr);
  EXPECT_EQ(grid()->Cell(1, 1), "5.2");
  EXPECT_EQ(grid()->Cell(2, 1), "34");
  EXPECT_EQ(grid()->Cell(0, 1), "uno");
}

TEST_F(Grid, ProgramWritesRunNoHandlerAndTheEditorFollowsTheCellBeingEdited) {
  Type(QStringLiteral("9"));  // the handler writes "90" into the cell being typed in
  EXPECT_EQ(grid()->Cell(1, 1), "90");
  EXPECT_EQ(grid()->InplaceEditor()->Text(), "90");
  grid()->SetCell(2, 1, QStringLiteral("7"));
  const std::vector<QString> expected = {"key 9", "set 1,1 9"};
  EXPECT_EQ(form->log, expected);
  // Typing goes on at the caret after the written text.
  grid()->InplaceEditor()->end(false);
  Type(QStringLiteral("1"));
  EXPECT_EQ(grid()->Cell(1, 1), "901");
}

TEST_F(Grid, TabMovesFromCellToCellAndTheHeadingsCannotBeEdited) {
  user::Key(grid(), Qt::Key_Tab);
  EXPECT_EQ(grid()->Col(), 2);
  EXPECT_EQ(grid()->Row(), 1);
  EXPECT_TRUE(grid()->hasFocus());
  EXPECT_FALSE(grid()->item(0, 1)->flags() & Qt::ItemIsEditable);
  EXPECT_FALSE(grid()->item(1, 0)->flags() & Qt::ItemIsSelectable);
}

TEST(TabSheets, OnShowRunsWheneverASheetComesIntoView) {
  TForm form(nullptr, QStringLiteral("Pages"));
  form.SetClientSize(400, 300);
  auto* outer = new TPageControl(&form, QStringLiteral("PageControl1"));
  outer->setGeometry(0, 0, 400, 300);
  TTabSheet* first = outer->AddSheet(QStringLiteral("TabSheet1"), QStringLiteral("Uno"));
  TTabSheet* second = outer->AddSheet(QStringLiteral("TabSheet2"), QStringLiteral("Dos"));
  auto* inner = new TPageControl(first, QStringLiteral("PageControl2"));
  inner->setGeometry(0, 0, 380, 250);
  inner->AddSheet(QStringLiteral("TabSheet3"), QStringLiteral("Tres"));
  TTabSheet* nested = inner->AddSheet(QStringLiteral("TabSheet4"), QStringLiteral("Cuatro"));
  int shownSecond = 0, shownNested = 0;
  second->OnShow = [&] { ++shownSecond; };
  nested->OnShow = [&] { ++shownNested; };
  user::Show(&form);
  EXPECT_EQ(shownSecond + shownNested, 0);
  inner->SetActivePage(nested);
  EXPECT_EQ(shownNested, 1);
  outer->SetActivePage(second);
  outer->SetActivePage(second);  // already in view: nothing
  EXPECT_EQ(shownSecond, 1);
  outer->SetActivePage(first);  // the nested sheet comes back into view with its page
  EXPECT_EQ(shownNested, 2);
}

}  // namespace
