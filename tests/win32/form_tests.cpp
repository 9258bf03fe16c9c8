// The forms, created in this process and driven from a second thread as a user would.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "model/memory_hive.h"
#include "model/registry_accessor.h"
#include "platform/win32/wide.h"
#include "ui/main/form1.h"
#include "ui/msgbox/form_my_mb.h"
#include "ui/resource.h"
#include "win32/ui_driver.h"

namespace mvane::testing {
namespace {

// Runs the user's part on another thread while the form's modal loop runs here.
class User {
 public:
  explicit User(std::function<void()> actions) : thread_(std::move(actions)) {}
  ~User() { thread_.join(); }

 private:
  std::thread thread_;
};

HWND WaitForBox(const std::wstring& caption) {
  return WaitForWindow(GetCurrentProcessId(), L"TFormMyMB", caption);
}

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
  MemoryHive hive_;
};

std::int32_t StoredNumber(MemoryHive& hive, const std::string& name) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  return reg.OpenPath("\\Software\\Corvell\\MVANE\\1.0", false) ? reg.ReadNumber(name) : -9999;
}

TEST_F(MainWindow, PlacementIsStoredAtDestructionAndRestoredAtCreation) {
  {
    ui::TForm1 form1(hive_);
    EXPECT_EQ(form1.WindowPlacement(), (Placement{20, 20, 350, 480}));  // first run: the defaults
    SetWindowPos(form1.Handle(), nullptr, 100, 50, 500, 400, SWP_NOZORDER);
  }
  EXPECT_EQ(StoredNumber(hive_, "Top"), 50);
  EXPECT_EQ(StoredNumber(hive_, "Left"), 100);
  EXPECT_EQ(StoredNumber(hive_, "Height"), 400);
  EXPECT_EQ(StoredNumber(hive_, "Width"), 500);
  ui::TForm1 again(hive_);
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
  ui::TForm1 form1(hive_);
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
  ui::TForm1 form1(hive_);
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

}  // namespace
}  // namespace mvane::testing
