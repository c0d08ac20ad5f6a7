#include "platform/Window.h"

#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLayout>
#include <QMenuBar>
#include <algorithm>
#include <vector>

#include "platform/Application.h"
#include "platform/BevelButton.h"
#include "platform/GroupBox.h"
#include "platform/ImageWell.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/ProgressWheel.h"
#include "platform/PushButton.h"
#include "platform/Slider.h"
#include "platform/TextField.h"
#include "platform/UpDownArrows.h"

namespace {

QWidget* makeControl(ControlClass cls) {
  switch (cls) {
    case ControlClass::Label:
      return new Label;
    case ControlClass::PushButton:
      return new PushButton;
    case ControlClass::TextField:
      return new TextField;
    case ControlClass::Slider:
      return new Slider;
    case ControlClass::GroupBox:
      return new GroupBox;
    case ControlClass::UpDownArrows:
      return new UpDownArrows;
    case ControlClass::BevelButton:
      return new BevelButton;
    case ControlClass::ProgressWheel:
      return new ProgressWheel;
    case ControlClass::ImageWell:
      return new ImageWell;
  }
  return new QWidget;
}

Qt::Alignment alignment(int textAlignment, bool multiline) {
  const Qt::Alignment vertical = multiline ? Qt::AlignTop : Qt::AlignVCenter;
  switch (textAlignment) {
    case 2:
      return Qt::AlignHCenter | vertical;
    case 3:
      return Qt::AlignRight | vertical;
    default:
      return Qt::AlignLeft | vertical;
  }
}

// The design sizes were made for a narrower system font: a one-line text that would be cut off
// gets a smaller font instead, down to a readable minimum.
void fitFontToWidth(QLabel* label) {
  QFont font = label->font();
  const int available = label->width() - 2 * label->margin();
  while (QFontMetrics(font).horizontalAdvance(label->text()) > available && font.pointSizeF() > 7.0) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
  }
  label->setFont(font);
}

}  // namespace

Window::Window(QWidget* parent) : QMainWindow(parent), m_content(new QWidget(this)) {
  m_content->setObjectName(QStringLiteral("content"));
  setCentralWidget(m_content);
  // The window follows its content's fixed size and the menu bar above it.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Window::~Window() {
  if (m_menuBar) m_menuBar->Uninstall(this);
}

void Window::Show() {
  show();
  raise();
  activateWindow();
}

void Window::Hide() {
  hide();
}

std::string Window::Title() const {
  return windowTitle().toStdString();
}

void Window::SetTitle(const std::string& title) {
  setWindowTitle(QString::fromStdString(title));
}

void Window::SetMenuBar(MenuBar* bar) {
  if (m_menuBar) m_menuBar->Uninstall(this);
  m_menuBar = bar;
  if (bar) {
    auto* qbar = new QMenuBar(this);
    qbar->setObjectName(QStringLiteral("menubar"));
    bar->InstallIn(this, qbar);
    setMenuBar(qbar);
  } else {
    setMenuBar(nullptr);
  }
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  m_menuHandlers[itemName] = std::move(handler);
}

bool Window::HandleMenuItem(const std::string& itemName) {
  const auto it = m_menuHandlers.find(itemName);
  return it != m_menuHandlers.end() && it->second();
}

void Window::ApplyDesign(const WindowDesign& d) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (d.HasCloseButton) flags |= Qt::WindowCloseButtonHint;
  if (d.HasMinimizeButton) flags |= Qt::WindowMinimizeButtonHint;
  if (d.HasMaximizeButton && d.Resizeable) flags |= Qt::WindowMaximizeButtonHint;
  setWindowFlags(flags);
  setWindowTitle(QString::fromUtf8(d.Title));
  if (d.Resizeable) {
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    m_content->setMinimumSize(d.MinimumWidth, d.MinimumHeight);
    m_content->setMaximumSize(d.MaximumWidth, d.MaximumHeight);
    m_content->resize(d.Width, d.Height);
  } else {
    m_content->setFixedSize(d.Width, d.Height);
  }
  if (d.HasBackgroundColor) {
    QPalette palette = m_content->palette();
    palette.setColor(QPalette::Window, ColorFromStored(d.BackgroundColor));
    m_content->setPalette(palette);
    m_content->setAutoFillBackground(true);
  }
  if (menuWidget()) menuWidget()->setVisible(d.MenuBarVisible);
  layout()->activate();  // a hidden window has its fixed size already
  setVisible(d.Visible);
}

QWidget* Window::AddControl(const ControlDesign& row) {
  QWidget* parent = m_content;
  QPoint origin(0, 0);
  if (row.Parent) {
    parent = m_content->findChild<QWidget*>(QString::fromUtf8(row.Parent));
    if (!parent) return nullptr;
    origin = parent->geometry().topLeft();
  }
  QWidget* control = makeControl(row.Class);
  control->setObjectName(QString::fromUtf8(row.Name));
  control->setParent(parent);
  control->setGeometry(row.Left - origin.x(), row.Top - origin.y(), row.Width, row.Height);

  QFont font = control->font();
  font.setBold(row.Bold);
  font.setUnderline(row.Underline);
  if (row.FontSize > 0) font.setPointSize(row.FontSize);
  control->setFont(font);
  if (row.HasTextColor || row.HasBackgroundColor) {
    QPalette palette = control->palette();
    if (row.HasTextColor) {
      const QColor color = ColorFromStored(row.TextColor);
      palette.setColor(QPalette::WindowText, color);
      palette.setColor(QPalette::Text, color);
      palette.setColor(QPalette::ButtonText, color);
    }
    // Set together with a fixed text colour, it keeps the text readable under a dark theme.
    if (row.HasBackgroundColor) palette.setColor(QPalette::Base, ColorFromStored(row.BackgroundColor));
    control->setPalette(palette);
  }
  if (!row.AllowFocus) control->setFocusPolicy(Qt::NoFocus);

  const QString text = QString::fromUtf8(row.Text);
  if (auto* label = qobject_cast<QLabel*>(control)) {
    if (!qobject_cast<ImageWell*>(control)) {
      label->setText(text);
      label->setWordWrap(row.Multiline);
      label->setAlignment(alignment(row.TextAlignment, row.Multiline));
      label->setTextInteractionFlags(Qt::NoTextInteraction);
      label->setTextFormat(Qt::PlainText);
      if (!row.Multiline) fitFontToWidth(label);
    }
  } else if (auto* button = qobject_cast<QPushButton*>(control)) {
    button->setText(text);
  } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
    field->setText(text);
    field->setAlignment(alignment(row.TextAlignment, false));
  } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
    group->setTitle(text);
  } else if (auto* slider = qobject_cast<Slider*>(control)) {
    slider->SetMinimum(row.MinimumValue);
    slider->SetMaximum(row.MaximumValue);
    slider->SetValue(row.Value);
    slider->SetLineStep(row.LineStep);
    slider->SetPageStep(row.PageStep);
    slider->SetLiveScrolling(row.AllowLiveScrolling);
  }
  control->setEnabled(row.Enabled);
  control->setVisible(row.Visible);
  return control;
}

void Window::ApplyTabOrder(const ControlDesign* rows, std::size_t count) {
  std::vector<const ControlDesign*> sorted;
  for (std::size_t i = 0; i < count; ++i) sorted.push_back(&rows[i]);
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const ControlDesign* a, const ControlDesign* b) { return a->TabIndex < b->TabIndex; });
  // Depth first: a parent's children follow it in their own tab order.
  std::vector<QWidget*> chain;
  std::function<void(const char*)> visit = [&](const char* parentName) {
    for (const ControlDesign* row : sorted) {
      const bool sameParent = (row->Parent == nullptr && parentName == nullptr) ||
                              (row->Parent && parentName && std::string_view(row->Parent) == parentName);
      if (!sameParent) continue;
      if (auto* widget = m_content->findChild<QWidget*>(QString::fromUtf8(row->Name)))
        chain.push_back(widget);
      visit(row->Name);
    }
  };
  visit(nullptr);
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void Window::showEvent(QShowEvent* event) {
  // A window without a menu bar of its own answers the application's key equivalents, as it
  // would with the application's menu bar in front: Quit works from every window.
  if (!m_menuBar) {
    if (const Application* app = Application::Current(); app && app->GetMenuBar())
      app->GetMenuBar()->AddShortcutsTo(this);
  }
  QMainWindow::showEvent(event);
}

void Window::closeEvent(QCloseEvent* event) {
  Event_Close();
  event->accept();
}
