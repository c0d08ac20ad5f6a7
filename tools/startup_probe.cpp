// The real program's start-up, ending as soon as the main window is first painted.
#include "FirstPaint.h"
#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/GuiApplication.h"

int main(int argc, char** argv) {
  GuiApplication application(argc, argv);
  GuiApplication::setApplicationDisplayName(QStringLiteral("Shardwick SE"));
  GuiApplication::setQuitOnLastWindowClosed(false);
  FirstPaint probe("Window1", [] { Application::Current()->Quit(); });
  application.installEventFilter(&probe);
  return Startup::_Main();
}
