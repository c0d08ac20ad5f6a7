#pragma once

#include <functional>
#include <memory>
#include <string>

// Runs one command line through /bin/sh -c. Destroying a runner ends its running command and
// every process that command started (own process group), so no child outlives it.
class Shell {
 public:
  Shell();
  virtual ~Shell();
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  int ExecuteMode = 0;  // 0: synchronous (default), 1: asynchronous

  // Sync: returns when the command ended; on a termination signal its process group is killed
  // (ExitStatus -1). Async: returns at once; Completed follows, also when the shell could not be
  // started. A command still running on this runner is ended first.
  void Execute(const std::string& command);
  // Standard output of the last command ("" while an asynchronous one runs).
  const std::string& Result() const;
  // Standard error of the last command.
  const std::string& ErrorOutput() const;
  // 0..255; -1 when it could not start or died by a signal.
  int ExitStatus() const;
  // True from an asynchronous Execute until its command has ended and Completed is being raised.
  bool IsRunning() const;

  // Completed: raised once per asynchronous command, on the main thread from the event loop.
  // The handler list is read when the event is raised: a handler attached while handling first
  // runs at the next Completed. Execute may be called from inside a handler.
  // Attaching under a name already attached replaces that handler.
  void AddCompletedHandler(const std::string& name, std::function<void(Shell&)> handler);
  // Does nothing when no handler has that name.
  void RemoveCompletedHandler(const std::string& name);

 private:
  class Private;
  std::unique_ptr<Private> d;
};
