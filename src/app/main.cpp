// The program's entry: one instance, the command line, then the tool itself.
#include <windows.h>

#include <exception>

#include "common/command_line.h"
#include "common/single_instance.h"
#include "platform/win32/error_report.h"
#include "platform/win32/startup_services.h"
#include "platform/win32/win32_hive.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    mvane::EnsureSingleInstance("Tessel");
    mvane::Win32Hive hive;
    mvane::Win32StartupServices services;
    if (mvane::HandleCommandLine(hive, mvane::CommandLineArguments(), mvane::ProgramPath(), services)) {
      return 0;
    }
  } catch (const std::exception& error) {
    mvane::ShowStandardErrorReport(error.what());
  }
  return 0;
}
