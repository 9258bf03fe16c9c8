#include "ui/exit/form3.h"

#include "common/message_box_layout.h"
#include "platform/win32/wide.h"
#include "settings/exit_choice.h"
#include "ui/resource.h"

namespace mvane::ui {
namespace {

constexpr DWORD Label = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
constexpr DWORD Push = WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON;

}  // namespace

TForm3::TForm3(HWND owner, RegistryHive& hive) : Form(L"TForm3"), hive_(hive) {
  CreateForm(owner, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
             WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP | WS_EX_CONTROLPARENT, 0, 0, 283, 172, "");
  AddControl({L"BUTTON", IDC_RadioButtonF3ExecOE, "Outlook Express を起動する", 32, 56, 217, 17,
              WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0, 5});
  AddControl({L"BUTTON", IDC_RadioButtonF3NotExecOE, "Outlook Express を起動しない", 32, 88, 225, 17,
              WS_VISIBLE | BS_AUTORADIOBUTTON, 0, 6});
  AddControl({L"BUTTON", IDC_ButtonF3OK, "OK", 56, 128, 75, 25, Push | BS_DEFPUSHBUTTON});
  AddControl({L"BUTTON", IDC_ButtonF3Cancel, "キャンセル", 152, 128, 75, 25, Push});
  AddControl({L"STATIC", -1, "設定を更新して終了します", 32, 8, 240, 14, Label});
  AddControl({L"STATIC", -2, "続けて Outlook Express を起動しますか？", 32, 24, 240, 14, Label});
  CheckDlgButton(Handle(), IDC_RadioButtonF3ExecOE, BST_CHECKED);
  // A wrong-typed stored choice is reported; the first radio stays selected.
  Guarded([&] { FormCreate(); });
}

void TForm3::FormCreate() {
  const bool start = ReadStartAfterExit(hive_);
  CheckRadioButton(Handle(), IDC_RadioButtonF3ExecOE, IDC_RadioButtonF3NotExecOE,
                   start ? IDC_RadioButtonF3ExecOE : IDC_RadioButtonF3NotExecOE);
}

void TForm3::ButtonF3OKClick() {
  const bool start = IsDlgButtonChecked(Handle(), IDC_RadioButtonF3ExecOE) == BST_CHECKED;
  // Set the result first: a key that cannot be written leaves the choice unstored,
  // and the answer still stands.
  SetModalResult(start ? ResultYes : ResultNo);
  StoreStartAfterExit(hive_, start);
}

int TForm3::DefaultButton() const {
  return GetFocus() == Control(IDC_ButtonF3Cancel) ? IDC_ButtonF3Cancel : IDC_ButtonF3OK;
}

LRESULT TForm3::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_ButtonF3OK) ButtonF3OKClick();
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_ButtonF3Cancel) SetModalResult(ResultCancel);
      return 0;  // Esc (IDCANCEL) is not bound to Cancel
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace mvane::ui
