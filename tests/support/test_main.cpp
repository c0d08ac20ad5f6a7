// Shared entry point of every test program: a private home and configuration folder,
// the offscreen Qt platform, and a QApplication for the GUI tests.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
  QTemporaryDir home;
  if (!home.isValid()) return 2;
  const QByteArray path = QFile::encodeName(home.path());
  setenv("HOME", path.constData(), 1);
  setenv("XDG_CONFIG_HOME", (path + "/.config").constData(), 1);
  setenv("XDG_DATA_HOME", (path + "/.local/share").constData(), 1);
  setenv("XDG_CACHE_HOME", (path + "/.cache").constData(), 1);
  setenv("XDG_RUNTIME_DIR", path.constData(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  TestEnvironment::setHome(home.path().toStdString());

  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
