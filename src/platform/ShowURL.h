#pragma once

#include <string>
#include <vector>

// Hands url to the system to open; the outcome is not reported.
void ShowURL(const std::string& url);

// Lets tests keep URLs from reaching the system and read them.
namespace ShowURLSeam {
// While on, ShowURL only records the URL.
void intercept(bool on);
// The URLs recorded since the last clear().
std::vector<std::string> urls();
void clear();
}  // namespace ShowURLSeam
