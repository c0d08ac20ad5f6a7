#pragma once

// The menu tree of the menu bar, in display order. Kind says which item class to make; a null
// Shortcut leaves the shortcut unset, "" sets it empty.
namespace MenuBar1Layout {

enum class Kind { Menu, Item, AppleMenuItem, QuitMenuItem };

struct MenuRow {
  const char* Name;
  Kind Class;
  const char* Parent;  // nullptr: a top-level menu of the bar
  const char* Value;
  const char* Shortcut;
};

// clang-format off
inline constexpr MenuRow kFileMenu[] = {
    {"FileMenu", Kind::Menu, nullptr, "&File", ""},
    {"About", Kind::AppleMenuItem, "FileMenu", "About Shardwick...", ""},
    {"FileQuit", Kind::QuitMenuItem, "FileMenu", "&Quit", "Cmd+Q"},
};

inline constexpr MenuRow kEditMenu[] = {
    {"EditMenu", Kind::Menu, nullptr, "&Edit", ""},
    {"EditUndo", Kind::Item, "EditMenu", "&Undo", "Cmd+Z"},
    {"UntitledMenu1", Kind::Item, "EditMenu", "-", nullptr},
    {"EditCut", Kind::Item, "EditMenu", "Cu&t", "Cmd+X"},
    {"EditCopy", Kind::Item, "EditMenu", "&Copy", "Cmd+C"},
    {"EditPaste", Kind::Item, "EditMenu", "&Paste", "Cmd+V"},
    {"EditClear", Kind::Item, "EditMenu", "&Delete", ""},
    {"UntitledMenu0", Kind::Item, "EditMenu", "-", nullptr},
    {"EditSelectAll", Kind::Item, "EditMenu", "Select &All", "Cmd+A"},
};
// clang-format on

}  // namespace MenuBar1Layout
