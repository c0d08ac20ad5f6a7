#pragma once

// Design values of the about window and its controls, in creation order.
#include "app/SupportAddress.h"
#include "platform/Design.h"

namespace HelpAboutLayout {

inline constexpr WindowDesign kWindow{.Width = 721,
                                      .Height = 367,
                                      .MinimumWidth = 64,
                                      .MinimumHeight = 64,
                                      .MaximumWidth = 32000,
                                      .MaximumHeight = 32000,
                                      .Type = 1,
                                      .Title = "About AppName...",
                                      .HasCloseButton = true,
                                      .HasMaximizeButton = false,
                                      .HasMinimizeButton = true,
                                      .HasFullScreenButton = false,
                                      .Resizeable = false,
                                      .Composite = true,
                                      .MacProcID = 0,
                                      .FullScreen = false,
                                      .DefaultLocation = 0,
                                      .Visible = false,
                                      .HasBackgroundColor = false,
                                      .BackgroundColor = {0xff, 0xff, 0xff, 0x00},
                                      .MenuBarVisible = true,
                                      .LiveResize = false};

// The application icon inside the Qt resources.
inline constexpr char kIconResource[] = ":/shardwick/shardwick-icon-160.png";

// clang-format off
inline constexpr ControlDesign kControls[] = {
    {.Name = "ImageWell1", .Class = ControlClass::ImageWell, .Left = 39, .Top = 15, .Width = 160, .Height = 160, .TabIndex = 0},
    {.Name = "app_title", .Class = ControlClass::Label, .Left = 28, .Top = 182, .Width = 182, .Height = 20, .TabIndex = 1, .Text = "AppName",
     .Bold = true, .TextAlignment = 2},
    {.Name = "StaticText2", .Class = ControlClass::Label, .Left = 28, .Top = 208, .Width = 182, .Height = 22, .TabIndex = 2, .Text = "Made with care by quorvel.",
     .Multiline = true, .TextAlignment = 2, .HasTextColor = true, .TextColor = {0x4c, 0x4c, 0x4c, 0x00}},
    {.Name = "StaticText6", .Class = ControlClass::Label, .Left = 258, .Top = 161, .Width = 314, .Height = 21, .TabIndex = 6,
     .Text = "Please send feedback and feature suggestions to:"},
    {.Name = "StaticText7", .Class = ControlClass::Label, .Left = 258, .Top = 139, .Width = 283, .Height = 20, .TabIndex = 7,
     .Text = "Feedback / Questions / Comments", .Bold = true},
    {.Name = "StaticText8", .Class = ControlClass::Label, .Left = 561, .Top = 161, .Width = 153, .Height = 21, .TabIndex = 8, .Text = SHARDWICK_SUPPORT_ADDRESS,
     .Bold = true, .Underline = true, .TextAlignment = 2, .HasTextColor = true, .TextColor = {0xff, 0x00, 0x00, 0x00}},
    {.Name = "StaticText11", .Class = ControlClass::Label, .Left = 258, .Top = 187, .Width = 298, .Height = 20, .TabIndex = 11,
     .Text = "Thank you for your kindness and support!", .Bold = true, .HasTextColor = true, .TextColor = {0x40, 0x00, 0x80, 0x00}},
    {.Name = "BevelButton1", .Class = ControlClass::BevelButton, .Left = 654, .Top = 325, .Width = 54, .Height = 22, .TabIndex = 12, .Text = "Okay!",
     .AllowFocus = false},
};
// clang-format on

}  // namespace HelpAboutLayout
