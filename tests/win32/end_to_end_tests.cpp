// MVANE.exe itself, started as a user would start it, in the test prefix's registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "model/registry_accessor.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_hive.h"
#include "win32/ui_driver.h"

namespace mvane::testing {
namespace {

const std::string OwnKeyPath = "\\Software\\Corvell\\MVANE";
const std::string VersionedKey = "\\Software\\Corvell\\MVANE\\1.0";
const wchar_t* const UninstallCaption = L"Mailvane アンインストール";

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
    WaitForSingleObject(process_.hProcess, UiTimeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

// The program's system message box with this caption, once it shows.
HWND WaitForMessageBox(const RunningProgram& program, const wchar_t* caption) {
  return WaitForWindow(program.Id(), L"#32770", caption);
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

TEST_F(EndToEnd, StartWithoutArgumentsRecordsPathAndVersionAndOpensTheMainWindow) {
  RunningProgram program(L"");
  ASSERT_TRUE(program.Started());
  const HWND main = WaitForWindow(program.Id(), L"TForm1", L"Mailvane");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(Text(VersionedKey, "Path"), Narrow(ProgramBeside(L"MVANE.exe")));
  EXPECT_EQ(Text(OwnKeyPath, "Current Version"), "1.0");

  // The close box ends the tool, which stores its placement on the way out.
  SetWindowPos(main, nullptr, 30, 40, 500, 360, SWP_NOZORDER);
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
  RegistryAccessor reg(hive_);
  reg.SetRoot(RootKey::CurrentUser);
  ASSERT_TRUE(reg.OpenPath(VersionedKey, false));
  EXPECT_EQ(reg.ReadNumber("Left"), 30);
  EXPECT_EQ(reg.ReadNumber("Top"), 40);
  EXPECT_EQ(reg.ReadNumber("Width"), 500);
  EXPECT_EQ(reg.ReadNumber("Height"), 360);
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
  EXPECT_EQ(WindowText(question), "Mailvane のレジストリを削除します");
  Press(question, IDOK);

  // The closing message has the same caption: wait for the question to go first.
  for (int i = 0; i < 200 && IsWindow(question); ++i) Sleep(50);
  HWND done = WaitForMessageBox(program, UninstallCaption);
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(WindowText(done), "Mailvane のレジストリを削除しました\n\nファイルは手作業で削除してください");
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
