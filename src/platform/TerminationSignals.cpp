#include "platform/TerminationSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>

#include "platform/Application.h"

namespace {

int g_signalSocket[2] = {-1, -1};
std::atomic<bool> g_requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");
// The signals whose disposition this program set; written before any child is started.
bool g_changed[NSIG] = {};

// A signal handler may only do async-signal-safe work: it records the request, for a wait that
// watches it, and hands the signal to the event loop. It must never block, for it runs on the one
// thread that empties the socket: when a burst has filled it, the write fails with EAGAIN, and the
// bytes already waiting say all there is to say.
void onSignal(int signalNumber) {
  const int savedErrno = errno;
  g_requested.store(true);
  const char byte = static_cast<char>(signalNumber);
  [[maybe_unused]] const auto written = ::write(g_signalSocket[0], &byte, 1);
  errno = savedErrno;
}

// Empties the socket: one pass of the event loop answers every signal that has arrived.
void drainSignalSocket() {
  char bytes[256];
  while (::read(g_signalSocket[1], bytes, sizeof bytes) > 0) {
  }
}

// Sets the disposition of signalNumber, unless the program inherited it as ignored (nohup).
void takeOver(int signalNumber, void (*handler)(int)) {
  struct sigaction current {};
  if (::sigaction(signalNumber, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) return;
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  if (::sigaction(signalNumber, &action, nullptr) == 0) g_changed[signalNumber] = true;
}

// Nobody is left to answer a dialog: each open modal one is closed, which answers Cancel.
void closeModalDialogs() {
  while (QWidget* modal = QApplication::activeModalWidget()) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
    if (QApplication::activeModalWidget() == modal) return;  // it would not close
  }
}

}  // namespace

void QuitOnTerminationSignals() {
  if (g_signalSocket[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalSocket) != 0) return;
  // Read from whichever event loop runs, a modal dialog's included.
  auto* notifier =
      new QSocketNotifier(g_signalSocket[1], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
    drainSignalSocket();
    closeModalDialogs();
    if (Application* app = Application::Current()) app->Quit();
  });
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) takeOver(signalNumber, onSignal);
}

void IgnoreFileSizeSignal() {
  takeOver(SIGXFSZ, SIG_IGN);
}

bool TerminationRequested() {
  return g_requested.load();
}

void RestoreSignalsForChild() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (int signalNumber = 1; signalNumber < NSIG; ++signalNumber) {
    if (g_changed[signalNumber]) ::sigaction(signalNumber, &action, nullptr);
  }
}

namespace TerminationSignalsSeam {
void clear() {
  g_requested.store(false);
}
}  // namespace TerminationSignalsSeam
