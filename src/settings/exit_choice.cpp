#include "settings/exit_choice.h"

#include "model/registry_accessor.h"
#include "settings/registry_paths.h"

namespace mvane {
namespace {

constexpr const char* StartAfterExitValue = "Execute OE After Exit";
constexpr const char* InstallKey = "\\SOFTWARE\\Microsoft\\Outlook Express";

}  // namespace

bool ReadStartAfterExit(RegistryHive& hive) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  if (!reg.OpenPath(OwnVersionedKey, false)) return true;
  const std::optional<std::int32_t> stored = reg.ReadNumberIfPresent(StartAfterExitValue);
  reg.CloseCurrent();
  return !stored || *stored == 1;
}

bool StoreStartAfterExit(RegistryHive& hive, bool start) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  if (!reg.OpenPath(OwnVersionedKey, true)) return false;
  reg.WriteNumber(StartAfterExitValue, start ? 1 : 0);
  reg.CloseCurrent();
  return true;
}

std::optional<std::string> MailClientProgramPath(RegistryHive& hive) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::LocalMachine);
  if (!reg.OpenPath(InstallKey, false)) return std::nullopt;
  const std::optional<std::string> folder = reg.ReadTextIfPresent("InstallRoot");
  reg.CloseCurrent();
  if (!folder) return std::nullopt;
  return *folder + "\\msimn.exe";
}

}  // namespace mvane
