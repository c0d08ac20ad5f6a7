// A termination signal becomes an orderly quit from the event loop instead of killing the process.
#include "platform/TerminationSignals.h"

#include <gtest/gtest.h>

#include <QTest>
#include <csignal>

#include "platform/Application.h"

namespace {

TEST(TerminationSignals, EachSignalAsksTheApplicationToQuit) {
  QuitOnTerminationSignals();
  QuitOnTerminationSignals();  // a second call changes nothing
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
    Application app;
    app.Register();
    ASSERT_EQ(::raise(signalNumber), 0);  // without the handler this would end the test program
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.QuitRequested(); }, 5000)) << signalNumber;
  }
}

}  // namespace
