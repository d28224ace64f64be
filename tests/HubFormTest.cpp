// The hub window's own steps, on a window that exists only here: a hub (Edit1) writing two
// units (Edit2 and Edit3) in its pass, each unit handing its value back, and a second hub
// (Edit4) with a busy flag of its own. What an emptied edit does depends on the prologue the
// window declares.
#include <memory>
#include <ostream>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "numeric/HubForm.h"
#include "platform/Edit.h"

namespace {

HubWindow TestWindow(HubPrologue prologue) {
  return {.name = "HubTest",
          .caption = "Hub",
          .clientSize = {300, 200},
          .lastEdit = 4,
          .keys = SourceKeys::KeyDownAndPress,
          .prologue = prologue,
          .volver = {200, 160, 83, 27}};
}

class HubTestForm : public THubForm {
 public:
  explicit HubTestForm(HubPrologue prologue) : THubForm(nullptr, TestWindow(prologue)) {
    for (int n = 1; n <= 4; ++n) PlaceEdit(n, 150, 10 + 30 * n);
    DeclareHubs({{1, &Updating}, {4, &Busy4}});
    WireChanges(&HubTestForm::HubChange, &HubTestForm::UnitChange);
    Finish();
  }
  TEdit* E(int n) const { return Edits[n]; }
  bool Busy4 = false;

 private:
  void HubChange(int n) {
    if (n == 4) {
      HubPass(4, [this] { HandToHub(1, Value[4] * 100.0L); });
      return;
    }
    HubPass(1, [this] {
      for (int unit : ToWrite(kUnits)) WriteValue(Edits[unit], Value[unit], Value[1] * 0.1L);
    });
  }
  void UnitChange(int n) {
    if (UnitReads(n)) HandToHub(1, Value[n] * 10.0L);
  }
  static constexpr int kUnits[] = {2, 3};
};

struct PrologueCase {
  const char* name;
  HubPrologue prologue;
  bool programEmptyingClears;
  bool userEmptyingClears;
};

const PrologueCase kPrologues[] = {
    {"Clears", HubPrologue::Clears, true, true},
    {"ClearsTyped", HubPrologue::ClearsTyped, false, true},
    {"NeverClears", HubPrologue::NeverClears, false, false},
};

void PrintTo(const PrologueCase& prologue, std::ostream* os) {
  *os << "HubPrologue::" << prologue.name;
}

class HubPrologues : public HostFixture, public ::testing::WithParamInterface<PrologueCase> {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    platform::SetDecimalSeparator(u',');
    form = std::make_unique<HubTestForm>(GetParam().prologue);
    user::Show(form.get());
    converter::Retype(form->E(1), QStringLiteral("5"));
  }
  void TearDown() override {
    form.reset();
    HostFixture::TearDown();
  }
  std::unique_ptr<HubTestForm> form;
};

TEST_P(HubPrologues, AnEmptiedEditClearsTheWindowOnlyAsDeclared) {
  ASSERT_EQ(form->E(2)->Text(), QStringLiteral("0,5"));
  ASSERT_EQ(form->E(3)->Text(), QStringLiteral("0,5"));

  form->E(2)->SetText(QString());  // the program's emptying, not typed there
  EXPECT_EQ(form->E(1)->Text().isEmpty(), GetParam().programEmptyingClears);
  EXPECT_EQ(form->E(3)->Text().isEmpty(), GetParam().programEmptyingClears);

  converter::Retype(form->E(1), QStringLiteral("6"));
  ASSERT_EQ(form->E(2)->Text(), QStringLiteral("0,6"));
  converter::Empty(form->E(3));  // the user's own emptying
  EXPECT_EQ(form->E(1)->Text().isEmpty(), GetParam().userEmptyingClears);
  EXPECT_EQ(form->E(2)->Text().isEmpty(), GetParam().userEmptyingClears);

  // A lone dash waits in every variant: nothing is converted from it.
  converter::Retype(form->E(1), QStringLiteral("7"));
  converter::Retype(form->E(2), QStringLiteral("-"));
  EXPECT_EQ(form->E(1)->Text(), QStringLiteral("7"));
  EXPECT_EQ(form->UnitValue(1), 7.0);
}

// A unit typed in hands its value to the hub, whose pass writes every unit but the source;
// the second hub's pass hands over too, and stays busy until the next key stroke.
TEST_P(HubPrologues, TheHubWritesEveryUnitButTheSourceOncePerKeyStroke) {
  converter::Retype(form->E(3), QStringLiteral("2"));
  EXPECT_EQ(form->E(1)->Text(), QStringLiteral("20"));
  EXPECT_EQ(form->E(2)->Text(), QStringLiteral("2"));
  EXPECT_EQ(form->E(3)->Text(), QStringLiteral("2"));

  converter::Retype(form->E(4), QStringLiteral("3"));
  EXPECT_EQ(form->E(1)->Text(), QStringLiteral("300"));
  EXPECT_EQ(form->E(2)->Text(), QStringLiteral("30"));
  EXPECT_TRUE(form->Busy4);
  user::Key(form->E(2), Qt::Key_End);
  EXPECT_FALSE(form->Busy4);
}

INSTANTIATE_TEST_SUITE_P(Prologues, HubPrologues, ::testing::ValuesIn(kPrologues),
                         [](const ::testing::TestParamInfo<PrologueCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
