// The main window as it stands right after start: geometry from its table, states, colours,
// keyboard focus order, single instance, fixed size.
#include <gtest/gtest.h>

#include <QAction>
#include <QSlider>

#include "app/HelpAbout.h"
#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "resources/Window1Layout.h"

namespace {

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    delete Window1::Instance();
    w = Window1::Instance();
  }
  Window1* w = nullptr;
};

TEST_F(MainWindow, EveryControlStandsWhereItsTableRowSaysInContentCoordinates) {
  for (const ControlDesign& row : Window1Layout::kControls) {
    auto* control = w->Content()->findChild<QWidget*>(row.Name);
    ASSERT_NE(control, nullptr) << row.Name;
    EXPECT_EQ(control->mapTo(w->Content(), QPoint(0, 0)), QPoint(row.Left, row.Top)) << row.Name;
    EXPECT_EQ(control->size(), QSize(row.Width, row.Height)) << row.Name;
    const QString parent = row.Parent ? QString(row.Parent) : QStringLiteral("content");
    EXPECT_EQ(control->parentWidget()->objectName(), parent) << row.Name;
  }
}

TEST_F(MainWindow, RightAfterStartOnlyStepOneAndTheHelpButtonCanBeUsed) {
  w->Show();
  EXPECT_TRUE(w->PushButton1()->isEnabled());
  EXPECT_TRUE(w->BevelButton2()->isEnabled());
  EXPECT_FALSE(w->ChooseOutputBtn()->isEnabled());
  EXPECT_FALSE(w->PushButton3()->isEnabled());
  EXPECT_FALSE(w->GroupBox1()->isEnabled());
  for (QWidget* child : {static_cast<QWidget*>(w->lines_field()), static_cast<QWidget*>(w->lines_slider()),
                         static_cast<QWidget*>(w->UpDownArrows1()), static_cast<QWidget*>(w->analysis())}) {
    EXPECT_FALSE(child->isEnabled()) << child->objectName().toStdString();
    EXPECT_FALSE(child->testAttribute(Qt::WA_ForceDisabled)) << child->objectName().toStdString();
  }
  EXPECT_FALSE(w->splitprwheel()->isVisible());
  for (Label* label : {w->step1text(), w->steptext1(), w->result_text(), w->analysis()}) {
    EXPECT_TRUE(label->text().isEmpty());
  }
  EXPECT_TRUE(w->lines_field()->text().isEmpty());
  EXPECT_EQ(w->lines_slider()->Minimum(), 0);
  EXPECT_EQ(w->lines_slider()->Maximum(), 100);
  EXPECT_EQ(w->lines_slider()->Value(), 0);
  EXPECT_EQ(w->sourceFileLineCount, 0);
  EXPECT_FALSE(w->useTRtrick);
  EXPECT_NE(w->mshell, nullptr);
  EXPECT_EQ(w->windowTitle(), "Shardwick SE 2020");
  EXPECT_TRUE(w->StaticText1()->text().endsWith("please let us know at support@shardwick.example"));
}

TEST_F(MainWindow, IsOneHiddenFixedSizeWindowWithoutMaximiseButton) {
  EXPECT_EQ(Window1::Instance(), w);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(w->Content()->size(), QSize(560, 493));
  EXPECT_EQ(w->minimumSize(), w->maximumSize());
  EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(w->GetMenuBar(), MenuBar1::Instance());
}

TEST_F(MainWindow, StatusTextsUseTheirDesignColours) {
  const QColor green(0x00, 0x80, 0x40), teal(0x00, 0x80, 0x80);
  EXPECT_EQ(w->step1text()->palette().color(QPalette::WindowText), green);
  EXPECT_EQ(w->steptext1()->palette().color(QPalette::WindowText), green);
  EXPECT_EQ(w->analysis()->palette().color(QPalette::WindowText), green);
  EXPECT_EQ(w->result_text()->palette().color(QPalette::WindowText), teal);
  // Black on white whatever the theme, so the typed number stays readable.
  EXPECT_EQ(w->lines_field()->palette().color(QPalette::Text), QColor(Qt::black));
  EXPECT_EQ(w->lines_field()->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(MainWindow, KeyboardFocusFollowsTheTabValuesAndSkipsTheArrowsAndHelpButton) {
  std::vector<QString> chain;
  QWidget* start = w->PushButton1();
  QWidget* next = start;
  do {
    QWidget* target = next->focusProxy() ? next->focusProxy() : next;
    if ((target->focusPolicy() & Qt::TabFocus) && !next->objectName().isEmpty())
      chain.push_back(next->objectName());
    next = next->nextInFocusChain();
  } while (next != start && chain.size() < 50);
  const std::vector<QString> expected{"PushButton1", "PushButton3", "lines_field", "lines_slider",
                                      "ChooseOutputBtn"};
  std::vector<QString> named;
  for (const QString& name : chain) {
    if (std::find(expected.begin(), expected.end(), name) != expected.end()) named.push_back(name);
  }
  EXPECT_EQ(named, expected);
  EXPECT_EQ(w->UpDownArrows1()->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(w->BevelButton2()->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindow, AboutMenuItemIsHandledByTheWindow) {
  if (HelpAbout* about = HelpAbout::Instance()) delete about;
  EXPECT_TRUE(w->_About_Action());
  EXPECT_TRUE(HelpAbout::Instance()->isVisible());
  HelpAbout::Instance()->Hide();
  w->About()->Action()->trigger();
  EXPECT_TRUE(HelpAbout::Instance()->isVisible());
  delete HelpAbout::Instance();
}

}  // namespace
