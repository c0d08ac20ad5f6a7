// The titles the window manager receives: on a real X server, each window's _NET_WM_NAME must
// be the designed title alone, with nothing appended by Qt.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include "app/HelpAbout.h"
#include "app/Startup.h"
#include "app/Window1.h"
#include "settings/AppName.h"

namespace {

// The window's title as other X clients read it.
std::string NetWmName(const QWidget* window) {
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"),
              {QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("_NET_WM_NAME")});
  if (!xprop.waitForFinished(10000)) return "(xprop did not answer)";
  return xprop.readAllStandardOutput().trimmed().toStdString();
}

TEST(WindowTitles, TheWindowManagerGetsTheDesignedTitlesAlone) {
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
  Startup::_EarlyStartup();
  quorvel::appname = "Shardwick SE";
  Window1* main = Window1::Instance();
  main->Show();
  main->BevelButton2()->click();
  const struct {
    QWidget* window;
    std::string title;
  } windows[] = {{main, "Shardwick SE 2020"}, {HelpAbout::Instance(), "About Shardwick SE..."}};
  for (const auto& w : windows) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.window)) << w.title;
    EXPECT_EQ(NetWmName(w.window), "_NET_WM_NAME(UTF8_STRING) = \"" + w.title + "\"");
  }
  delete HelpAbout::Instance();
  delete main;
}

}  // namespace
