// The one way the tool reads and writes the registry: a root hive and at most one
// open key at a time. Failed opens and tests answer false; a wrong-typed read and a
// failed write raise RegistryError, whose message names the value.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/registry_hive.h"

namespace mvane {

class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RegistryAccessor {
 public:
  explicit RegistryAccessor(RegistryHive& hive);
  ~RegistryAccessor();
  RegistryAccessor(const RegistryAccessor&) = delete;
  RegistryAccessor& operator=(const RegistryAccessor&) = delete;

  void SetRoot(RootKey root);
  // A path starting with "\" is taken from the root; any other from the open key.
  bool OpenPath(const std::string& path, bool create);
  void CloseCurrent();

  bool HasValue(const std::string& name);
  std::string ReadText(const std::string& name);
  std::int32_t ReadNumber(const std::string& name);
  // HasValue, then the read, in one look at the registry: nothing when the value is
  // missing, the read's error when it has the wrong type.
  std::optional<std::string> ReadTextIfPresent(const std::string& name);
  std::optional<std::int32_t> ReadNumberIfPresent(const std::string& name);
  void WriteText(const std::string& name, const std::string& text);
  void WriteNumber(const std::string& name, std::int32_t number);
  void ListSubkeys(std::vector<std::string>& names);
  // Removes the key and everything below it; the open key stays open.
  bool DeleteTree(const std::string& path);
  // Gives a key a new name beside it, with everything below it.
  bool RenameKey(const std::string& path, const std::string& newName);
  bool DeleteValue(const std::string& name);

  // From now on every write first remembers the value it replaces, so that
  // UndoWrites can put the registry back as it was.
  void RememberWrites();
  // Restores the remembered values, newest first, and removes the values that the
  // writes created. Goes on past a value that cannot be restored.
  void UndoWrites();

 private:
  std::string ResolvePath(const std::string& path) const;
  std::string TextOf(const std::string& name, const ValueQuery& query) const;
  std::int32_t NumberOf(const std::string& name, const ValueQuery& query) const;
  void Write(const std::string& name, const RegistryValue& value);

  struct PriorValue {
    RootKey root;
    std::string keyPath;
    std::string name;
    std::optional<RegistryValue> value;  // empty: the value did not exist
  };

  RegistryHive& hive_;
  RootKey root_ = RootKey::CurrentUser;
  std::optional<KeyHandle> key_;
  std::string keyPath_;
  bool remembering_ = false;
  std::vector<PriorValue> priorValues_;
};

}  // namespace mvane
