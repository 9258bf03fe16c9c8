// Finding and pressing windows from a test, as a user would with the mouse.
#pragma once

#include <windows.h>

#include <string>

namespace mvane::testing {

constexpr DWORD UiTimeoutMs = 20000;

// A visible top-level window of the process with this class and caption, once it shows.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const std::wstring& caption);
// The texts of the window's static and edit children, joined.
std::string WindowText(HWND window);
// Clicks a button of the window: the notification its click sends.
void Press(HWND window, int childId);

}  // namespace mvane::testing
