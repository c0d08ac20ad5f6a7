// A termination signal becomes an orderly quit from the event loop instead of killing the process,
// and stops a synchronous command the main thread is waiting for; the commands themselves start
// with the signal dispositions the program changed set back.
#include "platform/TerminationSignals.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <chrono>
#include <csignal>
#include <fstream>
#include <thread>

#include "platform/Application.h"
#include "platform/Shell.h"
#include "support/Processes.h"
#include "support/TestEnvironment.h"

namespace {

// The handlers, installed once over default dispositions (an inherited ignored one would stay).
void installHandlers() {
  [[maybe_unused]] static const bool installed = [] {
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) std::signal(signalNumber, SIG_DFL);
    QuitOnTerminationSignals();
    return true;
  }();
}

TEST(TerminationSignals, EachSignalAsksTheApplicationToQuit) {
  installHandlers();
  QuitOnTerminationSignals();  // a second call changes nothing
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
    Application app;
    app.Register();
    ASSERT_EQ(::raise(signalNumber), 0);  // without the handler this would end the test program
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.QuitRequested(); }, 5000)) << signalNumber;
    EXPECT_TRUE(TerminationRequested());
  }
  TerminationSignalsSeam::clear();
}

TEST(TerminationSignals, ASignalStopsASynchronousCommandAndEverythingItStarted) {
  installHandlers();
  const std::string pidFile = TestEnvironment::home() + "/sleeper.pid";
  std::thread signaller([&] {
    // Once the command runs; raised here, the signal reaches this thread, not the waiting one.
    for (int tries = 0; tries < 200 && QFile(QString::fromStdString(pidFile)).size() == 0; ++tries)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ::raise(SIGTERM);
  });
  const auto start = std::chrono::steady_clock::now();
  Shell shell;
  shell.Execute("sleep 60 & echo $! > '" + pidFile + "'; wait");
  const auto waited = std::chrono::steady_clock::now() - start;
  signaller.join();
  TerminationSignalsSeam::clear();
  EXPECT_LT(waited, std::chrono::seconds(10));
  EXPECT_EQ(shell.ExitStatus(), -1);
  long pid = 0;
  std::ifstream(pidFile) >> pid;
  ASSERT_GT(pid, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return processEnded(pid); }, 5000));
  if (!processEnded(pid)) ::kill(pid_t(pid), SIGKILL);
}

TEST(TerminationSignals, ACommandGetsTheDefaultOfASignalTheProgramIgnores) {
  std::signal(SIGXFSZ, SIG_DFL);
  IgnoreFileSizeSignal();
  Shell shell;
  shell.Execute("sed -n 's/^SigIgn:[[:space:]]*//p' /proc/$$/status");
  std::signal(SIGXFSZ, SIG_DFL);
  ASSERT_EQ(shell.ExitStatus(), 0);
  EXPECT_EQ(std::stoull(shell.Result(), nullptr, 16) >> (SIGXFSZ - 1) & 1, 0u);  // exec keeps SIG_IGN
}

}  // namespace
