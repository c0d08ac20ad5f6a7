#include "app/quorvel.h"

#include "app/Window1.h"
#include "settings/XMLPreferences.h"

namespace quorvel {

void init(const std::string& displayName) {
  appname = displayName;  // the settings store names its folder after it
  XMLPreferences::InitPrefFile();
  Window1::Instance()->Show();
}

void save_prefs() {
  XMLPreferences::WritePrefFile();
}

}  // namespace quorvel
