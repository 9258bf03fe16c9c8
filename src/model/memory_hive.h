// A registry held in memory, for tests and benchmarks. It behaves like Windows where
// the tool depends on it: key and value names match without regard to case, subkeys
// enumerate in sorted order, a key with subkeys cannot be deleted on its own, and
// value types are kept as stored. Faults can be injected to test every failure path.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/registry_hive.h"

namespace mvane {

class MemoryHive : public RegistryHive {
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

  // Faults. Opening a refused path fails, with or without create.
  void RefuseOpen(RootKey root, const std::string& path);
  // Queries of values under a refused path fail (as for a value that access denies).
  void RefuseQuery(RootKey root, const std::string& path);
  // The n-th write from now (1 = the next) fails. Writes are setting or deleting a
  // value and creating, deleting or renaming a key.
  void FailWrite(int n);
  // Writes since the hive was made.
  int WriteCount() const { return writes_; }
  int OpenKeyCount() const { return static_cast<int>(handles_.size()); }

  // Same keys, values and types, names spelt the same way.
  bool SameContents(const MemoryHive& other) const;
  // One line per key and value, for test failure messages.
  std::string Dump() const;

 private:
  struct Value {
    std::string name;
    RegistryValue value;
    bool operator==(const Value&) const = default;
  };
  struct Key {
    std::string name;
    std::map<std::string, std::unique_ptr<Key>> subkeys;  // by folded name: enumeration order
    std::vector<Value> values;

    Key() = default;
    explicit Key(std::string keyName) : name(std::move(keyName)) {}
    Key(const Key& other);
    Key& operator=(const Key& other);
    Key(Key&&) = default;
    Key& operator=(Key&&) = default;
    bool operator==(const Key& other) const;
  };
  struct OpenedKey {
    RootKey root;
    std::vector<std::string> path;
    Key* key;  // nullptr once the key is deleted; a renamed key keeps its handles
  };

  Key* Find(RootKey root, const std::vector<std::string>& path);
  Key* FindOpened(KeyHandle key);
  bool IsRefused(const std::set<std::string>& refused, RootKey root, const std::vector<std::string>& path) const;
  bool CountWrite();
  bool DeleteKeyNode(RootKey root, std::vector<std::string>& path, Key& parent);
  static void DumpKey(const Key& key, const std::string& path, std::string& out);

  std::map<RootKey, Key> roots_;
  std::map<KeyHandle, OpenedKey> handles_;
  KeyHandle nextHandle_ = 1;
  std::set<std::string> refusedOpens_;
  std::set<std::string> refusedQueries_;
  int writes_ = 0;
  int failingWrite_ = 0;
};

}  // namespace mvane
