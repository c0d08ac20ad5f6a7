// The real program's start-up, ending as soon as the main window is first painted.
#include <QApplication>

#include "app/Startup.h"
#include "platform/Application.h"
#include "FirstPaint.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Shardwick SE"));
  QApplication::setQuitOnLastWindowClosed(false);
  FirstPaint probe("Window1", [] { Application::Current()->Quit(); });
  application.installEventFilter(&probe);
  return Startup::_Main();
}
