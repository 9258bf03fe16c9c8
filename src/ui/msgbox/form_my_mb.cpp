#include "ui/msgbox/form_my_mb.h"

#include "common/text.h"
#include "platform/win32/wide.h"
#include "ui/resource.h"

namespace mvane::ui {
namespace {

constexpr DWORD BoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD BoxExStyle = WS_EX_DLGMODALFRAME;
constexpr int ButtonIds[3] = {IDC_Button1, IDC_Button2, IDC_Button3};

// How the form's font draws, in design pixels.
MessageFont MeasuredFont(HWND window, HFONT font, const Scaler& scale) {
  const HDC dc = GetDC(window);
  const HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return {scale.Unscale(metrics.tmHeight), [window, font, &scale](const std::string& line) {
            const std::wstring wide = Wide(line);
            const HDC lineDc = GetDC(window);
            const HGDIOBJ previous = SelectObject(lineDc, font);
            SIZE size{};
            GetTextExtentPoint32W(lineDc, wide.c_str(), static_cast<int>(wide.size()), &size);
            SelectObject(lineDc, previous);
            ReleaseDC(window, lineDc);
            return scale.Unscale(size.cx);
          }};
}

}  // namespace

TFormMyMB::TFormMyMB(HWND owner) : Form(L"TFormMyMB") {
  CreateForm(owner, BoxStyle, BoxExStyle, 0, 0, 95, 90, "");
  for (const int id : ButtonIds) {
    AddControl({L"BUTTON", id, "", 0, MessageBoxTopBand, MessageBoxButtonWidth, MessageBoxButtonHeight,
                WS_TABSTOP | BS_PUSHBUTTON});
  }
}

int TFormMyMB::ShowMessageBox(ScreenPoint centre, bool longText, const std::string& text, const std::string& caption,
                              int buttonSet) {
  SetWindowTextW(Handle(), Wide(caption).c_str());

  // The layout works in design pixels: bring the screen and the frame to them.
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, BoxStyle, FALSE, BoxExStyle);
  const Scaler& scale = Scale();
  const FrameSize frameSize{scale.Unscale(frame.right - frame.left), scale.Unscale(frame.bottom - frame.top)};
  RECT screen;
  GetWindowRect(GetDesktopWindow(), &screen);
  const MessageBoxLayout layout =
      LayOutMessageBox({scale.Unscale(centre.X), scale.Unscale(centre.Y)}, longText, text, buttonSet, frameSize,
                       scale.Unscale(screen.right), scale.Unscale(screen.bottom), MeasuredFont(Handle(), Font(), scale));

  ReplaceMemo(layout, text);
  SetWindowPos(Handle(), nullptr, scale(layout.Outer.Left), scale(layout.Outer.Top), scale(layout.Outer.Width),
               scale(layout.Outer.Height), SWP_NOZORDER | SWP_NOACTIVATE);
  LayOutButtons(layout);

  if (IsWindowVisible(Handle())) return 0;
  return ShowModal();
}

void TFormMyMB::ReplaceMemo(const MessageBoxLayout& layout, const std::string& text) {
  // Word wrap and scroll bars are fixed when an edit control is made: make it anew.
  if (const HWND old = Control(IDC_Memo1)) DestroyWindow(old);
  const DWORD style = layout.LongText ? WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER
                                      : WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL;
  const int memoWidth = layout.ClientWidth - 2 * MessageBoxSideBand;
  const int memoHeight = layout.ClientHeight - MessageBoxTopBand - MessageBoxButtonBand;
  AddControl({L"EDIT", IDC_Memo1, WithCrLfLineBreaks(text), MessageBoxSideBand, MessageBoxTopBand, memoWidth, memoHeight,
              style});
}

void TFormMyMB::LayOutButtons(const MessageBoxLayout& layout) {
  const Scaler& scale = Scale();
  const int bandTop = layout.ClientHeight - MessageBoxButtonBand;
  for (int i = 0; i < 3; ++i) {
    const HWND button = Control(ButtonIds[i]);
    if (i >= static_cast<int>(layout.Buttons.size())) {
      ShowWindow(button, SW_HIDE);
      buttonResults_[i] = 0;
      continue;
    }
    const MessageBoxButton& shown = layout.Buttons[i];
    buttonResults_[i] = shown.Result;
    SetWindowTextW(button, Wide(shown.Caption).c_str());
    SendMessageW(button, BM_SETSTYLE, shown.Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    SetWindowPos(button, nullptr, scale(shown.Left), scale(bandTop + MessageBoxButtonTop),
                 scale(MessageBoxButtonWidth), scale(MessageBoxButtonHeight), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(button, SW_SHOW);
  }
}

void TFormMyMB::OnShow() { SetFocus(Control(IDC_Button1)); }

int TFormMyMB::DefaultButton() const {
  // Enter presses the focused button; Button1 when the focus is elsewhere.
  const HWND focus = GetFocus();
  for (const int id : ButtonIds) {
    if (focus == Control(id)) return id;
  }
  return IDC_Button1;
}

LRESULT TFormMyMB::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    for (int i = 0; i < 3; ++i) {
      if (LOWORD(wParam) == ButtonIds[i] && buttonResults_[i] != 0) SetModalResult(buttonResults_[i]);
    }
    return 0;  // Esc (IDCANCEL) finds no button and does nothing
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace mvane::ui
