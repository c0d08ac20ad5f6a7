// Naming of a split run: suffix and short name, run-folder candidates, pieces per run.
#include "app/SplitNames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/split_test_support.h"
#include "platform/FolderItem.h"

namespace {

struct NameCase {
  std::string name, suffix, shortFilename;
};

TEST(SplitNames, SuffixAndShortName) {
  const NameCase cases[] = {
      {"My Data (2020).csv", ".csv", "My-Data-2020"},
      {"notes.txt", ".txt", "notes"},
      {"Q1 (draft) final.txt", ".txt", "Q1-draft-final"},
      {"x.csv.txt", ".csv", "x.csv"},  // .csv is tested first
      {"a.csv.bak", ".csv", "a.csv"},  // the last four characters go, wherever .csv was
      {"y.txt.csv", ".csv", "y.txt"},
      {".csv", ".csv", ""},
      {"data.tsv", "", "data.tsv"},
      {"plain", "", "plain"},
      {"two  blanks (x).tsv", "", "two--blanks-x.tsv"},
      {"DATA.CSV", ".csv", "DATA"},  // letter case is ignored in the test
      {"Report.Txt", ".txt", "Report"},
      {"it's;$x.csv", ".csv", "it's;$x"},
      {"tab\there.csv", ".csv", "tab\there"},
      {"line\nfeed.txt", ".txt", "line\nfeed"},
      {"caf\xC3\xA9.csv.\xC3\xA9t\xC3\xA9", ".csv", "caf\xC3\xA9.csv"},  // characters, not bytes
      {"raw\xFF\xFE.csv.bb\xFF", ".csv", "raw\xFF\xFE.csv"},             // a stray byte is one character
      {"-lead.csv", ".csv", "-lead"},
      {"~home.txt", ".txt", "~home"},
  };
  for (const auto& c : cases) {
    const SplitName got = DeriveSplitName(c.name);
    EXPECT_EQ(got.suffix, c.suffix) << c.name;
    EXPECT_EQ(got.shortFilename, c.shortFilename) << c.name;
  }
}

TEST(SplitNames, RunFolderCandidates) {
  const struct {
    std::string shortFilename;
    std::int64_t counter;
    std::string expected;
  } cases[] = {
      {"notes", 0, "notes_split"},           {"notes", 1, "notes_split-0001"},
      {"notes", 42, "notes_split-0042"},     {"notes", 9999, "notes_split-9999"},
      {"notes", 12345, "notes_split-12345"}, {"", 0, "_split"},
  };
  for (const auto& c : cases) EXPECT_EQ(RunFolderName(c.shortFilename, c.counter), c.expected);
}

TEST(SplitNames, ChooseRunFolderTakesFirstFreeName) {
  splittest::TempFolder dir;
  ASSERT_TRUE(dir.valid());
  const std::filesystem::path root = dir.path();
  const FolderItem out(root.string());

  EXPECT_EQ(ChooseRunFolder(out, "notes")->Name(), "notes_split");
  std::filesystem::create_directory(root / "notes_split");
  std::filesystem::create_directory(root / "notes_split-0001");
  EXPECT_EQ(ChooseRunFolder(out, "notes")->Name(), "notes_split-0002");
  // An ordinary file takes the name as well; a gap is filled first.
  std::filesystem::create_directory(root / "notes_split-0003");
  { std::ofstream(root / "notes_split-0002") << "x"; }
  EXPECT_EQ(ChooseRunFolder(out, "notes")->Name(), "notes_split-0004");
  std::filesystem::remove(root / "notes_split-0001");
  EXPECT_EQ(ChooseRunFolder(out, "notes")->Name(), "notes_split-0001");
  EXPECT_EQ(ChooseRunFolder(out, "notes")->NativePath(), (root / "notes_split-0001").string());
  // A link takes its name too, even one that leads nowhere: creating a folder there would fail.
  std::filesystem::create_symlink(root / "nowhere", root / "notes_split-0001");
  EXPECT_EQ(ChooseRunFolder(out, "notes")->Name(), "notes_split-0004");
}

TEST(SplitNames, PiecesPerRun) {
  const struct {
    std::int64_t lines, perFile, pieces;
  } cases[] = {
      {1000, 300, 4},
      {1000, 500, 2},
      {999, 500, 2},
      {1, 1, 1},
      {0, 5, 0},
      {5, 0, 0},
      {kMaxPieces, 1, kMaxPieces},
      {kMaxPieces + 1, 1, kMaxPieces + 1},
      {INT64_MAX, 1, INT64_MAX},
      {INT64_MAX, INT64_MAX, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PiecesFor(c.lines, c.perFile), c.pieces) << c.lines << "/" << c.perFile;
  EXPECT_EQ(kMaxPieces, 456976);
}

}  // namespace
