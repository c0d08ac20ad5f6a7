#pragma once

#include <string>

// text as one POSIX-shell word in single quotes, in which every character is literal; each
// single quote inside is written as '\''. Never fails; any bytes are accepted.
std::string ShellWord(const std::string& text);
