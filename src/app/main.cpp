#include <QApplication>

#include "app/Startup.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Shardwick SE"));
  QApplication::setQuitOnLastWindowClosed(false);  // closing the main window quits by itself
  return Startup::_Main();
}
