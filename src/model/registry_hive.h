// The registry as the accessor sees it: a few key and value operations that both the
// Windows registry and the in-memory hive provide with the same behaviour.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mvane {

enum class RootKey : std::uint32_t {
  CurrentUser = 0x80000001,
  LocalMachine = 0x80000002,
};

// Registry value types, with the numbers Windows gives them.
enum class ValueType : std::uint32_t {
  None = 0,
  String = 1,            // REG_SZ
  ExpandString = 2,      // REG_EXPAND_SZ
  Binary = 3,            // REG_BINARY
  Dword = 4,             // REG_DWORD
};

// A value as the registry stores it: strings are UTF-16LE bytes, usually with a
// terminating zero, but nothing guarantees that.
struct RegistryValue {
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;

  bool operator==(const RegistryValue&) const = default;
};

enum class QueryOutcome { Found, Missing, Failed };

struct ValueQuery {
  QueryOutcome outcome = QueryOutcome::Missing;
  RegistryValue value;
};

// An open key; 0 is never a valid handle.
using KeyHandle = std::uintptr_t;

class RegistryHive {
 public:
  virtual ~RegistryHive() = default;

  // Paths are relative to the root, components separated by "\", no leading "\".
  // Opens with read and write access; with create, missing keys on the way are made.
  virtual std::optional<KeyHandle> OpenKey(RootKey root, const std::string& path, bool create) = 0;
  virtual void CloseKey(KeyHandle key) = 0;
  // The empty name is the key's default value.
  virtual ValueQuery QueryValue(KeyHandle key, const std::string& name) = 0;
  virtual bool SetValue(KeyHandle key, const std::string& name, const RegistryValue& value) = 0;
  virtual bool DeleteValue(KeyHandle key, const std::string& name) = 0;
  // Names of the direct subkeys in enumeration order.
  virtual std::vector<std::string> ListSubkeys(KeyHandle key) = 0;
  // Removes one key; refused while the key has subkeys.
  virtual bool DeleteKey(RootKey root, const std::string& path) = 0;
  // Removes the key with everything below it, deepest first; true when the key itself
  // went. A failure part way leaves what was not yet removed.
  virtual bool DeleteTree(RootKey root, const std::string& path) = 0;
  // Gives the key at path (with everything below it) a new name under the same parent;
  // refused when a key of that name exists there.
  virtual bool RenameKey(RootKey root, const std::string& path, const std::string& newName) = 0;
};

}  // namespace mvane
