#pragma once

#include "platform/Application.h"

// The application object.
class App : public Application {
 public:
  App() = default;
  // The registered application object; nullptr before start-up made it.
  static App* Instance();

  // Hides the File menu and opens the vendor module (settings, main window).
  void Event_Open() override;
  // Saves the settings.
  void Event_Close() override;
};
