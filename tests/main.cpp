// The test program: one application object for every suite, headless unless a platform is
// set, with the desktop's services replaced by a recorder and a configuration folder of its
// own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app/Startup.h"
#include "platform/Application.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // What the program keeps across starts (the units opened last) goes to a folder of the run,
  // never to the user's own configuration.
  const QTemporaryDir config;
  if (!config.isValid()) return 2;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  TApplication app(argc, argv);
  PrepareApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
