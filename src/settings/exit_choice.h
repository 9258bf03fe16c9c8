// What the exit dialog remembers, and where the mail client's program file is.
#pragma once

#include <optional>
#include <string>

#include "model/registry_hive.h"

namespace mvane {

// Whether the mail client is to be started after the update: the stored
// "Execute OE After Exit" is 1; true when nothing is stored. A value of another type
// raises RegistryError.
bool ReadStartAfterExit(RegistryHive& hive);
// Stores 1 or 0; false when the tool's key cannot be opened or made.
bool StoreStartAfterExit(RegistryHive& hive, bool start);

// The mail client's program: its "InstallRoot" under HKEY_LOCAL_MACHINE exactly as
// stored, with "\msimn.exe" appended; nothing when no install folder is recorded.
std::optional<std::string> MailClientProgramPath(RegistryHive& hive);

}  // namespace mvane
