#include "app/Startup.h"

#include <QApplication>
#include <exception>
#include <memory>

#include "app/App.h"
#include "app/FileTypes1.h"
#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "platform/MessageBoxPresenter.h"
#include "platform/MsgBox.h"

namespace Startup {

namespace {
std::unique_ptr<App> g_app;
}

int _Main() {
  InstallModalMessageBox();
  try {
    _EarlyStartup();
    const int status = g_app->Run(_LateStartup);
    delete Window1::Instance();
    return status;
  } catch (const std::exception& error) {
    MsgBox(std::string("An unexpected error stopped the program: ") + error.what());
  } catch (...) {
    MsgBox("An unexpected error stopped the program.");
  }
  return 1;
}

void _EarlyStartup() {
  // High-resolution displays: Qt 6 scales by itself.
  // Untitled windows (the message boxes) take the application's name. It is set as the name, not
  // as the display name, which Qt would append to every window title the window manager gets.
  QCoreApplication::setApplicationName(QStringLiteral("Shardwick SE"));
  _InitFileTypes();
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
}

void _InitFileTypes() {
  FileTypes1::_Initialize();
}

void _NewAppInstance() {
  g_app = std::make_unique<App>();
  g_app->MajorVersion = 1;
  g_app->MinorVersion = 15;
  g_app->BugVersion = 0;
  g_app->NonReleaseVersion = 0;
  g_app->StageCode = 3;
  g_app->ShortVersion = "1.15";
  g_app->LongVersion = "2020";
  g_app->PackageInfo = "";
  g_app->SetMenuBar(MenuBar1::Instance());
  g_app->Register();
}

void _ApplicationAddMenuHandlers() {}

void _LateStartup() {
  _MakeDefaultView();
}

void _MakeDefaultView() {
  Window1::Instance();
}

}  // namespace Startup
