// The program's entry: one instance, the command line, then the four forms and the
// message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <exception>

#include "common/command_line.h"
#include "common/single_instance.h"
#include "platform/win32/error_report.h"
#include "platform/win32/startup_services.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_hive.h"
#include "ui/editor/form2.h"
#include "ui/exit/form3.h"
#include "ui/form/form.h"
#include "ui/main/form1.h"
#include "ui/msgbox/form_my_mb.h"

namespace {

void RunTool(mvane::RegistryHive& hive, mvane::FileSystem& files) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  mvane::ui::TForm1 form1(hive, files);
  mvane::ui::TForm2 form2(form1.Handle(), files);
  mvane::ui::TForm3 form3(form1.Handle(), hive);
  mvane::ui::TFormMyMB formMyMB(form1.Handle());
  form1.SetMessageBox(&formMyMB);
  form1.SetEditor(&form2);
  form1.SetExitDialog(&form3);
  ShowWindow(form1.Handle(), SW_SHOWNORMAL);
  mvane::ui::RunMessageLoop();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    mvane::EnsureSingleInstance("Tessel");
    mvane::Win32Hive hive;
    mvane::Win32StartupServices services;
    if (mvane::HandleCommandLine(hive, mvane::CommandLineArguments(), mvane::ProgramPath(), services)) {
      return 0;
    }
    mvane::Win32FileSystem files;
    // The shell's folder browser needs COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    RunTool(hive, files);
    if (SUCCEEDED(com)) CoUninitialize();
  } catch (const std::exception& error) {
    mvane::ShowStandardErrorReport(error.what());
  }
  return 0;
}
