// Start-up and shut-down: the settings folder, the hidden-then-shown main window, the hidden File
// menu that still leaves Quit and About reachable, and the settings written at close.
#include "app/Startup.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/App.h"
#include "app/HelpAbout.h"
#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "platform/MsgBox.h"
#include "settings/AppName.h"
#include "support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace {

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    delete Window1::Instance();
    if (HelpAbout* about = HelpAbout::Instance()) delete about;
    quorvel::appname.clear();
    fs::remove_all(settingsFolder());
    MsgBoxSeam::SetPresenter([this](const std::string& text) {
      boxes.push_back(text);
      windowVisibleAtBox.push_back(Window1::Instance()->isVisible());
    });
  }
  void TearDown() override { MsgBoxSeam::SetPresenter({}); }

  static fs::path configHome() { return fs::path(TestEnvironment::home()) / ".config"; }
  static fs::path settingsFolder() { return configHome() / "Shardwick SE"; }

  // Everything before the event loop: early start-up, late start-up, the application's Open.
  static void Start() {
    ::Startup::_EarlyStartup();
    ::Startup::_LateStartup();
    App::Instance()->Event_Open();
  }

  std::vector<std::string> boxes;
  std::vector<bool> windowVisibleAtBox;
};

TEST_F(Startup, FirstStartCreatesTheSettingsFolderAndShowsTheWindowWithoutAMessage) {
  ::Startup::_EarlyStartup();
  ASSERT_NE(App::Instance(), nullptr);
  EXPECT_EQ(App::Instance()->ShortVersion, "1.15");
  EXPECT_EQ(App::Instance()->GetMenuBar(), MenuBar1::Instance());
  ::Startup::_LateStartup();
  EXPECT_FALSE(Window1::Instance()->isVisible());  // made hidden
  App::Instance()->Event_Open();
  EXPECT_EQ(quorvel::appname, "Shardwick SE");
  EXPECT_TRUE(fs::is_directory(settingsFolder()));
  EXPECT_TRUE(Window1::Instance()->isVisible());
  EXPECT_TRUE(boxes.empty()) << boxes.front();
  EXPECT_FALSE(MenuBar1::Instance()->Child("FileMenu")->Visible());
  EXPECT_TRUE(MenuBar1::Instance()->Child("EditMenu")->Visible());
}

TEST_F(Startup, BrokenSettingsAreReportedBeforeTheWindowIsShownWhichOpensAllTheSame) {
  fs::create_directories(settingsFolder());
  std::ofstream(settingsFolder() / "settings.xml") << "<xmldict version=";
  Start();
  ASSERT_FALSE(boxes.empty());
  EXPECT_FALSE(windowVisibleAtBox.front());
  EXPECT_TRUE(Window1::Instance()->isVisible());
}

TEST_F(Startup, ClosingTheMainWindowWritesTheSettingsAndQuits) {
  Start();
  const fs::path file = settingsFolder() / "settings.xml";
  fs::remove(file);
  EXPECT_TRUE(Window1::Instance()->close());
  EXPECT_TRUE(fs::exists(file));
  EXPECT_TRUE(App::Instance()->QuitRequested());
  fs::remove(file);
  App::Instance()->Event_Close();  // the application's Close writes once more
  EXPECT_TRUE(fs::exists(file));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Startup, QuitShortcutAndAboutButtonStayReachableWithTheFileMenuHidden) {
  // Ctrl+Q quits from every window, the about window too, which has no menu bar of its own.
  for (const bool fromAbout : {false, true}) {
    SCOPED_TRACE(fromAbout ? "about window" : "main window");
    Start();
    Window1* window = Window1::Instance();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->BevelButton2()->click();
    HelpAbout* about = HelpAbout::Instance();
    EXPECT_TRUE(about->isVisible());
    Window* front = window;
    if (fromAbout) {
      front = about;
    } else {
      about->Hide();
    }
    front->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(front));
    EXPECT_FALSE(App::Instance()->QuitRequested());
    QTest::keyClick(front, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(App::Instance()->QuitRequested());
  }
}

}  // namespace
