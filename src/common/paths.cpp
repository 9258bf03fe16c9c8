#include "common/paths.h"

namespace mvane {
namespace {

// Where the file name starts: after the drive and the last "\" or "/". Text is UTF-8,
// whose multi-byte characters never contain the byte of "\" (code page 932's 表 and
// ソ did), so a byte search is safe.
std::size_t NameStart(const std::string& path) {
  const std::size_t drive = path.size() >= 2 && path[1] == ':' ? 2 : 0;
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos || separator < drive ? drive : separator + 1;
}

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string FileNameOfPath(const std::string& path) { return path.substr(NameStart(path)); }

std::string FolderOfPath(const std::string& path) {
  std::string folder = path.substr(0, NameStart(path));
  std::size_t first = 0;
  while (first < folder.size() && IsBlankOrControl(folder[first])) ++first;
  std::size_t last = folder.size();
  while (last > first && IsBlankOrControl(folder[last - 1])) --last;
  folder = folder.substr(first, last - first);
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

}  // namespace mvane
