#include "model/file_system.h"

#include "common/text.h"

namespace mvane {
namespace {

// Malformed bytes decode to U+FFFD, so only valid UTF-8 comes back unchanged.
bool IsValidUtf8(const std::string& text) { return Utf16ToUtf8(Utf8ToUtf16(text)) == text; }

std::string DecodeUtf16(const std::vector<std::uint8_t>& bytes, bool bigEndian) {
  std::u16string units;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    units += static_cast<char16_t>(bigEndian ? (bytes[i] << 8) | bytes[i + 1] : bytes[i] | (bytes[i + 1] << 8));
  }
  return Utf16ToUtf8(units);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> MemoryFileSystem::ReadFile(const std::string& path) {
  const auto found = files_.find(path);
  if (found == files_.end()) return std::nullopt;
  return found->second;
}

std::string MemoryFileSystem::AnsiToUtf8(const std::string& bytes) {
  std::u16string units;
  for (const char byte : bytes) units += static_cast<char16_t>(static_cast<unsigned char>(byte));
  return Utf16ToUtf8(units);
}

std::string DecodeTextFile(const std::vector<std::uint8_t>& bytes, FileSystem& files) {
  if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
    return Utf16ToUtf8(Utf8ToUtf16(std::string(bytes.begin() + 3, bytes.end())));
  }
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return DecodeUtf16(bytes, false);
  if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return DecodeUtf16(bytes, true);
  const std::string text(bytes.begin(), bytes.end());
  // Shift-JIS text is almost never valid UTF-8, so valid UTF-8 beyond ASCII is UTF-8.
  if (IsValidUtf8(text)) return text;
  return files.AnsiToUtf8(text);
}

}  // namespace mvane
