// The running mail client's windows, and starting a program.
#pragma once

#include <windows.h>

#include <set>
#include <string>

#include "list/exit_flow.h"

namespace mvane {

// How long one close request may take (the mail client may ask its user a question of
// its own meanwhile), and how long the program may take to end after the last one.
inline constexpr DWORD CloseRequestTimeoutMs = 30000;
inline constexpr DWORD EndOfProgramTimeoutMs = 10000;

class Win32MailClientWindows : public MailClientWindows {
 public:
  Window FindMain() override;
  Window FindNote() override;
  bool SendClose(Window window) override;
  bool WaitUntilGone() override;

 private:
  Window Found(HWND window);
  std::set<DWORD> processes_;  // every process that owned a window found here
};

// Starts the program as a new process, its path quoted; whether it starts is not told.
void RunProgram(const std::string& path);

}  // namespace mvane
