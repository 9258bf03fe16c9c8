// Drives a running program's windows from outside, for screenshots and the demo:
//   poke wait  CLASS CAPTION               waits until the window shows (exit 1 if not)
//   poke press CLASS CAPTION ID            clicks the control with that identifier
//   poke text  CLASS CAPTION ID TEXT       puts TEXT into the control
//   poke key   CLASS CAPTION ID VK         presses the virtual key in the control
//   poke rect  CLASS CAPTION               prints the window's left, top, width, height
#include <windows.h>

#include <cstdio>
#include <string>

#include "win32/ui_driver.h"

int wmain(int argc, wchar_t** argv) {
  using namespace mvane::testing;
  if (argc < 4) {
    std::fputs("usage: poke wait|press|text|key|rect CLASS CAPTION [ID [TEXT]]\n", stderr);
    return 2;
  }
  const std::wstring verb = argv[1];
  const HWND window = WaitForWindow(0, argv[2], argv[3]);
  if (!window) return 1;
  if (verb == L"wait") return 0;
  if (verb == L"rect") {
    RECT rect;
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
  }
  if (argc < 5) return 2;
  const int id = _wtoi(argv[4]);
  if (verb == L"press") {
    Press(window, id);
    return 0;
  }
  const HWND control = FindControl(window, id);
  if (verb == L"key" && argc >= 6 && control) {
    PostMessageW(control, WM_KEYDOWN, static_cast<WPARAM>(_wtoi(argv[5])), 0);
    return 0;
  }
  if (verb == L"text" && argc >= 6 && control) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[5]));
    return 0;
  }
  return 2;
}
