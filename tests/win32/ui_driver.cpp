#include "win32/ui_driver.h"

#include <chrono>
#include <thread>

#include "platform/win32/wide.h"

namespace mvane::testing {
namespace {

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  std::wstring caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[64];
  wchar_t caption[256];
  GetClassNameW(window, className, static_cast<int>(std::size(className)));
  GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
  if (owner == search.processId && IsWindowVisible(window) && _wcsicmp(className, search.className) == 0 &&
      search.caption == caption) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectText(HWND child, LPARAM context) {
  wchar_t className[64];
  GetClassNameW(child, className, static_cast<int>(std::size(className)));
  if (_wcsicmp(className, L"Static") == 0 || _wcsicmp(className, L"Edit") == 0) {
    wchar_t text[1024];
    const int length = GetWindowTextW(child, text, static_cast<int>(std::size(text)));
    if (length > 0) *reinterpret_cast<std::wstring*>(context) += std::wstring(text, length);
  }
  return TRUE;
}

}  // namespace

HWND WaitForWindow(DWORD processId, const wchar_t* className, const std::wstring& caption) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(UiTimeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    WindowSearch search{processId, className, caption, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return nullptr;
}

std::string WindowText(HWND window) {
  std::wstring text;
  EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&text));
  return Narrow(text);
}

void Press(HWND window, int childId) {
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(childId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, childId)));
}

}  // namespace mvane::testing
