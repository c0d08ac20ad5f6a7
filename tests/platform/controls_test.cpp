// The controls: change events only on real changes, clamping, disabled groups, arrows, labels.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <climits>

#include "platform/BevelButton.h"
#include "platform/DesignColor.h"
#include "platform/GroupBox.h"
#include "platform/Label.h"
#include "platform/ProgressWheel.h"
#include "platform/PushButton.h"
#include "platform/Slider.h"
#include "platform/TextField.h"
#include "platform/UpDownArrows.h"

namespace {

TEST(Slider, KeepsItsValueInRangeAndReportsOnlyRealChanges) {
  enum Op { Min, Max, Val };
  const struct {
    Op op;
    std::int64_t argument;
    std::int64_t min, max, value;
    int changes;  // ValueChanged signals raised by this step
  } steps[] = {
      // Design state 0..100 at 0, then what a count of 1000 lines does.
      {Val, 0, 0, 100, 0, 0},
      {Min, 1, 1, 100, 1, 1},
      {Max, 500, 1, 500, 1, 0},
      {Val, 500, 1, 500, 500, 1},
      {Val, 500, 1, 500, 500, 0},
      {Val, 9999, 1, 500, 500, 0},
      {Val, -5, 1, 500, 1, 1},
      {Val, 300, 1, 500, 300, 1},
      {Max, 200, 1, 200, 200, 1},    // a smaller range re-clamps
      {Min, 250, 250, 250, 250, 1},  // a minimum above the maximum lifts it
      {Max, 10, 10, 10, 10, 1},
      {Min, INT64_MIN, INT64_MIN, 10, 10, 0},
      {Max, INT64_MAX, INT64_MIN, INT64_MAX, 10, 0},
      {Val, INT64_MAX, INT64_MIN, INT64_MAX, INT64_MAX, 1},
  };
  Slider slider;
  QSignalSpy spy(&slider, &Slider::ValueChanged);
  int i = 0;
  for (const auto& s : steps) {
    spy.clear();
    if (s.op == Min) slider.SetMinimum(s.argument);
    if (s.op == Max) slider.SetMaximum(s.argument);
    if (s.op == Val) slider.SetValue(s.argument);
    EXPECT_EQ(slider.Minimum(), s.min) << "step " << i;
    EXPECT_EQ(slider.Maximum(), s.max) << "step " << i;
    EXPECT_EQ(slider.Value(), s.value) << "step " << i;
    EXPECT_EQ(spy.count(), s.changes) << "step " << i;
    ++i;
  }
}

TEST(Slider, UserDragMovesTheValueOverSmallAndHugeRanges) {
  const struct { std::int64_t min, max; } ranges[] = {{1, 500}, {1, std::int64_t(1) << 40}};
  for (const auto& r : ranges) {
    Slider slider;
    slider.SetMinimum(r.min);
    slider.SetMaximum(r.max);
    slider.SetValue(r.min);
    QSignalSpy spy(&slider, &Slider::ValueChanged);
    auto* inner = slider.findChild<QSlider*>();
    ASSERT_NE(inner, nullptr);
    inner->setValue(inner->maximum());
    EXPECT_EQ(slider.Value(), r.max);
    inner->setValue(inner->maximum() / 2);
    EXPECT_NEAR(double(slider.Value()), double(r.min) + double(r.max - r.min) / 2, double(r.max) / 1e6 + 1);
    EXPECT_EQ(spy.count(), 2);
  }
}

TEST(TextField, SettingTheSameTextRaisesNoChangeAndLosingFocusIsReported) {
  TextField field;
  QSignalSpy changed(&field, &QLineEdit::textChanged);
  field.setText("500");
  field.setText("500");
  EXPECT_EQ(changed.count(), 1);

  QWidget window;
  auto* inWindow = new TextField(&window);
  auto* other = new PushButton(&window);
  other->setFocusPolicy(Qt::StrongFocus);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QSignalSpy lost(inWindow, &TextField::LostFocus);
  inWindow->setFocus();
  other->setFocus();
  EXPECT_EQ(lost.count(), 1);
}

TEST(GroupBox, DisablingItMakesChildrenUnusableWhileTheirOwnStateStays) {
  GroupBox group;
  auto* arrows = new UpDownArrows(&group);
  auto* button = new PushButton(&group);
  group.setEnabled(false);
  group.show();
  EXPECT_FALSE(arrows->isEnabled());
  EXPECT_FALSE(button->testAttribute(Qt::WA_ForceDisabled));  // its own Enabled stays set
  QSignalSpy up(arrows, &UpDownArrows::Up);
  QTest::mouseClick(arrows->findChild<QToolButton*>("up"), Qt::LeftButton);
  EXPECT_EQ(up.count(), 0);
  group.setEnabled(true);
  EXPECT_TRUE(arrows->isEnabled());
  EXPECT_TRUE(button->isEnabled());
}

TEST(UpDownArrows, ArrowsRaiseUpAndDownAndNeverTakeFocus) {
  UpDownArrows arrows;
  arrows.resize(13, 23);
  arrows.show();
  QSignalSpy up(&arrows, &UpDownArrows::Up);
  QSignalSpy down(&arrows, &UpDownArrows::Down);
  QTest::mouseClick(arrows.findChild<QToolButton*>("up"), Qt::LeftButton);
  QTest::mouseClick(arrows.findChild<QToolButton*>("down"), Qt::LeftButton);
  QTest::mouseClick(arrows.findChild<QToolButton*>("down"), Qt::LeftButton);
  EXPECT_EQ(up.count(), 1);
  EXPECT_EQ(down.count(), 2);
  EXPECT_EQ(arrows.focusPolicy(), Qt::NoFocus);
  for (auto* button : arrows.findChildren<QToolButton*>()) EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(BevelButton().focusPolicy(), Qt::NoFocus);
}

TEST(Label, PressReportsItsPosition) {
  Label label;
  label.resize(100, 20);
  label.show();
  QSignalSpy down(&label, &Label::MouseDown);
  QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(7, 9));
  ASSERT_EQ(down.count(), 1);
  EXPECT_EQ(down.at(0).at(0).toInt(), 7);
  EXPECT_EQ(down.at(0).at(1).toInt(), 9);
}

TEST(ProgressWheel, SpinsOnlyWhileVisible) {
  ProgressWheel wheel;
  EXPECT_FALSE(wheel.IsSpinning());
  wheel.show();
  EXPECT_TRUE(wheel.IsSpinning());
  wheel.hide();
  EXPECT_FALSE(wheel.IsSpinning());
}

TEST(DesignColor, StoredBytesReadAsLittleEndianWithZeroAlphaOpaque) {
  const struct {
    StoredColor bytes;
    QColor expected;
  } cases[] = {
      {{0x40, 0x80, 0x00, 0x00}, QColor(0x00, 0x80, 0x40)},
      {{0x80, 0x80, 0x00, 0x00}, QColor(0x00, 0x80, 0x80)},
      {{0xff, 0x00, 0x00, 0x00}, QColor(0x00, 0x00, 0xff)},
      {{0x40, 0x00, 0x80, 0x00}, QColor(0x80, 0x00, 0x40)},
      {{0xff, 0xff, 0xff, 0x00}, QColor(0xff, 0xff, 0xff)},
      {{0x00, 0x00, 0x00, 0xff}, QColor(0, 0, 0, 0)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ColorFromStored(c.bytes), c.expected) << c.expected.name().toStdString();
}

}  // namespace
