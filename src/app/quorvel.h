#pragma once

#include <string>

#include "settings/AppName.h"

// The vendor module: display name, preferences, the main window at open.
namespace quorvel {
// Stores displayName in appname, loads the settings, then shows the main window; an error the
// settings store does not handle leaves before the window is shown.
void init(const std::string& displayName);
// Has the settings file written; the store reports its own failures.
void save_prefs();
}  // namespace quorvel
