#include "app/Window1.h"

#include <QPointer>

#include "app/HelpAbout.h"
#include "app/MenuBar1.h"
#include "app/quorvel.h"
#include "platform/Application.h"
#include "resources/Window1Layout.h"

namespace {
QPointer<Window1> g_instance;
}

Window1* Window1::Instance() {
  if (!g_instance) g_instance = new Window1;
  return g_instance;
}

Window1::Window1() {
  setObjectName(QStringLiteral("Window1"));
  Layout();
  CreateControls();
  AddMenuHandlers();
  Event_Open();
}

Window1::~Window1() = default;

void Window1::Layout() {
  SetMenuBar(MenuBar1::Instance());  // before the window's own values
  ApplyDesign(Window1Layout::kWindow);
}

void Window1::CreateControls() {
  _CreateControls0();
}

void Window1::_CreateControls0() {
  for (const ControlDesign& row : Window1Layout::kControls) {
    AddControl(row);
    AttachHandlers(row.Name);
  }
  ApplyTabOrder(Window1Layout::kControls, std::size(Window1Layout::kControls));
}

void Window1::AttachHandlers(const std::string& name) {
  if (name == "PushButton1") {
    connect(PushButton1(), &QPushButton::clicked, this, [this] { PushButton1_Action(); });
  } else if (name == "PushButton3") {
    connect(PushButton3(), &QPushButton::clicked, this, [this] { PushButton3_Action(); });
  } else if (name == "lines_field") {
    connect(lines_field(), &TextField::LostFocus, this, [this] { lines_field_LostFocus(); });
    connect(lines_field(), &QLineEdit::textChanged, this, [this] { lines_field_TextChange(); });
  } else if (name == "UpDownArrows1") {
    connect(UpDownArrows1(), &UpDownArrows::Down, this, [this] { UpDownArrows1_Down(); });
    connect(UpDownArrows1(), &UpDownArrows::Up, this, [this] { UpDownArrows1_Up(); });
  } else if (name == "lines_slider") {
    connect(lines_slider(), &Slider::ValueChanged, this, [this] { lines_slider_ValueChanged(); });
  } else if (name == "BevelButton2") {
    connect(BevelButton2(), &QPushButton::clicked, this, [this] { BevelButton2_Action(); });
  } else if (name == "ChooseOutputBtn") {
    connect(ChooseOutputBtn(), &QPushButton::clicked, this, [this] { ChooseOutputBtn_Action(); });
  }
}

void Window1::AddMenuHandlers() {
  AddMenuHandler("About", [this] { return _About_Action(); });
}

void Window1::Event_Open() {
  splitprwheel()->setVisible(false);
  mshell = std::make_unique<my_shell>();
}

void Window1::Event_Close() {
  quorvel::save_prefs();
  if (Application* app = Application::Current()) app->Quit();
}

void Window1::BevelButton2_Action() {
  HelpAbout::Instance()->Show();
}

bool Window1::_About_Action() {
  HelpAbout::Instance()->Show();
  return true;
}

Label* Window1::StaticText1() {
  return Control<Label>("StaticText1");
}
Label* Window1::StaticText2() {
  return Control<Label>("StaticText2");
}
PushButton* Window1::PushButton1() {
  return Control<PushButton>("PushButton1");
}
Label* Window1::StaticText5() {
  return Control<Label>("StaticText5");
}
PushButton* Window1::PushButton3() {
  return Control<PushButton>("PushButton3");
}
Label* Window1::step1text() {
  return Control<Label>("step1text");
}
Label* Window1::steptext1() {
  return Control<Label>("steptext1");
}
Label* Window1::result_text() {
  return Control<Label>("result_text");
}
Label* Window1::StaticText51() {
  return Control<Label>("StaticText51");
}
GroupBox* Window1::GroupBox1() {
  return Control<GroupBox>("GroupBox1");
}
TextField* Window1::lines_field() {
  return Control<TextField>("lines_field");
}
UpDownArrows* Window1::UpDownArrows1() {
  return Control<UpDownArrows>("UpDownArrows1");
}
Slider* Window1::lines_slider() {
  return Control<Slider>("lines_slider");
}
Label* Window1::analysis() {
  return Control<Label>("analysis");
}
Label* Window1::StaticText21() {
  return Control<Label>("StaticText21");
}
BevelButton* Window1::BevelButton2() {
  return Control<BevelButton>("BevelButton2");
}
ProgressWheel* Window1::splitprwheel() {
  return Control<ProgressWheel>("splitprwheel");
}
Label* Window1::Label1() {
  return Control<Label>("Label1");
}
PushButton* Window1::ChooseOutputBtn() {
  return Control<PushButton>("ChooseOutputBtn");
}

MenuItem* Window1::EditMenu() {
  return MenuBar1::Instance()->Find("EditMenu");
}
MenuItem* Window1::EditSelectAll() {
  return MenuBar1::Instance()->Find("EditSelectAll");
}
MenuItem* Window1::UntitledMenu0() {
  return MenuBar1::Instance()->Find("UntitledMenu0");
}
MenuItem* Window1::EditClear() {
  return MenuBar1::Instance()->Find("EditClear");
}
MenuItem* Window1::EditPaste() {
  return MenuBar1::Instance()->Find("EditPaste");
}
MenuItem* Window1::EditCopy() {
  return MenuBar1::Instance()->Find("EditCopy");
}
MenuItem* Window1::EditCut() {
  return MenuBar1::Instance()->Find("EditCut");
}
MenuItem* Window1::UntitledMenu1() {
  return MenuBar1::Instance()->Find("UntitledMenu1");
}
MenuItem* Window1::EditUndo() {
  return MenuBar1::Instance()->Find("EditUndo");
}
MenuItem* Window1::FileMenu() {
  return MenuBar1::Instance()->Find("FileMenu");
}
MenuItem* Window1::FileQuit() {
  return MenuBar1::Instance()->Find("FileQuit");
}
MenuItem* Window1::About() {
  return MenuBar1::Instance()->Find("About");
}
