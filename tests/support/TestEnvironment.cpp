#include "support/TestEnvironment.h"

namespace {
std::string g_home;
}

void TestEnvironment::setHome(std::string path) { g_home = std::move(path); }
const std::string& TestEnvironment::home() { return g_home; }
