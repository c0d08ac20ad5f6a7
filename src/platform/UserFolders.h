#pragma once

#include <memory>

#include "platform/FolderItem.h"

// The user's well-known folders.
namespace SpecialFolder {
// $XDG_CONFIG_HOME, or ~/.config; nullptr when no home folder is known.
std::shared_ptr<FolderItem> ApplicationData();
// The user's documents folder; nullptr when no home folder is known.
std::shared_ptr<FolderItem> Documents();
}  // namespace SpecialFolder
