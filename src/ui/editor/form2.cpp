#include "ui/editor/form2.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>

#include "platform/win32/wide.h"
#include "ui/form/choosers.h"
#include "ui/resource.h"

namespace mvane::ui {
namespace {

constexpr DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD FormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP | WS_EX_CONTROLPARENT;
constexpr DWORD Label = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
constexpr DWORD Box = WS_VISIBLE | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL;
constexpr DWORD Push = WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON;
constexpr DWORD Radio = WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON;
constexpr UINT_PTR TimerF2 = 1;
constexpr UINT TimerF2Interval = 1000;
constexpr int PollMinimum = 1;
constexpr int PollMaximum = 120;

const char* const PageCaptions[] = {"全般", "新着メッセージ", "署名"};
constexpr int GeneralPage = 0;
constexpr int NewMailPage = 1;
constexpr int SignaturePage = 2;

const int MailGroup[] = {IDC_RadioButtonF2MailCheck, IDC_RadioButtonF2MailNotCheck, IDC_RadioButtonF2MailUseOECheck};
const int SigModeGroup[] = {IDC_RadioButtonF2SigUseSig, IDC_RadioButtonF2SigNotUseSig,
                            IDC_RadioButtonF2SigUseOESig};
const int SigSourceGroup[] = {IDC_RadioButtonF2SigUseText, IDC_RadioButtonF2SigUseFile};

const FileChooser OpenDialogF2Address{"アドレス帳を指定してください", "アドレス帳(*.wab)|*.wab", L"wab", false};
const FileChooser OpenDialogF2Sig{"署名ファイルを指定してください",
                                  "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*", nullptr, true};

// The source controls sit in GroupBox1, whose corner is at 8, 8 on the page.
constexpr int InGroup = 8;

template <std::size_t N>
bool InGroupOf(const int (&group)[N], int id) {
  return std::find(std::begin(group), std::end(group), id) != std::end(group);
}

int PageOf(EditorPage page) {
  switch (page) {
    case EditorPage::General:
      return GeneralPage;
    case EditorPage::NewMail:
      return NewMailPage;
    case EditorPage::Signature:
      return SignaturePage;
    case EditorPage::None:
      break;
  }
  return -1;
}

int ControlOf(EditorField field) {
  switch (field) {
    case EditorField::SigFile:
      return IDC_EditF2SigFile;
    case EditorField::PollForMail:
      return IDC_EditF2PollForMail;
    case EditorField::Address:
      return IDC_EditF2Address;
    case EditorField::Folder:
      return IDC_EditF2Folder;
    case EditorField::AccountName:
      return IDC_ComboBoxF2AccountName;
    case EditorField::Name:
      break;
  }
  return IDC_EditF2Name;
}

// EditF2PollForMailKeyPress: only digits, Enter and Backspace reach the box.
LRESULT CALLBACK PollForMailKeyPress(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_CHAR && !(wParam >= L'0' && wParam <= L'9') && wParam != 13 && wParam != 8) return 0;
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

TForm2::TForm2(HWND owner, FileSystem& files) : Form(L"TForm2"), files_(files) {
  CreateForm(owner, FormStyle, FormExStyle, 0, 0, 349, 321, "");
  AddControl({L"STATIC", -1, "設定名", 8, 8, 60, 14, Label});
  AddControl({L"EDIT", IDC_EditF2Name, "", 72, 8, 257, 20, Box, WS_EX_CLIENTEDGE, 47});
  CreatePages();
  AddControl({L"BUTTON", IDC_ButtonF2OK, "OK", 184, 288, 73, 25, Push | BS_DEFPUSHBUTTON});
  AddControl({L"BUTTON", IDC_ButtonF2Cancel, "キャンセル", 264, 288, 73, 25, Push});
}

void TForm2::CreatePages() {
  pageControl1_ = AddControl(
      {WC_TABCONTROLW, IDC_PageControl1, "", 8, 40, 329, 241, WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_CLIPCHILDREN,
       WS_EX_CONTROLPARENT});
  for (int i = 0; i < 3; ++i) {
    std::wstring caption = Wide(PageCaptions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    TabCtrl_InsertItem(pageControl1_, i, &item);
  }
  for (HWND& page : pages_) page = AddPage(pageControl1_);
  CreateGeneralPage(pages_[GeneralPage]);
  CreateNewMailPage(pages_[NewMailPage]);
  CreateSignaturePage(pages_[SignaturePage]);
  ShowPage(GeneralPage);
}

void TForm2::CreateGeneralPage(HWND page) {
  AddControl({L"STATIC", -1, "使用するアカウント", 16, 16, 200, 14, Label}, page);
  AddControl({WC_COMBOBOXW, IDC_ComboBoxF2AccountName, "", 16, 32, 225, 200,
              WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 36},
             page);
  AddControl({L"STATIC", -1, "メール保存先フォルダ", 16, 64, 200, 14, Label}, page);
  AddControl({L"EDIT", IDC_EditF2Folder, "", 16, 80, 225, 20, Box, WS_EX_CLIENTEDGE, 38}, page);
  AddControl({L"BUTTON", IDC_ButtonF2AcoountRefFolder, "参照...", 248, 80, 49, 25, Push}, page);
  AddControl({L"STATIC", -1, "使用するアドレス帳", 16, 112, 200, 14, Label}, page);
  AddControl({L"EDIT", IDC_EditF2Address, "", 16, 128, 225, 20, Box, WS_EX_CLIENTEDGE, 39}, page);
  AddControl({L"BUTTON", IDC_ButtonF2AccountRefAddress, "参照...", 248, 128, 49, 25, Push}, page);
}

void TForm2::CreateNewMailPage(HWND page) {
  AddControl({L"BUTTON", IDC_RadioButtonF2MailCheck, "新着メッセージをチェックする", 16, 16, 185, 17, Radio, 0, 43},
             page);
  const HWND poll =
      AddControl({L"EDIT", IDC_EditF2PollForMail, "30", 200, 13, 33, 20, Box | WS_DISABLED, WS_EX_CLIENTEDGE, 43}, page);
  SendMessageW(poll, EM_LIMITTEXT, 3, 0);
  SetWindowSubclass(poll, PollForMailKeyPress, 0, 0);
  const HWND upDown =
      AddControl({UPDOWN_CLASSW, IDC_UpDownF2PollForMail, "", 233, 13, 15, 20,
                  WS_VISIBLE | WS_DISABLED | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 43},
                 page);
  SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(poll), 0);
  SendMessageW(upDown, UDM_SETRANGE32, PollMinimum, PollMaximum);
  SendMessageW(upDown, UDM_SETPOS32, 0, 30);
  AddControl({L"STATIC", -1, "分ごと", 264, 21, 40, 14, Label}, page);
  AddControl(
      {L"BUTTON", IDC_RadioButtonF2MailNotCheck, "新着メッセージをチェックしない", 16, 40, 193, 17, Radio, 0, 44}, page);
  AddControl({L"BUTTON", IDC_RadioButtonF2MailUseOECheck, "メッセージチェックは Outlook Express の設定に従う", 16, 64,
              297, 17, Radio, 0, 40},
             page);
  CheckRadio(IDC_RadioButtonF2MailUseOECheck);
}

void TForm2::CreateSignaturePage(HWND page) {
  AddControl({L"BUTTON", IDC_RadioButtonF2SigUseSig, "すべての送信メッセージにこの署名を追加する", 16, 8, 265, 17,
              Radio, 0, 41},
             page);
  // The frame is drawn around the radio above it, which stands as its title.
  AddControl({L"BUTTON", IDC_GroupBox1, "", 8, 8, 305, 153, WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX}, page);
  AddControl({L"BUTTON", IDC_RadioButtonF2SigUseText, "テキスト", InGroup + 24, InGroup + 24, 73, 17, Radio, 0, 56},
             page);
  AddControl({L"EDIT", IDC_MemoF2Sig, "", InGroup + 24, InGroup + 48, 265, 49,
              WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_DISABLED | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN |
                  ES_AUTOVSCROLL,
              WS_EX_CLIENTEDGE, 56},
             page);
  AddControl({L"BUTTON", IDC_RadioButtonF2SigUseFile, "ファイル", InGroup + 24, InGroup + 104, 73, 17, Radio}, page);
  AddControl({L"EDIT", IDC_EditF2SigFile, "", InGroup + 24, InGroup + 125, 209, 20, Box | WS_DISABLED,
              WS_EX_CLIENTEDGE},
             page);
  AddControl({L"BUTTON", IDC_ButtonF2SigRef, "参照...", InGroup + 240, InGroup + 120, 49, 25, Push | WS_DISABLED},
             page);
  AddControl(
      {L"BUTTON", IDC_RadioButtonF2SigNotUseSig, "署名を自動で追加しない", 16, 168, 185, 17, Radio, 0, 45}, page);
  AddControl({L"BUTTON", IDC_RadioButtonF2SigUseOESig, "署名は Outlook Express の設定に従う", 16, 192, 249, 17, Radio,
              0, 46},
             page);
  CheckRadio(IDC_RadioButtonF2SigUseText);
  CheckRadio(IDC_RadioButtonF2SigUseOESig);
}

void TForm2::SetAccountItems(const std::vector<std::string>& items) {
  const HWND combo = Control(IDC_ComboBoxF2AccountName);
  ComboBox_ResetContent(combo);
  for (const std::string& item : items) ComboBox_AddString(combo, Wide(item).c_str());
}

void TForm2::ShowPage(int index) {
  TabCtrl_SetCurSel(pageControl1_, index);
  for (int i = 0; i < 3; ++i) ShowWindow(pages_[i], i == index ? SW_SHOW : SW_HIDE);
}

int TForm2::ActivePage() const { return TabCtrl_GetCurSel(pageControl1_); }

bool TForm2::Checked(int id) const { return Button_GetCheck(Control(id)) == BST_CHECKED; }

// Turning a radio on turns the others of its group off and, when it was off, runs the
// group's rule, as a click does.
void TForm2::CheckRadio(int id) {
  if (Checked(id)) return;
  const auto uncheckOthers = [&](const int* first, const int* last) {
    for (const int* other = first; other != last; ++other) Button_SetCheck(Control(*other), BST_UNCHECKED);
  };
  if (InGroupOf(MailGroup, id)) uncheckOthers(std::begin(MailGroup), std::end(MailGroup));
  if (InGroupOf(SigModeGroup, id)) uncheckOthers(std::begin(SigModeGroup), std::end(SigModeGroup));
  if (InGroupOf(SigSourceGroup, id)) uncheckOthers(std::begin(SigSourceGroup), std::end(SigSourceGroup));
  Button_SetCheck(Control(id), BST_CHECKED);
  if (InGroupOf(MailGroup, id)) {
    RadioButtonF2MailClick();
  } else {
    RadioButtonF2SigClick();
  }
}

void TForm2::SetText(int id, const std::string& text) { SetWindowTextW(Control(id), Wide(text).c_str()); }

std::string TForm2::Text(int id) const {
  const HWND control = Control(id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

std::string TForm2::IntervalText() const { return Text(IDC_EditF2PollForMail); }

EditorValues TForm2::Values() const {
  EditorValues values;
  values.Name = Text(IDC_EditF2Name);
  values.Folder = Text(IDC_EditF2Folder);
  values.Address = Text(IDC_EditF2Address);
  values.AccountIndex = ComboBox_GetCurSel(Control(IDC_ComboBoxF2AccountName));
  values.Mail = Checked(IDC_RadioButtonF2MailCheck)      ? MailChoice::Check
                : Checked(IDC_RadioButtonF2MailNotCheck) ? MailChoice::NotCheck
                                                         : MailChoice::UseMailClient;
  // The up-down's position: it follows the box while the box holds a number in range.
  values.Interval = static_cast<std::int16_t>(SendMessageW(Control(IDC_UpDownF2PollForMail), UDM_GETPOS32, 0, 0));
  values.SignatureText = Text(IDC_MemoF2Sig);
  values.SignatureFile = Text(IDC_EditF2SigFile);
  values.Signature = Checked(IDC_RadioButtonF2SigUseSig)      ? SignatureChoice::UseSig
                     : Checked(IDC_RadioButtonF2SigNotUseSig) ? SignatureChoice::NotUseSig
                                                              : SignatureChoice::UseMailClient;
  values.Source = Checked(IDC_RadioButtonF2SigUseFile) ? SignatureSource::File : SignatureSource::Text;
  return values;
}

void TForm2::SetValues(const EditorValues& values) {
  SetText(IDC_EditF2Name, values.Name);
  SetText(IDC_EditF2Folder, values.Folder);
  SetText(IDC_EditF2Address, values.Address);
  ComboBox_SetCurSel(Control(IDC_ComboBoxF2AccountName), values.AccountIndex);
  // A stored interval outside 1 to 120 shows as it is: the check on OK then names it,
  // instead of the up-down quietly changing it.
  SendMessageW(Control(IDC_UpDownF2PollForMail), UDM_SETPOS32, 0, values.Interval);
  SetText(IDC_EditF2PollForMail, std::to_string(values.Interval));
  CheckRadio(values.Mail == MailChoice::Check      ? IDC_RadioButtonF2MailCheck
             : values.Mail == MailChoice::NotCheck ? IDC_RadioButtonF2MailNotCheck
                                                   : IDC_RadioButtonF2MailUseOECheck);
  SetText(IDC_MemoF2Sig, values.SignatureText);
  SetText(IDC_EditF2SigFile, values.SignatureFile);
  CheckRadio(values.Source == SignatureSource::Text ? IDC_RadioButtonF2SigUseText : IDC_RadioButtonF2SigUseFile);
  CheckRadio(values.Signature == SignatureChoice::UseSig      ? IDC_RadioButtonF2SigUseSig
             : values.Signature == SignatureChoice::NotUseSig ? IDC_RadioButtonF2SigNotUseSig
                                                              : IDC_RadioButtonF2SigUseOESig);
}

void TForm2::Paint(int id, bool green) {
  if (green) {
    green_.insert(id);
  } else {
    green_.erase(id);
  }
  InvalidateRect(Control(id), nullptr, TRUE);
}

// A box that the rules enable or disable takes the window or button-face colour.
void TForm2::SetBox(int id, bool enabled) {
  EnableWindow(Control(id), enabled ? TRUE : FALSE);
  Paint(id, false);
}

void TForm2::RadioButtonF2MailClick() {
  const bool check = Checked(IDC_RadioButtonF2MailCheck);
  SetBox(IDC_EditF2PollForMail, check);
  EnableWindow(Control(IDC_UpDownF2PollForMail), check ? TRUE : FALSE);
}

void TForm2::RadioButtonF2SigClick() {
  bool text = false;
  bool file = false;
  if (Checked(IDC_RadioButtonF2SigUseOESig)) {
  } else if (Checked(IDC_RadioButtonF2SigUseText)) {
    text = true;
  } else if (Checked(IDC_RadioButtonF2SigUseFile)) {
    file = true;
  } else {
    return;  // no source chosen yet: nothing changes
  }
  SetBox(IDC_MemoF2Sig, text);
  SetBox(IDC_EditF2SigFile, file);
  EnableWindow(Control(IDC_ButtonF2SigRef), file ? TRUE : FALSE);
}

StatusWord TForm2::ValidateInput() {
  static const ConfigList noRows;
  const EditorCheck check =
      mvane::ValidateInput(Values(), IntervalText(), initialName_, rows_ ? *rows_ : noRows, files_);
  for (const EditorField field : check.Refused) Paint(ControlOf(field), true);
  if (check.Status == 0) return 0;
  if (const int page = PageOf(check.Page); page >= 0) ShowPage(page);
  SetFocus(Control(ControlOf(check.Focus)));
  return check.Status;
}

void TForm2::OnShow() {
  closedByButton_ = false;
  initialName_ = Text(IDC_EditF2Name);
  SetFocus(Control(IDC_EditF2Name));
  ShowPage(GeneralPage);
}

void TForm2::ButtonF2OKClick() {
  if (ValidateInput() != 0) {
    // A running timer keeps its schedule: the highlight lasts from the first refusal.
    if (!timerRunning_) {
      SetTimer(Handle(), TimerF2, TimerF2Interval, nullptr);
      timerRunning_ = true;
    }
    return;
  }
  closedByButton_ = true;
  SetModalResult(1);
}

void TForm2::ButtonF2CancelClick() {
  closedByButton_ = true;
  SetModalResult(2);
}

void TForm2::TimerF2Timer() {
  if (!Checked(IDC_RadioButtonF2SigUseOESig) && Checked(IDC_RadioButtonF2SigUseFile)) {
    Paint(IDC_EditF2SigFile, false);
  }
  if (Checked(IDC_RadioButtonF2MailCheck)) Paint(IDC_EditF2PollForMail, false);
  for (const int id : {IDC_EditF2Address, IDC_EditF2Folder, IDC_ComboBoxF2AccountName, IDC_EditF2Name}) {
    Paint(id, false);
  }
  KillTimer(Handle(), TimerF2);
  timerRunning_ = false;
}

void TForm2::ButtonF2AcoountRefFolderClick() {
  const std::string folder = BrowseForFolder(Handle());
  if (!folder.empty()) SetText(IDC_EditF2Folder, folder);
}

void TForm2::ChooseFileInto(int editId, bool addressBook) {
  const ChooserStart start = ChooserStartFor(Text(editId), files_);
  if (const auto path = ChooseFile(Handle(), addressBook ? OpenDialogF2Address : OpenDialogF2Sig, start)) {
    SetText(editId, *path);
  }
}

int TForm2::DefaultButton() const {
  // Enter presses the focused button, otherwise OK.
  const HWND focus = GetFocus();
  for (const int id : {IDC_ButtonF2Cancel, IDC_ButtonF2AcoountRefFolder, IDC_ButtonF2AccountRefAddress,
                       IDC_ButtonF2SigRef}) {
    if (focus == Control(id)) return id;
  }
  return IDC_ButtonF2OK;
}

void TForm2::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  if (InGroupOf(MailGroup, id) || InGroupOf(SigModeGroup, id) || InGroupOf(SigSourceGroup, id)) {
    CheckRadio(id);
    return;
  }
  switch (id) {
    case IDC_ButtonF2OK:
      ButtonF2OKClick();
      break;
    case IDC_ButtonF2Cancel:
      ButtonF2CancelClick();
      break;
    case IDC_ButtonF2AcoountRefFolder:
      ButtonF2AcoountRefFolderClick();
      break;
    case IDC_ButtonF2AccountRefAddress:
      ChooseFileInto(IDC_EditF2Address, true);
      break;
    case IDC_ButtonF2SigRef:
      ChooseFileInto(IDC_EditF2SigFile, false);
      break;
  }
}

LRESULT TForm2::ColourBox(HWND control, HDC dc) {
  if (IsWindowEnabled(control) && green_.count(GetDlgCtrlID(control))) {
    SetBkColor(dc, RGB(0, 128, 0));
    return reinterpret_cast<LRESULT>(greenBrush_.Brush());
  }
  return 0;
}

LRESULT TForm2::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.hwndFrom == pageControl1_ && header.code == TCN_SELCHANGE) ShowPage(ActivePage());
      return 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      if (const LRESULT brush = ColourBox(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) return brush;
      break;
    case WM_TIMER:
      if (wParam == TimerF2) TimerF2Timer();
      return 0;
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace mvane::ui
