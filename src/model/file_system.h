// The few file questions the tool asks, so that portable code can ask them of the
// real disk or of a test's make-believe one.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace mvane {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool FolderExists(const std::string& path) = 0;
  // A file, not a folder.
  virtual bool FileExists(const std::string& path) = 0;
  // The whole file, or nothing when it cannot be opened for reading.
  virtual std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) = 0;
  // Whether the file opens for reading with no sharing: it exists, may be read, and no
  // other program holds it open. It is closed again at once.
  virtual bool OpensAlone(const std::string& path) = 0;
  // Text in the system's ANSI code page (932 on a Japanese system) as UTF-8.
  virtual std::string AnsiToUtf8(const std::string& bytes) = 0;
};

// Folders and files held in memory; ANSI text is taken as Latin-1.
class MemoryFileSystem : public FileSystem {
 public:
  void AddFolder(const std::string& path) { folders_.insert(path); }
  void AddFile(const std::string& path, std::vector<std::uint8_t> contents) { files_[path] = std::move(contents); }
  void AddTextFile(const std::string& path, const std::string& bytes) {
    files_[path] = std::vector<std::uint8_t>(bytes.begin(), bytes.end());
  }
  // Another program keeps the file open: it can be read, but not opened alone.
  void HoldOpen(const std::string& path) { held_.insert(path); }

  bool FolderExists(const std::string& path) override { return folders_.count(path) > 0; }
  bool FileExists(const std::string& path) override { return files_.count(path) > 0; }
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) override;
  bool OpensAlone(const std::string& path) override { return FileExists(path) && held_.count(path) == 0; }
  std::string AnsiToUtf8(const std::string& bytes) override;

 private:
  std::set<std::string> folders_;
  std::map<std::string, std::vector<std::uint8_t>> files_;
  std::set<std::string> held_;
};

// A signature file's text: UTF-8 or UTF-16 when a byte-order mark says so, UTF-8 when
// the bytes are valid UTF-8 with characters beyond ASCII, otherwise the ANSI code page.
std::string DecodeTextFile(const std::vector<std::uint8_t>& bytes, FileSystem& files);

}  // namespace mvane
