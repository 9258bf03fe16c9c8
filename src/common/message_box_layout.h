// The size, place and buttons of the tool's message box, worked out from its text.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/placement.h"

namespace mvane {

// Button sets, as the system message box numbers them.
inline constexpr int ButtonSetOk = 0;
inline constexpr int ButtonSetOkCancel = 1;
inline constexpr int ButtonSetYesNoCancel = 3;
inline constexpr int ButtonSetYesNo = 4;

// Modal results.
inline constexpr int ResultOk = 1;
inline constexpr int ResultCancel = 2;
inline constexpr int ResultYes = 6;
inline constexpr int ResultNo = 7;

struct MessageBoxButton {
  std::string Caption;
  int Result = 0;
  int Left = 0;  // in the button band
  bool Default = false;
  bool operator==(const MessageBoxButton&) const = default;
};

// The frame around the client area, which the window system decides.
struct FrameSize {
  int Width = 0;   // outer width minus client width
  int Height = 0;  // outer height minus client height
};

// How the box's font draws text. The sizes assume a 12-pixel font whose half-width
// characters are 6 pixels wide; a font that draws wider or taller makes the box grow
// so that no text is cut off.
struct MessageFont {
  int LineHeight = 12;
  std::function<int(const std::string&)> LineWidth;  // pixels; empty: 6 per CP932 byte
};

struct MessageBoxLayout {
  std::vector<std::string> Lines;
  Placement Outer;       // the whole box on the screen
  int ClientWidth = 0;
  int ClientHeight = 0;
  bool LongText = false;  // bordered, wrapping, scrolling text
  std::vector<MessageBoxButton> Buttons;  // shown ones, left to right
};

inline constexpr int MessageBoxTopBand = 25;
inline constexpr int MessageBoxSideBand = 25;
inline constexpr int MessageBoxButtonBand = 45;
inline constexpr int MessageBoxButtonWidth = 75;
inline constexpr int MessageBoxButtonHeight = 25;
inline constexpr int MessageBoxButtonTop = 8;

// Lines as the box shows them: "\n" separates them, a last empty line does not count.
std::vector<std::string> MessageLines(const std::string& text);

MessageBoxLayout LayOutMessageBox(ScreenPoint centre, bool longText, const std::string& text, int buttonSet,
                                  FrameSize frame, int screenWidth, int screenHeight,
                                  const MessageFont& font = MessageFont{});

}  // namespace mvane
