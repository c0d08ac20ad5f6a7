#include "app/App.h"

#include "app/MenuBar1.h"
#include "app/quorvel.h"

App* App::Instance() {
  return dynamic_cast<App*>(Application::Current());
}

void App::Event_Open() {
  MenuBar1::Instance()->Item(0)->SetVisible(false);
  quorvel::init("Shardwick SE");
}

void App::Event_Close() {
  quorvel::save_prefs();
}
