#include "win32/ui_driver.h"

#include <commctrl.h>

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
  if ((search.processId == 0 || owner == search.processId) && IsWindowVisible(window) && _wcsicmp(className, search.className) == 0 &&
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
    // WM_GETTEXT, unlike GetWindowText, reads an edit control of another process.
    wchar_t text[1024];
    const int length = static_cast<int>(
        SendMessageW(child, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text)));
    if (length > 0) *reinterpret_cast<std::wstring*>(context) += std::wstring(text, length);
  }
  return TRUE;
}

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchControl(HWND child, LPARAM context) {
  auto& search = *reinterpret_cast<ControlSearch*>(context);
  if (GetDlgCtrlID(child) != search.id) return TRUE;
  search.found = child;
  return FALSE;
}

}  // namespace

HWND FindControl(HWND window, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(window, MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

HWND WaitForBox(const std::wstring& caption) {
  return WaitForWindow(GetCurrentProcessId(), L"TFormMyMB", caption);
}

std::string AnswerBox(const wchar_t* caption, int button, const std::function<void()>& action) {
  std::string text;
  User user([&] {
    if (const HWND box = WaitForBox(caption)) {
      text = WindowText(box);
      Press(box, button);
    }
  });
  action();
  return text;
}

bool PumpUntil(const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  MSG message;
  while (!done() && GetTickCount() - start < 5000) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return true;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  }
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

std::wstring ItemText(HWND list, int row, int column) {
  wchar_t text[256] = L"";
  ListView_GetItemText(list, row, column, text, 256);
  return text;
}

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
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(childId, BN_CLICKED), reinterpret_cast<LPARAM>(FindControl(window, childId)));
}

}  // namespace mvane::testing
