// The length window driven as a user drives it: key strokes into its edits, pastes, the
// menu command that opens it. The figures are those a user must see.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <cmath>
#include <map>
#include <memory>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "app/Unidadpresentacion.h"
#include "numeric/Numeric.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Messages.h"
#include "tools/length/Unidadv.h"

namespace {

// Every edit with its caption and the length of one of its units in metres.
struct Unit {
  const char* edit;
  const char* caption;
  double metres;
};
const Unit kUnits[] = {
    {"Edit15", "miriámetro [Ma]", 1e4},
    {"Edit1", "kilómetro [km]", 1e3},
    {"Edit12", "hectómetro [hm]", 100},
    {"Edit13", "decámetro [dam]", 10},
    {"Edit2", "metro [m]", 1},
    {"Edit14", "decímetro [dm]", 0.1},
    {"Edit3", "centímetro [cm]", 0.01},
    {"Edit11", "milímetro [mm]", 0.001},
    {"Edit18", "milésima de pulg. [mil]", 2.54e-5},
    {"Edit4", "pulgada [inch (\"), in]", 0.0254},
    {"Edit5", "pie [foot ('), ft]", 0.3048},
    {"Edit6", "yarda [yard, yd]", 0.9144},
    {"Edit7", "braza [fathom]", 1.8288},
    {"Edit8", "cadena [chain, ch]", 20.1168},
    {"Edit9", "milla estatuto [Mi]", 1609.344},
    {"Edit10", "nudo [milla marina]", 1853.184},
    {"Edit16", "unidad astronómica [ua]", 1e4 / 6.684581e-8},
    {"Edit17", "año luz", 1e4 / 1.057021e-12},
    {"Edit19", "parsec [pc]", 1e4 / 3.240735e-13},
};

using Texts = std::map<QString, QString>;

class Length : public converter::WindowFixture<TForm3> {
 protected:
  TEdit* E(const QString& name) const { return form->Find<TEdit>(name); }
  QString T(const QString& name) const { return E(name)->Text(); }
  using WindowFixture::E;
  using WindowFixture::T;

  // Selects the edit's whole text with the keyboard and deletes it (which clears every
  // edit), then types text there.
  void Enter(const QString& name, const QString& text) {
    user::Key(E(name), Qt::Key_End);
    user::Key(E(name), Qt::Key_Home, Qt::ShiftModifier);
    user::Key(E(name), Qt::Key_Delete);
    user::Type(E(name), text);
  }

  // The expected texts, written with ','.
  void ExpectTexts(std::initializer_list<std::pair<const char*, const char*>> expected) {
    for (const auto& [edit, text] : expected) EXPECT_EQ(T(edit), S(text)) << edit;
  }
  Texts AllTexts() const {
    Texts all;
    for (const Unit& u : kUnits) all[u.edit] = T(u.edit);
    return all;
  }
  double Value(const char* edit) const {
    QString text = T(edit);
    return ParseValue(text);
  }
};
INSTANTIATE_FOR_BOTH_SEPARATORS(Length);

TEST_P(Length, TheWindowIsLaidOutAsDesigned) {
  EXPECT_EQ(form->Caption(), "Unidades de longitud");
  EXPECT_EQ(form->size(), QSize(590, 396));
  // The focus starts in the first edit of the tab order and follows the table.
  QWidget* w = E("Edit15");
  EXPECT_TRUE(w->hasFocus());
  for (const Unit& u : kUnits) {
    ASSERT_EQ(w, E(u.edit)) << u.edit;
    EXPECT_EQ(T(u.edit), "0");
    EXPECT_EQ(E(u.edit)->size(), QSize(121, 21));
    EXPECT_EQ(E(u.edit)->MaxLength(), 310);
    // The label sits at the left of its edit, on its line, and shows its whole caption.
    const QString labelName = QString::fromLatin1(u.edit).replace("Edit", "Label");
    auto* label = form->Find<TLabel>(labelName);
    ASSERT_TRUE(label) << labelName.toStdString();
    EXPECT_EQ(label->Caption(), QString::fromUtf8(u.caption));
    EXPECT_LT(label->geometry().right(), E(u.edit)->x());
    EXPECT_GE(label->x(), 0);
    EXPECT_GE(label->width(), label->sizeHint().width());
    EXPECT_EQ(label->geometry().center().y(), E(u.edit)->geometry().center().y());
    do w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus));
  }
  auto* ok = form->Find<TBitBtn>("BitBtn1");
  ASSERT_TRUE(ok);
  EXPECT_EQ(w, ok);
  EXPECT_EQ(ok->text(), "Volver");
  EXPECT_EQ(form->DefaultButton(), ok);  // Enter in an edit closes the window with OK
  EXPECT_EQ(ok->ModalResult, TForm::mrOk);
  EXPECT_FALSE(form->CancelButton());  // and Escape does nothing
  EXPECT_TRUE(form->rect().contains(ok->geometry()));
  // Rows 32 pixels apart; the metric labels end where their edits begin.
  EXPECT_EQ(E("Edit1")->y() - E("Edit15")->y(), 32);
  EXPECT_EQ(E("Edit19")->y() - E("Edit15")->y(), 10 * 32);
  EXPECT_EQ(E("Edit10")->y(), E("Edit11")->y());
  EXPECT_EQ(form->Find<TLabel>("Label2")->geometry().right(),
            form->Find<TLabel>("Label16")->geometry().right());
}

TEST_P(Length, OneMetre) {
  Enter("Edit2", "1");
  ExpectTexts({{"Edit2", "1"},
               {"Edit3", "100"},
               {"Edit1", "0,001"},
               {"Edit15", "0,0001"},
               {"Edit16", "6,684581E-12"},
               {"Edit17", "1,057021E-16"},
               {"Edit19", "3,240735E-17"},
               {"Edit11", "1000"},
               {"Edit12", "0,01"},
               {"Edit13", "0,1"},
               {"Edit14", "10"},
               {"Edit7", "0,546807"},
               {"Edit8", "0,04971"},
               {"Edit9", "0,0006214"},
               {"Edit10", "0,0005396"},
               {"Edit6", "1,093613"},
               {"Edit5", "3,28084"},
               {"Edit4", "39,370079"},
               {"Edit18", "39370,079"}});  // from the rounded inch text
  EXPECT_TRUE(host.boxes.empty());
}

TEST_P(Length, OneNauticalMileShowsExactFeetAndInches) {
  Enter("Edit10", "1");
  ExpectTexts({{"Edit10", "1"},
               {"Edit7", "1013,3333333"},
               {"Edit5", "6080"},
               {"Edit4", "72960"},
               {"Edit18", "72960000"},
               {"Edit9", "1,1515152"},
               {"Edit8", "92,121212"},
               {"Edit6", "2026,666667"},
               {"Edit3", "185318,4"},
               {"Edit2", "1853,184"},
               {"Edit1", "1,853184"},
               {"Edit15", "0,1853184"},
               {"Edit11", "1853184"}});
}

TEST_P(Length, FathomsOfOneNauticalMileShowOneNauticalMile) {
  Enter("Edit7", "1013,33333");
  ExpectTexts({{"Edit7", "1013,33333"}, {"Edit10", "1"}, {"Edit5", "6080"}, {"Edit4", "72960"}});
  EXPECT_EQ(T("Edit18"), "72960000");
}

TEST_P(Length, OneLightYear) {
  Enter("Edit17", "1");
  ExpectTexts({{"Edit17", "1"},
               {"Edit15", "946054997961,251"},
               {"Edit1", "9460549979612,51"},  // from the myriametre text
               {"Edit16", "63239,8126432682"},
               {"Edit19", "0,306591354381795"}});
}

// Whatever edit the user types in, every edit ends filled with the same length and the
// typed edit keeps the user's text, even where it is not as the window would write it.
TEST_P(Length, EveryEditReachesAllNineteen) {
  for (const Unit& source : kUnits) {
    Enter(source.edit, "02,5");
    EXPECT_EQ(T(source.edit), S("02,5")) << source.edit;
    const double length = 2.5 * source.metres;
    for (const Unit& u : kUnits) {
      ASSERT_FALSE(T(u.edit).isEmpty()) << source.edit << " -> " << u.edit;
      const double shown = Value(u.edit) * u.metres;
      // Each text is rounded to 6 or 7 decimals of its own unit, or computed from the metre
      // or inch text so rounded.
      EXPECT_NEAR(shown, length, 1e-6 * (length + u.metres + 1.0))
          << source.edit << " -> " << u.edit << " shows " << T(u.edit).toStdString();
    }
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_P(Length, EmptyingAnyEditEmptiesAllNineteen) {
  for (const Unit& source : kUnits) {
    Enter("Edit2", "1");
    user::Key(E(source.edit), Qt::Key_End);
    user::Key(E(source.edit), Qt::Key_Home, Qt::ShiftModifier);
    user::Key(E(source.edit), Qt::Key_Backspace);
    for (const Unit& u : kUnits) EXPECT_EQ(T(u.edit), "") << source.edit << " -> " << u.edit;
  }
}

TEST_P(Length, ADashOrATrailingSeparatorWaitsForTheNextDigit) {
  Enter("Edit2", "1");
  E("Edit2")->selectAll();
  user::Type(E("Edit2"), "-");
  EXPECT_EQ(T("Edit2"), "-");
  EXPECT_EQ(T("Edit3"), "100");  // nothing else changed
  user::Type(E("Edit2"), "2,");
  EXPECT_EQ(T("Edit2"), S("-2,"));
  EXPECT_EQ(T("Edit3"), "-200");
  EXPECT_EQ(T("Edit18"), S("-78740,157"));
  user::Type(E("Edit2"), "5");
  EXPECT_EQ(T("Edit3"), "-250");
}

TEST_P(Length, ATextThatDoesNotReadStopsSilently) {
  Enter("Edit2", "1");
  const Texts before = AllTexts();
  for (const char* edit : {"Edit2", "Edit3", "Edit5", "Edit7", "Edit17"}) {
    user::Click(E(edit));
    E(edit)->selectAll();
    QGuiApplication::clipboard()->setText("1,2,3");
    user::Key(E(edit), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(T(edit), "1,2,3");
    Texts after = AllTexts();
    after[edit] = before.at(edit);
    EXPECT_EQ(after, before) << edit;
    // Put the edit back as it was, so the next one starts from one metre.
    Enter("Edit2", "1");
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_P(Length, AValueBeyondTheDoubleRangeEndsInTheDefaultErrorBox) {
  Enter("Edit2", "1");
  const Texts before = AllTexts();
  user::Click(E("Edit3"));
  E("Edit3")->selectAll();
  QGuiApplication::clipboard()->setText("1E400");
  user::Key(E("Edit3"), Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].box.caption, "Tarvel - conversor de unidades");
  EXPECT_EQ(host.boxes[0].box.text, "Floating point overflow.");
  EXPECT_EQ(host.boxes[0].box.icon, platform::Icon::Error);
  Texts after = AllTexts();
  EXPECT_EQ(after["Edit3"], "1E400");
  after["Edit3"] = before.at("Edit3");
  EXPECT_EQ(after, before);

  // A kilometre value whose centimetre value cannot be rounded any more: the chain stops
  // there and the window goes on.
  Enter("Edit1", "2E297");
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[1].box.text, "Floating point overflow.");
  Enter("Edit1", "2");
  EXPECT_EQ(T("Edit2"), "2000");
  EXPECT_EQ(host.boxes.size(), 2u);
}

// The "Vaya!" reset: the box shows over the window as the overflow left it, then the window
// starts again from one metre once the simulated key has arrived.
class LengthOverflow : public Length {
 protected:
  void ExpectResetToOneMetre(const char* edit, const char* typed, const char* millimetres) {
    QString millimetresAtBox;
    host.onBox = [&](const platform::Box&) { millimetresAtBox = T("Edit11"); };
    Enter(edit, typed);
    ASSERT_EQ(host.boxes.size(), 1u) << edit;
    const platform::Box& box = host.boxes[0].box;
    EXPECT_EQ(box.caption, "Vaya!");
    EXPECT_EQ(box.text, "¡Qué número más grande tienes...!");
    EXPECT_EQ(box.icon, platform::Icon::Warning);
    EXPECT_EQ(box.owner, form.get());
    if (millimetres) {
      EXPECT_EQ(millimetresAtBox, millimetres);
    }
    EXPECT_EQ(host.elapsedMilliseconds, 500);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_TRUE(E("Edit2")->hasFocus());
    ExpectTexts({{"Edit2", "1"},
                 {"Edit3", "100"},
                 {"Edit11", "1000"},
                 {"Edit1", "0,001"},
                 {"Edit18", "39370,079"},
                 {"Edit19", "3,240735E-17"}});
  }
};
INSTANTIATE_FOR_BOTH_SEPARATORS(LengthOverflow);

TEST_P(LengthOverflow, MillimetresTyped) { ExpectResetToOneMetre("Edit11", "2E300", "2E300"); }

TEST_P(LengthOverflow, MillimetresFromCentimetres) {
  ExpectResetToOneMetre("Edit3", "2E299", "2E300");
}

TEST_P(LengthOverflow, Mils) { ExpectResetToOneMetre("Edit18", "2E300", nullptr); }

TEST_P(LengthOverflow, TheLimitItselfIsNoOverflow) {
  Enter("Edit11", "1E300");
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(T("Edit3"), "1E299");
  EXPECT_EQ(T("Edit18"), S("3,93700787401575E301"));
}

// A millimetre value whose chain fails further on: the window says so and starts again
// from 100 cm, typed into the centimetre edit after pauses.
TEST_P(Length, AFailingMillimetreChainRestartsFromOneHundredCentimetres) {
  Texts atBox;
  host.onBox = [&](const platform::Box&) { atBox = AllTexts(); };
  Enter("Edit11", "-1E302");
  ASSERT_EQ(host.boxes.size(), 1u);
  const platform::Box& box = host.boxes[0].box;
  EXPECT_EQ(box.caption, "Tarvel - conversor de unidades");
  EXPECT_EQ(box.text, "Esto así no funciona... ");
  EXPECT_EQ(box.icon, platform::Icon::None);
  EXPECT_EQ(atBox["Edit3"], "-1E301");  // the writes made before the failure were shown
  EXPECT_EQ(host.elapsedMilliseconds, 300);
  EXPECT_EQ(host.beeps, 0);
  EXPECT_TRUE(E("Edit3")->hasFocus());
  ExpectTexts({{"Edit3", "100"},
               {"Edit2", "1"},
               {"Edit11", "1000"},
               {"Edit15", "0,0001"},
               {"Edit14", "10"},
               {"Edit18", "39370,079"},
               {"Edit17", "1,057021E-16"}});
}

TEST_P(Length, AnyKeyStartsANewPassButTheMouseDoesNot) {
  Enter("Edit2", "1");
  // A click and a paste from the context menu: the passes of the last key are still set.
  user::Click(E("Edit7"));
  E("Edit7")->selectAll();
  E("Edit7")->PasteText("2");
  EXPECT_EQ(T("Edit6"), S("1,093613"));
  // An arrow key is a key stroke: the same paste now reaches every edit.
  user::Key(E("Edit7"), Qt::Key_Left);
  E("Edit7")->selectAll();
  E("Edit7")->PasteText("1");
  EXPECT_EQ(T("Edit6"), "2");
  EXPECT_EQ(T("Edit3"), S("182,88"));
  EXPECT_EQ(T("Edit10"), S("0,0009868"));
}

TEST(LengthMenu, TheMenuCommandOpensTheWindowModally) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  TFormPrincipal main;
  user::Show(&main);
  QAction* command = main.MenuItem("Longitud1");
  ASSERT_TRUE(command);
  EXPECT_TRUE(command->isEnabled());
  QString caption;
  QWidget* owner = nullptr;
  QTimer::singleShot(0, [&] {
    QWidget* window = QApplication::activeModalWidget();
    if (!window) return;
    caption = window->windowTitle();
    owner = window->parentWidget();
    window->close();
  });
  command->trigger();
  EXPECT_EQ(caption, "Unidades de longitud");
  EXPECT_EQ(owner, &main);
  platform::SetHost(nullptr);
}

}  // namespace
