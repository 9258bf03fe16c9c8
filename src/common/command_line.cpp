#include "common/command_line.h"

#include "model/registry_accessor.h"
#include "settings/registry_paths.h"

namespace mvane {
namespace {

const char* const UninstallCaption = "Mailvane アンインストール";

void RecordProgram(RegistryAccessor& reg, const std::string& programPath) {
  reg.OpenPath(OwnVersionedKey, true);
  reg.WriteText("Path", programPath);
  reg.OpenPath(OwnKey, true);
  reg.WriteText("Current Version", OwnVersion);
}

// Removes the versioned key with all it holds. A failed deletion is tried once more
// after creating the key, which is all a missing key needs; a key that still cannot
// be removed (access denied) is reported rather than retried forever.
bool RemoveVersionedKey(RegistryAccessor& reg) {
  if (reg.DeleteTree(OwnVersionedKey)) return true;
  reg.OpenPath(OwnVersionedKey, true);
  reg.CloseCurrent();
  return reg.DeleteTree(OwnVersionedKey);
}

void Uninstall(RegistryHive& hive, RegistryAccessor& reg, StartupServices& services) {
  if (services.ShowSystemMessage("Mailvane のレジストリを削除します", UninstallCaption,
                                 SystemMessageButtons::OkCancel) != ButtonOk) {
    return;
  }
  const bool removed = RemoveVersionedKey(reg);
  // Single-key deletions: these keys go only when nothing is left below them, so
  // no other program's data under them is ever removed.
  hive.DeleteKey(RootKey::CurrentUser, "Software\\Corvell\\Tessel2");
  hive.DeleteKey(RootKey::CurrentUser, "Software\\Corvell");
  if (removed) {
    services.ShowSystemMessage("Mailvane のレジストリを削除しました\n\nファイルは手作業で削除してください",
                               UninstallCaption, SystemMessageButtons::Ok);
  } else {
    services.ShowSystemMessage("Mailvane のレジストリを削除できませんでした", UninstallCaption,
                               SystemMessageButtons::OkWithStopIcon);
  }
}

}  // namespace

bool HandleCommandLine(RegistryHive& hive, const std::vector<std::string>& arguments,
                       const std::string& programPath, StartupServices& services) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  if (arguments.empty()) {
    RecordProgram(reg, programPath);
    return false;
  }
  if (services.UpperCase(arguments.front()) != "/UNINSTALL") return false;
  Uninstall(hive, reg, services);
  return true;
}

}  // namespace mvane
