#pragma once
// What the suites share: the recording host installed for each test, the decimal separator
// as a test parameter, and the user's ways of acting on a window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>

#include "platform/Host.h"
#include "value/Locale.h"

class QWidget;
class TEdit;

// Installs a fresh RecordingHost for the test and restores the desktop's after it.
class HostFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  platform::RecordingHost host;
};

// A test run once with ',' and once with '.' as the regional decimal separator.
class SeparatorFixture : public HostFixture, public ::testing::WithParamInterface<char16_t> {
 protected:
  void SetUp() override;
  void TearDown() override;
  char16_t sep() const { return GetParam(); }
  // A number text written with ',', shown with the separator of the test.
  QString S(const char* text) const;
};

std::string SeparatorName(const ::testing::TestParamInfo<char16_t>& info);
#define INSTANTIATE_FOR_BOTH_SEPARATORS(Suite) \
  INSTANTIATE_TEST_SUITE_P(Separators, Suite, ::testing::Values(u',', u'.'), SeparatorName)

namespace user {
// Shows the window and makes it the active one, as a user's window would be.
void Show(QWidget* window);
// Gives the widget the focus as a mouse click would.
void Click(QWidget* widget);
// Key strokes in the focused widget: each character of text typed (key down, character,
// key up).
void Type(QWidget* widget, const QString& text);
void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Processes pending events, simulated keys included, until nothing is left.
void Settle();
}  // namespace user

// gtest printing of QString.
void PrintTo(const QString& text, std::ostream* os);
