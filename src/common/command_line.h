// What the program does with its command line before any window exists.
#pragma once

#include <string>
#include <vector>

#include "model/registry_hive.h"

namespace mvane {

enum class SystemMessageButtons { Ok, OkCancel, OkWithStopIcon };
inline constexpr int ButtonOk = 1;  // the code of OK, as the message box answers it

// The Windows pieces the start-up needs, so that the rest can be tested anywhere.
class StartupServices {
 public:
  virtual ~StartupServices() = default;
  // The system message box; answers the code of the button pressed.
  virtual int ShowSystemMessage(const std::string& text, const std::string& caption,
                                SystemMessageButtons buttons) = 0;
  // The system's locale-aware upper-casing.
  virtual std::string UpperCase(const std::string& text) = 0;
};

// arguments: those after the program's own path. Without any, records the program's
// path and version; with "/UNINSTALL" first, asks and removes the tool's registry data.
// True when the program is to end now.
bool HandleCommandLine(RegistryHive& hive, const std::vector<std::string>& arguments,
                       const std::string& programPath, StartupServices& services);

}  // namespace mvane
