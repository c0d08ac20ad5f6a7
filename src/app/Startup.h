#pragma once

// Bringing the program up; main only calls _Main.
namespace Startup {
// Runs the whole program: early start-up, the late start-up and Open, the event loop.
// Returns the exit status; 1 when an error escaped start-up.
int _Main();
// File types, the application object with its version data and menu bar.
void _EarlyStartup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
// Makes the main window (hidden).
void _LateStartup();
void _MakeDefaultView();
}  // namespace Startup
