#pragma once

// Turns SIGTERM, SIGINT and SIGHUP into an orderly quit, so a logout or a kill still closes the
// windows and saves the settings, whatever the main thread is doing: an open modal dialog is
// closed (answering Cancel), a synchronous command is stopped, then Application::Quit runs from
// the event loop. A signal that was ignored when the program started stays ignored. Call once,
// after the Qt application exists; does nothing when the signals cannot be routed.
void QuitOnTerminationSignals();

// Ignores SIGXFSZ (unless it already is), so a write past the file-size limit fails with EFBIG
// and is reported instead of ending the program. Call first thing: a standard error that is a
// file is written to early.
void IgnoreFileSizeSignal();

// True once a termination signal has arrived; may be called from any thread.
bool TerminationRequested();

// For a child between fork and exec: gives every signal whose disposition the program changed its
// default back, so a command runs as it would from a terminal; a signal the program inherited as
// ignored stays ignored. Async-signal-safe.
void RestoreSignalsForChild();

// Lets a test program raise termination signals more than once.
namespace TerminationSignalsSeam {
// Forgets the termination request.
void clear();
}  // namespace TerminationSignalsSeam
