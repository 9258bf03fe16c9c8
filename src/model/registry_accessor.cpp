#include "model/registry_accessor.h"

#include "common/text.h"

namespace mvane {
namespace {

RegistryError WrongTypeError(const std::string& name) {
  return RegistryError("'" + name + "' のﾃﾞｰﾀ型が不正です");
}
RegistryError ReadFailedError(const std::string& name) {
  return RegistryError("'" + name + "' の取得に失敗しました");
}
RegistryError WriteFailedError(const std::string& name) {
  return RegistryError("'" + name + "' の設定に失敗しました");
}

// String data up to the first zero character; an odd trailing byte is dropped.
std::string DecodeStringData(const std::vector<std::uint8_t>& data) {
  std::u16string units;
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    const char16_t unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (unit == 0) break;
    units += unit;
  }
  return Utf16ToUtf8(units);
}

RegistryValue EncodeString(const std::string& text) {
  RegistryValue value{static_cast<std::uint32_t>(ValueType::String), {}};
  for (const char16_t unit : Utf8ToUtf16(text)) {
    value.data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    value.data.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  value.data.push_back(0);
  value.data.push_back(0);
  return value;
}

RegistryValue EncodeNumber(std::int32_t number) {
  const auto bits = static_cast<std::uint32_t>(number);
  return {static_cast<std::uint32_t>(ValueType::Dword),
          {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
           static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)}};
}

std::string JoinPath(const std::string& parent, const std::string& child) {
  if (parent.empty()) return child;
  if (child.empty()) return parent;
  return parent + "\\" + child;
}

}  // namespace

RegistryAccessor::RegistryAccessor(RegistryHive& hive) : hive_(hive) {}

RegistryAccessor::~RegistryAccessor() { CloseCurrent(); }

void RegistryAccessor::SetRoot(RootKey root) {
  if (root == root_) return;
  CloseCurrent();
  root_ = root;
}

std::string RegistryAccessor::ResolvePath(const std::string& path) const {
  if (!path.empty() && path.front() == '\\') return path.substr(1);
  return key_ ? JoinPath(keyPath_, path) : path;
}

bool RegistryAccessor::OpenPath(const std::string& path, bool create) {
  const std::string resolved = ResolvePath(path);
  const std::optional<KeyHandle> key = hive_.OpenKey(root_, resolved, create);
  if (!key) return false;
  CloseCurrent();
  key_ = key;
  keyPath_ = resolved;
  return true;
}

void RegistryAccessor::CloseCurrent() {
  if (!key_) return;
  hive_.CloseKey(*key_);
  key_.reset();
  keyPath_.clear();
}

bool RegistryAccessor::HasValue(const std::string& name) {
  return key_ && hive_.QueryValue(*key_, name).outcome == QueryOutcome::Found;
}

std::string RegistryAccessor::TextOf(const std::string& name, const ValueQuery& query) const {
  if (query.outcome == QueryOutcome::Missing) return {};
  if (query.outcome == QueryOutcome::Failed) throw ReadFailedError(name);
  if (query.value.data.empty()) return {};
  const auto type = static_cast<ValueType>(query.value.type);
  if (type != ValueType::String && type != ValueType::ExpandString) throw WrongTypeError(name);
  return DecodeStringData(query.value.data);
}

std::int32_t RegistryAccessor::NumberOf(const std::string& name, const ValueQuery& query) const {
  if (query.outcome != QueryOutcome::Found) throw ReadFailedError(name);
  const RegistryValue& value = query.value;
  if (static_cast<ValueType>(value.type) != ValueType::Dword || value.data.size() != 4) {
    throw WrongTypeError(name);
  }
  return static_cast<std::int32_t>(value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                                   (std::uint32_t{value.data[3]} << 24));
}

std::string RegistryAccessor::ReadText(const std::string& name) {
  if (!key_) return {};
  return TextOf(name, hive_.QueryValue(*key_, name));
}

std::int32_t RegistryAccessor::ReadNumber(const std::string& name) {
  if (!key_) throw ReadFailedError(name);
  return NumberOf(name, hive_.QueryValue(*key_, name));
}

std::optional<std::string> RegistryAccessor::ReadTextIfPresent(const std::string& name) {
  if (!key_) return std::nullopt;
  const ValueQuery query = hive_.QueryValue(*key_, name);
  if (query.outcome != QueryOutcome::Found) return std::nullopt;
  return TextOf(name, query);
}

std::optional<std::int32_t> RegistryAccessor::ReadNumberIfPresent(const std::string& name) {
  if (!key_) return std::nullopt;
  const ValueQuery query = hive_.QueryValue(*key_, name);
  if (query.outcome != QueryOutcome::Found) return std::nullopt;
  return NumberOf(name, query);
}

void RegistryAccessor::WriteText(const std::string& name, const std::string& text) {
  Write(name, EncodeString(text));
}

void RegistryAccessor::WriteNumber(const std::string& name, std::int32_t number) {
  Write(name, EncodeNumber(number));
}

void RegistryAccessor::Write(const std::string& name, const RegistryValue& value) {
  if (!key_) throw WriteFailedError(name);
  if (remembering_) {
    // A value that cannot be read first cannot be put back: refuse to overwrite it.
    const ValueQuery prior = hive_.QueryValue(*key_, name);
    if (prior.outcome == QueryOutcome::Failed) throw ReadFailedError(name);
    priorValues_.push_back({root_, keyPath_, name,
                            prior.outcome == QueryOutcome::Found
                                ? std::optional<RegistryValue>(prior.value)
                                : std::nullopt});
  }
  if (!hive_.SetValue(*key_, name, value)) throw WriteFailedError(name);
}

void RegistryAccessor::ListSubkeys(std::vector<std::string>& names) {
  names.clear();
  if (key_) names = hive_.ListSubkeys(*key_);
}

bool RegistryAccessor::DeleteTree(const std::string& path) {
  const std::string resolved = ResolvePath(path);
  return !resolved.empty() && hive_.DeleteTree(root_, resolved);  // never the root of a hive
}

bool RegistryAccessor::RenameKey(const std::string& path, const std::string& newName) {
  const std::string resolved = ResolvePath(path);
  return !resolved.empty() && hive_.RenameKey(root_, resolved, newName);
}

bool RegistryAccessor::DeleteValue(const std::string& name) { return key_ && hive_.DeleteValue(*key_, name); }

void RegistryAccessor::RememberWrites() {
  remembering_ = true;
  priorValues_.clear();
}

void RegistryAccessor::UndoWrites() {
  CloseCurrent();
  for (auto prior = priorValues_.rbegin(); prior != priorValues_.rend(); ++prior) {
    const std::optional<KeyHandle> key = hive_.OpenKey(prior->root, prior->keyPath, false);
    if (!key) continue;
    if (prior->value) {
      hive_.SetValue(*key, prior->name, *prior->value);
    } else {
      hive_.DeleteValue(*key, prior->name);
    }
    hive_.CloseKey(*key);
  }
  priorValues_.clear();
  remembering_ = false;
}

}  // namespace mvane
