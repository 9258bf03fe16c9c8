// Where windows go on the screen. All figures are pixels.
#pragma once

namespace mvane {

struct Placement {
  int Top = 0;
  int Left = 0;
  int Height = 0;
  int Width = 0;
  bool operator==(const Placement&) const = default;
};

struct ScreenPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// Pulls a window back onto a screen of the given size; its size never changes, and a
// window larger than the screen goes to its top or left edge.
void KeepOnScreen(int& top, int& left, int height, int width, int screenWidth, int screenHeight);
inline void KeepOnScreen(Placement& placement, int screenWidth, int screenHeight) {
  KeepOnScreen(placement.Top, placement.Left, placement.Height, placement.Width, screenWidth, screenHeight);
}

// The point that message boxes and dialogs are centred on: the middle of the window.
ScreenPoint CentreOf(const Placement& window);

// Top-left corner of a box of the given size centred on a point.
Placement CentredOn(ScreenPoint centre, int height, int width);

}  // namespace mvane
