// The stored configuration list under the tool's own key, one entry per row named by
// its row number in eight upper-case hexadecimal digits.
#pragma once

#include <string>

#include "list/main_model.h"
#include "model/file_system.h"
#include "model/registry_hive.h"
#include "model/status.h"

namespace mvane {

// Row n's entry name: n + 1 in eight upper-case hexadecimal digits.
std::string EntryName(int row);

// Reads the stored list into the model's rows: folders and address books that no
// longer exist are blanked, the selected configuration is marked when it is what the
// mail client is set to now. Entries beyond the list's 65,535 rows are kept in the
// model, unshown, and saved again. An entry that cannot be opened is skipped.
StatusWord LoadConfigList(RegistryHive& hive, FileSystem& files, MainModel& model);

// Replaces the stored list with the model's rows. The new list is written beside the
// old one and renamed into its place only when complete, so a failure at any point
// leaves either list whole for the next load. A failed write raises RegistryError.
// A list that could be read only in part is not saved: the stored one stays whole.
StatusWord SaveConfigList(RegistryHive& hive, const MainModel& model);

}  // namespace mvane
