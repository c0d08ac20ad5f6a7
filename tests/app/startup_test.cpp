// Start-up and shut-down: the settings folder, the hidden-then-shown main window, the hidden File
// menu that still leaves Quit and About reachable, the settings written at close, and the real
// program ending in order on a termination signal, or with one line when it cannot show windows.
#include "app/Startup.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/App.h"
#include "app/HelpAbout.h"
#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "platform/Dictionary.h"
#include "platform/MsgBox.h"
#include "settings/AppName.h"
#include "settings/XMLDictionary.h"
#include "support/Processes.h"
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

std::string contentOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Whether the process pid has signalNumber in the set its /proc status calls field ("SigIgn":
// ignored, "SigCgt": caught).
bool inSignalSet(qint64 pid, const std::string& field, int signalNumber) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field + ":", 0) == 0)
      return (std::stoull(line.substr(field.size() + 1), nullptr, 16) >> (signalNumber - 1)) & 1;
  }
  return false;
}

// Sends signalNumber to pid without pause until it has ended (a zombie or gone), for at most 5 s.
void SendUntilEnded(qint64 pid, int signalNumber) {
  const QDeadlineTimer deadline(5000);
  for (int sent = 1; !deadline.hasExpired(); ++sent) {
    ::kill(pid_t(pid), signalNumber);
    if (sent % 100 == 0 && processEnded(pid)) return;
  }
}

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

TEST_F(Startup, TheProgramEndsInOrderOnATerminationSignalWhateverItIsDoing) {
  const std::string damaged = "<xmldict version=";
  const std::string valid = XMLDictionary::ExportXMLString(std::make_shared<Dictionary>(), false);
  const struct {
    const char* name;
    const char* prelude;  // run by /bin/sh before the program, as a login shell might
    std::string settings;
    std::vector<int> signalsSent;  // once the program is up
    bool untilEnded;               // the last one is sent again and again until the program ends
    const char* errorText;         // expected on standard error; nullptr: no box's text there
    int ignoredAtStart;            // a signal the program must leave ignored; 0 for none
    bool keepsBackup;              // the file found is kept as settings.xml.bak
  } rows[] = {
      // clang-format off
      {"parse-error box", "",              damaged, {SIGTERM},         false, "Parsing the Preference File", 0,      true},
      {"file-size limit", "ulimit -f 0; ", valid,   {SIGTERM},         false, "Creating Preferences File",   0,      false},
      {"nohup",           "trap '' HUP; ", valid,   {SIGHUP, SIGTERM}, false, nullptr,                       SIGHUP, false},
      {"signal burst",    "",              valid,   {SIGTERM},         true,  nullptr,                       0,      false},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(settingsFolder());
    fs::create_directories(settingsFolder());
    std::ofstream(settingsFolder() / "settings.xml") << row.settings;

    QProcess program;  // its destructor kills a program still running
    program.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString(row.prelude) + "exec \"$0\"",
                                              QStringLiteral(SHARDWICK_PROGRAM)});
    ASSERT_TRUE(program.waitForStarted(10000));
    const qint64 pid = program.processId();
    ASSERT_TRUE(QTest::qWaitFor([&] { return inSignalSet(pid, "SigCgt", SIGTERM); }, 10000));
    if (row.ignoredAtStart) {
      EXPECT_TRUE(inSignalSet(pid, "SigIgn", row.ignoredAtStart));
    }
    QTest::qWait(1000);  // time to get to its box; the outcome is the same either way
    for (std::size_t i = 0; i < row.signalsSent.size(); ++i) {
      if (i > 0) {  // all but the last signal leave the program running
        QTest::qWait(300);
        EXPECT_EQ(program.state(), QProcess::Running) << "ended by signal " << row.signalsSent[i - 1];
      }
      ::kill(pid_t(pid), row.signalsSent[i]);
    }
    if (row.untilEnded) SendUntilEnded(pid, row.signalsSent.back());

    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const QByteArray error = program.readAllStandardError();
    if (row.errorText) {
      EXPECT_TRUE(error.contains(row.errorText)) << error.toStdString();
    } else {
      EXPECT_FALSE(error.contains("Preference")) << error.toStdString();  // every settings box says it
    }
    EXPECT_EQ(contentOf(settingsFolder() / "settings.xml"), valid);  // written anew, or left as it was
    EXPECT_EQ(fs::exists(settingsFolder() / "settings.xml.bak"), row.keepsBackup);
    if (row.keepsBackup) {
      EXPECT_EQ(contentOf(settingsFolder() / "settings.xml.bak"), row.settings);
    }
    for (const auto& entry : fs::directory_iterator(settingsFolder())) {
      EXPECT_EQ(entry.path().filename().string().find("settings.xml.tmp"), std::string::npos);
    }
  }
}

TEST(Program, AStartThatCannotShowWindowsEndsWithOneLineNamingTheCauseAndStatusOne) {
  const struct {
    const char* what;
    const char* platform;
    const char* display;  // nullptr: none
    const char* lineStart;
    const char* named;  // must be in the line
  } rows[] = {
      {"no display", "xcb", nullptr, "shardwick: no display found", "graphical session"},
      {"unknown platform plugin", "no-such-platform", ":0",
       "shardwick: the graphical session could not start: ", "no-such-platform"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (row.display) environment.insert(QStringLiteral("DISPLAY"), row.display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), row.platform);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SHARDWICK_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
    EXPECT_TRUE(error.startsWith(row.lineStart)) << error.toStdString();
    EXPECT_TRUE(error.contains(row.named)) << error.toStdString();
  }
}

}  // namespace
