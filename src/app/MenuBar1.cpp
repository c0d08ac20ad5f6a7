#include "app/MenuBar1.h"

#include <memory>

#include "resources/MenuBar1Layout.h"

namespace {

std::unique_ptr<MenuItem> makeItem(MenuBar1Layout::Kind kind) {
  switch (kind) {
    case MenuBar1Layout::Kind::AppleMenuItem:
      return std::make_unique<AppleMenuItem>();
    case MenuBar1Layout::Kind::QuitMenuItem:
      return std::make_unique<QuitMenuItem>();
    default:
      return std::make_unique<MenuItem>();
  }
}

// Builds each row's item and attaches it, the parent menu looked up anew for every item.
template <std::size_t N>
void build(MenuBar& bar, const MenuBar1Layout::MenuRow (&rows)[N]) {
  for (const auto& row : rows) {
    auto item = makeItem(row.Class);
    item->Name = row.Name;
    item->AutoEnabled = true;
    item->SetValue(row.Value);
    item->SetVisible(true);
    if (row.Shortcut) item->SetShortcut(row.Shortcut);
    if (row.Parent) {
      bar.Child(row.Parent)->AddMenu(std::move(item));
    } else {
      bar.AddMenu(std::move(item));
    }
  }
}

}  // namespace

MenuBar1* MenuBar1::Instance() {
  // Kept until the program ends; stored only once it is complete.
  static MenuBar1* instance = [] {
    auto* bar = new MenuBar1;
    bar->Constructor();
    return bar;
  }();
  return instance;
}

MenuBar1::MenuBar1() = default;

void MenuBar1::Constructor() {
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() {
  build(*this, MenuBar1Layout::kFileMenu);
}

void MenuBar1::Untitled1() {
  build(*this, MenuBar1Layout::kEditMenu);
}
