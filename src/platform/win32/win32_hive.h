// The Windows registry behind the hive interface (W functions).
#pragma once

#include "model/registry_hive.h"

namespace mvane {

class Win32Hive : public RegistryHive {
 public:
  std::optional<KeyHandle> OpenKey(RootKey root, const std::string& path, bool create) override;
  void CloseKey(KeyHandle key) override;
  ValueQuery QueryValue(KeyHandle key, const std::string& name) override;
  bool SetValue(KeyHandle key, const std::string& name, const RegistryValue& value) override;
  bool DeleteValue(KeyHandle key, const std::string& name) override;
  std::vector<std::string> ListSubkeys(KeyHandle key) override;
  bool DeleteKey(RootKey root, const std::string& path) override;
  bool DeleteTree(RootKey root, const std::string& path) override;
  bool RenameKey(RootKey root, const std::string& path, const std::string& newName) override;
};

}  // namespace mvane
