#pragma once

#include <functional>
#include <string>

// Shows text in a modal message box and returns when it has been dismissed.
void MsgBox(const std::string& text);

// Where message boxes go. The program installs a modal Qt box at start; tests install a
// recorder. Until something is installed the text is written to standard error.
namespace MsgBoxSeam {
using Presenter = std::function<void(const std::string& text)>;
// An empty presenter restores the default.
void SetPresenter(Presenter presenter);
}  // namespace MsgBoxSeam
