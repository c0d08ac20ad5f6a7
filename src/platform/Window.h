#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <string>

#include "platform/Design.h"

class MenuBar;

// A top-level window. Its central widget is the design area; controls are placed in it at their
// design coordinates, and a menu bar, when installed, sits above it inside the window.
class Window : public QMainWindow {
  Q_OBJECT
 public:
  explicit Window(QWidget* parent = nullptr);
  ~Window() override;

  // Makes the window show itself (and come to the front).
  void Show();
  void Hide();
  std::string Title() const;
  void SetTitle(const std::string& title);

  // Installs bar as this window's menu bar; nullptr removes it.
  void SetMenuBar(MenuBar* bar);
  MenuBar* GetMenuBar() const { return m_menuBar; }

  // Registers handler for the menu item called itemName; it returns true when it handled it.
  void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
  // False when no handler is registered for itemName or the handler declined.
  bool HandleMenuItem(const std::string& itemName);

  // The design area that holds the controls.
  QWidget* Content() const { return m_content; }

  // The control called name, typed to its class; nullptr when there is none of that class.
  template <typename T>
  T* Control(const char* name) const {
    return findChild<T*>(QString::fromLatin1(name));
  }

 protected:
  // Applies the window's design values in one step.
  void ApplyDesign(const WindowDesign& design);
  // Creates the control of row, names it, applies its values and places it; returns it
  // (nullptr only when its parent is not found).
  QWidget* AddControl(const ControlDesign& row);
  // Orders keyboard focus by the tab values of rows, children of a group after the group.
  void ApplyTabOrder(const ControlDesign* rows, std::size_t count);

  // The window's Close event: raised when it is asked to close; the close goes ahead.
  virtual void Event_Close() {}

  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* m_content;
  MenuBar* m_menuBar = nullptr;
  std::map<std::string, std::function<bool()>> m_menuHandlers;
};
