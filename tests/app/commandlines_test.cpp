// The workflow's command lines: their exact texts, and what they do through the real /bin/sh
// with names that a careless quoting would let the shell interpret.
#include "app/CommandLines.h"

#include <gtest/gtest.h>

#include "app/split_test_support.h"
#include "platform/ShellWord.h"

namespace {

namespace fs = std::filesystem;
using namespace splittest;

TEST(CommandLines, ExactTexts) {
  const std::string sed = " | sed 's/\\( *\\)\\([0-9]*\\)\\(.*\\)/\\2/'";
  EXPECT_EQ(std::count(sed.begin(), sed.end(), '\\'), 7);
  const struct {
    std::string got, expected;
  } cases[] = {
      {CommandLines::PlainCount("'/d/a b.csv'"), "wc -l '/d/a b.csv'" + sed},
      {CommandLines::CarriageReturnCount("'/d/a b.csv'"), "tr '\\r' '\\n' < '/d/a b.csv' | wc -l" + sed},
      {CommandLines::Split(300, "'/d/a.csv'", "'/o/a_split'", false),
       "split -a 4 -l 300 '/d/a.csv' '/o/a_split'/"},
      {CommandLines::Split(1, "'/d/a.csv'", "'/o/a_split'", true),
       "tr '\\r' '\\n' < '/d/a.csv' | split -a 4 -l 1 - '/o/a_split'/"},
      {CommandLines::Rename("'/o/x_split'", "My-Data-2020", ".csv"),
       "for FILENAME in '/o/x_split'/*; do mv \"$FILENAME\" \"$FILENAME\"-'My-Data-2020.csv'; done"},
      {CommandLines::Rename("'/o/x_split'", "it's", ".txt"),
       "for FILENAME in '/o/x_split'/*; do mv \"$FILENAME\" \"$FILENAME\"-'it'\\''s.txt'; done"},
      {ShellWord(""), "''"},
      {ShellWord("''"), "''\\'''\\'''"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
}

// Each hostile text survives a round trip through the shell as one word, byte for byte.
TEST(CommandLines, SingleQuotedIsOneLiteralWord) {
  TempFolder dir;
  ASSERT_TRUE(dir.valid());
  const fs::path root = dir.path();
  for (const auto& name : HostileNames()) {
    const ShellRun run = RunSh("printf '%s|' " + ShellWord(name), root);
    EXPECT_EQ(run.out, name + "|") << name;
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
  }
  EXPECT_EQ(Entries(root), std::vector<std::string>{});
}

TEST(CommandLines, CarriageReturnPipeline) {
  TempFolder dir;
  ASSERT_TRUE(dir.valid());
  const fs::path root = dir.path();
  const fs::path source = root / "cr only.csv";
  WriteWhole(source, NumberedLines(7, "\r"));
  fs::create_directory(root / "run");

  EXPECT_EQ(RunSh(CommandLines::PlainCount(ShellWord(source)), root).out, "0\n");
  EXPECT_EQ(RunSh(CommandLines::CarriageReturnCount(ShellWord(source)), root).out, "7\n");
  const ShellRun run = RunSh(CommandLines::Split(3, ShellWord(source), ShellWord(root / "run"), true), root);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Entries(root / "run"), (std::vector<std::string>{"aaaa", "aaab", "aaac"}));
  EXPECT_EQ(ReadWhole(root / "run" / "aaaa"), "line 1\nline 2\nline 3\n");
  EXPECT_EQ(ReadWhole(root / "run" / "aaac"), "line 7\n");
}

// The failures the workflow must notice: the pipeline's and the loop's exit statuses hide them,
// standard error does not.
TEST(CommandLines, FailuresShowOnStandardError) {
  TempFolder dir;
  ASSERT_TRUE(dir.valid());
  const fs::path root = dir.path();
  fs::create_directory(root / "run");
  WriteWhole(root / "five.csv", NumberedLines(5));
  const struct {
    const char* what;
    std::string command;
    bool statusHidesIt;
  } cases[] = {
      {"missing source, plain split",
       CommandLines::Split(2, ShellWord(root / "missing.csv"), ShellWord(root / "run"), false), false},
      {"missing source, through tr",
       CommandLines::Split(2, ShellWord(root / "missing.csv"), ShellWord(root / "run"), true), true},
      {"missing run folder",
       CommandLines::Split(2, ShellWord(root / "five.csv"), ShellWord(root / "nowhere"), false), false},
      {"rename of an empty folder", CommandLines::Rename(ShellWord(root / "run"), "x", ".csv"), false},
  };
  for (const auto& c : cases) {
    const ShellRun run = RunSh(c.command, root);
    EXPECT_NE(run.err, "") << c.what;
    EXPECT_EQ(run.status == 0, c.statusHidesIt) << c.what;
  }
}

}  // namespace
