#pragma once

// Design values of the main window and its controls, in creation order.
#include "app/SupportAddress.h"
#include "platform/Design.h"

namespace Window1Layout {

inline constexpr StoredColor kDarkGreen{0x40, 0x80, 0x00, 0x00};
inline constexpr StoredColor kTeal{0x80, 0x80, 0x00, 0x00};

inline constexpr WindowDesign kWindow{.Width = 560,
                                      .Height = 493,
                                      .MinimumWidth = 64,
                                      .MinimumHeight = 64,
                                      .MaximumWidth = 32000,
                                      .MaximumHeight = 32000,
                                      .Type = 0,
                                      .Title = "Shardwick SE 2020",
                                      .HasCloseButton = true,
                                      .HasMaximizeButton = false,
                                      .HasMinimizeButton = true,
                                      .HasFullScreenButton = false,
                                      .Resizeable = false,
                                      .Composite = false,
                                      .MacProcID = 0,
                                      .FullScreen = false,
                                      .DefaultLocation = 0,
                                      .Visible = false,
                                      .HasBackgroundColor = false,
                                      .BackgroundColor = {0xff, 0xff, 0xff, 0x00},
                                      .MenuBarVisible = true,
                                      .LiveResize = false};

// clang-format off
inline constexpr ControlDesign kControls[] = {
    {.Name = "StaticText1", .Class = ControlClass::Label, .Left = 14, .Top = 8, .Width = 489, .Height = 38, .TabIndex = 0,
     .Text = "Split text or CSV files into multiple sub-files with Shardwick. If you have issues or questions, "
             "please let us know at " SHARDWICK_SUPPORT_ADDRESS,
     .Multiline = true},
    {.Name = "StaticText2", .Class = ControlClass::Label, .Left = 14, .Top = 51, .Width = 54, .Height = 20, .TabIndex = 1, .Text = "Step 1:"},
    {.Name = "PushButton1", .Class = ControlClass::PushButton, .Left = 86, .Top = 51, .Width = 196, .Height = 20, .TabIndex = 2, .Text = "Select File to Split"},
    {.Name = "StaticText5", .Class = ControlClass::Label, .Left = 14, .Top = 341, .Width = 54, .Height = 20, .TabIndex = 9, .Text = "Step 4:"},
    {.Name = "PushButton3", .Class = ControlClass::PushButton, .Left = 86, .Top = 341, .Width = 196, .Height = 20, .TabIndex = 10, .Text = "Split File", .Enabled = false},
    {.Name = "step1text", .Class = ControlClass::Label, .Left = 294, .Top = 51, .Width = 241, .Height = 50, .TabIndex = 11, .Multiline = true, .HasTextColor = true, .TextColor = kDarkGreen},
    {.Name = "steptext1", .Class = ControlClass::Label, .Left = 292, .Top = 282, .Width = 240, .Height = 48, .TabIndex = 12, .Multiline = true, .HasTextColor = true, .TextColor = kDarkGreen},
    {.Name = "result_text", .Class = ControlClass::Label, .Left = 86, .Top = 414, .Width = 449, .Height = 59, .TabIndex = 16, .Multiline = true, .HasTextColor = true, .TextColor = kTeal},
    {.Name = "StaticText51", .Class = ControlClass::Label, .Left = 14, .Top = 414, .Width = 54, .Height = 20, .TabIndex = 24, .Text = "Result:"},
    {.Name = "GroupBox1", .Class = ControlClass::GroupBox, .Left = 86, .Top = 136, .Width = 454, .Height = 133, .TabIndex = 25, .Text = "How many lines per sub-file?", .Enabled = false},
    {.Name = "lines_field", .Class = ControlClass::TextField, .Left = 98, .Top = 168, .Width = 184, .Height = 28, .TabIndex = 0, .Parent = "GroupBox1", .FontSize = 20, .HasTextColor = true, .TextColor = {0x00, 0x00, 0x00, 0x00},
     .HasBackgroundColor = true, .BackgroundColor = {0xff, 0xff, 0xff, 0x00}},
    {.Name = "UpDownArrows1", .Class = ControlClass::UpDownArrows, .Left = 294, .Top = 215, .Width = 13, .Height = 23, .TabIndex = 1, .Parent = "GroupBox1", .AllowFocus = false},
    {.Name = "lines_slider", .Class = ControlClass::Slider, .Left = 98, .Top = 215, .Width = 184, .Height = 23, .TabIndex = 2, .Parent = "GroupBox1",
     .Value = 0, .MinimumValue = 0, .MaximumValue = 100, .LineStep = 1, .PageStep = 20, .AllowLiveScrolling = true},
    {.Name = "analysis", .Class = ControlClass::Label, .Left = 337, .Top = 168, .Width = 182, .Height = 84, .TabIndex = 3, .Parent = "GroupBox1", .Multiline = true, .HasTextColor = true, .TextColor = kDarkGreen},
    {.Name = "StaticText21", .Class = ControlClass::Label, .Left = 14, .Top = 136, .Width = 54, .Height = 20, .TabIndex = 26, .Text = "Step 2:"},
    {.Name = "BevelButton2", .Class = ControlClass::BevelButton, .Left = 515, .Top = 8, .Width = 26, .Height = 24, .TabIndex = 27, .Text = "?", .AllowFocus = false},
    {.Name = "splitprwheel", .Class = ControlClass::ProgressWheel, .Left = 292, .Top = 338, .Width = 33, .Height = 32, .TabIndex = 29, .Visible = true},
    {.Name = "Label1", .Class = ControlClass::Label, .Left = 14, .Top = 282, .Width = 54, .Height = 20, .TabIndex = 30, .Text = "Step 3:"},
    {.Name = "ChooseOutputBtn", .Class = ControlClass::PushButton, .Left = 86, .Top = 282, .Width = 196, .Height = 20, .TabIndex = 31, .Text = "Select Output Folder", .Enabled = false},
};
// clang-format on

}  // namespace Window1Layout
