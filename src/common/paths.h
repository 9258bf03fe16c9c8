// Splitting a path into its folder and file name, as the choosers and the editor's
// address-book check need them.
#pragma once

#include <string>

namespace mvane {

// The last element's name and extension: C:\Mail\inbox.wab gives inbox.wab; a path
// ending in a separator gives the empty string.
std::string FileNameOfPath(const std::string& path);

// Drive and directory without the trailing backslash, blanks and control characters
// trimmed: C:\Mail\Store\inbox.wab gives C:\Mail\Store, C:\inbox.wab gives C:, and a
// bare file name gives the empty string.
std::string FolderOfPath(const std::string& path);

}  // namespace mvane
