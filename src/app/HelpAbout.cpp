#include "app/HelpAbout.h"

#include <QPixmap>
#include <QPointer>

#include "app/SupportAddress.h"
#include "platform/Application.h"
#include "platform/ShowURL.h"
#include "resources/HelpAboutLayout.h"
#include "settings/AppName.h"

namespace {

QPointer<HelpAbout> g_instance;
int g_iconLoads = 0;

// The icon is read once per process; only a read that gave an image is kept.
const QPixmap& applicationIcon() {
  static QPixmap icon;
  if (icon.isNull()) {
    ++g_iconLoads;
    icon = QPixmap(QString::fromLatin1(HelpAboutLayout::kIconResource));
  }
  return icon;
}

}  // namespace

HelpAbout* HelpAbout::Instance() {
  if (!g_instance) g_instance = new HelpAbout;
  return g_instance;
}

int HelpAbout::IconLoads() {
  return g_iconLoads;
}

HelpAbout::HelpAbout() {
  setObjectName(QStringLiteral("HelpAbout"));
  setAttribute(Qt::WA_DeleteOnClose);  // the close box discards the window
  Layout();
  CreateControls();
  // The window's Open comes before the label's, so the title line shows name and version.
  Event_Open();
  app_title_Open(app_title());
}

void HelpAbout::Layout() {
  ApplyDesign(HelpAboutLayout::kWindow);
}

void HelpAbout::CreateControls() {
  _CreateControls0();
}

void HelpAbout::_CreateControls0() {
  for (const ControlDesign& row : HelpAboutLayout::kControls) {
    QWidget* made = AddControl(row);
    const std::string name = row.Name;
    if (name == "ImageWell1") {
      static_cast<ImageWell*>(made)->SetImage(applicationIcon());
    } else if (name == "StaticText8") {
      made->setCursor(Qt::PointingHandCursor);
      connect(StaticText8(), &Label::MouseDown, this,
              [this](int x, int y) { StaticText8_MouseDown(StaticText8(), x, y); });
    } else if (name == "BevelButton1") {
      connect(BevelButton1(), &QPushButton::clicked, this, [this] { BevelButton1_Action(); });
    }
  }
  ApplyTabOrder(HelpAboutLayout::kControls, std::size(HelpAboutLayout::kControls));
}

void HelpAbout::app_title_Open(Label* label) {
  const Application* app = Application::Current();
  const std::string version = app ? app->ShortVersion : std::string();
  label->setText(label->text() + QLatin1Char(' ') + QString::fromStdString(version));
}

bool HelpAbout::StaticText8_MouseDown(Label*, int, int) {
  ShowURL(std::string("mailto:") + kSupportAddress);
  return false;
}

void HelpAbout::BevelButton1_Action() {
  Instance()->Hide();
}

void HelpAbout::Event_Open() {
  app_title()->setText(QString::fromStdString(quorvel::appname));
  SetTitle("About " + quorvel::appname + "...");
}

ImageWell* HelpAbout::ImageWell1() {
  return Control<ImageWell>("ImageWell1");
}
Label* HelpAbout::app_title() {
  return Control<Label>("app_title");
}
Label* HelpAbout::StaticText2() {
  return Control<Label>("StaticText2");
}
Label* HelpAbout::StaticText6() {
  return Control<Label>("StaticText6");
}
Label* HelpAbout::StaticText7() {
  return Control<Label>("StaticText7");
}
Label* HelpAbout::StaticText8() {
  return Control<Label>("StaticText8");
}
Label* HelpAbout::StaticText11() {
  return Control<Label>("StaticText11");
}
BevelButton* HelpAbout::BevelButton1() {
  return Control<BevelButton>("BevelButton1");
}
