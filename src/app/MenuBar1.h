#pragma once

#include "platform/Menu.h"

// The program's one menu bar: File (About, Quit) and Edit.
class MenuBar1 : public MenuBar {
 public:
  // The single bar, built completely on the first call.
  static MenuBar1* Instance();

  // Builds the File menu.
  void Untitled0();
  // Builds the Edit menu.
  void Untitled1();

 private:
  MenuBar1();
  void Constructor();
};
