// MVANE.exe itself, started as a user would start it, in the test prefix's registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "model/registry_accessor.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_hive.h"

namespace mvane::testing {
namespace {

const std::string OwnKeyPath = "\\Software\\Corvell\\MVANE";
const std::string VersionedKey = "\\Software\\Corvell\\MVANE\\1.0";
const wchar_t* const UninstallCaption = L"Mailvane アンインストール";
constexpr DWORD TimeoutMs = 20000;

std::wstring ProgramBeside(const wchar_t* name) {
  wchar_t self[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, self, static_cast<DWORD>(std::size(self)));
  std::wstring path(self, length);
  return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

class RunningProgram {
 public:
  explicit RunningProgram(const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + ProgramBeside(L"MVANE.exe") + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process_) != 0;
  }
  ~RunningProgram() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  bool Started() const { return started_; }
  DWORD Id() const { return process_.dwProcessId; }
  // The exit code, or STILL_ACTIVE when it has not ended in time.
  DWORD WaitForExit() const {
    WaitForSingleObject(process_.hProcess, TimeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

struct WindowSearch {
  DWORD processId;
  std::wstring caption;
  HWND found;
};

BOOL CALLBACK MatchMessageBox(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[64];
  wchar_t caption[256];
  GetClassNameW(window, className, static_cast<int>(std::size(className)));
  GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
  if (owner == search.processId && IsWindowVisible(window) && std::wstring(className) == L"#32770" &&
      search.caption == caption) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// The program's system message box with this caption, once it shows.
HWND WaitForMessageBox(const RunningProgram& program, const wchar_t* caption) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    WindowSearch search{program.Id(), caption, nullptr};
    EnumWindows(MatchMessageBox, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return nullptr;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM context) {
  wchar_t className[64];
  GetClassNameW(child, className, static_cast<int>(std::size(className)));
  if (_wcsicmp(className, L"Static") == 0) {
    wchar_t text[1024];
    const int length = GetWindowTextW(child, text, static_cast<int>(std::size(text)));
    if (length > 0) *reinterpret_cast<std::wstring*>(context) += std::wstring(text, length);
  }
  return TRUE;
}

std::string MessageText(HWND box) {
  std::wstring text;
  EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
  return Narrow(text);
}

void Press(HWND box, int button) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override { RemoveOwnData(); }
  void TearDown() override { RemoveOwnData(); }

  void RemoveOwnData() {
    RegistryAccessor reg(hive_);
    reg.SetRoot(RootKey::CurrentUser);
    reg.DeleteTree("\\Software\\Corvell");
  }
  void Put(const std::string& key, const std::string& name, const std::string& text) {
    RegistryAccessor reg(hive_);
    reg.SetRoot(RootKey::CurrentUser);
    ASSERT_TRUE(reg.OpenPath(key, true));
    reg.WriteText(name, text);
  }
  // The value's text, or "(no key)" when the key does not exist.
  std::string Text(const std::string& key, const std::string& name) {
    RegistryAccessor reg(hive_);
    reg.SetRoot(RootKey::CurrentUser);
    return reg.OpenPath(key, false) ? reg.ReadText(name) : "(no key)";
  }

  Win32Hive hive_;
};

TEST_F(EndToEnd, StartWithoutArgumentsRecordsPathAndVersion) {
  RunningProgram program(L"");
  ASSERT_TRUE(program.Started());
  EXPECT_EQ(program.WaitForExit(), 0u);
  EXPECT_EQ(Text(VersionedKey, "Path"), Narrow(ProgramBeside(L"MVANE.exe")));
  EXPECT_EQ(Text(OwnKeyPath, "Current Version"), "1.0");
}

TEST_F(EndToEnd, SecondInstanceEndsAtOnceWithMinusOne) {
  const HANDLE running = CreateMutexW(nullptr, FALSE, L"Tessel");
  ASSERT_NE(running, nullptr);
  RunningProgram program(L"");
  ASSERT_TRUE(program.Started());
  EXPECT_EQ(program.WaitForExit(), static_cast<DWORD>(-1));
  EXPECT_EQ(Text(VersionedKey, "Path"), "(no key)");
  CloseHandle(running);
}

TEST_F(EndToEnd, UninstallConfirmedRemovesTheVersionedKeyAndKeepsTheVersion) {
  Put(VersionedKey, "Path", "C:\\old\\MVANE.exe");
  Put(VersionedKey + "\\List\\00000000", "Config Name", "会社");
  Put(OwnKeyPath, "Current Version", "1.0");
  RunningProgram program(L"/uninstall");
  ASSERT_TRUE(program.Started());

  HWND question = WaitForMessageBox(program, UninstallCaption);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(MessageText(question), "Mailvane のレジストリを削除します");
  Press(question, IDOK);

  // The closing message has the same caption: wait for the question to go first.
  for (int i = 0; i < 200 && IsWindow(question); ++i) Sleep(50);
  HWND done = WaitForMessageBox(program, UninstallCaption);
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(MessageText(done), "Mailvane のレジストリを削除しました\n\nファイルは手作業で削除してください");
  Press(done, IDOK);

  EXPECT_EQ(program.WaitForExit(), 0u);
  EXPECT_EQ(Text(VersionedKey, "Path"), "(no key)");
  EXPECT_EQ(Text(OwnKeyPath, "Current Version"), "1.0");
}

TEST_F(EndToEnd, UninstallCancelledRemovesNothing) {
  Put(VersionedKey, "Path", "C:\\old\\MVANE.exe");
  RunningProgram program(L"/UNINSTALL");
  ASSERT_TRUE(program.Started());
  HWND question = WaitForMessageBox(program, UninstallCaption);
  ASSERT_NE(question, nullptr);
  Press(question, IDCANCEL);
  EXPECT_EQ(program.WaitForExit(), 0u);
  EXPECT_EQ(Text(VersionedKey, "Path"), "C:\\old\\MVANE.exe");
}

}  // namespace
}  // namespace mvane::testing
