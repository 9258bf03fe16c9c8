#include "ui/form/form.h"

#include <commctrl.h>

#include <exception>

#include "platform/win32/error_report.h"
#include "platform/win32/startup_services.h"
#include "platform/win32/wide.h"
#include "ui/form/help.h"

namespace mvane::ui {
namespace {

// Every form uses the same face: a proportional Japanese gothic, 12 pixels high.
HFONT CreateFormFont(const Scaler& scale) {
  return CreateFontW(-scale(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"ＭＳ Ｐゴシック");
}

// Registers a window class of the program once; later calls find it registered.
void RegisterClassOnce(const wchar_t* className, WNDPROC procedure, HICON icon) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &windowClass)) return;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.hIcon = icon;
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

void Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowStandardErrorReport(error.what());
  }
}

Form::Form(const wchar_t* className) : className_(className), scale_(ScreenDpi()) {}

Form::~Form() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (font_) DeleteObject(font_);
}

void Form::CreateForm(HWND owner, DWORD style, DWORD exStyle, int left, int top, int clientWidth, int clientHeight,
                      const std::string& caption) {
  RegisterClassOnce(className_, WindowProc, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
  font_ = CreateFormFont(scale_);
  RECT outer{0, 0, scale_(clientWidth), scale_(clientHeight)};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  CreateWindowExW(exStyle, className_, Wide(caption).c_str(), style, scale_(left), scale_(top),
                  outer.right - outer.left, outer.bottom - outer.top, owner, nullptr, GetModuleHandleW(nullptr),
                  this);
}

HWND Form::AddControl(const ControlArgs& args, HWND parent) {
  const HWND control = CreateWindowExW(args.exStyle, args.className, Wide(args.text).c_str(), WS_CHILD | args.style,
                                       scale_(args.left), scale_(args.top), scale_(args.width), scale_(args.height),
                                       parent ? parent : hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                                       GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (args.helpContext) SetWindowContextHelpId(control, args.helpContext);
  controls_[args.id] = control;
  return control;
}

HWND Form::Control(int id) const {
  const auto found = controls_.find(id);
  return found != controls_.end() ? found->second : GetDlgItem(hwnd_, id);
}

namespace {

// A page hands what its controls tell it to the form, which handles them all.
LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetAncestor(page, GA_ROOT), message, wParam, lParam);
  }
  return DefWindowProcW(page, message, wParam, lParam);
}

constexpr const wchar_t* PageClassName = L"TTabSheet";

}  // namespace

HWND Form::AddPage(HWND tabControl) {
  RegisterClassOnce(PageClassName, PageProc, nullptr);
  RECT area;
  GetClientRect(tabControl, &area);
  TabCtrl_AdjustRect(tabControl, FALSE, &area);
  return CreateWindowExW(WS_EX_CONTROLPARENT, PageClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, area.left, area.top,
                         area.right - area.left, area.bottom - area.top, tabControl, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  LRESULT result = 0;
  Guarded([&] { result = form->OnMessage(message, wParam, lParam); });
  return result;
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (inModalLoop_) {
        modalResult_ = 2;
        return 0;
      }
      break;
    case DM_GETDEFID:
      if (const int id = DefaultButton()) return MAKELRESULT(id, DC_HASDEFID);
      return 0;
    case WM_HELP: {
      const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
      const int context = info->dwContextId ? static_cast<int>(info->dwContextId) : DefaultHelpContext();
      if (context) OpenHelp(context);
      return TRUE;
    }
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

int Form::ShowModal() {
  const HWND owner = GetWindow(hwnd_, GW_OWNER);
  modalResult_ = 0;
  inModalLoop_ = true;
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  OnShow();
  MSG message;
  while (modalResult_ == 0) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: pass the quit request on to the outer loop.
      PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 0);
      modalResult_ = 2;
      break;
    }
    if (!IsDialogMessageW(hwnd_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  // The owner comes back before the form hides, so that it gets the activation.
  if (owner) EnableWindow(owner, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
  inModalLoop_ = false;
  return modalResult_;
}

int Form::ShowModalCentredOn(ScreenPoint centre, const std::string& caption) {
  SetWindowTextW(hwnd_, Wide(caption).c_str());
  RECT outer;
  GetWindowRect(hwnd_, &outer);
  const Placement at = CentredOn(centre, outer.bottom - outer.top, outer.right - outer.left);
  SetWindowPos(hwnd_, nullptr, at.Left, at.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return ShowModal();
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    const HWND top = GetAncestor(message.hwnd, GA_ROOT);
    if (top && IsDialogMessageW(top, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

std::wstring ProgramFolder() {
  const std::wstring path = Wide(ProgramPath());
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

}  // namespace mvane::ui
