#pragma once

#include <string>

// The vendor module's display name: empty at process start, set once when the application
// opens. The settings store names its folder after it; the about window shows it.
namespace quorvel {
inline std::string appname;
}  // namespace quorvel
