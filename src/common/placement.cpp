#include "common/placement.h"

namespace mvane {

void KeepOnScreen(int& top, int& left, int height, int width, int screenWidth, int screenHeight) {
  if (top + height > screenHeight) top = screenHeight - height;
  if (left + width > screenWidth) left = screenWidth - width;
  if (top < 0 || height > screenHeight) top = 0;
  if (left < 0 || width > screenWidth) left = 0;
}

ScreenPoint CentreOf(const Placement& window) {
  return {window.Left + window.Width / 2, window.Top + window.Height / 2};
}

Placement CentredOn(ScreenPoint centre, int height, int width) {
  return {centre.Y - height / 2, centre.X - width / 2, height, width};
}

}  // namespace mvane
