// Step 1 through the real window: the open dialog, the counts by wc (and tr), and what the window
// shows and enables afterwards.
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "app/FileTypes1.h"
#include "app/workflow_fixture.h"
#include "platform/TerminationSignals.h"

namespace {

using namespace splittest;
namespace fs = std::filesystem;

const char kZeroLines[] =
    "We had trouble reading this file, which is unusual! Can you send us a copy or subset of it so we can "
    "test? Are you sure it's a text file? Please email us at support@shardwick.example. We want to help!";
const char kRefusal[] = "File not selected or not readable. Please select a file to split.";

TEST_F(WorkflowTest, CountsAndPreparesSteps2And3) {
  const struct {
    std::string name, bytes;
    std::int64_t count;
    bool trTrick;
    std::int64_t half;
  } cases[] = {
      {"My Data (2020).csv", NumberedLines(1000), 1000, false, 500},
      {"odd.txt", NumberedLines(999), 999, false, 500},
      {"one.txt", "only\n", 1, false, 1},
      {"two.csv", "a\nb\n", 2, false, 1},
      {"three.csv", "a\nb\nc\n", 3, false, 2},
      {"unended last.csv", "a\nb", 1, false, 1},
      {"crlf.csv", NumberedLines(10, "\r\n"), 10, false, 5},
      {"cr only.csv", NumberedLines(7, "\r"), 7, true, 4},
      {"cr with one lf.csv", "a\rb\rc\nd\r", 1, false, 1},
      {"it's;$x `y` & | <z> *?.csv", NumberedLines(4), 4, false, 2},
      {"line\nfeed\ttab.txt", NumberedLines(4), 4, false, 2},
      {"-lead ~tilde.csv", NumberedLines(4), 4, false, 2},
      {"12 digits.csv", NumberedLines(6), 6, false, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    boxes.clear();
    SelectNewFile(c.name, c.bytes);
    EXPECT_EQ(w->step1text()->text().toStdString(),
              "The file is *" + c.name + "* " + std::to_string(c.count) + " lines.");
    EXPECT_EQ(w->sourceFileLineCount, c.count);
    EXPECT_EQ(w->useTRtrick, c.trTrick);
    EXPECT_EQ(w->lines_slider()->Minimum(), 1);
    EXPECT_EQ(w->lines_slider()->Maximum(), c.half);
    EXPECT_EQ(w->lines_slider()->Value(), c.half);
    EXPECT_EQ(w->lines_field()->text().toStdString(), std::to_string(c.half));
    EXPECT_TRUE(w->GroupBox1()->isEnabled());
    EXPECT_TRUE(w->ChooseOutputBtn()->isEnabled());
    EXPECT_TRUE(boxes.empty());
    ASSERT_NE(w->sourceFile, nullptr);
    EXPECT_EQ(w->sourceFile->NativePath(), (root() / c.name).string());
  }
  EXPECT_EQ(OpenFileDialogSeam::lastFilter(), FileTypes1::All());
  // Nothing but the chosen files was created next to them.
  EXPECT_EQ(Entries(root()).size(), std::size(cases));
  // A link to a regular file is counted as that file.
  fs::create_symlink(root() / "odd.txt", root() / "link to odd");
  SelectFile(root() / "link to odd");
  EXPECT_EQ(w->sourceFileLineCount, 999);
  EXPECT_TRUE(w->GroupBox1()->isEnabled());
}

TEST_F(WorkflowTest, ZeroLinesAndRefusals) {
  SelectNewFile("good.csv", NumberedLines(20));
  const bool splitEnabled = w->PushButton3()->isEnabled();
  fs::create_directory(root() / "a folder.csv");
  ASSERT_EQ(::mkfifo((root() / "pipe.csv").c_str(), 0600), 0);
  const struct {
    const char* what;
    std::string name, bytes;  // empty name: the dialog is cancelled
    bool messageBox;
    std::string label;
    bool quitting = false;  // a termination request came first: nobody is left to read a box
  } cases[] = {
      {"empty file", "empty.csv", "", true, "The file is *empty.csv* "},
      {"one unended line", "unended.txt", "no line end", true, "The file is *unended.txt* "},
      {"empty file while quitting", "empty.csv", "", true, "The file is *empty.csv* ", true},
      {"cancel", "", "", false, kRefusal},
      {"missing file", "gone.csv", "", false, kRefusal},
      // Only a regular file is counted: wc would wait for ever on a pipe or a device.
      {"a folder", "a folder.csv", "", false, kRefusal},
      {"a named pipe", "pipe.csv", "", false, kRefusal},
      {"a device", "/dev/zero", "", false, kRefusal},
  };
  // Should a pipe or a device reach wc after all, the count would never end: the test program is
  // ended well within a minute instead of waiting for the test runner's own limit.
  ::alarm(30);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // Count a good file first so that every outcome has something to undo.
    SelectNewFile("good.csv", NumberedLines(20));
    ASSERT_TRUE(w->GroupBox1()->isEnabled());
    boxes.clear();
    if (c.quitting) {
      QuitOnTerminationSignals();
      ASSERT_EQ(::raise(SIGTERM), 0);
    }
    if (c.name.empty()) {
      SelectFile({});
    } else if (c.messageBox) {
      SelectNewFile(c.name, c.bytes);
    } else {
      SelectFile(root() / c.name);  // an absolute name stands for itself
    }
    EXPECT_EQ(w->step1text()->text().toStdString(), c.label);
    TerminationSignalsSeam::clear();
    EXPECT_EQ(boxes, c.messageBox && !c.quitting ? std::vector<std::string>{kZeroLines}
                                                 : std::vector<std::string>{});
    EXPECT_FALSE(w->GroupBox1()->isEnabled());
    EXPECT_FALSE(w->ChooseOutputBtn()->isEnabled());
    EXPECT_EQ(w->PushButton3()->isEnabled(), splitEnabled);
    if (c.messageBox) {
      EXPECT_EQ(w->sourceFileLineCount, 0);
      EXPECT_TRUE(w->useTRtrick);
    } else {
      // A refusal leaves the earlier count and its slider alone.
      EXPECT_EQ(w->sourceFileLineCount, 20);
      EXPECT_FALSE(w->useTRtrick);
      EXPECT_EQ(w->lines_slider()->Value(), 10);
    }
    if (c.name.empty()) {
      EXPECT_EQ(w->sourceFile, nullptr);
    }
  }
  ::alarm(0);
}

TEST_F(WorkflowTest, NonUtf8NameIsCountedByItsBytes) {
  const std::string name = "raw\xFF\xFE bytes.csv";
  SelectNewFile(name, NumberedLines(8));
  EXPECT_EQ(w->sourceFileLineCount, 8);
  EXPECT_TRUE(boxes.empty());
  EXPECT_TRUE(w->GroupBox1()->isEnabled());
}

}  // namespace
