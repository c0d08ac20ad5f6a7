#pragma once

#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class Window;

// One menu or menu item. A menu is an item with children; "-" as its text makes a separator.
// "&" marks the mnemonic letter; a shortcut "Cmd+X" works as Ctrl+X on this platform.
class MenuItem {
 public:
  MenuItem();
  virtual ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  std::string Name;
  bool AutoEnabled = true;

  const std::string& Value() const { return m_value; }
  void SetValue(const std::string& text);
  bool Visible() const { return m_visible; }
  void SetVisible(bool visible);
  const std::string& Shortcut() const { return m_shortcut; }
  // An empty text or one the platform cannot read gives no key equivalent.
  void SetShortcut(const std::string& shortcut);
  // True when SetShortcut was ever called.
  bool ShortcutSet() const { return m_shortcutSet; }

  // Appends item as the last child; the menu owns it.
  void AddMenu(std::unique_ptr<MenuItem> item);
  // The child called name; nullptr when there is none.
  MenuItem* Child(const std::string& name) const;
  // The child at index; nullptr when out of range.
  MenuItem* Item(int index) const;
  int Count() const { return int(m_children.size()); }
  // Searches the whole tree below this item; nullptr when absent.
  MenuItem* Find(const std::string& name);

  // The item's action: as menu entry, as shortcut. Its text is the item's text.
  QAction* Action() const { return m_action; }
  // The drop-down of a menu; nullptr for an item without children.
  QMenu* Menu() const { return m_menu.get(); }

  // What the item does when chosen and no window handles it. The standard edit items (named
  // EditUndo, EditCut, EditCopy, EditPaste, EditClear, EditSelectAll) act on the focused text
  // field; any other plain item does nothing.
  virtual void Activated();
  // Enables an AutoEnabled standard edit item only while it can act; other items stay enabled.
  void UpdateEnabled();

 protected:
  friend class MenuBar;
  MenuItem* m_parent = nullptr;

 private:
  void chosen();

  std::string m_value;
  bool m_visible = true;
  std::string m_shortcut;
  bool m_shortcutSet = false;
  QAction* m_action;
  std::unique_ptr<QMenu> m_menu;
  std::vector<std::unique_ptr<MenuItem>> m_children;
};

// The About item of the application menu.
class AppleMenuItem : public MenuItem {};

// Quits the application when chosen and no window handles it.
class QuitMenuItem : public MenuItem {
 public:
  void Activated() override;
};

// The root of a menu tree; its children are the top-level menus. One bar may be installed in
// the application and in several windows at once.
class MenuBar : public MenuItem {
 public:
  // Fills qbar with this bar's top-level menus and adds the item actions to window, so their
  // shortcuts work even while a menu is hidden.
  void InstallIn(Window* window, QMenuBar* qbar);
  // Adds the item actions to a window that shows no menu bar of its own, so the bar's key
  // equivalents (Quit among them) work there too; a choice made there goes to the bar's windows.
  void AddShortcutsTo(QWidget* window);
  void Uninstall(Window* window);
  // Offers the choice of item to the windows (the active one first); then to the item itself.
  void Dispatch(MenuItem& item);

 private:
  std::vector<Window*> m_windows;
};
