#pragma once

#include <functional>
#include <string>

class MenuBar;

// The application object: version data, its menu bar, and the Open and Close events.
// The Qt application itself must exist before Run is called.
class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  int MajorVersion = 0, MinorVersion = 0, BugVersion = 0, NonReleaseVersion = 0, StageCode = 0;
  std::string ShortVersion, LongVersion, PackageInfo;

  // The registered application object; nullptr before Register.
  static Application* Current();
  // Makes this the application object.
  void Register();

  void SetMenuBar(MenuBar* bar) { m_menuBar = bar; }
  MenuBar* GetMenuBar() const { return m_menuBar; }

  // Runs lateStartup, raises Open, runs the event loop until Quit, raises Close; returns the
  // loop's exit status.
  int Run(const std::function<void()>& lateStartup);
  // Ends the event loop that Run started, after closing every window; outside Run it only
  // records the request.
  void Quit();
  // True once Quit was called.
  bool QuitRequested() const { return m_quitRequested; }

  virtual void Event_Open() {}
  virtual void Event_Close() {}

 private:
  MenuBar* m_menuBar = nullptr;
  bool m_running = false;
  bool m_quitRequested = false;
};
