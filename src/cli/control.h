// MVANECTL: the stored configurations from the command line, with the same routines
// as the main window: list them, name the current one, apply one, copy one, and move
// the list to and from a registry script.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "list/exit_flow.h"
#include "model/file_system.h"
#include "model/registry_hive.h"

namespace mvane {

// Exit codes.
inline constexpr int ControlDone = 0;
inline constexpr int ControlNoMatch = 1;      // current: the mail client matches none
inline constexpr int ControlUsage = 2;
inline constexpr int ControlNoSuchConfig = 3;
inline constexpr int ControlIncomplete = 4;
inline constexpr int ControlMailClientRunning = 5;
inline constexpr int ControlOtherInstance = 6;
inline constexpr int ControlRegistryError = 7;

// What the console program needs of the system.
class ControlServices {
 public:
  virtual ~ControlServices() = default;
  // Takes the tool's single-instance mark; false while another Mailvane holds it.
  virtual bool ClaimSingleInstance() = 0;
  virtual MailClientWindows& MailClient() = 0;
  virtual void RunProgram(const std::string& path) = 0;
  virtual bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) = 0;
  virtual bool JapaneseUi() = 0;
};

struct ControlOutput {
  std::string out;  // UTF-8
  std::string err;
};

int RunControl(const std::vector<std::string>& args, RegistryHive& hive, FileSystem& files,
               ControlServices& services, ControlOutput& output);

}  // namespace mvane
