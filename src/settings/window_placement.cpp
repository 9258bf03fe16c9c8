#include "settings/window_placement.h"

#include "model/registry_accessor.h"
#include "settings/registry_paths.h"

namespace mvane {

StatusWord RestoreWindowPlacement(RegistryHive& hive, int screenWidth, int screenHeight, Placement& placement) {
  StatusWord status = 0;
  Placement read = DefaultMainWindowPlacement;
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  if (reg.OpenPath(OwnVersionedKey, false)) {
    for (auto [name, field] : {std::pair{"Top", &read.Top}, std::pair{"Left", &read.Left},
                               std::pair{"Height", &read.Height}, std::pair{"Width", &read.Width}}) {
      if (reg.HasValue(name)) {
        *field = reg.ReadNumber(name);
      } else {
        status |= StatusStoredDataIncomplete;
      }
    }
    reg.CloseCurrent();
  } else {
    status |= StatusStoredDataIncomplete;
  }
  KeepOnScreen(read, screenWidth, screenHeight);
  placement = read;
  return status;
}

StatusWord SaveWindowPlacement(RegistryHive& hive, Placement placement, int screenWidth, int screenHeight) {
  KeepOnScreen(placement, screenWidth, screenHeight);
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  if (!reg.OpenPath(OwnVersionedKey, true)) return StatusStoredDataIncomplete;
  reg.WriteNumber("Top", placement.Top);
  reg.WriteNumber("Left", placement.Left);
  reg.WriteNumber("Height", placement.Height);
  reg.WriteNumber("Width", placement.Width);
  reg.CloseCurrent();
  return 0;
}

}  // namespace mvane
