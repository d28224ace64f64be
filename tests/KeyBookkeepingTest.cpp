// Which key events make an edit of a converter window the source and clear its guards, window
// by window, and where Tab leads in the windows whose own suites do not walk it.
//
// A change that arrives without a key stroke (a paste through the context menu) finds the
// guards of the last pass still set and converts less than typing does. So: a value typed in
// one edit, then one key event in another edit U, then a value pasted there through the menu.
// When the event did the bookkeeping, the window ends as if the value had been typed in U;
// when it did not, it ends otherwise.
#include <QApplication>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <vector>

#include "ConverterChecks.h"
#include "TestSupport.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "tools/length/Unidadgraf.h"
#include "tools/length/Unidadv.h"
#include "tools/numbers/Unidadprefijos.h"
#include "tools/physical/U_caudal.h"
#include "tools/physical/Unidadangulo.h"
#include "tools/physical/Unidaddatos.h"
#include "tools/physical/Unidaddensidad.h"
#include "tools/physical/Unidadenergia.h"
#include "tools/physical/Unidadilum.h"
#include "tools/physical/Unidadmasa.h"
#include "tools/physical/Unidadpeso.h"
#include "tools/physical/Unidadpotencia.h"
#include "tools/physical/Unidadpresion.h"
#include "tools/physical/Unidadsup.h"
#include "tools/physical/Unidadtemp.h"
#include "tools/physical/Unidadtiempo.h"
#include "tools/physical/Unidadvel.h"
#include "tools/physical/Unidadvol.h"

namespace {

// An arrow, Delete, a typed character, a character from an input method, and a click alone.
enum Event { kArrow, kDelete, kTyped, kComposed, kClickOnly, kEvents };

struct WindowCase {
  const char* name;
  std::function<TForm*()> make;
  int first;  // the edit typed in first
  int unit;   // the edit the event goes to
  // For the events in the order above: 'Y' when the window ends as if the value were typed
  // in the unit edit.
  const char* bookkeeping;
  // The controls that Tab visits, from the first of the chain round to it again, by name;
  // empty where the window's own suite walks it.
  const char* tabWalk;
};

template <class Window>
std::function<TForm*()> Make() {
  return [] { return new Window(nullptr); };
}

const WindowCase kWindows[] = {
    {"length", Make<TForm3>(), 2, 5, "YYYNN", ""},
    {"velocity", Make<TFormVel>(), 1, 3, "YYYNN", ""},
    {"volume", Make<TFormVol>(), 1, 4, "YYYNN",
     "Edit1 Edit15 Edit2 Edit26 Edit16 Edit4 Edit25 Edit5 Edit6 Edit22 Edit3 Edit12 Edit13 Edit9 "
     "Edit8 Edit7 Edit14 Edit11 Edit17 Edit18 Edit19 Edit20 Edit21 Edit10 Edit24 Edit23 BitBtn1"},
    {"power", Make<TFormPotencia>(), 1, 3, "YYYYN", ""},
    {"prefixes", Make<TFormPrefijos>(), 21, 3, "YYYYN",
     "Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 Edit8 Edit9 Edit10 Edit11 Edit12 Edit13 Edit14 "
     "Edit15 Edit16 Edit17 Edit18 Edit19 Edit20 BitBtn1 Edit21"},
    {"mass", Make<TFormMasa>(), 1, 3, "YYYYN", ""},
    {"pressure", Make<TFormPresion>(), 1, 3, "YYYYN",
     "Edit1 Edit2 Edit3 Edit4 Edit5 Edit15 Edit6 Edit7 Edit8 Edit9 Edit10 Edit11 Edit12 Edit13 "
     "Edit14 BitBtn1"},
    {"temperature", Make<TFormTemp>(), 1, 2, "YYYYN", "Edit1 Edit2 Edit3 Edit4 BitBtn1 Edit5"},
    {"time", Make<TFormTiempo>(), 1, 3, "YYYYN", ""},
    {"weight", Make<TFormPeso>(), 1, 2, "YYYYN",
     "Edit14 Edit17 Edit18 Edit1 Edit2 Edit3 Edit13 Edit6 Edit7 Edit4 Edit5 Edit8 Edit9 Edit10 "
     "Edit11 Edit12 BitBtn1"},
    {"flow", Make<TFormCaudal>(), 1, 3, "NYYYN", ""},
    {"data", Make<TFormDatos>(), 1, 3, "NYYYN",
     "Edit9 Edit10 Edit11 Edit12 Edit13 Edit14 Edit15 Edit16 Edit17 Edit18 Edit19 Edit20 Edit21 "
     "Edit22 Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 Edit8 BitBtn1"},
    {"density", Make<TFormDensidad>(), 1, 3, "NYYYN",
     "Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 Edit8 Edit9 Edit10 Edit11 Edit12 Edit13 Edit14 "
     "BitBtn1 Edit15"},
    {"energy", Make<TFormEnergia>(), 1, 3, "NYYYN", ""},
    {"illumination", Make<TFIlum>(), 1, 3, "NYYYN",
     "Edit1 Edit2 Edit3 Edit4 Edit5 Edit9 Edit6 Edit7 Edit8 Edit10 BitBtn1"},
    {"surface", Make<TFormSup>(), 1, 3, "NYYYN",
     "Edit1 Edit2 Edit12 Edit10 Edit3 Edit4 Edit5 Edit6 Edit7 Edit8 Edit9 BitBtn1"},
    {"graphic units", Make<TFormGraf>(), 1, 3, "NYYYN",
     "Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 BitBtn1 TrackBar1"},
    {"angle", Make<TFormAngulo>(), 1, 3, "NYYYN",
     "Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 BitBtn1 Edit8 Edit9 Edit10"},
};

class KeyBookkeeping : public HostFixture, public ::testing::WithParamInterface<WindowCase> {
 protected:
  void Open() {
    form.reset(GetParam().make());
    user::Show(form.get());
  }
  TEdit* E(int n) const { return form->Find<TEdit>(QStringLiteral("Edit%1").arg(n)); }
  // Every edit's text, by name.
  std::map<QString, QString> Texts() const {
    std::map<QString, QString> texts;
    for (TEdit* edit : form->findChildren<TEdit*>()) texts[edit->objectName()] = edit->Text();
    return texts;
  }
  // The window after a value typed in the first edit, then the event in the unit edit, then a
  // value pasted there through the context menu.
  std::map<QString, QString> AfterPaste(Event event) {
    Open();
    converter::Retype(E(GetParam().first), QStringLiteral("1"));
    TEdit* unit = E(GetParam().unit);
    user::Click(unit);
    unit->end(false);  // so that Delete and the arrow change no text
    switch (event) {
      case kArrow: user::Key(unit, Qt::Key_Right); break;
      case kDelete: user::Key(unit, Qt::Key_Delete); break;
      case kTyped: user::Type(unit, QStringLiteral("x")); break;  // refused by every filter
      case kComposed: converter::Compose(unit, QStringLiteral("x")); break;
      default: break;
    }
    converter::MenuPaste(unit, QStringLiteral("2"));
    return Texts();
  }
  std::map<QString, QString> AfterTyping() {
    Open();
    converter::Retype(E(GetParam().first), QStringLiteral("1"));
    converter::Retype(E(GetParam().unit), QStringLiteral("2"));
    return Texts();
  }
  void TearDown() override {
    form.reset();
    HostFixture::TearDown();
  }
  std::unique_ptr<TForm> form;
};

TEST_P(KeyBookkeeping, KeyEventsThatMakeAUnitEditTheSourceAndClearTheGuards) {
  const auto typed = AfterTyping();
  std::string observed;
  for (int event = 0; event < kEvents; ++event) {
    observed += AfterPaste(static_cast<Event>(event)) == typed ? 'Y' : 'N';
  }
  EXPECT_EQ(observed, GetParam().bookkeeping) << "events: arrow, Delete, typed, composed, click";
}

TEST_P(KeyBookkeeping, TabGoesRoundTheChain) {
  const QStringList chain = QString::fromLatin1(GetParam().tabWalk).split(u' ', Qt::SkipEmptyParts);
  if (chain.isEmpty()) GTEST_SKIP() << "walked in the window's own suite";
  Open();
  std::vector<QString> expected(chain.begin() + 1, chain.end());
  expected.push_back(chain.front());
  EXPECT_EQ(converter::TabWalk(form->FindComponent(chain.front()), static_cast<int>(chain.size())),
            expected);
}

// A case prints as its window, in the test list and in a failure.
void PrintTo(const WindowCase& window, std::ostream* os) { *os << window.name << " window"; }

std::string CaseName(const ::testing::TestParamInfo<WindowCase>& info) {
  std::string name;
  for (const char* c = info.param.name; *c; ++c) name += *c == ' ' ? '_' : *c;
  return name;
}

INSTANTIATE_TEST_SUITE_P(Windows, KeyBookkeeping, ::testing::ValuesIn(kWindows), CaseName);

}  // namespace
