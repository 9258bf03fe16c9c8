// MVANE.exe itself, started as a user would start it, in the test prefix's registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "model/registry_accessor.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_hive.h"
#include "ui/resource.h"
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
  explicit RunningProgram(const std::wstring& arguments, const std::wstring& program = ProgramBeside(L"MVANE.exe")) {
    std::wstring commandLine = L"\"" + program + L"\"";
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
  DWORD WaitForExit(DWORD timeoutMs = UiTimeoutMs) const {
    WaitForSingleObject(process_.hProcess, timeoutMs);
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
  void Put(const std::string& key, const std::string& name, const std::string& text,
           RootKey root = RootKey::CurrentUser) {
    RegistryAccessor reg(hive_);
    reg.SetRoot(root);
    ASSERT_TRUE(reg.OpenPath(key, true));
    reg.WriteText(name, text);
  }
  void PutNumber(const std::string& key, const std::string& name, std::int32_t number) {
    RegistryAccessor reg(hive_);
    reg.SetRoot(RootKey::CurrentUser);
    ASSERT_TRUE(reg.OpenPath(key, true));
    reg.WriteNumber(name, number);
  }
  std::int32_t Number(const std::string& key, const std::string& name) {
    RegistryAccessor reg(hive_);
    reg.SetRoot(RootKey::CurrentUser);
    return reg.OpenPath(key, false) && reg.HasValue(name) ? reg.ReadNumber(name) : -9999;
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

namespace mvane::testing {
namespace {

const std::string OeKey = "\\Software\\Microsoft\\Outlook Express";
const std::string OeMailKey = "\\Software\\Microsoft\\Outlook Express\\Mail";
const std::string IamKey = "\\Software\\Microsoft\\Internet Account Manager";
const std::string WabKey = "\\Software\\Microsoft\\WAB\\WAB4\\Wab File Name";
const std::string InstallKey = "\\SOFTWARE\\Microsoft\\Outlook Express";
const wchar_t* const ExitCaption = L"Mailvane の終了";

std::string ReadAll(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  char buffer[4096];
  DWORD read = 0;
  ReadFile(file, buffer, sizeof buffer, &read, nullptr);
  CloseHandle(file);
  return std::string(buffer, read);
}

// A mail client's registry with two mail accounts, its folders on disk, its program
// file (the stand-in) under an install folder, and a stored list of two rows: "Main",
// which the mail client is set to now, and "Other".
class UpdateAndExitRun : public EndToEnd {
 protected:
  void SetUp() override {
    EndToEnd::SetUp();
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    root_ = std::wstring(temp) + L"mvane-exit";
    for (const wchar_t* folder : {L"", L"\\Main", L"\\Other", L"\\Outlook Express"}) {
      CreateDirectoryW((root_ + folder).c_str(), nullptr);
    }
    for (const wchar_t* book : {L"\\main.wab", L"\\other.wab"}) {
      CloseHandle(CreateFileW((root_ + book).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    program_ = root_ + L"\\Outlook Express\\msimn.exe";
    CopyFileW(ProgramBeside(L"stand_in_program.exe").c_str(), program_.c_str(), FALSE);
    CopyFileW(ProgramBeside(L"fake_mail_client.exe").c_str(), (root_ + L"\\fake_mail_client.exe").c_str(), FALSE);
    DeleteFileW((root_ + L"\\Outlook Express\\started.log").c_str());
    DeleteFileW((root_ + L"\\mail_client.log").c_str());

    const std::string root = Narrow(root_);
    Put(OeKey, "Store Root", root + "\\Main");
    Put(OeMailKey, "Signature Text", "");
    Put(OeMailKey, "Signature File", "");
    PutNumber(OeMailKey, "Signature Type", 0);
    PutNumber(OeMailKey, "Poll For Mail", 1800000);
    Put(IamKey, "Default Mail Account", "00000001");
    Put(IamKey + "\\Accounts\\00000001", "Account Name", "Office");
    Put(IamKey + "\\Accounts\\00000001", "POP3 Server", "pop.example.jp");
    Put(IamKey + "\\Accounts\\00000001", "SMTP Server", "smtp.example.jp");
    Put(IamKey + "\\Accounts\\00000002", "SMTP Server", "smtp.home.jp");
    Put(IamKey + "\\Accounts\\00000002", "Account Name", "Home");
    Put(IamKey + "\\Accounts\\00000002", "POP3 Server", "pop.home.jp");
    Put(WabKey, "", root + "\\main.wab");
    Put(InstallKey, "InstallRoot", root + "\\Outlook Express", RootKey::LocalMachine);
    StoreRow(0, "Main", root + "\\Main", root + "\\main.wab", "00000001", 1800000, 1);
    StoreRow(1, "Other", root + "\\Other", root + "\\other.wab", "00000002", 600000, 0);
  }
  void TearDown() override {
    RegistryAccessor reg(hive_);
    reg.SetRoot(RootKey::CurrentUser);
    for (const std::string& key : {OeKey, IamKey, std::string("\\Software\\Microsoft\\WAB")}) reg.DeleteTree(key);
    reg.SetRoot(RootKey::LocalMachine);
    reg.DeleteTree(InstallKey);
    EndToEnd::TearDown();
  }
  void StoreRow(int row, const std::string& name, const std::string& folder, const std::string& book,
                const std::string& account, std::int32_t poll, std::int32_t selected) {
    const std::string entry = VersionedKey + "\\List\\0000000" + std::to_string(row + 1);  // entries count from 1
    PutNumber(entry, "Selected", selected);
    Put(entry, "Config Name", name);
    Put(entry, "Store Root", folder);
    Put(entry, "Wab File Name", book);
    Put(entry, "Account Name", account);
    Put(entry, "Signature File", "");
    Put(entry, "Signature Text", "");
    PutNumber(entry, "Signature Type", 0);
    PutNumber(entry, "Poll For Mail", poll);
    PutNumber(entry, "Mail Check Sts", 0);
    PutNumber(entry, "Signature Sts", 0);
  }
  std::string MailClientLog() { return ReadAll(root_ + L"\\mail_client.log"); }
  std::string StartedLog() { return ReadAll(root_ + L"\\Outlook Express\\started.log"); }
  std::wstring FakeMailClient() const { return root_ + L"\\fake_mail_client.exe"; }
  // Starts the tool and waits for its list.
  HWND StartTool(RunningProgram& tool) {
    const HWND main = WaitForWindow(tool.Id(), L"TForm1", L"Mailvane");
    Sleep(1000);  // the first show loads the list after the window is up
    return main;
  }
  // Moves the highlight down to "Other" and selects it, as a user would with the keys.
  static void SelectOther(HWND main) {
    PostMessageW(FindControl(main, IDC_ListViewMain), WM_KEYDOWN, VK_DOWN, 0);
    Sleep(300);
    Press(main, IDC_ButtonSelectConfig);
  }
  // Presses update-and-exit and answers the question about the running mail client.
  std::string AnswerCloseQuestion(const RunningProgram& tool, HWND main, int button) {
    Press(main, IDC_ButtonOK);
    const HWND question = WaitForWindow(tool.Id(), L"TFormMyMB", L"Mailvane");
    if (!question) return "(no question)";
    const std::string text = WindowText(question);
    Press(question, button);
    return text;
  }

  std::wstring root_;
  std::wstring program_;
};

TEST_F(UpdateAndExitRun, TypicalRunClosesTheMailClientAppliesSavesAndStartsItAgain) {
  RunningProgram mailClient(L"--notes 2", FakeMailClient());
  ASSERT_NE(WaitForWindow(mailClient.Id(), L"ThorBrowserWndClass", L"Outlook Express"), nullptr);
  RunningProgram tool(L"");
  const HWND main = StartTool(tool);
  ASSERT_NE(main, nullptr);
  SelectOther(main);

  EXPECT_EQ(AnswerCloseQuestion(tool, main, IDC_Button1),
            "Outlook Express が起動しています\r\n\r\nOutlook Express を終了しますか？");
  EXPECT_EQ(mailClient.WaitForExit(), 0u);
  // Each note in turn is the first of its class still found: the newest is on top.
  EXPECT_EQ(MailClientLog(), "WM_CLOSE main\r\nWM_CLOSE note 2\r\nWM_CLOSE note 1\r\n");
  const HWND exitDialog = WaitForWindow(tool.Id(), L"TForm3", ExitCaption);
  ASSERT_NE(exitDialog, nullptr);
  EXPECT_EQ(SendMessageW(FindControl(exitDialog, IDC_RadioButtonF3ExecOE), BM_GETCHECK, 0, 0), BST_CHECKED);
  Press(exitDialog, IDC_ButtonF3OK);
  EXPECT_EQ(tool.WaitForExit(), 0u);

  const std::string root = Narrow(root_);
  EXPECT_EQ(Text(OeKey, "Store Root"), root + "\\Other");
  EXPECT_EQ(Text(WabKey, ""), root + "\\other.wab");
  EXPECT_EQ(Text(IamKey, "Default Mail Account"), "00000002");
  EXPECT_EQ(Number(OeMailKey, "Poll For Mail"), 600000);
  EXPECT_EQ(Number(VersionedKey + "\\List\\00000001", "Selected"), 0);
  EXPECT_EQ(Number(VersionedKey + "\\List\\00000002", "Selected"), 1);
  EXPECT_EQ(Number(VersionedKey, "Execute OE After Exit"), 1);
  for (int i = 0; i < 100 && StartedLog().empty(); ++i) Sleep(50);
  EXPECT_EQ(StartedLog(), "\"" + Narrow(program_) + "\"\r\n");
}

TEST_F(UpdateAndExitRun, NoToTheQuestionLeavesEverythingAndTheWindowOpen) {
  RunningProgram mailClient(L"--notes 1", FakeMailClient());
  ASSERT_NE(WaitForWindow(mailClient.Id(), L"ThorBrowserWndClass", L"Outlook Express"), nullptr);
  RunningProgram tool(L"");
  const HWND main = StartTool(tool);
  ASSERT_NE(main, nullptr);
  AnswerCloseQuestion(tool, main, IDC_Button2);
  Sleep(500);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(MailClientLog(), "");
  Press(main, IDC_ButtonCancel);
  EXPECT_EQ(tool.WaitForExit(), 0u);
  EXPECT_EQ(Text(OeKey, "Store Root"), Narrow(root_) + "\\Main");
  EXPECT_EQ(Number(VersionedKey, "Execute OE After Exit"), -9999);
}

TEST_F(UpdateAndExitRun, OnlyNotesOpenAreClosedAndNotStartingIsRememberedForTheNextRun) {
  RunningProgram mailClient(L"--no-main --notes 2", FakeMailClient());
  ASSERT_NE(WaitForWindow(mailClient.Id(), L"ATH_Note", L"メッセージの作成 2"), nullptr);
  {
    RunningProgram tool(L"");
    const HWND main = StartTool(tool);
    ASSERT_NE(main, nullptr);
    AnswerCloseQuestion(tool, main, IDC_Button1);
    EXPECT_EQ(mailClient.WaitForExit(), 0u);
    EXPECT_EQ(MailClientLog(), "WM_CLOSE note 2\r\nWM_CLOSE note 1\r\n");
    const HWND exitDialog = WaitForWindow(tool.Id(), L"TForm3", ExitCaption);
    ASSERT_NE(exitDialog, nullptr);
    SendMessageW(FindControl(exitDialog, IDC_RadioButtonF3NotExecOE), BM_CLICK, 0, 0);
    Press(exitDialog, IDC_ButtonF3OK);
    EXPECT_EQ(tool.WaitForExit(), 0u);
  }
  EXPECT_EQ(Number(VersionedKey, "Execute OE After Exit"), 0);
  Sleep(500);
  EXPECT_EQ(StartedLog(), "");

  RunningProgram again(L"");
  const HWND main = StartTool(again);
  ASSERT_NE(main, nullptr);
  Press(main, IDC_ButtonOK);  // no mail client now: straight to the exit dialog
  const HWND exitDialog = WaitForWindow(again.Id(), L"TForm3", ExitCaption);
  ASSERT_NE(exitDialog, nullptr);
  EXPECT_EQ(SendMessageW(FindControl(exitDialog, IDC_RadioButtonF3NotExecOE), BM_GETCHECK, 0, 0), BST_CHECKED);
  Press(exitDialog, IDC_ButtonF3Cancel);
  Sleep(500);
  EXPECT_TRUE(IsWindowVisible(main));
  Press(main, IDC_ButtonCancel);
  EXPECT_EQ(again.WaitForExit(), 0u);
}

TEST_F(UpdateAndExitRun, NoteThatWillNotCloseEndsInTheMessageWithNothingWritten) {
  RunningProgram mailClient(L"--notes 2 --refuse-note 2", FakeMailClient());
  ASSERT_NE(WaitForWindow(mailClient.Id(), L"ThorBrowserWndClass", L"Outlook Express"), nullptr);
  RunningProgram tool(L"");
  const HWND main = StartTool(tool);
  ASSERT_NE(main, nullptr);
  SelectOther(main);
  AnswerCloseQuestion(tool, main, IDC_Button1);
  // The question's box is reused for the message: wait for its new text.
  HWND message = nullptr;
  for (int i = 0; i < 200 && !message; ++i, Sleep(50)) {
    const HWND box = WaitForWindow(tool.Id(), L"TFormMyMB", L"Mailvane");
    if (box && WindowText(box).find("終了できませんでした") != std::string::npos) message = box;
  }
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(WindowText(message),
            "Outlook Express を終了できませんでした\r\n\r\nOutlook Express の設定は変更されていません");
  Press(message, IDC_Button1);
  EXPECT_EQ(MailClientLog(), "WM_CLOSE main\r\nWM_CLOSE note 2\r\nWM_CLOSE note 2\r\nWM_CLOSE note 2\r\n");
  EXPECT_EQ(Text(OeKey, "Store Root"), Narrow(root_) + "\\Main");
  EXPECT_EQ(Number(VersionedKey + "\\List\\00000002", "Selected"), 0);  // as seeded: nothing saved
  Sleep(500);
  EXPECT_TRUE(IsWindowVisible(main));
  Press(main, IDC_ButtonCancel);
  EXPECT_EQ(tool.WaitForExit(), 0u);
}

}  // namespace
}  // namespace mvane::testing

namespace mvane::testing {
namespace {

struct ControlResult {
  DWORD code = 9999;
  std::string out;
  std::string err;
};

std::string Drain(HANDLE pipe) {
  std::string text;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
  return text;
}

// MVANECTL.exe with the arguments, its output caught.
ControlResult Control(const std::wstring& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE outRead, outWrite, errRead, errWrite;
  CreatePipe(&outRead, &outWrite, &inherit, 0);
  CreatePipe(&errRead, &errWrite, &inherit, 0);
  SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = outWrite;
  startup.hStdError = errWrite;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::wstring commandLine = L"\"" + ProgramBeside(L"MVANECTL.exe") + L"\" " + arguments;
  PROCESS_INFORMATION process{};
  ControlResult result;
  const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                      &startup, &process) != 0;
  CloseHandle(outWrite);
  CloseHandle(errWrite);
  if (started) {
    result.out = Drain(outRead);
    result.err = Drain(errRead);
    WaitForSingleObject(process.hProcess, UiTimeoutMs);
    GetExitCodeProcess(process.hProcess, &result.code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(outRead);
  CloseHandle(errRead);
  return result;
}

using ControlRun = UpdateAndExitRun;

TEST_F(ControlRun, ListAndCurrentShowWhatTheMainWindowShows) {
  const std::string root = Narrow(root_);
  const ControlResult list = Control(L"list");
  EXPECT_EQ(list.code, 0u);
  EXPECT_EQ(list.out, "* Main\t" + root + "\\Main\tOffice\t30分おき\n  Other\t" + root + "\\Other\tHome\t10分おき\n");
  const ControlResult json = Control(L"list --json");
  EXPECT_NE(json.out.find("{\"current\": true, \"name\": \"Main\""), std::string::npos) << json.out;
  const ControlResult current = Control(L"current");
  EXPECT_EQ(current.code, 0u);
  EXPECT_EQ(current.out, "Main\n");

  Put(OeKey, "Store Root", root + "\\Other");  // switched by hand: no stored row matches
  EXPECT_EQ(Control(L"current").code, 1u);
}

TEST_F(ControlRun, ApplyRefusesWhileTheMailClientRunsAndClosesItWhenAsked) {
  RunningProgram mailClient(L"--notes 1", FakeMailClient());
  ASSERT_NE(WaitForWindow(mailClient.Id(), L"ThorBrowserWndClass", L"Outlook Express"), nullptr);
  EXPECT_EQ(Control(L"apply other").code, 5u);
  EXPECT_EQ(Text(OeKey, "Store Root"), Narrow(root_) + "\\Main");
  EXPECT_EQ(MailClientLog(), "");

  const ControlResult applied = Control(L"apply OTHER --close --start");
  EXPECT_EQ(applied.code, 0u) << applied.err;
  EXPECT_EQ(mailClient.WaitForExit(), 0u);
  EXPECT_EQ(Text(OeKey, "Store Root"), Narrow(root_) + "\\Other");
  EXPECT_EQ(Number(VersionedKey + "\\List\\00000002", "Selected"), 1);
  EXPECT_EQ(Control(L"current").out, "Other\n");
  for (int i = 0; i < 100 && StartedLog().empty(); ++i) Sleep(50);
  EXPECT_EQ(StartedLog(), "\"" + Narrow(program_) + "\"\r\n");
}

TEST_F(ControlRun, RefusalsChangeNothingAndSayWhyInTheirExitCodes) {
  const std::string root = Narrow(root_);
  StoreRow(2, "Broken", root + "\\Gone", root + "\\main.wab", "00000001", 600000, 0);  // its folder is missing
  EXPECT_EQ(Control(L"").code, 2u);
  EXPECT_EQ(Control(L"frobnicate").code, 2u);
  EXPECT_EQ(Control(L"apply").code, 2u);
  EXPECT_EQ(Control(L"apply Nowhere").code, 3u);
  EXPECT_EQ(Control(L"apply Broken").code, 4u);
  EXPECT_EQ(Control(L"copy Other MAIN").code, 2u);  // taken in another letter case
  EXPECT_EQ(Text(OeKey, "Store Root"), root + "\\Main");
  {
    RunningProgram tool(L"");
    ASSERT_NE(StartTool(tool), nullptr);
    EXPECT_EQ(Control(L"apply Other").code, 6u);
    EXPECT_EQ(Control(L"copy Other Other2").code, 6u);
  }
  EXPECT_EQ(Text(OeKey, "Store Root"), root + "\\Main");

  EXPECT_EQ(Control(L"copy Other \"Other 2\"").code, 0u);
  const ControlResult list = Control(L"list");
  EXPECT_NE(list.out.find("  Other 2\t" + root + "\\Other\tHome\t10分おき\n"), std::string::npos) << list.out;
  EXPECT_EQ(Control(L"--help").code, 0u);
}

// The exported script is one the system's registry editor imports, and one MVANECTL
// reads back: appended with clashing names numbered, or replacing the list.
TEST_F(ControlRun, ExportedListImportsIntoTheRegistryEditorAndBack) {
  const std::wstring script = root_ + L"\\list.reg";
  ASSERT_EQ(Control(L"export \"" + script + L"\"").code, 0u);
  const std::string listed = Control(L"list").out;

  RegistryAccessor reg(hive_);
  reg.SetRoot(RootKey::CurrentUser);
  reg.DeleteTree(VersionedKey + "\\List");
  RunningProgram regedit(L"/S \"" + script + L"\"", L"C:\\windows\\regedit.exe");
  ASSERT_TRUE(regedit.Started());
  EXPECT_EQ(regedit.WaitForExit(), 0u);
  EXPECT_EQ(Control(L"list").out, listed);

  ASSERT_EQ(Control(L"import \"" + script + L"\"").code, 0u);
  const std::string root = Narrow(root_);
  EXPECT_EQ(Control(L"list").out, listed + "  Main (2)\t" + root + "\\Main\tOffice\t30分おき\n  Other (2)\t" + root +
                                      "\\Other\tHome\t10分おき\n");
  ASSERT_EQ(Control(L"import --replace \"" + script + L"\"").code, 0u);
  EXPECT_EQ(Control(L"list").out, listed);
  EXPECT_EQ(Control(L"import \"" + root_ + L"\\missing.reg\"").code, 2u);
  DeleteFileW(script.c_str());
}

}  // namespace
}  // namespace mvane::testing
