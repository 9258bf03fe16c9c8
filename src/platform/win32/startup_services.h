// The system message box and upper-casing for the start-up, from Windows.
#pragma once

#include "common/command_line.h"

namespace mvane {

class Win32StartupServices : public StartupServices {
 public:
  int ShowSystemMessage(const std::string& text, const std::string& caption,
                        SystemMessageButtons buttons) override;
  std::string UpperCase(const std::string& text) override;
};

// The full path of the running program.
std::string ProgramPath();
// The command-line arguments after the program's own path.
std::vector<std::string> CommandLineArguments();

}  // namespace mvane
