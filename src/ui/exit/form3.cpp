#include "ui/exit/form3.h"

namespace mvane::ui {

TForm3::TForm3(HWND owner) : Form(L"TForm3") {
  CreateForm(owner, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP,
             0, 0, 283, 172, "");
}

}  // namespace mvane::ui
