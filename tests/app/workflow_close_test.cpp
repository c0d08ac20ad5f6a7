// Closing the main window during a run: the window goes away with its runner, the running tools
// are ended with it, and nothing of the run touches the dead window afterwards.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QPointer>

#include "app/workflow_fixture.h"

namespace {

using namespace splittest;
namespace fs = std::filesystem;

// True while some process holds the named pipe open for reading.
bool PipeHasReader(const fs::path& pipe) {
  const int fd = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
  if (fd < 0) return errno != ENXIO;
  close(fd);
  return true;
}

TEST_F(WorkflowTest, DeletingTheWindowDuringARunEndsTheTools) {
  const fs::path source = root() / "slow.csv";
  WriteWhole(source, NumberedLines(4));
  SelectFile(source);
  fs::create_directory(root() / "out");
  ChooseFolder(root() / "out");
  fs::remove(source);
  ASSERT_EQ(mkfifo(source.c_str(), 0600), 0);

  w->PushButton3()->click();
  ASSERT_TRUE(Running());
  ASSERT_TRUE(QTest::qWaitFor([&] { return PipeHasReader(source); }));

  QPointer<Window1> window = w;
  delete w;  // what the program does once its event loop has ended
  w = nullptr;
  EXPECT_TRUE(window.isNull());
  // The tools were sent SIGKILL; their ends are the kernel's to finish, a moment later.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !PipeHasReader(source); }, 5000));
  QTest::qWait(300);  // a stray Completed would reach the dead window here

  // The next window starts afresh.
  w = Window1::Instance();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->result_text()->text().isEmpty());
  WriteWhole(root() / "next.csv", NumberedLines(4));
  SelectFile(root() / "next.csv");
  ChooseFolder(root() / "out");
  EXPECT_EQ(SplitAndWait(), Success("next_split"));
}

}  // namespace
