// The shell's folder browser and the standard open-file dialog, as the editor uses them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "list/editor_checks.h"

namespace mvane::ui {

// The file-system path of the mail store folder the user picks, or empty when the user
// cancels or the pick has no path. The browser starts at the desktop.
std::string BrowseForFolder(HWND owner);

struct FileChooser {
  const char* title;
  const char* filter;            // description and pattern pairs separated by "|"
  const wchar_t* defaultExtension;  // appended to a typed name without one; null for none
  bool fileMustExist;
};

// The full path the user confirms, or nothing when the user cancels.
std::optional<std::string> ChooseFile(HWND owner, const FileChooser& chooser, const ChooserStart& start);

}  // namespace mvane::ui
