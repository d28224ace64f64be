// A converter form that exists only here proves the kit: a hub (Edit1 with Edit2 and Edit3)
// and a network (Edit4, Edit5, Edit6) whose handlers nest in the written order, guard flags
// and ActiveEdit stopping the chain, the unchanged-text rule ending it, an error raised three
// handlers deep (Edit7 -> Edit8 -> Edit9), a caught one, and simulated keys arriving after
// the handler returned.
#include <QClipboard>
#include <QGuiApplication>
#include <memory>

#include "TestSupport.h"
#include "numeric/Numeric.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Messages.h"

namespace {

constexpr int kBound = 12;  // Edit11 does not exist

class KitForm : public TForm {
 public:
  KitForm() : TForm(nullptr, QStringLiteral("KitForm")) {
    SetCaption(QStringLiteral("Kit"));
    SetClientSize(300, 420);
    for (int n = 1; n <= kBound; ++n) {
      if (n == 11) continue;
      auto* edit = new TEdit(this, QStringLiteral("Edit%1").arg(n));
      edit->setGeometry(10, 10 + 30 * n, 121, 21);
      edit->OnKeyDown = [this](TEdit* sender, int& key, Qt::KeyboardModifiers) {
        log.push_back(QStringLiteral("down ") + sender->objectName());
        ActiveEdit = sender;
        Updating = Pass5 = Pass6 = false;
      };
      edit->OnKeyPress = [this](TEdit* sender, char16_t& key) {
        log.push_back(QStringLiteral("press ") + QChar(key));
        key = FilterNumericKey(key, sender);
      };
      edits[n] = edit;
    }
    edits[1]->OnChange = [this](TEdit*) { Edit1Change(); };
    edits[2]->OnChange = [this](TEdit* e) { UnitChange(e, v[2], 0.01L); };
    edits[3]->OnChange = [this](TEdit* e) { UnitChange(e, v[3], 0.001L); };
    edits[4]->OnChange = [this](TEdit*) { Edit4Change(); };
    edits[5]->OnChange = [this](TEdit*) { Edit5Change(); };
    edits[6]->OnChange = [this](TEdit*) { Edit6Change(); };
    edits[7]->OnChange = [this](TEdit*) { Edit7Change(); };
    edits[8]->OnChange = [this](TEdit*) { Enter(8), WriteValue(edits[9], v[9], v[8] * 1e150L); };
    edits[9]->OnChange = [this](TEdit*) { Enter(9), spare = Store(v[9] * 1e150L); };
    ok = new TBitBtn(this, QStringLiteral("BitBtn1"), QStringLiteral("Volver"), TBitBtn::Kind::OK);
    ok->setGeometry(150, 380, 75, 25);
  }

  TEdit* E(int n) const { return edits[n]; }

  std::vector<QString> log;
  TEdit* ActiveEdit = nullptr;
  bool Updating = false, Pass5 = false, Pass6 = false;
  bool catchInEdit7 = false;
  double v[kBound + 1] = {};
  double base = 0;
  double spare = 0;
  TBitBtn* ok;

 private:
  void Enter(int n) { log.push_back(QString::number(n)); }

  void Edit1Change() {
    Enter(1);
    if (Updating) return;
    Updating = true;
    if (!ChangePrologue(edits[1], kBound)) return;
    if (edits[1]->Focused()) base = Store(ParseValue(edits[1]->Text()));
    if (base > 1e300) {
      OverflowReset reset;
      reset.caption = QStringLiteral("Vaya!");
      reset.text = QStringLiteral("grande");
      reset.edit = edits[1];
      reset.value = &base;
      reset.activeEdit = &ActiveEdit;
      reset.resetGuards = [this] { Updating = false; };
      ResetAfterOverflow(this, reset);
      log.push_back(QStringLiteral("reset returned"));
      return;
    }
    if (ActiveEdit != edits[2]) WriteValue(edits[2], v[2], base * 100.0L);
    if (ActiveEdit != edits[3]) WriteValue(edits[3], v[3], base * 1000.0L, 6);
  }

  void UnitChange(TEdit* e, double& value, Extended toBase) {
    Enter(e == edits[2] ? 2 : 3);
    if (!ChangePrologue(e, kBound)) return;
    if (e->Focused()) value = Store(ParseValue(e->Text()));
    if (ActiveEdit == edits[1] || Updating) return;
    base = Store(value * toBase);
    edits[1]->SetText(FormatValue(base));
  }

  void Edit4Change() {
    Enter(4);
    if (!ChangePrologue(edits[4], kBound)) return;
    v[4] = Store(ParseValue(edits[4]->Text()));
    if (ActiveEdit != edits[5] && !Pass5) WriteValue(edits[5], v[5], v[4] * 2.0L);
    if (!Pass6) WriteValue(edits[6], v[6], v[4] * 3.0L);
  }

  void Edit5Change() {
    Enter(5);
    if (Pass5) return;
    Pass5 = true;
    if (!ChangePrologue(edits[5], kBound)) return;
    if (edits[5]->Focused()) v[5] = Store(ParseValue(edits[5]->Text()));
    if (ActiveEdit != edits[4]) WriteValue(edits[4], v[4], v[5] * 0.5L);
  }

  void Edit6Change() {
    Enter(6);
    if (Pass6) return;
    Pass6 = true;
    if (!ChangePrologue(edits[6], kBound)) return;
    if (edits[6]->Focused()) v[6] = Store(ParseValue(edits[6]->Text()));
    if (ActiveEdit != edits[4]) WriteValue(edits[4], v[4], v[6] * (1.0L / 3.0L));
  }

  void Edit7Change() {
    Enter(7);
    if (!ChangePrologue(edits[7], kBound)) return;
    v[7] = Store(ParseValue(edits[7]->Text()));
    WriteValue(edits[10], v[10], v[7]);
    if (catchInEdit7) {
      try {
        WriteValue(edits[8], v[8], v[7] * 2.0L);
      } catch (const EMathError&) {
        platform::MessageBox(this, QStringLiteral("caught"), QStringLiteral("Kit"),
                             platform::Icon::None);
      }
    } else {
      WriteValue(edits[8], v[8], v[7] * 2.0L);
    }
    WriteValue(edits[12], v[12], v[7] * 5.0L);
  }

  TEdit* edits[kBound + 1] = {};
};

class Kit : public SeparatorFixture {
 protected:
  void SetUp() override {
    SeparatorFixture::SetUp();
    form = std::make_unique<KitForm>();
    user::Show(form.get());
  }
  void TearDown() override {
    form.reset();
    SeparatorFixture::TearDown();
  }
  std::vector<QString> Log() {
    auto l = form->log;
    form->log.clear();
    return l;
  }
  std::vector<QString> L(std::initializer_list<const char*> items) {
    std::vector<QString> out;
    for (const char* i : items) out.push_back(QString::fromUtf8(i));
    return out;
  }
  std::unique_ptr<KitForm> form;
};
INSTANTIATE_FOR_BOTH_SEPARATORS(Kit);

TEST_P(Kit, ProgramWriteRunsTheHandlerAtOnceAndOnlyWhenTheTextChanges) {
  form->ActiveEdit = form->E(4);
  form->E(4)->SetText(QStringLiteral("1"));
  EXPECT_EQ(Log(), L({"4", "5", "6"}));
  EXPECT_EQ(form->E(5)->Text(), "2");
  form->E(4)->SetText(QStringLiteral("1"));
  EXPECT_TRUE(Log().empty());
}

TEST_P(Kit, TypingRunsKeyDownThenKeyPressThenTheChainInItsWrittenOrder) {
  user::Type(form->E(5), QStringLiteral("\b"));  // the caret is after the text "0"
  Log();
  user::Type(form->E(5), QStringLiteral("4"));
  // Edit5 writes Edit4, whose handler writes Edit6, whose write back into Edit4 finds the
  // same text and ends the chain.
  EXPECT_EQ(Log(), L({"down Edit5", "press 4", "5", "4", "6"}));
  EXPECT_EQ(form->E(4)->Text(), "2");
  EXPECT_EQ(form->E(6)->Text(), "6");
  EXPECT_EQ(form->E(5)->Text(), "4");  // the source keeps the user's text
}

TEST_P(Kit, GuardsSetByAPassStopAChangeThatCameWithoutAKeyStroke) {
  user::Type(form->E(4), QStringLiteral("\b1"));
  Log();
  form->E(6)->setFocus(Qt::MouseFocusReason);
  form->E(6)->selectAll();
  form->E(6)->PasteText(QStringLiteral("9"));  // the context menu's paste: no key
  EXPECT_EQ(Log(), L({"6"}));
  EXPECT_EQ(form->E(4)->Text(), "1");
  // The next key stroke clears the guards.
  user::Key(form->E(6), Qt::Key_End);
  user::Type(form->E(6), QStringLiteral("0"));
  EXPECT_EQ(form->E(4)->Text(), "30");
}

TEST_P(Kit, TheHubWritesEveryOtherEditAndNeverTheSource) {
  user::Type(form->E(2), QStringLiteral("\b5"));
  EXPECT_EQ(form->E(1)->Text(), S("0,05"));
  EXPECT_EQ(form->E(3)->Text(), "50");
  EXPECT_EQ(form->E(2)->Text(), "5");
  user::Type(form->E(2), QStringLiteral(".5"));
  EXPECT_EQ(form->E(2)->Text(), S("5,5"));
  EXPECT_EQ(form->E(1)->Text(), S("0,055"));
}

TEST_P(Kit, ADashOrATrailingSeparatorWaitsAndTheNextDigitConverts) {
  user::Type(form->E(1), QStringLiteral("\b-"));
  EXPECT_EQ(form->E(1)->Text(), "-");
  EXPECT_EQ(form->E(2)->Text(), "");  // emptying cleared the form, the dash waits
  user::Type(form->E(1), QStringLiteral("2."));
  EXPECT_EQ(form->E(1)->Text(), S("-2,"));
  EXPECT_EQ(form->E(2)->Text(), "-200");
  user::Type(form->E(1), QStringLiteral("5"));
  EXPECT_EQ(form->E(2)->Text(), "-250");
}

TEST_P(Kit, KeysAreFilteredAsTyped) {
  user::Type(form->E(1), QStringLiteral("\b1'5e-3"));
  EXPECT_EQ(form->E(1)->Text(), S("1,5E-3"));
  EXPECT_EQ(form->E(2)->Text(), S("0,15"));
  user::Type(form->E(1), QStringLiteral(",xE-"));  // all refused silently
  EXPECT_EQ(form->E(1)->Text(), S("1,5E-3"));
  user::Key(form->E(1), Qt::Key_Home);
  user::Type(form->E(1), QStringLiteral("-"));
  EXPECT_EQ(form->E(1)->Text(), S("-1,5E-3"));
  EXPECT_EQ(form->E(2)->Text(), S("-0,15"));
  user::Key(form->E(1), Qt::Key_Home);
  user::Type(form->E(1), QStringLiteral("7-"));  // a digit before the minus, a second minus
  EXPECT_EQ(form->E(1)->Text(), S("-1,5E-3"));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_P(Kit, EmptyingAnEditEmptiesEveryEditBySkippingMissingNumbers) {
  user::Key(form->E(3), Qt::Key_A, Qt::ControlModifier);  // select all is discarded by the filter
  form->E(3)->selectAll();
  user::Key(form->E(3), Qt::Key_Delete);
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}) EXPECT_EQ(form->E(n)->Text(), "") << n;
}

TEST_P(Kit, OverflowRaisedThreeHandlersDeepEndsTheChainInTheDefaultErrorBox) {
  user::Type(form->E(7), QStringLiteral("\b1E10"));
  ASSERT_EQ(host.boxes.size(), 1u);
  const auto& box = host.boxes[0].box;
  EXPECT_EQ(box.caption, "Tarvel - conversor de unidades");
  EXPECT_EQ(box.text, "Floating point overflow.");
  EXPECT_EQ(box.icon, platform::Icon::Error);
  // The writes made before the error stay; the rest of every handler is abandoned.
  EXPECT_EQ(form->E(10)->Text(), "10000000000");
  EXPECT_EQ(form->E(8)->Text(), "20000000000");
  EXPECT_EQ(form->E(9)->Text(), "2E160");
  EXPECT_EQ(form->spare, 2e301);         // the store that overflowed kept its content
  EXPECT_EQ(form->E(12)->Text(), "50");  // Edit7's write after the failing one: from 1E1
  EXPECT_EQ(form->E(7)->Text(), "1E10");
  // The window goes on: the next key converts again.
  user::Type(form->E(7), QStringLiteral("\b\b\b2"));
  EXPECT_EQ(form->E(12)->Text(), "60");
  EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_P(Kit, AnErrorCaughtByTheFormShowsOnlyTheFormsOwnBox) {
  form->catchInEdit7 = true;
  user::Type(form->E(7), QStringLiteral("\b1E10"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.text, "caught");
  EXPECT_EQ(form->E(12)->Text(), "50000000000");  // the handler went on after the catch
}

TEST_P(Kit, AValueAboveTheDoubleRangePassesTheFilterAndFailsWhenStored) {
  user::Type(form->E(1), QStringLiteral("\b1E400"));
  EXPECT_EQ(form->E(1)->Text(), "1E400");
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.text, "Floating point overflow.");
  EXPECT_EQ(form->E(2)->Text(), "1E42");  // from 1E40, the last value that was stored
}

TEST_P(Kit, AParseErrorNotCaughtShowsItsMessageWithAFullStop) {
  form->E(1)->setFocus(Qt::MouseFocusReason);
  form->E(1)->selectAll();
  form->E(1)->PasteText(QStringLiteral("abc"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.text, "'abc' is not a valid floating point value.");
}

TEST_P(Kit, SimulatedKeysArriveAfterTheHandlerReturnedThroughTheNormalKeyPath) {
  user::Type(form->E(1), QStringLiteral("\b2E300"));
  // The box, the emptying and the queued key all happen inside the handler; the key's
  // down, press and change come after it returned.
  const auto log = Log();
  const auto returned = std::find(log.begin(), log.end(), QStringLiteral("reset returned"));
  ASSERT_NE(returned, log.end());
  EXPECT_EQ(std::vector<QString>(returned + 1, log.end()),
            L({"down Edit1", "press 1", "1", "2", "3"}));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.caption, "Vaya!");
  EXPECT_EQ(host.boxes[0].box.owner, form.get());
  EXPECT_EQ(host.boxes[0].box.icon, platform::Icon::Warning);
  EXPECT_EQ(host.elapsedMilliseconds, 500);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(form->E(1)->hasFocus());
  EXPECT_EQ(form->E(1)->Text(), "1");
  EXPECT_EQ(form->E(2)->Text(), "100");
  EXPECT_EQ(form->E(3)->Text(), "1000");
}

// The edit on its own.
class Edit : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    form = std::make_unique<TForm>(nullptr, QStringLiteral("EditForm"));
    edit = new TEdit(form.get(), QStringLiteral("Edit1"), QStringLiteral("ab"));
    other = new TEdit(form.get(), QStringLiteral("Edit2"));
    other->move(0, 40);
    edit->OnKeyDown = [this](TEdit*, int& key, Qt::KeyboardModifiers) {
      events.push_back(QStringLiteral("down %1").arg(key, 0, 16));
      if (key == dropKeyDown) key = 0;
    };
    edit->OnKeyPress = [this](TEdit*, char16_t& key) {
      events.push_back(QStringLiteral("press %1").arg(int(key)));
      if (key == u'x') key = 0;
      if (key == u'y') key = u'z';
    };
    edit->OnChange = [this](TEdit* e) { events.push_back(QStringLiteral("change ") + e->Text()); };
    user::Show(form.get());
  }
  void TearDown() override {
    form.reset();
    HostFixture::TearDown();
  }
  std::unique_ptr<TForm> form;
  TEdit* edit;
  TEdit* other;
  std::vector<QString> events;
  int dropKeyDown = -1;
};

TEST_F(Edit, LoadingTheInitialTextRunsNoHandler) {
  EXPECT_EQ(edit->Text(), "ab");
  EXPECT_TRUE(events.empty());
}

TEST_F(Edit, KeyPressReplacesOrDiscardsTheCharacter) {
  user::Key(edit, Qt::Key_End);
  events.clear();
  user::Type(edit, QStringLiteral("xy"));
  EXPECT_EQ(edit->Text(), "abz");
  EXPECT_EQ(events,
            (std::vector<QString>{"down 58", "press 120", "down 59", "press 121", "change abz"}));
}

TEST_F(Edit, ClipboardKeysArriveAsCharactersBeforeTheirAction) {
  QGuiApplication::clipboard()->setText(QStringLiteral("12\n34"));
  user::Key(edit, Qt::Key_End);
  events.clear();
  user::Key(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), "ab12");  // one line only
  EXPECT_EQ(events, (std::vector<QString>{"down 1000021", "down 56", "press 22", "change ab12"}));
  edit->selectAll();
  events.clear();
  user::Key(edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(events, (std::vector<QString>{"down 1000021", "down 58", "press 24", "change "}));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "ab12");
}

TEST_F(Edit, DeleteHasAKeyDownAndNoCharacter) {
  user::Key(edit, Qt::Key_Home);
  events.clear();
  user::Key(edit, Qt::Key_Delete);
  EXPECT_EQ(events, (std::vector<QString>{"down 1000007", "change b"}));
  dropKeyDown = Qt::Key_Delete;  // a key-down handler that zeroes the key stops the action
  events.clear();
  user::Key(edit, Qt::Key_Delete);
  EXPECT_EQ(edit->Text(), "b");
}

TEST_F(Edit, MaximumLengthLimitsTypingAndPastingButNeverTheProgram) {
  edit->SetMaxLength(4);
  user::Key(edit, Qt::Key_End);
  user::Type(edit, QStringLiteral("cde"));
  EXPECT_EQ(edit->Text(), "abcd");
  edit->SetSelStart(1);
  edit->SetSelLength(1);
  edit->PasteText(QStringLiteral("123"));
  EXPECT_EQ(edit->Text(), "a1cd");
  edit->SetText(QStringLiteral("0123456789"));
  EXPECT_EQ(edit->Text(), "0123456789");
}

TEST_F(Edit, AProgramWriteLeavesTheCaretAtTheStart) {
  edit->setFocus(Qt::MouseFocusReason);
  edit->SetText(QStringLiteral("123"));
  EXPECT_EQ(edit->SelStart(), 0);
  EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(Edit, UpperCaseModeConvertsWhatIsTypedAndPasted) {
  edit->SetUpperCase(true);
  user::Key(edit, Qt::Key_End);
  user::Type(edit, QStringLiteral("c"));
  edit->PasteText(QStringLiteral("dx"));
  EXPECT_EQ(edit->Text(), "abCDX");
}

TEST_F(Edit, FocusFromTheProgramSelectsTheTextAndTheMouseDoesNot) {
  other->setFocus(Qt::MouseFocusReason);
  edit->SetFocus();
  EXPECT_EQ(edit->SelLength(), 2);
  other->setFocus(Qt::MouseFocusReason);
  edit->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(Edit, AnExceptionInAHandlerEndsInTheDefaultErrorBoxAndTheEditGoesOn) {
  edit->OnChange = [](TEdit*) { throw EZeroDivide(); };
  user::Key(edit, Qt::Key_End);
  user::Type(edit, QStringLiteral("c"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.text, "Floating point division by zero.");
  EXPECT_EQ(edit->Text(), "abc");
  // A program write passes the exception to the writer instead.
  EXPECT_THROW(edit->SetText(QStringLiteral("q")), EZeroDivide);
}

TEST_F(Edit, TheErrorBoxAddsAFullStopOnlyAfterACharacterAboveIt) {
  platform::ShowException(QStringLiteral("Fin."));
  platform::ShowException(QStringLiteral("¿Qué?"));
  platform::ShowException(QStringLiteral("Hola!"));
  platform::ShowException(QStringLiteral("(uno)"));
  platform::ShowException(QStringLiteral("número"));
  ASSERT_EQ(host.boxes.size(), 5u);
  EXPECT_EQ(host.boxes[0].box.text, "Fin.");
  EXPECT_EQ(host.boxes[1].box.text, "¿Qué?.");  // '?' is above '.'
  EXPECT_EQ(host.boxes[2].box.text, "Hola!");
  EXPECT_EQ(host.boxes[3].box.text, "(uno)");
  EXPECT_EQ(host.boxes[4].box.text, "número.");
}

// Enter and Escape as in the form library.
TEST_F(Edit, EnterPressesTheDefaultButtonAndEscapeOnlyACancelButton) {
  auto* ok = new TBitBtn(form.get(), QStringLiteral("BitBtn1"), QStringLiteral("Volver"),
                         TBitBtn::Kind::OK);
  ok->show();
  int result = -1;
  QObject::connect(form.get(), &QDialog::finished, [&](int r) { result = r; });
  user::Key(edit, Qt::Key_Escape);
  EXPECT_TRUE(form->isVisible());  // no Cancel button: Escape does nothing
  user::Key(edit, Qt::Key_Return);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(result, TForm::mrOk);
  EXPECT_TRUE(std::find(events.begin(), events.end(), QStringLiteral("down 1000004")) ==
              events.end());
  user::Show(form.get());
  auto* cancel = new TBitBtn(form.get(), QStringLiteral("BitBtn2"), QStringLiteral("Salir"),
                             TBitBtn::Kind::Cancel);
  cancel->show();
  user::Key(edit, Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(result, TForm::mrCancel);
}

TEST_F(Edit, WithoutADefaultButtonEnterIsAnOrdinaryKey) {
  user::Key(edit, Qt::Key_Return);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(events, (std::vector<QString>{"down 1000004", "press 13"}));
}

}  // namespace

namespace {

// Key preview reaches the form from any control: here Escape closes the window from a button.
TEST_F(HostFixture, KeyPreviewLetsTheFormSeeKeysOfEveryControlFirst) {
  TForm form(nullptr, QStringLiteral("PreviewForm"));
  auto* edit = new TEdit(&form, QStringLiteral("Edit1"), QString());
  auto* button = new TButton(&form, QStringLiteral("Button1"), QStringLiteral("Uno"));
  button->move(0, 40);
  int clicks = 0;
  button->OnClick = [&] { ++clicks; };
  std::vector<int> seen;
  form.KeyPreview = true;
  form.OnKeyDown = [&](int& key, Qt::KeyboardModifiers) {
    seen.push_back(key);
    if (key == Qt::Key_Escape) form.Close();
  };
  form.OnKeyPress = [&](char16_t& key) {
    if (key == u'a') key = u'b';
    if (key == u'x') key = 0;
  };
  user::Show(&form);
  user::Type(edit, QStringLiteral("axc"));
  EXPECT_EQ(edit->Text(), "bc");
  button->setFocus(Qt::TabFocusReason);
  user::Key(button, Qt::Key_Space);
  EXPECT_EQ(clicks, 1);
  user::Key(button, Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(seen,
            (std::vector<int>{Qt::Key_A, Qt::Key_X, Qt::Key_C, Qt::Key_Space, Qt::Key_Escape}));
}

}  // namespace
