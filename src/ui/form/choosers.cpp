#include "ui/form/choosers.h"

#include <commdlg.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <vector>

#include "platform/win32/wide.h"

namespace mvane::ui {
namespace {

// Long enough for any path the W functions take, so nothing the user picks is cut.
constexpr DWORD PathCapacity = 32768;

std::wstring DialogFilter(const char* filter) {
  std::wstring pairs = Wide(filter);
  for (wchar_t& c : pairs) {
    if (c == L'|') c = L'\0';
  }
  return pairs + L'\0';
}

}  // namespace

std::string BrowseForFolder(HWND owner) {
  const std::wstring title = L"保存先フォルダを指定してください";
  BROWSEINFOW request{};
  request.hwndOwner = owner;
  request.lpszTitle = title.c_str();
  request.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
  const PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&request);
  if (!chosen) return {};
  std::vector<wchar_t> path(PathCapacity, L'\0');
  const BOOL hasPath = SHGetPathFromIDListEx(chosen, path.data(), PathCapacity, GPFIDL_DEFAULT);
  CoTaskMemFree(chosen);
  return hasPath ? Narrow(path.data()) : std::string();
}

std::optional<std::string> ChooseFile(HWND owner, const FileChooser& chooser, const ChooserStart& start) {
  const std::wstring title = Wide(chooser.title);
  const std::wstring filter = DialogFilter(chooser.filter);
  const std::wstring folder = Wide(start.Folder);
  std::vector<wchar_t> file(PathCapacity, L'\0');
  const std::wstring name = Wide(start.FileName);
  name.copy(file.data(), std::min<std::size_t>(name.size(), PathCapacity - 1));

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = PathCapacity;
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = chooser.defaultExtension;
  dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                 (chooser.fileMustExist ? OFN_FILEMUSTEXIST : 0);
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  std::wstring path = file.data();
  // A new file typed without extension takes the default one; some dialogs leave it
  // off when no such file exists yet.
  if (chooser.defaultExtension && !*PathFindExtensionW(path.c_str()) &&
      GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    path += L"." + std::wstring(chooser.defaultExtension);
  }
  return Narrow(path);
}

}  // namespace mvane::ui
