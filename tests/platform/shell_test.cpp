// The shell runner: synchronous results, asynchronous completion on the main thread, handler
// changes while handling, and no process outliving its runner.
#include "platform/Shell.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QThread>
#include <csignal>
#include <fstream>
#include <memory>
#include <string>

#include "support/Processes.h"
#include "support/TestEnvironment.h"

namespace {

constexpr int kWaitMs = 10000;

bool waitForCompleted(const int& count, int expected) {
  return QTest::qWaitFor([&] { return count >= expected; }, kWaitMs);
}

TEST(Shell, SynchronousCommandsReportOutputErrorsAndStatus) {
  const struct {
    const char* command;
    const char* result;
    const char* errorOutput;
    int status;
  } cases[] = {
      {"printf 'a b\\n'", "a b\n", "", 0},
      {"printf '%s' \"$((6 * 7))\" | tr 4 X", "X2", "", 0},
      {"echo oops >&2; exit 3", "", "oops\n", 3},
      {"kill -9 $$", "", "", -1},
      {"read line; echo \"[$line]\"", "[]\n", "", 0},  // standard input is empty, never the terminal
      {"printf '%s' '\xff\xfe-caf\xc3\xa9'", "\xff\xfe-caf\xc3\xa9", "",
       0},  // bytes that are not UTF-8 pass unchanged
  };
  for (const auto& c : cases) {
    Shell shell;
    shell.Execute(c.command);
    EXPECT_EQ(shell.Result(), c.result) << c.command;
    EXPECT_EQ(shell.ErrorOutput(), c.errorOutput) << c.command;
    EXPECT_EQ(shell.ExitStatus(), c.status) << c.command;
    EXPECT_FALSE(shell.IsRunning());
  }
}

TEST(Shell, AsynchronousCommandCompletesOnceOnTheMainThreadFromTheEventLoop) {
  Shell shell;
  shell.ExecuteMode = 1;
  int completed = 0;
  bool onMainThread = false;
  std::string result;
  shell.AddCompletedHandler("h", [&](Shell& sender) {
    ++completed;
    onMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
    result = sender.Result();
    EXPECT_EQ(&sender, &shell);
  });
  shell.Execute("sleep 0.2; echo done; exit 4");
  EXPECT_EQ(completed, 0);
  EXPECT_TRUE(shell.IsRunning());
  ASSERT_TRUE(waitForCompleted(completed, 1));
  QTest::qWait(300);
  EXPECT_EQ(completed, 1);
  EXPECT_TRUE(onMainThread);
  EXPECT_EQ(result, "done\n");
  EXPECT_EQ(shell.ExitStatus(), 4);
  EXPECT_FALSE(shell.IsRunning());
}

TEST(Shell, CompletedComesFromTheEventLoopEvenForAFastCommand) {
  Shell shell;
  shell.ExecuteMode = 1;
  int completed = 0;
  shell.AddCompletedHandler("h", [&](Shell&) { ++completed; });
  shell.Execute("true");
  EXPECT_EQ(completed, 0);  // never inside Execute
  ASSERT_TRUE(waitForCompleted(completed, 1));
}

TEST(Shell, HandlerSwappedWhileHandlingFirstRunsAtTheNextCompleted) {
  Shell shell;
  shell.ExecuteMode = 1;
  std::vector<std::string> calls;
  shell.AddCompletedHandler("first", [&](Shell& sender) {
    calls.push_back("first");
    sender.RemoveCompletedHandler("first");
    sender.AddCompletedHandler("second", [&](Shell& s) {
      calls.push_back("second");
      s.RemoveCompletedHandler("second");
    });
    sender.Execute("true");  // Execute from inside Completed
  });
  shell.Execute("true");
  ASSERT_TRUE(QTest::qWaitFor([&] { return calls.size() >= 2; }, kWaitMs));
  QTest::qWait(200);
  EXPECT_EQ(calls, (std::vector<std::string>{"first", "second"}));
}

TEST(Shell, RemovingAnUnknownHandlerAndReplacingByNameAreHarmless) {
  Shell shell;
  shell.ExecuteMode = 1;
  int a = 0, b = 0;
  shell.RemoveCompletedHandler("nobody");
  shell.AddCompletedHandler("h", [&](Shell&) { ++a; });
  shell.AddCompletedHandler("h", [&](Shell&) { ++b; });
  shell.Execute("true");
  ASSERT_TRUE(waitForCompleted(b, 1));
  EXPECT_EQ(a, 0);
}

TEST(Shell, HandlerMayDestroyItsRunner) {
  auto shell = std::make_unique<Shell>();
  shell->ExecuteMode = 1;
  int completed = 0;
  shell->AddCompletedHandler("a", [&](Shell&) {
    ++completed;
    shell.reset();
  });
  shell->AddCompletedHandler("b", [&](Shell&) { ++completed; });
  shell->Execute("true");
  ASSERT_TRUE(waitForCompleted(completed, 1));
  QTest::qWait(100);
  EXPECT_EQ(completed, 1);
}

TEST(Shell, DestroyingTheRunnerEndsTheCommandAndEverythingItStarted) {
  const std::string pidFile = TestEnvironment::home() + "/child.pid";
  int completed = 0;
  {
    Shell shell;
    shell.ExecuteMode = 1;
    shell.AddCompletedHandler("h", [&](Shell&) { ++completed; });
    shell.Execute("sleep 60 & echo $! > '" + pidFile + "'; wait");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile(QString::fromStdString(pidFile)).size() > 0; }, kWaitMs));
  }
  std::ifstream in(pidFile);
  long pid = 0;
  in >> pid;
  ASSERT_GT(pid, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return processEnded(pid); }, kWaitMs));
  QTest::qWait(100);
  EXPECT_EQ(completed, 0);
}

TEST(Shell, ANewCommandEndsTheOneStillRunning) {
  Shell shell;
  shell.ExecuteMode = 1;
  std::vector<std::string> results;
  shell.AddCompletedHandler("h", [&](Shell& s) { results.push_back(s.Result()); });
  shell.Execute("sleep 60; echo first");
  shell.Execute("echo second");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !results.empty(); }, kWaitMs));
  QTest::qWait(200);
  EXPECT_EQ(results, (std::vector<std::string>{"second\n"}));
}

}  // namespace
