#include "platform/win32/mail_client.h"

#include "platform/win32/wide.h"

namespace mvane {
namespace {

constexpr const wchar_t* MainWindowClass = L"ThorBrowserWndClass";
constexpr const wchar_t* NoteWindowClass = L"ATH_Note";

}  // namespace

MailClientWindows::Window Win32MailClientWindows::Found(HWND window) {
  if (!window) return 0;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process) processes_.insert(process);
  return reinterpret_cast<Window>(window);
}

MailClientWindows::Window Win32MailClientWindows::FindMain() {
  return Found(FindWindowW(MainWindowClass, nullptr));
}

MailClientWindows::Window Win32MailClientWindows::FindNote() { return Found(FindWindowW(NoteWindowClass, nullptr)); }

bool Win32MailClientWindows::SendClose(Window window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(reinterpret_cast<HWND>(window), WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, CloseRequestTimeoutMs,
                             &result) != 0 ||
         !IsWindow(reinterpret_cast<HWND>(window));  // gone while we waited: closed all the same
}

bool Win32MailClientWindows::WaitUntilGone() {
  const ULONGLONG deadline = GetTickCount64() + EndOfProgramTimeoutMs;
  const auto remaining = [&] {
    const ULONGLONG now = GetTickCount64();
    return now >= deadline ? DWORD{0} : static_cast<DWORD>(deadline - now);
  };
  while (FindWindowW(MainWindowClass, nullptr) || FindWindowW(NoteWindowClass, nullptr)) {
    if (remaining() == 0) return false;
    Sleep(50);
  }
  for (const DWORD id : processes_) {
    if (id == GetCurrentProcessId()) continue;
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (!process) continue;  // already gone
    const DWORD waited = WaitForSingleObject(process, remaining());
    CloseHandle(process);
    if (waited != WAIT_OBJECT_0) return false;
  }
  return true;
}

void RunProgram(const std::string& path) {
  std::wstring commandLine = L"\"" + Wide(path) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }
}

}  // namespace mvane
