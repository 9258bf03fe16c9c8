// The disk, through the W functions, and the system's ANSI code page.
#pragma once

#include "model/file_system.h"

namespace mvane {

class Win32FileSystem : public FileSystem {
 public:
  bool FolderExists(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) override;
  bool OpensAlone(const std::string& path) override;
  std::string AnsiToUtf8(const std::string& bytes) override;
};

}  // namespace mvane
