#include "platform/Menu.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "platform/Application.h"
#include "platform/Window.h"

namespace {

// "Cmd+Q" names the platform's primary modifier, which is Ctrl here.
QKeySequence keySequence(const std::string& shortcut) {
  QString text = QString::fromStdString(shortcut);
  if (text.startsWith(QLatin1String("Cmd+"), Qt::CaseInsensitive))
    text = QLatin1String("Ctrl+") + text.mid(4);
  return QKeySequence::fromString(text, QKeySequence::PortableText);
}

enum class EditAction { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

EditAction editActionOf(const std::string& name) {
  static const struct {
    const char* name;
    EditAction action;
  } kEditItems[] = {{"EditUndo", EditAction::Undo},   {"EditCut", EditAction::Cut},
                    {"EditCopy", EditAction::Copy},   {"EditPaste", EditAction::Paste},
                    {"EditClear", EditAction::Clear}, {"EditSelectAll", EditAction::SelectAll}};
  for (const auto& item : kEditItems) {
    if (name == item.name) return item.action;
  }
  return EditAction::None;
}

QLineEdit* focusedField() {
  return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

}  // namespace

MenuItem::MenuItem() : m_action(new QAction) {
  QObject::connect(m_action, &QAction::triggered, m_action, [this] { chosen(); });
}

MenuItem::~MenuItem() {
  m_children.clear();
  delete m_action;
}

void MenuItem::SetValue(const std::string& text) {
  m_value = text;
  const bool separator = text == "-";
  m_action->setSeparator(separator);
  // A separator's "-" only marks it as one; as its text the style would draw it beside the line.
  m_action->setText(separator ? QString() : QString::fromStdString(text));
  if (m_menu) m_menu->setTitle(QString::fromStdString(text));
}

void MenuItem::SetVisible(bool visible) {
  m_visible = visible;
  m_action->setVisible(visible);
  if (m_menu) m_menu->menuAction()->setVisible(visible);
}

void MenuItem::SetShortcut(const std::string& shortcut) {
  m_shortcut = shortcut;
  m_shortcutSet = true;
  m_action->setShortcut(keySequence(shortcut));
}

void MenuItem::AddMenu(std::unique_ptr<MenuItem> item) {
  if (!m_menu && dynamic_cast<MenuBar*>(this) == nullptr) {
    // This item becomes a menu: its drop-down takes over its text and visibility.
    m_menu = std::make_unique<QMenu>(QString::fromStdString(m_value));
    m_menu->menuAction()->setVisible(m_visible);
    m_menu->setObjectName(QString::fromStdString(Name));
    QObject::connect(m_menu.get(), &QMenu::aboutToShow, m_menu.get(), [this] { UpdateEnabled(); });
  }
  item->m_parent = this;
  if (m_menu) m_menu->addAction(item->m_action);
  m_children.push_back(std::move(item));
}

MenuItem* MenuItem::Child(const std::string& name) const {
  for (const auto& child : m_children) {
    if (child->Name == name) return child.get();
  }
  return nullptr;
}

MenuItem* MenuItem::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return m_children[std::size_t(index)].get();
}

MenuItem* MenuItem::Find(const std::string& name) {
  if (Name == name) return this;
  for (const auto& child : m_children) {
    if (MenuItem* found = child->Find(name)) return found;
  }
  return nullptr;
}

void MenuItem::chosen() {
  MenuItem* root = this;
  while (root->m_parent) root = root->m_parent;
  if (auto* bar = dynamic_cast<MenuBar*>(root)) {
    bar->Dispatch(*this);
  } else {
    Activated();
  }
}

void MenuItem::Activated() {
  QLineEdit* field = focusedField();
  if (!field) return;
  switch (editActionOf(Name)) {
    case EditAction::Undo:
      field->undo();
      break;
    case EditAction::Cut:
      field->cut();
      break;
    case EditAction::Copy:
      field->copy();
      break;
    case EditAction::Paste:
      field->paste();
      break;
    case EditAction::Clear:
      field->del();
      break;
    case EditAction::SelectAll:
      field->selectAll();
      break;
    case EditAction::None:
      break;
  }
}

void MenuItem::UpdateEnabled() {
  for (const auto& child : m_children) child->UpdateEnabled();
  const EditAction action = editActionOf(Name);
  if (!AutoEnabled || action == EditAction::None) return;
  const QLineEdit* field = focusedField();
  bool enabled = field && field->isEnabled();
  if (enabled) {
    const bool editable = !field->isReadOnly();
    const bool selected = field->hasSelectedText();
    switch (action) {
      case EditAction::Undo:
        enabled = editable && field->isUndoAvailable();
        break;
      case EditAction::Cut:
      case EditAction::Clear:
        enabled = editable && selected;
        break;
      case EditAction::Copy:
        enabled = selected && field->echoMode() == QLineEdit::Normal;
        break;
      case EditAction::Paste:
        enabled = editable;
        break;
      case EditAction::SelectAll:
        enabled = !field->text().isEmpty();
        break;
      case EditAction::None:
        break;
    }
  }
  m_action->setEnabled(enabled);
}

void QuitMenuItem::Activated() {
  if (Application* app = Application::Current()) {
    app->Quit();
  } else {
    QApplication::closeAllWindows();
    QCoreApplication::quit();
  }
}

void MenuBar::InstallIn(Window* window, QMenuBar* qbar) {
  for (int i = 0; i < Count(); ++i) {
    MenuItem* top = Item(i);
    if (top->Menu()) {
      qbar->addMenu(top->Menu());
    } else {
      qbar->addAction(top->Action());
    }
  }
  // Shortcuts of items stay live in the window while their menu is hidden.
  AddShortcutsTo(window);
  if (std::find(m_windows.begin(), m_windows.end(), window) == m_windows.end()) m_windows.push_back(window);
}

void MenuBar::AddShortcutsTo(QWidget* window) {
  for (int i = 0; i < Count(); ++i) {
    MenuItem* top = Item(i);
    for (int j = 0; j < top->Count(); ++j) {
      QAction* action = top->Item(j)->Action();
      if (!action->isSeparator()) window->addAction(action);
    }
  }
}

void MenuBar::Uninstall(Window* window) {
  std::erase(m_windows, window);
}

void MenuBar::Dispatch(MenuItem& item) {
  std::vector<Window*> order;
  if (auto* active = qobject_cast<Window*>(QApplication::activeWindow())) {
    if (std::find(m_windows.begin(), m_windows.end(), active) != m_windows.end()) order.push_back(active);
  }
  for (Window* window : m_windows) {
    if (std::find(order.begin(), order.end(), window) == order.end()) order.push_back(window);
  }
  for (Window* window : order) {
    if (window->HandleMenuItem(item.Name)) return;
  }
  item.Activated();
}
