// The main window's stored placement under the tool's own key.
#pragma once

#include "common/placement.h"
#include "model/registry_hive.h"
#include "model/status.h"

namespace mvane {

inline constexpr Placement DefaultMainWindowPlacement{20, 20, 350, 480};

// Reads "Top", "Left", "Height", "Width", with the defaults for missing ones, and
// pulls the result onto the screen. A wrong-typed value raises RegistryError.
StatusWord RestoreWindowPlacement(RegistryHive& hive, int screenWidth, int screenHeight, Placement& placement);

// Stores the placement, pulled onto the screen first.
StatusWord SaveWindowPlacement(RegistryHive& hive, Placement placement, int screenWidth, int screenHeight);

}  // namespace mvane
