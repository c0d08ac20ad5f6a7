#pragma once

#include "platform/BevelButton.h"
#include "platform/ImageWell.h"
#include "platform/Label.h"
#include "platform/Window.h"

// The about window: icon, name and version, credit, support address, "Okay!".
class HelpAbout : public Window {
  Q_OBJECT
 public:
  // The live about window, or a new hidden one when there is none.
  static HelpAbout* Instance();
  // How many times the icon was read from the resources in this process (tests).
  static int IconLoads();

  ImageWell* ImageWell1();
  Label* app_title();
  Label* StaticText2();
  Label* StaticText6();
  Label* StaticText7();
  Label* StaticText8();
  Label* StaticText11();
  BevelButton* BevelButton1();

  // Appends a blank and the short version to the label's text.
  void app_title_Open(Label* label);
  // Starts an e-mail to the support address; returns false.
  bool StaticText8_MouseDown(Label* label, int x, int y);
  // Hides the window.
  void BevelButton1_Action();
  // Shows the display name in app_title and in the title.
  void Event_Open();

 private:
  HelpAbout();
  void Layout();
  void CreateControls();
  void _CreateControls0();
};
