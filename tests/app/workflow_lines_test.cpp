// Step 2 through the real widgets: the field, the slider and the arrows keep in step, and the
// estimate follows the slider.
#include "app/workflow_fixture.h"

namespace {

using namespace splittest;

std::string Estimate(std::int64_t value, const std::string& subFiles) {
  return "At " + std::to_string(value) + " lines per file, you will get " + subFiles + " sub-files.";
}

TEST_F(WorkflowTest, FieldSliderAndArrowsExchange) {
  // Each step acts on the state the previous one left, starting from a fresh count of 1000 lines.
  const struct {
    const char* action;  // "paste" (the whole text at once), "keys", "arrow", "slider", "lostfocus"
    std::string input;
    std::int64_t slider;
    std::string field, subFiles;
  } steps[] = {
      {"paste", "300", 300, "300", "4"},   {"paste", "12.9", 12, "12", "84"},
      {"paste", "-5", 1, "1", "1000"},     {"arrow", "up", 2, "2", "500"},
      {"paste", "abc", 1, "1", "1000"},    {"arrow", "up", 2, "2", "500"},
      {"paste", "", 1, "1", "1000"},       {"arrow", "down", 1, "1", "1000"},  // held at the minimum
      {"paste", "abc", 1, "abc", "1000"},  // the value stays, so the typed text stays
      {"keys", "300", 300, "300", "4"},    {"paste", "500", 500, "500", "2"},
      {"paste", "5000", 500, "5000", "2"},  // the slider stays at its maximum, the typed text stays
      {"arrow", "up", 500, "5000", "2"},    // at the maximum the arrow changes nothing
      {"arrow", "down", 499, "499", "3"},  {"slider", "250", 250, "250", "4"},
      {"slider", "0", 1, "1", "1000"},     {"slider", "9999", 500, "500", "2"},
      {"lostfocus", "77", 77, "77", "13"},
  };
  SelectNewFile("thousand.csv", NumberedLines(1000));
  ASSERT_EQ(w->lines_slider()->Value(), 500);
  for (const auto& s : steps) {
    SCOPED_TRACE(std::string(s.action) + " " + s.input);
    const std::string before = w->analysis()->text().toStdString();
    QSignalSpy changes(w->lines_slider(), &Slider::ValueChanged);
    const std::int64_t old = w->lines_slider()->Value();
    if (std::string(s.action) == "paste") {
      w->lines_field()->selectAll();
      w->lines_field()->insert(QString::fromStdString(s.input));
    } else if (std::string(s.action) == "keys") {
      TypeLines(s.input);
    } else if (std::string(s.action) == "arrow") {
      ClickArrow(s.input.c_str());
    } else if (std::string(s.action) == "slider") {
      w->lines_slider()->SetValue(std::stoll(s.input));
    } else {
      // The field's text set without its change handler running, then focus leaves it.
      QSignalBlocker block(w->lines_field());
      w->lines_field()->setText(QString::fromStdString(s.input));
      block.unblock();
      w->lines_field_LostFocus();
    }
    EXPECT_EQ(w->lines_slider()->Value(), s.slider);
    EXPECT_EQ(w->lines_field()->text().toStdString(), s.field);
    if (old == s.slider) {
      EXPECT_EQ(w->analysis()->text().toStdString(), before);
    } else {
      EXPECT_EQ(w->analysis()->text().toStdString(), Estimate(s.slider, s.subFiles));
    }
    if (std::string(s.action) == "arrow" && old == s.slider) {
      EXPECT_EQ(changes.count(), 0);
    }
  }
}

TEST_F(WorkflowTest, EstimateFollowsEveryCount) {
  const struct {
    int lines;
    std::int64_t max;
    std::string subFiles;
  } cases[] = {
      {1, 1, "1"}, {2, 1, "2"}, {3, 2, "2"}, {999, 500, "2"}, {1000, 500, "2"}, {10, 5, "2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    SelectNewFile("n.txt", NumberedLines(c.lines));
    EXPECT_EQ(w->lines_slider()->Maximum(), c.max);
    EXPECT_EQ(w->lines_slider()->Value(), c.max);
    EXPECT_EQ(w->analysis()->text().toStdString(), Estimate(c.max, c.subFiles));
  }
  // A new count that leaves the slider's value where it was still renews the estimate.
  w->lines_slider()->SetValue(3);
  ASSERT_EQ(w->analysis()->text().toStdString(), Estimate(3, "4"));
  SelectNewFile("five.txt", NumberedLines(5));
  ASSERT_EQ(w->lines_slider()->Value(), 3);
  EXPECT_EQ(w->analysis()->text().toStdString(), Estimate(3, "2"));
}

TEST_F(WorkflowTest, FocusLeavingTheFieldMovesTheSlider) {
  SelectNewFile("focus.csv", NumberedLines(100));
  w->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  w->lines_field()->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([this] { return w->lines_field()->hasFocus(); }));
  {
    QSignalBlocker block(w->lines_field());
    w->lines_field()->setText("20");
  }
  w->lines_slider()->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !w->lines_field()->hasFocus(); }));
  EXPECT_EQ(w->lines_slider()->Value(), 20);
  EXPECT_EQ(w->analysis()->text().toStdString(), Estimate(20, "5"));
  w->Hide();
}

TEST_F(WorkflowTest, ControlsDeadUntilAFileIsCounted) {
  // A refusal disables the group; typing and arrow clicks then reach nothing.
  SelectNewFile("ok.csv", NumberedLines(10));
  SelectFile({});
  ASSERT_FALSE(w->GroupBox1()->isEnabled());
  const std::int64_t value = w->lines_slider()->Value();
  TypeLines("2");
  ClickArrow("down");
  EXPECT_EQ(w->lines_slider()->Value(), value);
}

}  // namespace
