#include "platform/Shell.h"

#include <sys/types.h>
#include <unistd.h>

#include <QObject>
#include <QProcess>
#include <csignal>
#include <utility>
#include <vector>

#include "platform/TerminationSignals.h"

namespace {

// How long a synchronous wait goes before it looks for a termination request.
constexpr int kWaitSliceMs = 100;

// The child's side of a start: the signal dispositions the program changed set back (exec would
// keep an ignored one), a process group of its own, so that ending the group ends all the command
// started, then /bin/sh with the command's exact bytes. QProcess hands arguments over as QString,
// which would mangle a path that is not valid UTF-8; exec'ing here keeps every byte.
struct ChildStart {
  std::shared_ptr<const std::string> command;

  void operator()() const {
    RestoreSignalsForChild();
    ::setpgid(0, 0);
    ::execl("/bin/sh", "sh", "-c", command->c_str(), static_cast<char*>(nullptr));
    // exec failed: fall through, and QProcess reports the failed start.
  }
};

}  // namespace

class Shell::Private {
 public:
  explicit Private(Shell& owner) : q(owner) {}

  ~Private() { endRunning(); }

  // Starts command with the process set up for this runner.
  void start(QProcess& process, const std::string& command) {
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments(
        {QStringLiteral("-c"), QString::fromUtf8(command.data(), qsizetype(command.size()))});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setChildProcessModifier(ChildStart{std::make_shared<const std::string>(command)});
    process.start();
  }

  void collect(QProcess& process, bool started) {
    result = process.readAllStandardOutput().toStdString();
    errorOutput = process.readAllStandardError().toStdString();
    if (!started || process.exitStatus() != QProcess::NormalExit) {
      exitStatus = -1;
    } else {
      exitStatus = process.exitCode();
    }
  }

  void executeSync(const std::string& command) {
    QProcess process;
    start(process, command);
    const bool started = process.waitForStarted(-1);
    // Waited for in slices: on a termination request the command is ended, not waited for.
    while (started && !process.waitForFinished(kWaitSliceMs) && process.state() != QProcess::NotRunning) {
      if (TerminationRequested()) {
        endGroup(process, process.processId());
        break;
      }
    }
    collect(process, started);
  }

  void executeAsync(const std::string& command) {
    auto* process = new QProcess;
    running = process;
    QObject::connect(process, &QProcess::finished, process, [this, process] { finished(process, true); });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [this, process](QProcess::ProcessError error) {
                       if (error == QProcess::FailedToStart) {
                         // No finished() follows a failed start; Completed must still come, from the event
                         // loop.
                         QMetaObject::invokeMethod(
                             process, [this, process] { finished(process, false); }, Qt::QueuedConnection);
                       }
                     });
    start(*process, command);
    groupId = process->processId();
  }

  void finished(QProcess* process, bool started) {
    if (running != process) return;  // ended by a newer Execute or by the destructor
    collect(*process, started);
    running = nullptr;
    process->deleteLater();
    raiseCompleted();
  }

  void raiseCompleted() {
    const auto current = handlers;  // a handler attached now first runs next time
    const std::weak_ptr<bool> stillAlive = alive;
    for (const auto& entry : current) {
      entry.second(q);
      if (stillAlive.expired()) return;  // a handler destroyed the runner
    }
  }

  // Ends the running command and its whole process group without raising Completed.
  void endRunning() {
    if (!running) return;
    QProcess* process = running;
    running = nullptr;
    process->disconnect();
    endGroup(*process, groupId);
    delete process;
  }

  // Kills the process group of group (the shell's own id) and the shell.
  static void endGroup(QProcess& process, qint64 group) {
    if (group > 0) ::kill(-pid_t(group), SIGKILL);
    process.kill();
    process.waitForFinished(5000);
  }

  Shell& q;
  std::vector<std::pair<std::string, std::function<void(Shell&)>>> handlers;
  QProcess* running = nullptr;
  qint64 groupId = 0;
  std::string result;
  std::string errorOutput;
  int exitStatus = -1;
  std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};

Shell::Shell() : d(std::make_unique<Private>(*this)) {}

Shell::~Shell() = default;

void Shell::Execute(const std::string& command) {
  d->endRunning();
  d->result.clear();
  d->errorOutput.clear();
  d->exitStatus = -1;
  if (ExecuteMode == 1) {
    d->executeAsync(command);
  } else {
    d->executeSync(command);
  }
}

const std::string& Shell::Result() const {
  return d->result;
}

const std::string& Shell::ErrorOutput() const {
  return d->errorOutput;
}

int Shell::ExitStatus() const {
  return d->exitStatus;
}

bool Shell::IsRunning() const {
  return d->running != nullptr;
}

void Shell::AddCompletedHandler(const std::string& name, std::function<void(Shell&)> handler) {
  for (auto& entry : d->handlers) {
    if (entry.first == name) {
      entry.second = std::move(handler);
      return;
    }
  }
  d->handlers.emplace_back(name, std::move(handler));
}

void Shell::RemoveCompletedHandler(const std::string& name) {
  std::erase_if(d->handlers, [&](const auto& entry) { return entry.first == name; });
}
