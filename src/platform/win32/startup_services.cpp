#include "platform/win32/startup_services.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace mvane {

int Win32StartupServices::ShowSystemMessage(const std::string& text, const std::string& caption,
                                            SystemMessageButtons buttons) {
  UINT style = MB_OK;
  if (buttons == SystemMessageButtons::OkCancel) style = MB_OKCANCEL;
  if (buttons == SystemMessageButtons::OkWithStopIcon) style = MB_OK | MB_ICONSTOP;
  return MessageBoxW(nullptr, Wide(text).c_str(), Wide(caption).c_str(), style);
}

std::string Win32StartupServices::UpperCase(const std::string& text) {
  std::wstring wide = Wide(text);
  if (!wide.empty()) CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return Narrow(wide);
}

std::string ProgramPath() {
  // Paths may be longer than MAX_PATH; grow until the whole path fits.
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int i = 1; arguments && i < count; ++i) result.push_back(Narrow(arguments[i]));
  LocalFree(arguments);
  return result;
}

}  // namespace mvane
