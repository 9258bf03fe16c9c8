// Stands in for a running mail client in tests and the demo: a main window of class
// "ThorBrowserWndClass" and note windows of class "ATH_Note". Every WM_CLOSE it gets
// is logged in "mail_client.log" beside itself; it ends when its last window closes.
//   fake_mail_client [--notes N] [--no-main] [--refuse-note K] [--refuse-main]
// --refuse-note K: note K (from 1) stays open whenever it is asked to close.
// --refuse-main: the main window stays, as when its user cancels its own question.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::wstring LogPath() {
  wchar_t self[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, self, static_cast<DWORD>(std::size(self)));
  const std::wstring path(self, length);
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"mail_client.log";
}

void Log(const std::string& line) {
  const HANDLE file = CreateFileW(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\r\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

int openWindows = 0;

// GWLP_USERDATA: the window's name in the log, and whether it refuses to close.
struct WindowRole {
  std::string name;
  bool refuses;
};

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* role = reinterpret_cast<WindowRole*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_CLOSE:
      if (role) Log("WM_CLOSE " + role->name);
      if (role && role->refuses) return 0;
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      if (--openWindows == 0) PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Open(const wchar_t* className, const wchar_t* title, WindowRole* role, int offset) {
  const HWND window = CreateWindowExW(0, className, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500 + offset,
                                      300 + offset, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(role));
  ++openWindows;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int notes = 0;
  int refusedNote = 0;
  bool withMain = true;
  bool mainRefuses = false;
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--notes" && i + 1 < argc) notes = _wtoi(argv[++i]);
    if (arg == L"--refuse-note" && i + 1 < argc) refusedNote = _wtoi(argv[++i]);
    if (arg == L"--no-main") withMain = false;
    if (arg == L"--refuse-main") mainRefuses = true;
  }
  LocalFree(argv);

  for (const wchar_t* className : {L"ThorBrowserWndClass", L"ATH_Note"}) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
  }
  static WindowRole roles[64];
  if (notes > 63) notes = 63;
  // The notes first, so that the main window is the one on top.
  for (int i = 1; i <= notes; ++i) {
    roles[i] = {"note " + std::to_string(i), i == refusedNote};
    Open(L"ATH_Note", (L"メッセージの作成 " + std::to_wstring(i)).c_str(), &roles[i], 30 * i);
  }
  if (withMain) {
    roles[0] = {"main", mainRefuses};
    Open(L"ThorBrowserWndClass", L"Outlook Express", &roles[0], 0);
  }
  if (openWindows == 0) return 0;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
