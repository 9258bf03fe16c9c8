// The forms, created in this process and driven from a second thread as a user would.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "model/memory_hive.h"
#include "settings/config_store.h"
#include "unit/mail_client_fixture.h"
#include "model/registry_accessor.h"
#include "platform/win32/wide.h"
#include "ui/main/form1.h"
#include "ui/msgbox/form_my_mb.h"
#include "ui/resource.h"
#include "win32/ui_driver.h"

namespace mvane::testing {
namespace {

bool Shown(HWND box, int id) { return IsWindowVisible(GetDlgItem(box, id)) != FALSE; }

std::string Caption(HWND box, int id) {
  wchar_t text[64];
  GetWindowTextW(GetDlgItem(box, id), text, 64);
  return Narrow(text);
}

class MessageBoxForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
  }
  ui::TFormMyMB box_{nullptr};
};

TEST_F(MessageBoxForm, EachButtonAnswersItsCode) {
  struct Case {
    int set;
    int button;
    int expected;
  };
  const Case cases[] = {
      {ButtonSetOk, IDC_Button1, 1},          {ButtonSetOkCancel, IDC_Button1, 1},
      {ButtonSetOkCancel, IDC_Button2, 2},    {ButtonSetYesNoCancel, IDC_Button1, 6},
      {ButtonSetYesNoCancel, IDC_Button2, 7}, {ButtonSetYesNoCancel, IDC_Button3, 2},
      {ButtonSetYesNo, IDC_Button1, 6},       {ButtonSetYesNo, IDC_Button2, 7},
      {5, IDC_Button1, 1},
  };
  for (const Case& c : cases) {
    const std::wstring caption = L"set " + std::to_wstring(c.set);
    int answer = -1;
    {
      User user([&] {
        if (const HWND box = WaitForBox(caption)) Press(box, c.button);
      });
      answer = box_.ShowMessageBox({400, 300}, false, "メッセージ", Narrow(caption), c.set);
    }
    EXPECT_EQ(answer, c.expected) << "set " << c.set << " button " << c.button;
  }
}

TEST_F(MessageBoxForm, ShowsTheSetsButtonsSizedToTheText) {
  const std::string text = "Outlook Express が起動しています\n\nOutlook Express を終了しますか？";
  User user([&] {
    const HWND box = WaitForBox(L"Mailvane");
    if (!box) return;
    RECT outer;
    RECT client;
    GetWindowRect(box, &outer);
    GetClientRect(box, &client);
    EXPECT_EQ(outer.right - outer.left, 242);
    EXPECT_EQ(client.bottom, 120);
    EXPECT_EQ((outer.left + outer.right) / 2, 400);
    EXPECT_EQ(WindowText(box), "Outlook Express が起動しています\r\n\r\nOutlook Express を終了しますか？");
    EXPECT_EQ(Caption(box, IDC_Button1), "はい(&Y)");
    EXPECT_EQ(Caption(box, IDC_Button2), "いいえ(&N)");
    EXPECT_TRUE(Shown(box, IDC_Button2));
    EXPECT_FALSE(Shown(box, IDC_Button3));
    Press(box, IDC_Button2);
  });
  EXPECT_EQ(box_.ShowMessageBox({400, 300}, false, text, "Mailvane", ButtonSetYesNo), 7);
}

TEST_F(MessageBoxForm, CloseBoxAnswersTwoAndEscapeDoesNothing) {
  int answer = -1;
  {
    User user([&] {
      if (const HWND box = WaitForBox(L"close")) PostMessageW(box, WM_CLOSE, 0, 0);
    });
    answer = box_.ShowMessageBox({400, 300}, false, "x", "close", ButtonSetYesNo);
  }
  EXPECT_EQ(answer, 2);
  {
    User user([&] {
      const HWND box = WaitForBox(L"keys");
      if (!box) return;
      PostMessageW(GetDlgItem(box, IDC_Button1), WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageW(GetDlgItem(box, IDC_Button1), WM_KEYDOWN, VK_RETURN, 0);
    });
    answer = box_.ShowMessageBox({400, 300}, false, "x", "keys", ButtonSetYesNo);
  }
  EXPECT_EQ(answer, 6);  // Esc was ignored; Enter pressed the focused Button1
}

// A thread timer fires inside the box's modal loop and makes a second call there.
struct NestedCall {
  static inline ui::TFormMyMB* box = nullptr;
  static inline int result = -1;
  static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    result = box->ShowMessageBox({400, 300}, false, "second text", "second", ButtonSetOk);
  }
};

TEST_F(MessageBoxForm, CallWhileShownTakesTheNewTextAndAnswersZero) {
  NestedCall::box = &box_;
  User user([&] {
    if (const HWND box = WaitForBox(L"second")) {
      EXPECT_EQ(WindowText(box), "second text");
      EXPECT_FALSE(Shown(box, IDC_Button2));
      Press(box, IDC_Button1);
    }
  });
  SetTimer(nullptr, 0, 300, NestedCall::Fire);
  EXPECT_EQ(box_.ShowMessageBox({400, 300}, false, "first text", "first", ButtonSetOkCancel), 1);
  EXPECT_EQ(NestedCall::result, 0);
}

class MainWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
  }
  // The fixture's mail client, with its folder and address book on disk.
  void SeedMailClientAndDisk() {
    SeedMailClient(hive_);
    files_.AddFolder("C:\\Mail\\Main");
    files_.AddTextFile("C:\\WAB\\main.wab", "");
  }
  // Shows the window and runs its messages until the first show has filled the list.
  HWND ShowUntilLoaded(ui::TForm1& form1, ui::TFormMyMB& box);

  MemoryHive hive_;
  MemoryFileSystem files_;
};

std::int32_t StoredNumber(MemoryHive& hive, const std::string& name) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  return reg.OpenPath("\\Software\\Corvell\\MVANE\\1.0", false) ? reg.ReadNumber(name) : -9999;
}

TEST_F(MainWindow, PlacementIsStoredAtDestructionAndRestoredAtCreation) {
  {
    ui::TForm1 form1(hive_, files_);
    EXPECT_EQ(form1.WindowPlacement(), (Placement{20, 20, 350, 480}));  // first run: the defaults
    SetWindowPos(form1.Handle(), nullptr, 100, 50, 500, 400, SWP_NOZORDER);
  }
  EXPECT_EQ(StoredNumber(hive_, "Top"), 50);
  EXPECT_EQ(StoredNumber(hive_, "Left"), 100);
  EXPECT_EQ(StoredNumber(hive_, "Height"), 400);
  EXPECT_EQ(StoredNumber(hive_, "Width"), 500);
  ui::TForm1 again(hive_, files_);
  EXPECT_EQ(again.WindowPlacement(), (Placement{50, 100, 400, 500}));
}

TEST_F(MainWindow, WrongTypedTopIsReportedAndTheDesignPlacementStays) {
  {
    RegistryAccessor reg(hive_);
    reg.SetRoot(RootKey::CurrentUser);
    reg.OpenPath("\\Software\\Corvell\\MVANE\\1.0", true);
    reg.WriteText("Top", "700");
  }
  std::string report;
  User user([&] {
    if (const HWND box = WaitForWindow(GetCurrentProcessId(), L"#32770", L"Mailvane")) {
      report = WindowText(box);
      Press(box, IDOK);
    }
  });
  ui::TForm1 form1(hive_, files_);
  EXPECT_EQ(report, "'Top' のﾃﾞｰﾀ型が不正です");
  RECT outer;
  RECT client;
  GetWindowRect(form1.Handle(), &outer);
  GetClientRect(form1.Handle(), &client);
  EXPECT_EQ(outer.left, 196);
  EXPECT_EQ(outer.top, 108);
  EXPECT_EQ(client.right, 452);
}

TEST_F(MainWindow, ToolbarAndMenusStartAsTheWindowDefinesThem) {
  ui::TForm1 form1(hive_, files_);
  const HWND toolbar = GetDlgItem(form1.Handle(), IDC_Panel2);
  for (const int id : {IDC_ButtonOK, IDC_ButtonCancel, IDC_ButtonSelectConfig, IDC_ButtonEditConfig,
                       IDC_ButtonAddConfig, IDC_ButtonDeleteConfig, IDC_ButtonHelp}) {
    EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, id, 0)) << id;
  }
  RECT button;
  SendMessageW(toolbar, TB_GETRECT, IDC_ButtonSelectConfig, reinterpret_cast<LPARAM>(&button));
  EXPECT_EQ(button.left, 104);
  SendMessageW(toolbar, TB_GETRECT, IDC_ButtonHelp, reinterpret_cast<LPARAM>(&button));
  EXPECT_EQ(button.left, 280);

  const HMENU menu = GetMenu(form1.Handle());
  wchar_t text[64];
  GetMenuStringW(menu, IDM_K2, text, 64, MF_BYCOMMAND);
  EXPECT_EQ(Narrow(text), "ｷｬﾝｾﾙ終了（&C)");
  GetMenuStringW(menu, IDM_KTessel21, text, 64, MF_BYCOMMAND);
  EXPECT_EQ(Narrow(text), "ﾊﾞｰｼﾞｮﾝ情報(&A)...");

  const HWND list = GetDlgItem(form1.Handle(), IDC_ListViewMain);
  EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 5);
  EXPECT_EQ(ListView_GetColumnWidth(list, 0), 110);
}

HWND MainWindow::ShowUntilLoaded(ui::TForm1& form1, ui::TFormMyMB& box) {
  form1.SetMessageBox(&box);
  ShowWindow(form1.Handle(), SW_SHOW);
  const HWND list = GetDlgItem(form1.Handle(), IDC_ListViewMain);
  EXPECT_FALSE(PumpUntil([&] { return ListView_GetItemCount(list) > 0; }));
  return list;
}

TEST_F(MainWindow, FirstRunShowsTheMailClientsSettingsAsOneMarkedRow) {
  SeedMailClientAndDisk();
  files_.AddTextFile("C:\\Mail\\sig.txt", "署名ファイル\r\n");
  ui::TFormMyMB box(nullptr);
  ui::TForm1 form1(hive_, files_);
  const HWND list = ShowUntilLoaded(form1, box);

  ASSERT_EQ(ListView_GetItemCount(list), 1);
  EXPECT_EQ(Narrow(ItemText(list, 0, 0)), "オリジナル設定");
  EXPECT_EQ(Narrow(ItemText(list, 0, 1)), "C:\\Mail\\Main");
  EXPECT_EQ(Narrow(ItemText(list, 0, 2)), "C:\\WAB\\main.wab");
  EXPECT_EQ(Narrow(ItemText(list, 0, 3)), "Office");
  EXPECT_EQ(Narrow(ItemText(list, 0, 4)), "30分おき");
  EXPECT_EQ(ListView_GetItemState(list, 0, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
  EXPECT_EQ(ListView_GetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED), LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(GetFocus(), list);

  wchar_t status[128] = L"";
  // A simple status bar answers its text as part 0.
  SendMessageW(GetDlgItem(form1.Handle(), IDC_StatusBar1), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
  EXPECT_EQ(Narrow(status), "現在の Outlook Express の設定：オリジナル設定");
  wchar_t memo[128] = L"";
  GetWindowTextW(GetDlgItem(form1.Handle(), IDC_MemoSig), memo, 128);
  EXPECT_EQ(Narrow(memo), "署名ファイル\r\n");  // type 0x10002: the file
  const HWND toolbar = GetDlgItem(form1.Handle(), IDC_Panel2);
  EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONENABLED, IDC_ButtonDeleteConfig, 0));  // the marked row
  EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, IDC_ButtonSelectConfig, 0));

  // Clicking empty space: nothing highlighted, so the row commands go grey.
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
  EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONENABLED, IDC_ButtonSelectConfig, 0));
  GetWindowTextW(GetDlgItem(form1.Handle(), IDC_MemoSig), memo, 128);
  EXPECT_EQ(Narrow(memo), "");
}

TEST_F(MainWindow, StoredListLoadsWithTheMatchingRowMarked) {
  SeedMailClientAndDisk();
  MainModel stored;
  for (const char* name : {"自宅", "会社", "出張"}) {
    TesselRegistry config;
    config.ConfigName = name;
    config.StoreRoot = "C:\\Mail\\Main";
    config.WabFileName = "C:\\WAB\\main.wab";
    config.AccountName = "00000001";
    config.MailCheckSts = 1;
    config.SignatureSts = 1;
    config.Selected = std::string(name) == "会社" ? 1 : 0;
    stored.Configs.Append(config);
  }
  SaveConfigList(hive_, stored);
  ui::TFormMyMB box(nullptr);
  ui::TForm1 form1(hive_, files_);
  const HWND list = ShowUntilLoaded(form1, box);
  ASSERT_EQ(ListView_GetItemCount(list), 3);
  EXPECT_EQ(Narrow(ItemText(list, 1, 0)), "会社");
  EXPECT_EQ(ListView_GetItemState(list, 0, LVIS_STATEIMAGEMASK), 0u);
  EXPECT_EQ(ListView_GetItemState(list, 1, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
  EXPECT_EQ(ListView_GetItemState(list, 1, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));
  EXPECT_EQ(Narrow(ItemText(list, 1, 4)), "30分おき");  // follows the mail client's interval
}

TEST_F(MainWindow, EnterSelectsAndDeleteAsksThenRemoves) {
  SeedMailClientAndDisk();
  MainModel stored;
  for (const char* name : {"会社", "別の設定"}) {
    TesselRegistry config;
    config.ConfigName = name;
    config.AccountName = "00000001";
    stored.Configs.Append(config);
  }
  SaveConfigList(hive_, stored);
  ui::TFormMyMB box(nullptr);
  ui::TForm1 form1(hive_, files_);
  const HWND list = ShowUntilLoaded(form1, box);
  ASSERT_EQ(ListView_GetItemCount(list), 2);
  const MainModel& model = form1.Model();
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
  ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  SetFocus(list);
  SendMessageW(form1.Handle(), WM_COMMAND, IDOK, 0);  // Enter, as the dialog manager passes it on
  EXPECT_TRUE(model.Configs.Marked(1));
  EXPECT_FALSE(model.Configs.Marked(0));
  EXPECT_EQ(ListView_GetItemState(list, 1, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));

  // The marked row cannot be deleted; another one is, after the question.
  const std::string refusal = AnswerBox(L"設定の削除", IDC_Button1,
                                        [&] { SendMessageW(form1.Handle(), WM_COMMAND, IDC_ButtonDeleteConfig, 0); });
  EXPECT_EQ(refusal, "現在選択されている設定は削除できません");
  EXPECT_EQ(ListView_GetItemCount(list), 2);

  ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
  ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
  const std::string question =
      AnswerBox(L"設定の削除", IDC_Button1, [&] { SendMessageW(form1.Handle(), WM_COMMAND, IDM_Delete1, 0); });
  EXPECT_EQ(question, "会社 の設定を削除します\r\nよろしいですか？");
  ASSERT_EQ(ListView_GetItemCount(list), 1);
  EXPECT_EQ(Narrow(ItemText(list, 0, 0)), "別の設定");
  EXPECT_EQ(ListView_GetItemState(list, 0, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
}

TEST_F(MainWindow, MissingMailClientIsToldAndTheToolEnds) {
  ui::TFormMyMB box(nullptr);
  ui::TForm1 form1(hive_, files_);
  form1.SetMessageBox(&box);
  std::string told;
  User user([&] {
    if (const HWND message = WaitForBox(L"レジストリ確認")) {
      told = WindowText(message);
      Press(message, IDC_Button1);
    }
  });
  ShowWindow(form1.Handle(), SW_SHOW);
  EXPECT_TRUE(PumpUntil([] { return false; }));
  EXPECT_EQ(told,
            "Outlook Express 4.x がインストールされていないか、Outlook Express 4.x が１度も使われていません"
            "\r\n\r\nこのプログラムは Outlook Express 4.x が使われていない環境ではご使用になれません");
  EXPECT_EQ(ListView_GetItemCount(GetDlgItem(form1.Handle(), IDC_ListViewMain)), 0);
}

}  // namespace
}  // namespace mvane::testing
