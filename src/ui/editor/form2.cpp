#include "ui/editor/form2.h"

namespace mvane::ui {

TForm2::TForm2(HWND owner) : Form(L"TForm2") {
  CreateForm(owner, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP,
             0, 0, 349, 321, "");
}

}  // namespace mvane::ui
