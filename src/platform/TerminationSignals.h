#pragma once

// Turns SIGTERM, SIGINT and SIGHUP into an orderly Application::Quit from the event loop, so a
// logout or a kill still closes the windows and saves the settings. Call once, after the Qt
// application exists; does nothing when the signals cannot be routed.
void QuitOnTerminationSignals();
