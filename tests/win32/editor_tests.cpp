// The editor dialog over the main window, in this process, driven from a second
// thread as a user would.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "model/memory_hive.h"
#include "platform/win32/wide.h"
#include "settings/config_store.h"
#include "ui/editor/form2.h"
#include "ui/main/form1.h"
#include "ui/msgbox/form_my_mb.h"
#include "ui/resource.h"
#include "unit/mail_client_fixture.h"
#include "win32/ui_driver.h"

namespace mvane::testing {
namespace {

using Clock = std::chrono::steady_clock;

// Whether the dialog paints the box green, as it answers the box's colour request.
bool PaintedGreen(HWND dialog, int id) {
  const HWND box = FindControl(dialog, id);
  const HDC dc = GetDC(box);
  SetBkColor(dc, RGB(255, 255, 255));
  SendMessageW(dialog, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box));
  const bool green = GetBkColor(dc) == RGB(0, 128, 0);
  ReleaseDC(box, dc);
  return green;
}

std::string TextOf(HWND dialog, int id) {
  wchar_t text[512] = L"";
  GetWindowTextW(FindControl(dialog, id), text, 512);
  return Narrow(text);
}

void Type(HWND dialog, int id, const wchar_t* text) { SetWindowTextW(FindControl(dialog, id), text); }

bool Checked(HWND dialog, int id) {
  return SendMessageW(FindControl(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A click that has been handled when this returns.
void Click(HWND dialog, int id) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(FindControl(dialog, id)));
}

int ActivePage(HWND dialog) { return TabCtrl_GetCurSel(FindControl(dialog, IDC_PageControl1)); }

class Editor : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
  }
  Editor() {
    SeedMailClient(hive_);
    files_.AddFolder("C:\\Mail\\Main");
    files_.AddFolder("C:\\Mail\\Other");
    files_.AddFolder("C:\\WAB");
    files_.AddTextFile("C:\\WAB\\main.wab", "");
  }
  void Store(const std::vector<TesselRegistry>& configs) {
    MainModel stored;
    for (const TesselRegistry& config : configs) stored.Configs.Append(config);
    SaveConfigList(hive_, stored);
  }
  // Shows the main window with its editor and waits for the list.
  HWND Show() {
    form1_.SetMessageBox(&box_);
    form1_.SetEditor(&form2_);
    ShowWindow(form1_.Handle(), SW_SHOW);
    const HWND list = GetDlgItem(form1_.Handle(), IDC_ListViewMain);
    EXPECT_FALSE(PumpUntil([&] { return ListView_GetItemCount(list) > 0; }));
    return list;
  }
  void Command(int id) { SendMessageW(form1_.Handle(), WM_COMMAND, id, 0); }
  static HWND WaitForEditor() { return WaitForWindow(GetCurrentProcessId(), L"TForm2", L"設定"); }

  MemoryHive hive_;
  MemoryFileSystem files_;
  ui::TFormMyMB box_{nullptr};
  ui::TForm1 form1_{hive_, files_};
  ui::TForm2 form2_{form1_.Handle(), files_};
};

TEST_F(Editor, AddWithOkAppendsAnUnmarkedLastRowFilledFromTheMailClient) {
  const HWND list = Show();
  {
    User user([&] {
      const HWND dialog = WaitForEditor();
      if (!dialog) return;
      EXPECT_EQ(TextOf(dialog, IDC_EditF2Name), "新しい設定(1)");
      EXPECT_EQ(TextOf(dialog, IDC_EditF2Folder), "C:\\Mail\\Main");
      EXPECT_EQ(TextOf(dialog, IDC_ComboBoxF2AccountName), "Office");
      EXPECT_EQ(TextOf(dialog, IDC_EditF2PollForMail), "30");
      EXPECT_TRUE(Checked(dialog, IDC_RadioButtonF2MailCheck));
      EXPECT_TRUE(IsWindowEnabled(FindControl(dialog, IDC_EditF2PollForMail)));
      EXPECT_TRUE(Checked(dialog, IDC_RadioButtonF2SigUseSig));
      EXPECT_TRUE(Checked(dialog, IDC_RadioButtonF2SigUseFile));  // type 0x10002
      EXPECT_TRUE(IsWindowEnabled(FindControl(dialog, IDC_ButtonF2SigRef)));
      EXPECT_FALSE(IsWindowEnabled(FindControl(dialog, IDC_MemoF2Sig)));
      EXPECT_EQ(ActivePage(dialog), 0);
      EXPECT_EQ(FocusOf(dialog), FindControl(dialog, IDC_EditF2Name));
      Click(dialog, IDC_RadioButtonF2SigUseText);  // the file need not exist then
      Press(dialog, IDC_ButtonF2OK);
    });
    Command(IDC_ButtonAddConfig);
  }
  ASSERT_EQ(ListView_GetItemCount(list), 2);
  EXPECT_EQ(Narrow(ItemText(list, 1, 0)), "新しい設定(1)");
  EXPECT_EQ(ListView_GetItemState(list, 1, LVIS_STATEIMAGEMASK), 0u);
  const TesselRegistry& added = form1_.Model().Configs.Record(1);
  EXPECT_EQ(added.AccountName, "00000001");
  EXPECT_EQ(added.PollForMail, 1800000);
  EXPECT_EQ(added.SignatureType, 0x10001u);
  EXPECT_EQ(added.Selected, 0);

  User cancel([&] {
    if (const HWND dialog = WaitForEditor()) Press(dialog, IDC_ButtonF2Cancel);
  });
  Command(IDM_MenuAddConfig);
  EXPECT_EQ(ListView_GetItemCount(list), 2);
}

TEST_F(Editor, RefusedFolderIsGreenAndFocusedForOneSecondFromTheFirstRefusal) {
  Show();
  std::chrono::milliseconds greenFor{0};
  User user([&] {
    const HWND dialog = WaitForEditor();
    if (!dialog) return;
    Click(dialog, IDC_RadioButtonF2SigUseText);
    SendMessageW(FindControl(dialog, IDC_PageControl1), TCM_SETCURSEL, 2, 0);
    Type(dialog, IDC_EditF2Folder, L"C:\\Gone");
    const auto refused = Clock::now();
    Press(dialog, IDC_ButtonF2OK);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(PaintedGreen(dialog, IDC_EditF2Folder));
    EXPECT_FALSE(PaintedGreen(dialog, IDC_EditF2Address));
    EXPECT_EQ(FocusOf(dialog), FindControl(dialog, IDC_EditF2Folder));
    EXPECT_EQ(ActivePage(dialog), 0);
    std::this_thread::sleep_until(refused + std::chrono::milliseconds(600));
    Press(dialog, IDC_ButtonF2OK);  // a second refusal does not make the green last longer
    while (PaintedGreen(dialog, IDC_EditF2Folder) && Clock::now() - refused < std::chrono::seconds(5)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    greenFor = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - refused);
    Press(dialog, IDC_ButtonF2Cancel);
  });
  Command(IDC_ButtonAddConfig);
  EXPECT_GE(greenFor.count(), 900);
  EXPECT_LT(greenFor.count(), 1500);  // from the second refusal it would last past 1,600
  EXPECT_EQ(form1_.Model().Configs.Count(), 1);
}

TEST_F(Editor, EditShowsTheRecordAndOkStoresTheChanges) {
  TesselRegistry work;
  work.ConfigName = "Work";
  work.StoreRoot = "C:\\Mail\\Main";
  work.WabFileName = "C:\\WAB\\main.wab";
  work.AccountName = "00000002";
  work.PollForMail = 5400000;
  work.SignatureType = 0x2;
  work.SignatureText = "a\nb";
  Store({work});
  const HWND list = Show();
  ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
  {
    User user([&] {
      const HWND dialog = WaitForEditor();
      if (!dialog) return;
      EXPECT_EQ(TextOf(dialog, IDC_EditF2Name), "Work");
      EXPECT_EQ(TextOf(dialog, IDC_ComboBoxF2AccountName), "Home");
      EXPECT_EQ(TextOf(dialog, IDC_EditF2PollForMail), "90");
      EXPECT_TRUE(Checked(dialog, IDC_RadioButtonF2MailCheck));
      EXPECT_TRUE(Checked(dialog, IDC_RadioButtonF2SigNotUseSig));
      EXPECT_EQ(TextOf(dialog, IDC_MemoF2Sig), "a\r\nb");
      EXPECT_TRUE(IsWindowEnabled(FindControl(dialog, IDC_MemoF2Sig)));  // do-not-add keeps the text editable
      Type(dialog, IDC_EditF2Folder, L"C:\\Mail\\Other");
      Type(dialog, IDC_EditF2Name, L"WORK");  // its own name in other letter case
      Click(dialog, IDC_RadioButtonF2SigUseOESig);
      EXPECT_FALSE(IsWindowEnabled(FindControl(dialog, IDC_MemoF2Sig)));
      EXPECT_TRUE(IsWindowEnabled(FindControl(dialog, IDC_RadioButtonF2SigUseFile)));
      Press(dialog, IDC_ButtonF2OK);
    });
    Command(IDM_Edit2);
  }
  const TesselRegistry& stored = form1_.Model().Configs.Record(0);
  EXPECT_EQ(stored.ConfigName, "WORK");
  EXPECT_EQ(stored.StoreRoot, "C:\\Mail\\Other");
  EXPECT_EQ(stored.PollForMail, 5400000);
  EXPECT_EQ(stored.SignatureSts, 1);
  EXPECT_EQ(Narrow(ItemText(list, 0, 1)), "C:\\Mail\\Other");
}

TEST_F(Editor, IntervalBoxTakesOnlyDigitsAndTheStepperStopsAt120) {
  Show();
  User user([&] {
    const HWND dialog = WaitForEditor();
    if (!dialog) return;
    const HWND poll = FindControl(dialog, IDC_EditF2PollForMail);
    SetWindowTextW(poll, L"");
    for (const wchar_t typed : {L'1', L'x', L'あ', L'2', L'-', L'0', L'9'}) SendMessageW(poll, WM_CHAR, typed, 0);
    EXPECT_EQ(TextOf(dialog, IDC_EditF2PollForMail), "120");  // three digits at most
    SendMessageW(FindControl(dialog, IDC_UpDownF2PollForMail), UDM_SETPOS32, 0, 500);
    EXPECT_EQ(TextOf(dialog, IDC_EditF2PollForMail), "120");
    Press(dialog, IDC_ButtonF2Cancel);
  });
  Command(IDC_ButtonAddConfig);
}

TEST_F(Editor, RenameInPlaceToAnotherRowsNameInOtherCaseIsRefusedSilently) {
  TesselRegistry work;
  work.ConfigName = "Work";
  work.AccountName = "00000001";
  TesselRegistry home = work;
  home.ConfigName = "Home";
  Store({work, home});
  const HWND list = Show();
  ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  const auto renameTo = [&](const wchar_t* name) {
    SendMessageW(form1_.Handle(), WM_COMMAND, IDM_MenuChangeName, 0);
    const HWND edit = ListView_GetEditControl(list);
    ASSERT_NE(edit, nullptr);
    SetWindowTextW(edit, name);
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    PumpUntil([&] { return ListView_GetEditControl(list) == nullptr; });
  };
  renameTo(L"Home2");
  EXPECT_EQ(Narrow(ItemText(list, 1, 0)), "Home2");
  renameTo(L"WORK");
  EXPECT_EQ(Narrow(ItemText(list, 1, 0)), "Home2");
  EXPECT_EQ(form1_.Model().Configs.Record(1).ConfigName, "Home2");
}

// The address-book chooser opens in the box's folder with the file's name, and gives a
// typed name without extension the ".wab" of address books.
TEST_F(Editor, AddressChooserStartsAtTheBoxAndAddsTheExtension) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"mvane-chooser";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring book = folder + L"\\inbox.wab";
  CloseHandle(CreateFileW(book.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  files_.AddTextFile(Narrow(book), "");
  Show();
  std::string prefilled;
  std::string chosen;
  std::string afterCancel;
  User user([&] {
    const HWND dialog = WaitForEditor();
    if (!dialog) return;
    const auto chooser = [&] {
      Press(dialog, IDC_ButtonF2AccountRefAddress);
      return WaitForWindow(GetCurrentProcessId(), L"#32770", L"アドレス帳を指定してください");
    };
    Type(dialog, IDC_EditF2Address, book.c_str());
    if (const HWND open = chooser()) {
      const HWND name = FindControl(open, 0x47C) ? FindControl(open, 0x47C) : FindControl(open, 0x480);
      prefilled = TextOf(open, GetDlgCtrlID(name));
      SetWindowTextW(name, L"work");
      PostMessageW(open, WM_COMMAND, IDOK, 0);
    }
    for (int i = 0; i < 100 && TextOf(dialog, IDC_EditF2Address) == Narrow(book); ++i) Sleep(50);
    chosen = TextOf(dialog, IDC_EditF2Address);
    if (const HWND open = chooser()) PostMessageW(open, WM_COMMAND, IDCANCEL, 0);
    Sleep(500);
    afterCancel = TextOf(dialog, IDC_EditF2Address);
    Press(dialog, IDC_ButtonF2Cancel);
  });
  Command(IDC_ButtonAddConfig);
  EXPECT_EQ(prefilled, "inbox.wab");
  EXPECT_EQ(chosen, Narrow(folder + L"\\work.wab"));
  EXPECT_EQ(afterCancel, chosen);
  DeleteFileW(book.c_str());
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace mvane::testing
