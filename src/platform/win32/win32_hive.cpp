#include "platform/win32/win32_hive.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace mvane {
namespace {

HKEY RootHandle(RootKey root) {
  return root == RootKey::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

HKEY ToHkey(KeyHandle key) { return reinterpret_cast<HKEY>(key); }
KeyHandle FromHkey(HKEY key) { return reinterpret_cast<KeyHandle>(key); }

}  // namespace

std::optional<KeyHandle> Win32Hive::OpenKey(RootKey root, const std::string& path, bool create) {
  const std::wstring widePath = Wide(path);
  HKEY key = nullptr;
  LONG result;
  if (create) {
    result = RegCreateKeyExW(RootHandle(root), widePath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
  } else {
    result = RegOpenKeyExW(RootHandle(root), widePath.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    // A key this user may only read (the local machine's, as a standard user) is still
    // read; writing to it then fails as it should.
    if (result == ERROR_ACCESS_DENIED) {
      result = RegOpenKeyExW(RootHandle(root), widePath.c_str(), 0, KEY_READ, &key);
    }
  }
  if (result != ERROR_SUCCESS) return std::nullopt;
  return FromHkey(key);
}

void Win32Hive::CloseKey(KeyHandle key) { RegCloseKey(ToHkey(key)); }

ValueQuery Win32Hive::QueryValue(KeyHandle key, const std::string& name) {
  const std::wstring wideName = Wide(name);
  DWORD type = 0;
  // Most values fit a small buffer: one call to the registry instead of two.
  std::uint8_t small[512];
  DWORD size = sizeof small;
  LONG result = RegQueryValueExW(ToHkey(key), wideName.c_str(), nullptr, &type, small, &size);
  ValueQuery query;
  if (result == ERROR_SUCCESS) {
    query.value.data.assign(small, small + size);
    query.value.type = type;
    query.outcome = QueryOutcome::Found;
    return query;
  }
  // The value may grow between the two calls: ask again with the size it now has.
  while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
    query.value.data.resize(size);
    result = RegQueryValueExW(ToHkey(key), wideName.c_str(), nullptr, &type,
                              query.value.data.empty() ? nullptr : query.value.data.data(), &size);
    if (result == ERROR_SUCCESS) {
      query.value.data.resize(size);
      query.value.type = type;
      query.outcome = QueryOutcome::Found;
      return query;
    }
  }
  query.outcome = result == ERROR_FILE_NOT_FOUND ? QueryOutcome::Missing : QueryOutcome::Failed;
  return query;
}

bool Win32Hive::SetValue(KeyHandle key, const std::string& name, const RegistryValue& value) {
  return RegSetValueExW(ToHkey(key), Wide(name).c_str(), 0, value.type,
                        value.data.empty() ? nullptr : value.data.data(),
                        static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool Win32Hive::DeleteValue(KeyHandle key, const std::string& name) {
  return RegDeleteValueW(ToHkey(key), Wide(name).c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> Win32Hive::ListSubkeys(KeyHandle key) {
  std::vector<std::string> names;
  wchar_t name[256];  // a key name has at most 255 characters
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(std::size(name));
    const LONG result = RegEnumKeyExW(ToHkey(key), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result != ERROR_SUCCESS) break;
    names.push_back(Narrow(std::wstring_view(name, length)));
  }
  return names;
}

bool Win32Hive::DeleteKey(RootKey root, const std::string& path) {
  return RegDeleteKeyW(RootHandle(root), Wide(path).c_str()) == ERROR_SUCCESS;
}

bool Win32Hive::DeleteTree(RootKey root, const std::string& path) {
  return RegDeleteTreeW(RootHandle(root), Wide(path).c_str()) == ERROR_SUCCESS;
}

bool Win32Hive::RenameKey(RootKey root, const std::string& path, const std::string& newName) {
  return RegRenameKey(RootHandle(root), Wide(path).c_str(), Wide(newName).c_str()) == ERROR_SUCCESS;
}

}  // namespace mvane
