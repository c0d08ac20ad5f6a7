// Step 4 through the real window and the real tools: the run folder, the pieces and their names,
// the texts at the end of a run, and failures reported as failures.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/SplitNames.h"
#include "app/workflow_fixture.h"

namespace {

using namespace splittest;
namespace fs = std::filesystem;

class SplitTest : public WorkflowTest {
 protected:
  // Counts source, sets the lines per file, chooses out (created when missing).
  void Prepare(const fs::path& source, std::int64_t linesPerFile, const fs::path& out) {
    SelectFile(source);
    ASSERT_TRUE(w->GroupBox1()->isEnabled()) << source;
    w->lines_slider()->SetValue(linesPerFile);
    ASSERT_EQ(w->lines_slider()->Value(), linesPerFile);
    fs::create_directories(out);
    ChooseFolder(out);
    ASSERT_TRUE(w->PushButton3()->isEnabled());
  }

  // The pieces' contents joined in name order: what split saw of the file.
  static std::string Joined(const fs::path& folder) {
    std::string all;
    for (const auto& name : Entries(folder)) all += ReadWhole(folder / name);
    return all;
  }

  bool NoHandlerLeft() {
    // A handler still attached would run again at the next command's end and mislead that run.
    const std::string before = w->result_text()->text().toStdString();
    w->mshell->ExecuteMode = 1;
    w->mshell->Execute("true");
    QTest::qWait(100);
    return QTest::qWaitFor([this] { return !w->mshell->IsRunning(); }) &&
           w->result_text()->text().toStdString() == before;
  }

  // Each hostile name, in the file's name and in the output folder's path, is split like any
  // other, and nothing appears anywhere but the run folder.
  void SplitHostile(const std::string& name, int index, const std::string& inFolderName = "") {
    const fs::path root = this->root();
    const fs::path in = root / ("in " + std::to_string(index) + " " + name);
    const fs::path out =
        root / ("-out $(touch PWNED) `touch PWNED` ;&|<>*? \\ \t\n~" + inFolderName + std::to_string(index));
    fs::create_directories(in);
    fs::create_directories(out);
    WriteWhole(in / name, NumberedLines(5));
    const std::set<std::string> before = Tree(root);

    SelectFile(in / name);
    ASSERT_EQ(w->sourceFileLineCount, 5);
    w->lines_slider()->SetValue(2);
    ChooseFolder(out);
    const SplitName expected = DeriveSplitName(name);
    const std::string folder = expected.shortFilename + "_split";
    // The label shows what UTF-8 can show of the name.
    EXPECT_EQ(SplitAndWait(), QString::fromStdString(Success(folder)).toStdString());

    std::set<std::string> after = before;
    const fs::path runRelative = fs::relative(out / folder, root);
    after.insert(runRelative.string());
    for (const char* tag : {"aaaa", "aaab", "aaac"}) {
      const std::string piece =
          expected.suffix.empty() ? tag : tag + ("-" + expected.shortFilename + expected.suffix);
      after.insert((runRelative / piece).string());
      EXPECT_TRUE(fs::exists(out / folder / piece)) << piece;
    }
    EXPECT_EQ(Tree(root), after);
    EXPECT_EQ(Joined(out / folder), NumberedLines(5));
  }
};

TEST_F(SplitTest, RoadOfOneRequest) {
  const std::string content = NumberedLines(1000);
  const fs::path source = root() / "My Data (2020).csv";
  WriteWhole(source, content);
  SelectFile(source);
  w->lines_field()->selectAll();
  w->lines_field()->insert("300");
  ASSERT_EQ(w->analysis()->text(), "At 300 lines per file, you will get 4 sub-files.");
  fs::create_directory(root() / "Out");
  ChooseFolder(root() / "Out");

  w->PushButton3()->click();
  EXPECT_EQ(w->result_text()->text(), "Working...");
  EXPECT_TRUE(WheelShown());
  ASSERT_TRUE(WaitForRun());

  EXPECT_EQ(w->result_text()->text().toStdString(), Success("My-Data-2020_split"));
  EXPECT_FALSE(WheelShown());
  EXPECT_EQ(w->suffix, ".csv");
  EXPECT_EQ(w->shortFilename, "My-Data-2020");
  const fs::path run = root() / "Out" / "My-Data-2020_split";
  EXPECT_EQ(w->new_folder->NativePath(), run.string());
  const std::vector<std::string> pieces = {"aaaa-My-Data-2020.csv", "aaab-My-Data-2020.csv",
                                           "aaac-My-Data-2020.csv", "aaad-My-Data-2020.csv"};
  ASSERT_EQ(Entries(run), pieces);
  const int firstLine[] = {1, 301, 601, 901};
  const int lineCount[] = {300, 300, 300, 100};
  for (int i = 0; i < 4; ++i) {
    std::string expected;
    for (int n = firstLine[i]; n < firstLine[i] + lineCount[i]; ++n)
      expected += "line " + std::to_string(n) + "\n";
    EXPECT_EQ(ReadWhole(run / pieces[i]), expected) << pieces[i];
  }
  EXPECT_EQ(Entries(root() / "Out"), std::vector<std::string>{"My-Data-2020_split"});
  EXPECT_EQ(ReadWhole(source), content);
  EXPECT_TRUE(NoHandlerLeft());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SplitTest, NamesLineEndsAndSizes) {
  const struct {
    std::string name, bytes;
    std::int64_t linesPerFile;
    std::string folder;
    std::vector<std::string> pieces;
    std::string joined;  // empty: the file's own bytes
  } cases[] = {
      {"notes.txt", NumberedLines(10), 5, "notes_split", {"aaaa-notes.txt", "aaab-notes.txt"}, ""},
      {"Q1 (draft) final.txt",
       NumberedLines(3),
       2,
       "Q1-draft-final_split",
       {"aaaa-Q1-draft-final.txt", "aaab-Q1-draft-final.txt"},
       ""},
      {"x.csv.txt", NumberedLines(2), 1, "x.csv_split", {"aaaa-x.csv.csv", "aaab-x.csv.csv"}, ""},
      {"a.csv.bak", NumberedLines(2), 1, "a.csv_split", {"aaaa-a.csv.csv", "aaab-a.csv.csv"}, ""},
      {"data.tsv", NumberedLines(5), 2, "data.tsv_split", {"aaaa", "aaab", "aaac"}, ""},
      {".csv", NumberedLines(2), 1, "_split", {"aaaa-.csv", "aaab-.csv"}, ""},
      {"DATA.CSV", NumberedLines(2), 1, "DATA_split", {"aaaa-DATA.csv", "aaab-DATA.csv"}, ""},
      {"one.txt", "only line\n", 1, "one_split", {"aaaa-one.txt"}, ""},
      {"unended.csv",
       "a\nb\nc",
       1,
       "unended_split",
       {"aaaa-unended.csv", "aaab-unended.csv", "aaac-unended.csv"},
       ""},
      {"crlf.csv",
       NumberedLines(5, "\r\n"),
       2,
       "crlf_split",
       {"aaaa-crlf.csv", "aaab-crlf.csv", "aaac-crlf.csv"},
       ""},
      {"cr only.csv",
       NumberedLines(5, "\r"),
       2,
       "cr-only_split",
       {"aaaa-cr-only.csv", "aaab-cr-only.csv", "aaac-cr-only.csv"},
       NumberedLines(5)},
      {"cr only.tsv", NumberedLines(3, "\r"), 2, "cr-only.tsv_split", {"aaaa", "aaab"}, NumberedLines(3)},
  };
  int index = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path folder = root() / ("in" + std::to_string(index));
    const fs::path out = root() / ("out" + std::to_string(index++));
    fs::create_directory(folder);
    WriteWhole(folder / c.name, c.bytes);
    Prepare(folder / c.name, c.linesPerFile, out);
    EXPECT_EQ(SplitAndWait(), Success(c.folder));
    EXPECT_FALSE(WheelShown());
    EXPECT_EQ(Entries(out), std::vector<std::string>{c.folder});
    ASSERT_EQ(Entries(out / c.folder), c.pieces);
    EXPECT_EQ(Joined(out / c.folder), c.joined.empty() ? c.bytes : c.joined);
    // Every piece but the last holds the chosen number of lines.
    for (std::size_t i = 0; i + 1 < c.pieces.size(); ++i) {
      const std::string piece = ReadWhole(out / c.folder / c.pieces[i]);
      EXPECT_EQ(std::count(piece.begin(), piece.end(), '\n'), c.linesPerFile) << c.pieces[i];
    }
  }
  EXPECT_TRUE(NoHandlerLeft());
}

TEST_F(SplitTest, RunFolderCounter) {
  const fs::path source = root() / "notes.txt";
  WriteWhole(source, NumberedLines(4));
  const fs::path out = root() / "out";
  fs::create_directories(out / "notes_split");
  fs::create_directories(out / "notes_split-0001");
  WriteWhole(out / "notes_split-0001" / "keep", "mine\n");
  Prepare(source, 2, out);
  EXPECT_EQ(SplitAndWait(), Success("notes_split-0002"));
  EXPECT_EQ(SplitAndWait(), Success("notes_split-0003"));
  EXPECT_EQ(Entries(out), (std::vector<std::string>{"notes_split", "notes_split-0001", "notes_split-0002",
                                                    "notes_split-0003"}));
  EXPECT_EQ(Entries(out / "notes_split"), std::vector<std::string>{});
  EXPECT_EQ(Entries(out / "notes_split-0001"), std::vector<std::string>{"keep"});
  EXPECT_EQ(Entries(out / "notes_split-0002"), Entries(out / "notes_split-0003"));
  EXPECT_EQ(Entries(out / "notes_split-0003"),
            (std::vector<std::string>{"aaaa-notes.txt", "aaab-notes.txt"}));
}

TEST_F(SplitTest, HostileNamesStayLiteral) {
  int index = 0;
  for (const auto& name : HostileNames()) {
    if (name.find('\xFF') != std::string::npos) continue;  // NonUtf8Names below
    SCOPED_TRACE(name);
    SplitHostile(name, index++);
  }
}

TEST_F(SplitTest, NonUtf8Names) {
  SplitHostile("raw\xFF\xFE bytes.csv", 0);
  SplitHostile("plain.csv", 1, "\xFF\xFE");  // the stray bytes in the output folder's name
}

TEST_F(SplitTest, FailuresAreReportedAsFailures) {
  enum Fault {
    kSourceRemoved,
    kSourceRemovedCr,
    kSourceEmptied,
    kOutputRemoved,
    kOutputIsFile,
    kNameTooLong,
    kFolderNameTooLong
  };
  const std::string longStem(248, 'n');
  const struct {
    const char* what;
    Fault fault;
    std::string name, bytes;
    std::string textStart;  // the start of result_text after the run
    bool runFolderMade;
  } cases[] = {
      {"source removed", kSourceRemoved, "gone.csv", NumberedLines(4),
       "The split failed, so the gone_split folder in the folder you selected is incomplete: ", true},
      {"source removed, through tr", kSourceRemovedCr, "gone cr.csv", NumberedLines(4, "\r"),
       "The split failed, so the gone-cr_split folder in the folder you selected is incomplete: ", true},
      {"source emptied", kSourceEmptied, "emptied.csv", NumberedLines(4),
       "The split wrote no sub-files: the emptied_split folder in the folder you selected is empty.", true},
      // The system's own reason why the run folder could not be made.
      {"output folder removed", kOutputRemoved, "a.csv", NumberedLines(4),
       "Nothing was split: the folder a_split could not be created in the folder you selected: No such "
       "file or directory.",
       false},
      {"output folder is a file", kOutputIsFile, "b.csv", NumberedLines(4),
       "Nothing was split: the folder b_split could not be created in the folder you selected: Not a "
       "directory.",
       false},
      {"run folder name too long", kFolderNameTooLong, std::string(250, 'f') + ".csv", NumberedLines(4),
       "Nothing was split: the folder " + std::string(250, 'f') +
           "_split could not be created in the folder you selected: File name too long.",
       false},
      {"sub-file names too long", kNameTooLong, longStem + ".csv", NumberedLines(4),
       "The file was split, but renaming the sub-files failed; check the " + longStem +
           "_split folder in the folder you selected: ",
       true},
  };
  int index = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path in = root() / ("in" + std::to_string(index));
    const fs::path out = root() / ("out" + std::to_string(index++));
    fs::create_directories(in);
    WriteWhole(in / c.name, c.bytes);
    Prepare(in / c.name, 2, out);
    switch (c.fault) {
      case kSourceRemoved:
      case kSourceRemovedCr:
        fs::remove(in / c.name);
        break;
      case kSourceEmptied:
        WriteWhole(in / c.name, "");
        break;
      case kOutputRemoved:
        fs::remove(out);
        break;
      case kOutputIsFile:
        fs::remove(out);
        WriteWhole(out, "not a folder");
        break;
      case kNameTooLong:
      case kFolderNameTooLong:
        break;
    }
    const std::string text = SplitAndWait();
    EXPECT_EQ(text.rfind(c.textStart, 0), 0u) << text;
    EXPECT_EQ(text.find("successfully"), std::string::npos) << text;
    EXPECT_FALSE(WheelShown());
    if (!c.runFolderMade) {
      std::error_code error;  // a name too long is an error, not an absence, to fs::exists
      EXPECT_FALSE(fs::exists(out / (DeriveSplitName(c.name).shortFilename + "_split"), error));
    }
    EXPECT_TRUE(NoHandlerLeft());
  }
  // After every failure a new run goes ahead as the first one would.
  WriteWhole(root() / "fine.txt", NumberedLines(3));
  Prepare(root() / "fine.txt", 2, root() / "fine out");
  EXPECT_EQ(SplitAndWait(), Success("fine_split"));
}

TEST_F(SplitTest, MoreSubFilesThanTagsStartsNothing) {
  std::string bytes;
  for (std::int64_t i = 0; i <= kMaxPieces; ++i) bytes += "x\n";
  WriteWhole(root() / "many.csv", bytes);
  Prepare(root() / "many.csv", 1, root() / "out");
  EXPECT_EQ(
      SplitAndWait(),
      "Nothing was split: at 1 lines per file this file needs more than 456,976 sub-files, the most one "
      "split can name. Please choose more lines per sub-file.");
  EXPECT_EQ(Entries(root() / "out"), std::vector<std::string>{});
  EXPECT_FALSE(WheelShown());
  EXPECT_TRUE(NoHandlerLeft());
}

TEST_F(SplitTest, NoCountedFileNoCommand) {
  const struct {
    const char* what;
    std::string name, bytes;  // empty name: the dialog is cancelled
  } cases[] = {
      {"cancelled selection", "", ""},
      {"missing file", "missing.csv", ""},
      {"empty file", "empty.csv", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteWhole(root() / "good.csv", NumberedLines(4));
    Prepare(root() / "good.csv", 2, root() / "out");
    if (c.name.empty()) {
      SelectFile({});
    } else if (c.name == "missing.csv") {
      SelectFile(root() / c.name);
    } else {
      SelectNewFile(c.name, c.bytes);
    }
    ASSERT_TRUE(w->PushButton3()->isEnabled());  // left as it was by the failed selection
    EXPECT_EQ(SplitAndWait(), "Please select a file to split (step 1) before splitting.");
    EXPECT_FALSE(WheelShown());
    EXPECT_EQ(Entries(root() / "out"), std::vector<std::string>{});
  }
}

// A run whose split waits on a named pipe stays in progress until the test writes to it.
TEST_F(SplitTest, OneRunAtATime) {
  const fs::path source = root() / "slow.csv";
  WriteWhole(source, NumberedLines(4));
  Prepare(source, 2, root() / "out");
  fs::remove(source);
  ASSERT_EQ(mkfifo(source.c_str(), 0600), 0);

  w->PushButton3()->click();
  ASSERT_TRUE(Running());
  QTest::qWait(200);
  ASSERT_TRUE(Running());
  w->PushButton3()->click();     // ignored while the run is in progress
  ChooseFolder(root() / "out");  // enables "Split File" again ...
  ASSERT_TRUE(w->PushButton3()->isEnabled());
  w->PushButton3()->click();  // ... and that press is ignored as well
  QTest::qWait(100);
  EXPECT_TRUE(Running());
  EXPECT_EQ(Entries(root() / "out"), std::vector<std::string>{"slow_split"});

  const int writer = open(source.c_str(), O_WRONLY);
  ASSERT_GE(writer, 0);
  const std::string lines = NumberedLines(4);
  ASSERT_EQ(write(writer, lines.data(), lines.size()), static_cast<ssize_t>(lines.size()));
  close(writer);
  ASSERT_TRUE(WaitForRun());
  EXPECT_EQ(w->result_text()->text().toStdString(), Success("slow_split"));
  EXPECT_EQ(Entries(root() / "out" / "slow_split"),
            (std::vector<std::string>{"aaaa-slow.csv", "aaab-slow.csv"}));
}

}  // namespace
