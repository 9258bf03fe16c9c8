// MVANECTL.exe: the console program that lists and switches the stored configurations.
#include <windows.h>

#include <string>
#include <vector>

#include "cli/control.h"
#include "platform/win32/mail_client.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_hive.h"

namespace {

class ConsoleServices : public mvane::ControlServices {
 public:
  ~ConsoleServices() override {
    if (mutex_) CloseHandle(mutex_);
  }
  bool ClaimSingleInstance() override {
    mutex_ = CreateMutexW(nullptr, FALSE, L"Tessel");
    return mutex_ && GetLastError() != ERROR_ALREADY_EXISTS;
  }
  mvane::MailClientWindows& MailClient() override { return windows_; }
  void RunProgram(const std::string& path) override { mvane::RunProgram(path); }
  bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override {
    const HANDLE file = CreateFileW(mvane::Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool complete = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                          written == bytes.size();
    return CloseHandle(file) && complete;
  }
  bool JapaneseUi() override { return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE; }

 private:
  HANDLE mutex_ = nullptr;
  mvane::Win32MailClientWindows windows_;
};

// To a console as characters; redirected, as UTF-8 bytes.
void Write(DWORD which, const std::string& text) {
  if (text.empty()) return;
  const HANDLE handle = GetStdHandle(which);
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = mvane::Wide(text);
    WriteConsoleW(handle, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(mvane::Narrow(argv[i]));
  mvane::Win32Hive hive;
  mvane::Win32FileSystem files;
  ConsoleServices services;
  mvane::ControlOutput output;
  const int code = mvane::RunControl(args, hive, files, services, output);
  Write(STD_OUTPUT_HANDLE, output.out);
  Write(STD_ERROR_HANDLE, output.err);
  return code;
}
