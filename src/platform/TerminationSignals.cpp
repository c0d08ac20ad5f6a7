#include "platform/TerminationSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

#include "platform/Application.h"

namespace {

int g_signalSocket[2] = {-1, -1};

// A signal handler may only do async-signal-safe work: it hands the signal to the event loop.
void onSignal(int signalNumber) {
  const char byte = static_cast<char>(signalNumber);
  [[maybe_unused]] const auto written = ::write(g_signalSocket[0], &byte, 1);
}

}  // namespace

void QuitOnTerminationSignals() {
  if (g_signalSocket[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalSocket) != 0) return;
  auto* notifier =
      new QSocketNotifier(g_signalSocket[1], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
    char byte = 0;
    [[maybe_unused]] const auto read = ::read(g_signalSocket[1], &byte, 1);
    if (Application* app = Application::Current()) app->Quit();
  });
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signalNumber, &action, nullptr);
}
