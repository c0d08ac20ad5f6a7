#include "app/Startup.h"
#include "platform/GuiApplication.h"
#include "platform/TerminationSignals.h"

int main(int argc, char** argv) {
  IgnoreFileSizeSignal();
  GuiApplication application(argc, argv);
  GuiApplication::setQuitOnLastWindowClosed(false);  // closing the main window quits by itself
  QuitOnTerminationSignals();
  return Startup::_Main();
}
