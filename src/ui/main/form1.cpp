#include "ui/main/form1.h"

#include <imm.h>
#include <windowsx.h>

#include <functional>
#include <utility>

#include "list/commands.h"
#include "list/startup.h"
#include "platform/win32/mail_client.h"
#include "platform/win32/wide.h"
#include "settings/exit_choice.h"
#include "settings/window_placement.h"
#include "ui/form/help.h"
#include "ui/resource.h"

namespace mvane::ui {
namespace {

constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr int HelpContextMain = 1;
constexpr UINT WM_FORMSHOW = WM_APP + 1;  // the first show's work, once the window is up

// Start-up messages go through the tool's own message box, centred on the window,
// with the rows loaded so far already on screen behind the first one.
class MessageBoxSink : public MessageSink {
 public:
  MessageBoxSink(TFormMyMB* box, ScreenPoint centre, std::function<void()> beforeFirst)
      : box_(box), centre_(centre), beforeFirst_(std::move(beforeFirst)) {}
  void ShowMessage(const std::string& text, const std::string& caption) override {
    if (beforeFirst_) std::exchange(beforeFirst_, nullptr)();
    if (box_) box_->ShowMessageBox(centre_, false, text, caption, ButtonSetOk);
  }

 private:
  TFormMyMB* box_;
  ScreenPoint centre_;
  std::function<void()> beforeFirst_;
};

struct ToolButton {
  int id;
  int picture;
  const char* caption;
  const char* hint;
  int gapBefore;  // design pixels of space before the button
};

// Lefts 8, 48, 104, 144, 184, 224, 280: buttons 40 apart, with two wider gaps.
const ToolButton ToolButtons[] = {
    {IDC_ButtonOK, IDB_OK, "終了", "設定更新して終了します", 0},
    {IDC_ButtonCancel, IDB_CANCEL, "ｷｬﾝｾﾙ", "設定更新せずに終了します", 0},
    {IDC_ButtonSelectConfig, IDB_SELECT, "選択", "Outlook Expressで使用したい設定を選択します", 16},
    {IDC_ButtonEditConfig, IDB_EDIT, "修正", "設定内容を修正します", 0},
    {IDC_ButtonAddConfig, IDB_ADD, "新規", "新たに設定を追加します", 0},
    {IDC_ButtonDeleteConfig, IDB_DELETE, "削除", "設定を削除します", 0},
    {IDC_ButtonHelp, IDB_HELP, "ﾍﾙﾌﾟ", "ﾍﾙﾌﾟを起動します", 16},
};
constexpr int ToolButtonWidth = 40;
constexpr int ToolButtonHeight = 41;

struct ColumnLayout {
  const char* caption;
  int width;
};
const ColumnLayout Columns[] = {
    {"設定名", 110}, {"メールフォルダ", 100}, {"アドレス帳", 100}, {"アカウント", 70}, {"新着チェック", 80},
};

struct MenuItem {
  int id;  // 0: separator
  const char* caption;
  bool enabled;
};

const MenuItem FileMenu[] = {{IDM_K2, "ｷｬﾝｾﾙ終了（&C)", true}, {IDM_K1, "更新して終了(&X)", true}};
const MenuItem EditMenu[] = {{IDM_KS1, "選択(&S)", true},
                             {0, "-", true},
                             {IDM_Edit2, "設定内容の修正(&C)", true},
                             {IDM_K3, "新規設定(&A)", true},
                             {IDM_Delete1, "設定の削除(&D)", true}};
const MenuItem HelpMenu[] = {
    {IDM_Tessel21, "ﾄﾋﾟｯｸの検索(&H)", true}, {0, "-", true}, {IDM_KTessel21, "ﾊﾞｰｼﾞｮﾝ情報(&A)...", true}};
const MenuItem PopupMenu[] = {{IDM_MenuSelectConfig, "選択(&S)", false},
                              {0, "-", true},
                              {IDM_MenuEditConfig, "設定内容の修正(&C)", false},
                              {IDM_MenuAddConfig, "新規設定(&A)", true},
                              {IDM_MenuDeleteConfig, "設定の削除(&D)", false},
                              {0, "-", true},
                              {IDM_MenuChangeName, "設定名の変更(&C)", false}};

template <std::size_t N>
HMENU BuildMenu(HMENU menu, const MenuItem (&items)[N]) {
  for (const MenuItem& item : items) {
    if (item.id == 0) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), item.id, Wide(item.caption).c_str());
    }
  }
  return menu;
}

// The picture strips hold the normal picture on the left and the disabled one on
// the right; magenta is transparent.
void AddPictureStrip(HIMAGELIST images, int resource) {
  const HBITMAP strip = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ImageList_AddMasked(images, strip, RGB(255, 0, 255));
  DeleteObject(strip);
}

void MoveTo(HWND window, const Area& area, const Scaler& scale) {
  MoveWindow(window, scale(area.Left), scale(area.Top), scale(area.Width), scale(area.Height), TRUE);
}

RECT ToRect(const Area& area, const Scaler& scale) {
  return {scale(area.Left), scale(area.Top), scale(area.Left + area.Width), scale(area.Top + area.Height)};
}

bool Inside(const Area& area, int x, int y) {
  return x >= area.Left && x < area.Left + area.Width && y >= area.Top && y < area.Top + area.Height;
}

}  // namespace

TForm1::TForm1(RegistryHive& hive, FileSystem& files) : Form(L"TForm1"), hive_(hive), files_(files) {
  CreateForm(nullptr, FormStyle, 0, 196, 108, 452, 284, "Mailvane");
  SetWindowContextHelpId(Handle(), HelpContextMain);
  CreateMenus();
  CreateToolbar();
  CreateListView();
  memoSig_ = AddControl({L"EDIT", IDC_MemoSig, "", 0, 0, 10, 10,
                         WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL});
  ImmAssociateContext(memoSig_, nullptr);
  statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                               Handle(), reinterpret_cast<HMENU>(IDC_StatusBar1), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  SendMessageW(statusBar_, SB_SIMPLE, TRUE, 0);
  FormCreate();
}

TForm1::~TForm1() {
  // The window goes first, while this object can still answer its last messages.
  if (Handle()) DestroyWindow(Handle());
  if (popupMenu1_) DestroyMenu(popupMenu1_);
  for (const HIMAGELIST images : {toolbarImages_, toolbarDisabledImages_}) {
    if (images) ImageList_Destroy(images);
  }
}

void TForm1::CreateMenus() {
  const HMENU mainMenu1 = CreateMenu();
  AppendMenuW(mainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(CreatePopupMenu(), FileMenu)),
              L"ﾌｧｲﾙ(&F)");
  AppendMenuW(mainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(CreatePopupMenu(), EditMenu)),
              L"編集(&E)");
  AppendMenuW(mainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(CreatePopupMenu(), HelpMenu)),
              L"ﾍﾙﾌﾟ(&H)");
  SetMenu(Handle(), mainMenu1);
  popupMenu1_ = BuildMenu(CreatePopupMenu(), PopupMenu);
  SetMenuDefaultItem(popupMenu1_, IDM_MenuSelectConfig, FALSE);
}

void TForm1::CreateToolbar() {
  toolbar_ = AddControl({TOOLBARCLASSNAMEW, IDC_Panel2, "", 0, BevelHeight, 452, ToolbarHeight,
                         WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_FLAT |
                             TBSTYLE_TOOLTIPS});
  SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  toolbarImages_ = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 14, 0);
  toolbarDisabledImages_ = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 14, 0);
  for (const ToolButton& button : ToolButtons) {
    AddPictureStrip(toolbarImages_, button.picture);
    AddPictureStrip(toolbarDisabledImages_, button.picture);
  }
  // Button i shows image 2i; in the disabled list that place holds the disabled picture.
  for (int i = 0; i < static_cast<int>(std::size(ToolButtons)); ++i) {
    ImageList_Copy(toolbarDisabledImages_, 2 * i, toolbarDisabledImages_, 2 * i + 1, ILCF_SWAP);
  }
  SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(toolbarImages_));
  SendMessageW(toolbar_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(toolbarDisabledImages_));
  SendMessageW(toolbar_, TB_SETINDENT, Scale()(8), 0);

  static std::wstring captions[std::size(ToolButtons)];
  for (int i = 0; i < static_cast<int>(std::size(ToolButtons)); ++i) {
    const ToolButton& button = ToolButtons[i];
    if (button.gapBefore) {
      TBBUTTON gap{};
      gap.iBitmap = Scale()(button.gapBefore);
      gap.fsStyle = BTNS_SEP;
      SendMessageW(toolbar_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&gap));
    }
    captions[i] = Wide(button.caption);
    TBBUTTON item{};
    item.iBitmap = 2 * i;
    item.idCommand = button.id;
    item.fsState = TBSTATE_ENABLED;
    item.fsStyle = BTNS_BUTTON;
    item.iString = reinterpret_cast<INT_PTR>(captions[i].c_str());
    SendMessageW(toolbar_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(toolbar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(Scale()(ToolButtonWidth), Scale()(ToolButtonHeight)));
}

void TForm1::CreateListView() {
  listView_ = AddControl({WC_LISTVIEWW, IDC_ListViewMain, "", 0, 0, 10, 10,
                          WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_EDITLABELS | LVS_SHOWSELALWAYS | LVS_SINGLESEL |
                              LVS_OWNERDATA | LVS_SHAREIMAGELISTS,
                          WS_EX_CLIENTEDGE, HelpContextMain});
  for (int i = 0; i < static_cast<int>(std::size(Columns)); ++i) {
    std::wstring caption = Wide(Columns[i].caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = caption.data();
    column.cx = Scale()(Columns[i].width);
    ListView_InsertColumn(listView_, i, &column);
  }
  // The lamp that marks the chosen configuration is state image 1.
  imageList1_ = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0);
  AddPictureStrip(imageList1_, IDB_LAMP);
  ListView_SetImageList(listView_, imageList1_, LVSIL_STATE);
  ListView_SetCallbackMask(listView_, LVIS_STATEIMAGEMASK);
}

void TForm1::FormCreate() {
  // A wrong-typed stored value is reported and the window keeps its design placement.
  Guarded([&] {
    RECT screen;
    GetWindowRect(GetDesktopWindow(), &screen);
    Placement placement;
    RestoreWindowPlacement(hive_, screen.right, screen.bottom, placement);
    SetWindowPos(Handle(), nullptr, placement.Left, placement.Top, placement.Width, placement.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  });
  FormResize();
}

Placement TForm1::WindowPlacement() const {
  RECT outer;
  GetWindowRect(Handle(), &outer);
  return {outer.top, outer.left, outer.bottom - outer.top, outer.right - outer.left};
}

ScreenPoint TForm1::Centre() const { return CentreOf(WindowPlacement()); }

int TForm1::ListPanelHeight() const { return areas_.ListPanel.Height; }

void TForm1::FormResize() {
  RECT client;
  GetClientRect(Handle(), &client);
  RECT status;
  GetWindowRect(statusBar_, &status);
  const int clientHeight = Scale().Unscale(client.bottom);
  const int statusHeight = Scale().Unscale(status.bottom - status.top);
  const int listPanelHeight = clientHeight - BevelHeight - ToolbarHeight - statusHeight;
  signViewHeight_ = FitSignViewHeight(signViewHeight_, listPanelHeight);
  areas_ = LayOutMainWindow(Scale().Unscale(client.right), clientHeight, statusHeight, signViewHeight_,
                            model_.SigTitleHeight);
  LayOutChildren();
}

void TForm1::LayOutChildren() {
  MoveTo(toolbar_, areas_.Toolbar, Scale());
  MoveTo(listView_, areas_.ListView, Scale());
  MoveTo(memoSig_, areas_.Memo, Scale());
  SendMessageW(statusBar_, WM_SIZE, 0, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TForm1::PaintPanels(HDC dc) {
  RECT bevel = ToRect(areas_.Bevel, Scale());
  DrawEdge(dc, &bevel, BDR_SUNKENOUTER, BF_TOP);
  RECT signView = ToRect(areas_.SignView, Scale());
  FrameRect(dc, &signView, GetSysColorBrush(COLOR_WINDOWFRAME));
  RECT title = ToRect(areas_.SigTitle, Scale());
  DrawEdge(dc, &title, BDR_RAISEDINNER, BF_RECT);
  if (model_.SigTitleHeight >= mvane::SigTitleHeight) {
    const HGDIOBJ oldFont = SelectObject(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const std::wstring label = L"署名";
    TextOutW(dc, title.left + Scale()(8), title.top + Scale()(8), label.c_str(), static_cast<int>(label.size()));
    SelectObject(dc, oldFont);
  }
}

void TForm1::PanelSplitterMouseMove(int y, bool leftButtonDown) {
  const int height = DragSignViewHeight(signViewHeight_, ListPanelHeight(), y, leftButtonDown);
  if (height == signViewHeight_) return;
  signViewHeight_ = height;
  FormResize();
}

void TForm1::PanelSigTitleDblClick() {
  model_.SigTitleHeight = ToggleSigTitleHeight(model_.SigTitleHeight);
  FormResize();
}

void TForm1::DisplayChanged(int screenWidth, int screenHeight) {
  Placement placement = WindowPlacement();
  KeepOnScreen(placement, screenWidth, screenHeight);
  SetWindowPos(Handle(), nullptr, placement.Left, placement.Top, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm1::FormDestroy() {
  Guarded([&] {
    RECT screen;
    GetWindowRect(GetDesktopWindow(), &screen);
    SaveWindowPlacement(hive_, WindowPlacement(), screen.right, screen.bottom);
  });
}

void TForm1::FormShow() {
  bool quit = false;
  // A wrong-typed value ends the loading where it is; what was read so far is shown.
  Guarded([&] {
    MessageBoxSink messages(formMyMB_, Centre(), [this] { ShowModel(); });
    quit = mvane::FormShow(hive_, files_, model_, messages);
  });
  ShowModel();
  if (form2_) form2_->SetAccountItems(model_.Accounts.ComboBoxF2AccountName);
  SetFocus(listView_);
  if (quit) PostQuitMessage(0);
}

// Mirrors the whole model: rows (the list asks for their texts), highlight, focus,
// status line, preview, title strip and the commands' states.
void TForm1::ShowModel() {
  mirroring_ = true;
  ListView_SetItemCountEx(listView_, model_.SystemSettings ? model_.Configs.Count() : 0, 0);
  ShowHighlightAndFocus();
  mirroring_ = false;
  SendMessageW(statusBar_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Wide(model_.StatusLine).c_str()));
  FormResize();
  ListViewMainChange();
}

void TForm1::ShowHighlightAndFocus() {
  ListView_SetItemState(listView_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (const int row = model_.Configs.Focused(); row != NoRow) {
    ListView_SetItemState(listView_, row, LVIS_FOCUSED, LVIS_FOCUSED);
  }
  if (const int row = model_.Configs.Highlighted(); row != NoRow) {
    ListView_SetItemState(listView_, row, LVIS_SELECTED, LVIS_SELECTED);
    ListView_EnsureVisible(listView_, row, FALSE);
  }
}

void TForm1::ListViewMainChange() {
  if (mirroring_ || !model_.SystemSettings) return;
  model_.Configs.SetHighlighted(ListView_GetNextItem(listView_, -1, LVNI_SELECTED));
  model_.Configs.SetFocused(ListView_GetNextItem(listView_, -1, LVNI_FOCUSED));
  ApplyCommandStates(model_.ListViewMainChange(files_));
  SetWindowTextW(memoSig_, Wide(model_.MemoSig).c_str());
}

void TForm1::ApplyCommandStates(const CommandStates& states) {
  const auto enable = [&](int button, int item, bool enabled) {
    if (button) SendMessageW(toolbar_, TB_ENABLEBUTTON, button, MAKELPARAM(enabled ? TRUE : FALSE, 0));
    EnableMenuItem(popupMenu1_, item, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  };
  enable(IDC_ButtonSelectConfig, IDM_MenuSelectConfig, states.Select);
  enable(IDC_ButtonEditConfig, IDM_MenuEditConfig, states.Edit);
  enable(0, IDM_MenuChangeName, states.ChangeName);
  enable(IDC_ButtonDeleteConfig, IDM_MenuDeleteConfig, states.Delete);
}

void TForm1::ListViewMainGetText(NMLVDISPINFOW& info) {
  LVITEMW& item = info.item;
  if (item.iItem < 0 || item.iItem >= model_.Configs.Count()) return;
  if (item.mask & LVIF_TEXT) {
    const std::wstring text = Wide(model_.ColumnText(item.iItem, static_cast<mvane::Column>(item.iSubItem)));
    lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
  }
  if (item.mask & LVIF_STATE) {
    // The lamp is state image 1: the row carries the mark.
    item.state = (item.state & ~LVIS_STATEIMAGEMASK) |
                 (model_.Configs.Marked(item.iItem) ? INDEXTOSTATEIMAGEMASK(1) : 0);
    item.stateMask |= LVIS_STATEIMAGEMASK;
  }
}

bool TForm1::ListViewMainEdited(const NMLVDISPINFOW& info) {
  if (!info.item.pszText) return false;  // cancelled: nothing reaches the model
  model_.ListViewMainEdited(Narrow(info.item.pszText));
  ListView_RedrawItems(listView_, info.item.iItem, info.item.iItem);
  return false;  // the list asks the model for the caption it shows
}

void TForm1::MenuChangeNameClick() {
  if (const int row = model_.Configs.Highlighted(); row != NoRow) {
    SetFocus(listView_);
    ListView_EditLabel(listView_, row);
  }
}

void TForm1::RedrawRows() {
  if (model_.Configs.Count() > 0) ListView_RedrawItems(listView_, 0, model_.Configs.Count() - 1);
}

void TForm1::ButtonSelectConfigClick() {
  SelectConfig(model_);
  RedrawRows();
  ListViewMainChange();  // the mark is a state change: delete follows it
}

void TForm1::SetEditor(TForm2* form2) {
  form2_ = form2;
  form2_->SetRows(&model_.Configs);
}

// Shows the editor with the values, centred on the window; true on OK.
bool TForm1::ShowEditor(const EditorValues& values) {
  form2_->SetValues(values);
  const bool ok = form2_->ShowModalCentredOn(Centre(), "設定") == 1;
  if (form2_->ClosedByButton()) SetFocus(listView_);
  return ok;
}

// EditConfig
void TForm1::ButtonEditConfigClick() {
  const int row = model_.Configs.Highlighted();
  if (row == NoRow || !form2_) return;
  EditorValues values = form2_->Values();
  FillEditorForEdit(values, model_.Configs.Record(row), model_.Accounts);
  if (!ShowEditor(values)) return;
  StoreEditorIntoRow(model_, row, form2_->Values(), files_);
  ListView_RedrawItems(listView_, row, row);
  SetWindowTextW(memoSig_, Wide(model_.MemoSig).c_str());
}

// AddConfig, when the list has room for one more row.
void TForm1::ButtonAddConfigClick() {
  if (model_.Configs.IsFull() || !form2_ || !model_.SystemSettings) return;
  EditorValues values = form2_->Values();
  FillEditorForAdd(values, model_);
  if (!ShowEditor(values)) return;
  AddEditorAsRow(model_, form2_->Values(), files_);
  mirroring_ = true;
  ListView_SetItemCountEx(listView_, model_.Configs.Count(), LVSICF_NOSCROLL);
  mirroring_ = false;
  RedrawRows();
}

void TForm1::ButtonDeleteConfigClick() {
  const int row = model_.Configs.Highlighted();
  if (row == NoRow || !formMyMB_) return;
  if (model_.Configs.Marked(row)) {
    formMyMB_->ShowMessageBox(Centre(), false, DeleteRefusalText, DeleteCaption, ButtonSetOk);
    return;
  }
  const std::string question = DeleteQuestionText(model_.Configs.Record(row).ConfigName);
  if (formMyMB_->ShowMessageBox(Centre(), false, question, DeleteCaption, ButtonSetOkCancel) != ResultOk) return;
  model_.Configs.Remove(row);
  mirroring_ = true;
  ListView_SetItemCountEx(listView_, model_.Configs.Count(), 0);
  ShowHighlightAndFocus();
  mirroring_ = false;
  RedrawRows();
  ListViewMainChange();
}

void TForm1::ButtonHelpClick() { OpenHelp(0); }

int TForm1::DefaultHelpContext() const { return HelpContextMain; }

// CloseRunningOutlookExpress, with its question centred on this window.
CloseOutcome TForm1::CloseMailClient() {
  Win32MailClientWindows windows;
  return CloseRunningOutlookExpress(windows, [this] {
    return formMyMB_ ? formMyMB_->ShowMessageBox(Centre(), false, CloseQuestionText, "Mailvane", ButtonSetYesNo)
                     : ResultNo;
  });
}

int TForm1::ShowExitDialog() {
  return form3_ ? form3_->ShowModalCentredOn(Centre(), "Mailvane の終了") : ResultCancel;
}

void TForm1::ShowMessage(const std::string& text, const std::string& caption) {
  if (formMyMB_) formMyMB_->ShowMessageBox(Centre(), false, text, caption, ButtonSetOk);
}

// StartOutlookExpress
void TForm1::StartMailClient() {
  if (const auto program = MailClientProgramPath(hive_)) RunProgram(*program);
}

void TForm1::ButtonOKClick() {
  if (UpdateAndExit(model_, hive_, *this) == ExitOutcome::End) PostQuitMessage(0);
}

void TForm1::ButtonCancelClick() { PostQuitMessage(0); }

void TForm1::KTessel21Click() {
  if (formMyMB_) formMyMB_->ShowMessageBox(Centre(), false, AboutText, "Mailvane", ButtonSetOk);
}

void TForm1::OnCommand(int id) {
  switch (id) {
    case IDC_ButtonOK:
    case IDM_K1:
      ButtonOKClick();
      break;
    case IDC_ButtonCancel:
    case IDM_K2:
      ButtonCancelClick();
      break;
    case IDC_ButtonHelp:
    case IDM_Tessel21:
      ButtonHelpClick();
      break;
    case IDM_KTessel21:
      KTessel21Click();
      break;
    case IDM_MenuChangeName:
      MenuChangeNameClick();
      break;
    case IDOK:
      // The dialog manager turns Enter into IDOK before the list sees it.
      if (GetFocus() == listView_) ButtonSelectConfigClick();
      break;
    case IDC_ButtonSelectConfig:
    case IDM_MenuSelectConfig:
    case IDM_KS1:
      ButtonSelectConfigClick();
      break;
    case IDC_ButtonEditConfig:
    case IDM_MenuEditConfig:
    case IDM_Edit2:
      ButtonEditConfigClick();
      break;
    case IDC_ButtonAddConfig:
    case IDM_MenuAddConfig:
    case IDM_K3:
      ButtonAddConfigClick();
      break;
    case IDC_ButtonDeleteConfig:
    case IDM_MenuDeleteConfig:
    case IDM_Delete1:
      ButtonDeleteConfigClick();
      break;
  }
}

LRESULT TForm1::OnNotify(const NMHDR& header) {
  if (header.hwndFrom == listView_) {
    auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
    switch (header.code) {
      case LVN_GETDISPINFOW:
        ListViewMainGetText(info);
        return 0;
      case LVN_ITEMCHANGED:
      case LVN_ODSTATECHANGED:
        ListViewMainChange();
        return 0;
      case LVN_BEGINLABELEDITW:
        return FALSE;  // every row may be renamed
      case NM_DBLCLK:
        ButtonSelectConfigClick();  // ListViewMainDblClick: whatever row is highlighted
        return 0;
      case NM_RETURN:
        ButtonSelectConfigClick();  // ListViewMainKeyDown with Enter
        return 0;
      case LVN_ENDLABELEDITW:
        return ListViewMainEdited(info);
    }
    return 0;
  }
  if (header.code == TTN_GETDISPINFOW) {
    auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
    static std::wstring hint;
    for (const ToolButton& button : ToolButtons) {
      if (static_cast<int>(header.idFrom) == button.id) hint = Wide(button.hint);
    }
    info.lpszText = hint.data();
  }
  return 0;
}

void TForm1::ShowContextMenu(LPARAM position) {
  POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  if (position == -1) {  // from the keyboard: below the highlighted row, or the list's corner
    RECT row{};
    const int highlighted = ListView_GetNextItem(listView_, -1, LVNI_SELECTED);
    if (highlighted < 0 || !ListView_GetItemRect(listView_, highlighted, &row, LVIR_LABEL)) GetClientRect(listView_, &row);
    at = {row.left, row.bottom};
    ClientToScreen(listView_, &at);
  }
  TrackPopupMenu(popupMenu1_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
}

LRESULT TForm1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = Scale().Unscale(GET_X_LPARAM(lParam));
  const int y = Scale().Unscale(GET_Y_LPARAM(lParam));
  switch (message) {
    case WM_SIZE:
      FormResize();
      return 0;
    case WM_SHOWWINDOW:
      if (wParam && !shown_) {
        shown_ = true;
        PostMessageW(Handle(), WM_FORMSHOW, 0, 0);
      }
      break;
    case WM_FORMSHOW:
      FormShow();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(Handle(), &paint);
      PaintPanels(dc);
      EndPaint(Handle(), &paint);
      return 0;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Handle() && LOWORD(lParam) == HTCLIENT) {
        POINT cursor;
        GetCursorPos(&cursor);
        ScreenToClient(Handle(), &cursor);
        if (Inside(areas_.Splitter, Scale().Unscale(cursor.x), Scale().Unscale(cursor.y))) {
          SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONDOWN:
      if (Inside(areas_.Splitter, x, y)) {
        draggingSplitter_ = true;
        SetCapture(Handle());
      }
      return 0;
    case WM_MOUSEMOVE:
      if (draggingSplitter_) PanelSplitterMouseMove(y - areas_.Splitter.Top, (wParam & MK_LBUTTON) != 0);
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (draggingSplitter_) {
        draggingSplitter_ = false;
        if (message == WM_LBUTTONUP) ReleaseCapture();
      }
      return 0;
    case WM_LBUTTONDBLCLK:
      if (Inside(areas_.SigTitle, x, y)) PanelSigTitleDblClick();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == listView_) {
        ShowContextMenu(lParam);
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
      // A read-only memo would take the button face; the preview reads as a page.
      if (reinterpret_cast<HWND>(lParam) == memoSig_) {
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_DISPLAYCHANGE:
      DisplayChanged(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_CLOSE:
      ButtonCancelClick();  // the close box ends the tool as cancel does
      return 0;
    case WM_DESTROY:
      FormDestroy();
      return 0;
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace mvane::ui
