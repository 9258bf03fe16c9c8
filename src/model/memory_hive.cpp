#include "model/memory_hive.h"

#include <algorithm>

#include "common/text.h"

namespace mvane {
namespace {

// Splits "A\B\C" into its names; an empty name anywhere makes the path invalid.
std::optional<std::vector<std::string>> SplitPath(const std::string& path) {
  std::vector<std::string> names;
  if (path.empty()) return names;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = path.find('\\', start);
    std::string name = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (name.empty()) return std::nullopt;
    names.push_back(std::move(name));
    if (end == std::string::npos) return names;
    start = end + 1;
  }
}

std::string RefusalKey(RootKey root, const std::vector<std::string>& path) {
  std::string key = std::to_string(static_cast<std::uint32_t>(root));
  for (const std::string& name : path) key += "\\" + UpperCaseText(name);
  return key;
}

template <typename Item>
auto FindByName(std::vector<Item>& items, const std::string& name) {
  return std::find_if(items.begin(), items.end(),
                      [&](const Item& item) { return SameTextIgnoringCase(item.name, name); });
}

}  // namespace

MemoryHive::Key::Key(const Key& other) : name(other.name), values(other.values) {
  for (const auto& [folded, sub] : other.subkeys) subkeys.emplace(folded, std::make_unique<Key>(*sub));
}

MemoryHive::Key& MemoryHive::Key::operator=(const Key& other) {
  if (this != &other) *this = Key(other);
  return *this;
}

bool MemoryHive::Key::operator==(const Key& other) const {
  if (name != other.name || values != other.values || subkeys.size() != other.subkeys.size()) return false;
  for (auto a = subkeys.begin(), b = other.subkeys.begin(); a != subkeys.end(); ++a, ++b) {
    if (a->first != b->first || !(*a->second == *b->second)) return false;
  }
  return true;
}

MemoryHive::Key* MemoryHive::Find(RootKey root, const std::vector<std::string>& path) {
  Key* key = &roots_[root];
  for (const std::string& name : path) {
    const auto sub = key->subkeys.find(FoldText(name));
    if (sub == key->subkeys.end()) return nullptr;
    key = sub->second.get();
  }
  return key;
}

MemoryHive::Key* MemoryHive::FindOpened(KeyHandle key) {
  const auto opened = handles_.find(key);
  return opened == handles_.end() ? nullptr : opened->second.key;
}

bool MemoryHive::IsRefused(const std::set<std::string>& refused, RootKey root,
                           const std::vector<std::string>& path) const {
  return refused.count(RefusalKey(root, path)) > 0;
}

std::optional<KeyHandle> MemoryHive::OpenKey(RootKey root, const std::string& path, bool create) {
  const auto names = SplitPath(path);
  if (!names || IsRefused(refusedOpens_, root, *names)) return std::nullopt;
  Key* key = &roots_[root];
  for (const std::string& name : *names) {
    const std::string folded = FoldText(name);
    auto sub = key->subkeys.find(folded);
    if (sub == key->subkeys.end()) {
      if (!create || !CountWrite()) return std::nullopt;
      sub = key->subkeys.emplace(folded, std::make_unique<Key>(name)).first;
    }
    key = sub->second.get();
  }
  const KeyHandle handle = nextHandle_++;
  handles_[handle] = {root, *names, key};
  return handle;
}

void MemoryHive::CloseKey(KeyHandle key) { handles_.erase(key); }

ValueQuery MemoryHive::QueryValue(KeyHandle handle, const std::string& name) {
  Key* key = FindOpened(handle);
  if (!key) return {QueryOutcome::Failed, {}};
  const OpenedKey& opened = handles_.at(handle);
  if (IsRefused(refusedQueries_, opened.root, opened.path)) return {QueryOutcome::Failed, {}};
  const auto value = FindByName(key->values, name);
  if (value == key->values.end()) return {QueryOutcome::Missing, {}};
  return {QueryOutcome::Found, value->value};
}

bool MemoryHive::CountWrite() {
  ++writes_;
  if (failingWrite_ > 0 && --failingWrite_ == 0) return false;
  return true;
}

bool MemoryHive::SetValue(KeyHandle handle, const std::string& name, const RegistryValue& value) {
  Key* key = FindOpened(handle);
  if (!key || !CountWrite()) return false;
  const auto existing = FindByName(key->values, name);
  if (existing != key->values.end()) {
    existing->value = value;
  } else {
    key->values.push_back({name, value});
  }
  return true;
}

bool MemoryHive::DeleteValue(KeyHandle handle, const std::string& name) {
  Key* key = FindOpened(handle);
  if (!key || !CountWrite()) return false;
  const auto existing = FindByName(key->values, name);
  if (existing == key->values.end()) return false;
  key->values.erase(existing);
  return true;
}

std::vector<std::string> MemoryHive::ListSubkeys(KeyHandle handle) {
  std::vector<std::string> names;
  if (const Key* key = FindOpened(handle)) {
    for (const auto& [folded, sub] : key->subkeys) names.push_back(sub->name);
  }
  return names;
}

bool MemoryHive::DeleteKey(RootKey root, const std::string& path) {
  const auto names = SplitPath(path);
  if (!names || names->empty() || IsRefused(refusedOpens_, root, *names)) return false;
  const std::vector<std::string> parentPath(names->begin(), names->end() - 1);
  Key* parent = Find(root, parentPath);
  if (!parent) return false;
  const auto key = parent->subkeys.find(FoldText(names->back()));
  if (key == parent->subkeys.end() || !key->second->subkeys.empty()) return false;
  std::vector<std::string> keyPath = *names;
  return DeleteKeyNode(root, keyPath, *parent);
}

bool MemoryHive::DeleteTree(RootKey root, const std::string& path) {
  const auto names = SplitPath(path);
  if (!names || names->empty() || IsRefused(refusedOpens_, root, *names)) return false;
  Key* parent = Find(root, std::vector<std::string>(names->begin(), names->end() - 1));
  std::vector<std::string> keyPath = *names;
  return parent && DeleteKeyNode(root, keyPath, *parent);
}

// Deletes the key named by the last part of path below parent, its subkeys first.
bool MemoryHive::DeleteKeyNode(RootKey root, std::vector<std::string>& path, Key& parent) {
  const auto key = parent.subkeys.find(FoldText(path.back()));
  if (key == parent.subkeys.end() || IsRefused(refusedOpens_, root, path)) return false;
  Key& node = *key->second;
  while (!node.subkeys.empty()) {
    path.push_back(node.subkeys.begin()->second->name);
    const bool deleted = DeleteKeyNode(root, path, node);
    path.pop_back();
    if (!deleted) return false;
  }
  if (!CountWrite()) return false;
  for (auto& [handle, opened] : handles_) {
    if (opened.key == &node) opened.key = nullptr;
  }
  parent.subkeys.erase(key);
  return true;
}

bool MemoryHive::RenameKey(RootKey root, const std::string& path, const std::string& newName) {
  const auto names = SplitPath(path);
  if (!names || names->empty() || newName.empty() || newName.find('\\') != std::string::npos ||
      IsRefused(refusedOpens_, root, *names)) {
    return false;
  }
  Key* parent = Find(root, std::vector<std::string>(names->begin(), names->end() - 1));
  if (!parent) return false;
  const auto key = parent->subkeys.find(FoldText(names->back()));
  if (key == parent->subkeys.end() || parent->subkeys.count(FoldText(newName)) > 0 || !CountWrite()) {
    return false;
  }
  std::unique_ptr<Key> moved = std::move(key->second);
  parent->subkeys.erase(key);
  moved->name = newName;
  parent->subkeys.emplace(FoldText(newName), std::move(moved));
  return true;
}

void MemoryHive::RefuseOpen(RootKey root, const std::string& path) {
  refusedOpens_.insert(RefusalKey(root, SplitPath(path).value_or(std::vector<std::string>{})));
}

void MemoryHive::RefuseQuery(RootKey root, const std::string& path) {
  refusedQueries_.insert(RefusalKey(root, SplitPath(path).value_or(std::vector<std::string>{})));
}

void MemoryHive::FailWrite(int n) { failingWrite_ = n; }

bool MemoryHive::SameContents(const MemoryHive& other) const {
  // A root that was only looked at compares equal to one never touched.
  const auto rootOf = [](const MemoryHive& hive, RootKey root) {
    const auto found = hive.roots_.find(root);
    return found == hive.roots_.end() ? Key{} : found->second;
  };
  for (const RootKey root : {RootKey::CurrentUser, RootKey::LocalMachine}) {
    if (!(rootOf(*this, root) == rootOf(other, root))) return false;
  }
  return true;
}

void MemoryHive::DumpKey(const Key& key, const std::string& path, std::string& out) {
  out += path + "\n";
  for (const Value& value : key.values) {
    out += "  \"" + value.name + "\" type " + std::to_string(value.value.type) + ":";
    for (const std::uint8_t byte : value.value.data) out += " " + std::to_string(byte);
    out += "\n";
  }
  for (const auto& [folded, sub] : key.subkeys) DumpKey(*sub, path + "\\" + sub->name, out);
}

std::string MemoryHive::Dump() const {
  std::string out;
  for (const auto& [root, key] : roots_) {
    DumpKey(key, root == RootKey::CurrentUser ? "HKCU" : "HKLM", out);
  }
  return out;
}

}  // namespace mvane
