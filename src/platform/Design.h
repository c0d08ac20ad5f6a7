#pragma once

#include <cstdint>

#include "platform/DesignColor.h"

// Design values of a window, applied in one step by Window::ApplyDesign.
struct WindowDesign {
  int Width = 0, Height = 0;
  int MinimumWidth = 64, MinimumHeight = 64;
  int MaximumWidth = 32000, MaximumHeight = 32000;
  int Type = 0;
  const char* Title = "";
  bool HasCloseButton = true;
  bool HasMaximizeButton = false;
  bool HasMinimizeButton = true;
  bool HasFullScreenButton = false;
  bool Resizeable = false;
  bool Composite = false;
  int MacProcID = 0;
  bool FullScreen = false;
  int DefaultLocation = 0;
  bool Visible = false;
  bool HasBackgroundColor = false;
  StoredColor BackgroundColor{0xff, 0xff, 0xff, 0x00};
  bool MenuBarVisible = true;
  bool LiveResize = false;
};

enum class ControlClass {
  Label,
  PushButton,
  TextField,
  Slider,
  GroupBox,
  UpDownArrows,
  BevelButton,
  ProgressWheel,
  ImageWell
};

// Design values of one control; one table row. Positions are in the window's content
// coordinates, also for controls inside a group box. Text colour applies only when HasTextColor,
// background colour (a text field's editing area) only when HasBackgroundColor.
struct ControlDesign {
  const char* Name = "";
  ControlClass Class = ControlClass::Label;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int TabIndex = 0;
  const char* Text = "";
  bool Enabled = true;
  const char* Parent = nullptr;  // nullptr: the window itself
  bool Visible = true;
  bool Multiline = false;
  bool Bold = false;
  bool Underline = false;
  int TextAlignment = 0;  // 0 leading, 1 left, 2 centred, 3 right
  int FontSize = 0;       // 0: the platform's default size
  bool HasTextColor = false;
  StoredColor TextColor{0, 0, 0, 0};
  bool HasBackgroundColor = false;
  StoredColor BackgroundColor{0, 0, 0, 0};
  bool AllowFocus = true;
  // Slider only.
  std::int64_t Value = 0, MinimumValue = 0, MaximumValue = 100;
  int LineStep = 1, PageStep = 20;
  bool AllowLiveScrolling = true;
};
