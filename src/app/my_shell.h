#pragma once

#include "platform/Shell.h"

// The main window's runner for the split and the rename.
class my_shell : public Shell {};
