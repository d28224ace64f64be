// Every window is usable with a screen reader and the keyboard: each edit, list and button
// that a window shows has an accessible name, and the control with the focus looks so. Every
// window shows an icon.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <memory>

#include "TestSupport.h"
#include "app/Catalogue.h"
#include "app/Unidadpresentacion.h"
#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Form.h"

namespace {

class Accessibility : public HostFixture {};

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(QAccessible::Name) : QString();
}

// The controls in view that a keyboard user meets, by their accessible names; each unnamed
// one is reported.
int ExpectEveryControlNamed(QWidget* window, const QString& where) {
  int controls = 0;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->isHidden() || !widget->isVisibleTo(window)) continue;
    if (!(widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QScrollBar*>(widget)) continue;
    if (widget->focusProxy()) continue;  // its proxy is met instead
    if (qobject_cast<QAbstractItemView*>(widget->parentWidget())) continue;  // a cell editor
    ++controls;
    EXPECT_FALSE(AccessibleName(widget).isEmpty())
        << where.toStdString() << ": " << widget->metaObject()->className() << " "
        << widget->objectName().toStdString() << " has no accessible name";
  }
  return controls;
}

// Shows the tab, choosing first the tabs of the pages that hold it, as a user reaches it.
void ShowTab(QWidget* window, QTabWidget* tabs, int index) {
  std::vector<std::pair<QTabWidget*, QWidget*>> outer;
  for (QWidget* w = tabs; w && w != window; w = w->parentWidget()) {
    QWidget* stack = w->parentWidget();
    auto* owner = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (owner && owner->indexOf(w) >= 0) outer.emplace_back(owner, w);
  }
  for (auto it = outer.rbegin(); it != outer.rend(); ++it) it->first->setCurrentWidget(it->second);
  tabs->setCurrentIndex(index);
  user::Settle();
}

TEST_F(Accessibility, EveryEnabledWindowNamesEveryControlOnEveryTab) {
  QWidget owner;
  int windows = 0;
  for (int i = 0; i < kMenuRowCount; ++i) {
    const MenuRow& row = kMenu[i];
    if (!row.opens) continue;
    std::unique_ptr<TForm> form(row.opens(&owner));
    user::Show(form.get());
    const QString where = QLatin1String(row.item);
    EXPECT_EQ(AccessibleName(form.get()), form->Caption()) << where.toStdString();
    EXPECT_FALSE(form->windowIcon().isNull()) << where.toStdString() << " has no icon";
    EXPECT_GT(ExpectEveryControlNamed(form.get(), where), 0) << where.toStdString();
    for (QTabWidget* tabs : form->findChildren<QTabWidget*>()) {
      for (int t = 0; t < tabs->count(); ++t) {
        ShowTab(form.get(), tabs, t);
        ExpectEveryControlNamed(form.get(), where + QStringLiteral(" / ") + tabs->tabText(t));
      }
    }
    form->close();
    ++windows;
  }
  EXPECT_GE(windows, 3);

  TFormPrincipal main;
  user::Show(&main);
  EXPECT_EQ(AccessibleName(&main), main.windowTitle());
  ExpectEveryControlNamed(&main, QStringLiteral("FormPrincipal"));
}

TEST_F(Accessibility, AnEditIsNamedByTheCaptionOfItsLabel) {
  QWidget owner;
  std::unique_ptr<TForm> form(FindMenuRow(QStringLiteral("Longitud1"))->opens(&owner));
  user::Show(form.get());
  EXPECT_EQ(AccessibleName(form->Find<TEdit>(QStringLiteral("Edit1"))),
            form->Find<TLabel>(QStringLiteral("Label1"))->Caption());
}

TEST_F(Accessibility, LabelsBesideAnEditNameItWhenNothingTiesThem) {
  TForm form(nullptr, QStringLiteral("Form"));
  form.SetClientSize(300, 120);
  // A caption in two pieces, the exponent raised, and a second edit further along the line
  // whose label must not take the first one's.
  PlaceLabel(&form, QStringLiteral("Label1"), QStringLiteral("metro cuadrado [m"), 4, 10);
  PlaceLabel(&form, QStringLiteral("Label2"), QStringLiteral("2"), 100, 6);
  PlaceLabel(&form, QStringLiteral("Label3"), QStringLiteral("]"), 106, 10);
  auto* first = new TEdit(&form, QStringLiteral("Edit1"));
  first->setGeometry(114, 8, 60, 21);
  PlaceLabel(&form, QStringLiteral("Label4"), QStringLiteral("área"), 180, 10);
  auto* second = new TEdit(&form, QStringLiteral("Edit2"));
  second->setGeometry(230, 8, 60, 21);
  // A list under its caption, and a button with only a hint.
  PlaceLabel(&form, QStringLiteral("Label5"), QStringLiteral("&Precisión:"), 4, 50);
  auto* list = new QComboBox(&form);
  list->setGeometry(4, 66, 100, 21);
  auto* step = new TButton(&form, QStringLiteral("SpeedButton1"), QString());
  step->setToolTip(QStringLiteral("Siguiente medida"));
  step->setGeometry(150, 66, 24, 24);
  user::Show(&form);

  EXPECT_EQ(AccessibleName(first), QStringLiteral("metro cuadrado [m2]"));
  EXPECT_EQ(AccessibleName(second), QStringLiteral("área"));
  EXPECT_EQ(AccessibleName(list), QStringLiteral("Precisión:"));
  EXPECT_EQ(AccessibleName(step), QStringLiteral("Siguiente medida"));
}

TEST_F(Accessibility, CaptionsAreSpokenWithoutMarkupOrAccelerators) {
  EXPECT_EQ(platform::PlainCaption(QStringLiteral("&Salir")), QStringLiteral("Salir"));
  EXPECT_EQ(platform::PlainCaption(QStringLiteral("Pesas && medidas")),
            QStringLiteral("Pesas & medidas"));
  EXPECT_EQ(platform::PlainCaption(QStringLiteral("<html>m<sup>3</sup></html>")),
            QStringLiteral("m3"));
}

// Reached with Tab, as a keyboard user moves: Qt draws some focus marks only then.
void TabInto(QWidget* target) {
  QWidget* before = target->previousInFocusChain();
  before->setFocus(Qt::OtherFocusReason);
  user::Settle();
  user::Key(before, Qt::Key_Tab);
  user::Settle();
}

TEST_F(Accessibility, TheControlWithTheFocusLooksFocused) {
  QWidget owner;
  std::unique_ptr<TForm> form(FindMenuRow(QStringLiteral("Longitud1"))->opens(&owner));
  user::Show(form.get());
  for (const char* name : {"Edit2", "BitBtn1"}) {
    auto* control = form->Find<QWidget>(QLatin1String(name));
    ASSERT_TRUE(control) << name;
    const QImage unfocused = control->grab().toImage();
    TabInto(control);
    ASSERT_TRUE(control->hasFocus()) << name;
    EXPECT_NE(control->grab().toImage(), unfocused) << name << " shows no focus";
  }
}

TEST_F(Accessibility, ACellOfPanelsIsReadWithItsHeadingsAndShowsTheFocus) {
  QWidget owner;
  std::unique_ptr<TForm> form(FindMenuRow(QStringLiteral("Zapatos2"))->opens(&owner));
  user::Show(form.get());
  auto* cell = form->Find<QWidget>(QStringLiteral("Panel11"));
  ASSERT_TRUE(cell);
  EXPECT_EQ(AccessibleName(cell), QStringLiteral("5 1/2, De Mujeres, 36"));
  const QImage unfocused = cell->grab().toImage();
  TabInto(cell);
  ASSERT_TRUE(cell->hasFocus());
  EXPECT_NE(cell->grab().toImage(), unfocused) << "the cell shows no focus";
}

TEST_F(Accessibility, ADropDownIsReadByItsLabelAndItsChoice) {
  QWidget owner;
  std::unique_ptr<TForm> form(FindMenuRow(QStringLiteral("Basedenumeracin2"))->opens(&owner));
  user::Show(form.get());
  QAccessibleInterface* face =
      QAccessible::queryAccessibleInterface(form->Find<QComboBox>(QStringLiteral("ComboBox2")));
  ASSERT_TRUE(face);
  EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Equivale a: Base:"));
  EXPECT_EQ(face->text(QAccessible::Value), QStringLiteral("10"));
}

}  // namespace
