#pragma once

#include <string>

// The temporary home folder that the test main set up for this test program.
namespace TestEnvironment {
void setHome(std::string path);
const std::string& home();
}  // namespace TestEnvironment
