// The test program: one application object for every suite, headless unless a platform is
// set, with the desktop's services replaced by a recorder.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/Startup.h"
#include "platform/Application.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication app(argc, argv);
  PrepareApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
