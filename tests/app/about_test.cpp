// The about window's life cycle and texts.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include "app/App.h"
#include "app/HelpAbout.h"
#include "app/Startup.h"
#include "app/Window1.h"
#include "platform/ShowURL.h"
#include "settings/AppName.h"

namespace {

class About : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Startup::_EarlyStartup();  // the application object with its version
    quorvel::appname = "Shardwick SE";
  }
  void SetUp() override { ShowURLSeam::intercept(true); }
  void TearDown() override {
    ShowURLSeam::intercept(false);
    ShowURLSeam::clear();
  }
  // Lets a window closed by its close box be discarded.
  static void discardClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(About, OkayHidesAndTheSameWindowComesBackWhileCloseDiscardsIt) {
  Window1* main = Window1::Instance();
  main->BevelButton2()->click();
  HelpAbout* first = HelpAbout::Instance();
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->Title(), "About Shardwick SE...");
  EXPECT_EQ(first->app_title()->text(), "Shardwick SE 1.15");

  main->BevelButton2()->click();  // while shown: still one window, texts computed once
  EXPECT_EQ(HelpAbout::Instance(), first);
  EXPECT_EQ(first->app_title()->text(), "Shardwick SE 1.15");

  first->BevelButton1()->click();
  EXPECT_FALSE(first->isVisible());
  EXPECT_TRUE(main->_About_Action());
  EXPECT_EQ(HelpAbout::Instance(), first);
  EXPECT_TRUE(first->isVisible());

  QPointer<HelpAbout> closed = first;
  first->close();
  discardClosed();
  EXPECT_TRUE(closed.isNull());
  quorvel::appname = "Other Name";
  HelpAbout* fresh = HelpAbout::Instance();
  EXPECT_EQ(fresh->Title(), "About Other Name...");
  quorvel::appname = "Shardwick SE";
  delete fresh;
}

TEST_F(About, IconIsLoadedOncePerProcessAndShownAt160) {
  HelpAbout* a = HelpAbout::Instance();
  ASSERT_FALSE(a->ImageWell1()->pixmap().isNull());
  EXPECT_EQ(a->ImageWell1()->pixmap().size(), QSize(160, 160));
  delete a;
  HelpAbout* b = HelpAbout::Instance();
  EXPECT_FALSE(b->ImageWell1()->pixmap().isNull());
  EXPECT_EQ(HelpAbout::IconLoads(), 1);
  delete b;
}

TEST_F(About, PressOnTheAddressStartsOneMailWhereverItLands) {
  HelpAbout* about = HelpAbout::Instance();
  about->Show();
  QTest::mouseClick(about->StaticText8(), Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseClick(about->StaticText8(), Qt::LeftButton, {}, QPoint(120, 15));
  EXPECT_FALSE(about->StaticText8_MouseDown(about->StaticText8(), 0, 0));
  EXPECT_EQ(ShowURLSeam::urls(), std::vector<std::string>(3, "mailto:support@shardwick.example"));
  EXPECT_EQ(about->StaticText8()->text(), "support@shardwick.example");
  EXPECT_EQ(about->Content()->size(), QSize(721, 367));
  EXPECT_FALSE(about->windowFlags() & Qt::WindowMaximizeButtonHint);
  delete about;
}

}  // namespace
