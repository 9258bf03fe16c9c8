#include "cli/registry_script.h"

#include <cctype>
#include <cstdio>

#include "common/text.h"
#include "settings/registry_paths.h"

namespace mvane {
namespace {

constexpr const char* Header = "Windows Registry Editor Version 5.00";
const std::string ListKeyPath = std::string("HKEY_CURRENT_USER") + OwnVersionedKey + "\\List";

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

bool HasControlCharacters(const std::string& text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
  }
  return false;
}

// hex(1): the UTF-16LE bytes with the terminating zero, wrapped as the editor wraps.
std::string HexString(const std::string& name, const std::string& text) {
  const std::u16string units = Utf8ToUtf16(text) + u'\0';
  std::string out;
  std::string line = Quoted(name) + "=hex(1):";
  bool first = true;
  for (const char16_t unit : units) {
    for (const unsigned byte : {unit & 0xFFu, (unit >> 8) & 0xFFu}) {
      char hex[3];
      std::snprintf(hex, sizeof hex, "%02x", byte);
      if (!first && line.size() + 3 > 78) {
        out += line + ",\\\r\n";
        line = "  ";
      } else if (!first) {
        line += ',';
      }
      line += hex;
      first = false;
    }
  }
  return out + line + "\r\n";
}

std::string TextValue(const std::string& name, const std::string& text) {
  return HasControlCharacters(text) ? HexString(name, text) : Quoted(name) + "=" + Quoted(text) + "\r\n";
}

std::string DwordValue(const std::string& name, std::uint32_t number) {
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(number));
  return Quoted(name) + "=dword:" + hex + "\r\n";
}

std::string Entry(int number, const TesselRegistry& config) {
  char name[9];
  std::snprintf(name, sizeof name, "%08X", static_cast<unsigned>(number));
  return "[" + ListKeyPath + "\\" + name + "]\r\n" + DwordValue("Selected", static_cast<std::uint32_t>(config.Selected)) +
         TextValue("Config Name", config.ConfigName) + TextValue("Store Root", config.StoreRoot) +
         TextValue("Wab File Name", config.WabFileName) + TextValue("Account Name", config.AccountName) +
         TextValue("Signature File", config.SignatureFile) + TextValue("Signature Text", config.SignatureText) +
         DwordValue("Signature Type", config.SignatureType) +
         DwordValue("Poll For Mail", static_cast<std::uint32_t>(config.PollForMail)) +
         DwordValue("Mail Check Sts", static_cast<std::uint32_t>(config.MailCheckSts)) +
         DwordValue("Signature Sts", static_cast<std::uint32_t>(config.SignatureSts)) + "\r\n";
}

// Lines with the continuations ("\" at the end) joined, each with its first line number.
std::vector<std::pair<int, std::string>> LogicalLines(const std::string& text) {
  std::vector<std::pair<int, std::string>> lines;
  std::string current;
  int number = 0;
  int first = 1;
  bool continues = false;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (continues) {
      const std::size_t content = line.find_first_not_of(" \t");
      current += content == std::string::npos ? "" : line.substr(content);
    } else {
      current = line;
      first = number;
    }
    continues = !current.empty() && current.back() == '\\' && current.find("=hex") != std::string::npos;
    if (continues) {
      current.pop_back();
    } else {
      lines.emplace_back(first, current);
    }
    start = end + 1;
  }
  return lines;
}

// A quoted string from position i (at the opening quote); i ends after the closing one.
bool ReadQuoted(const std::string& line, std::size_t& i, std::string& out) {
  if (i >= line.size() || line[i] != '"') return false;
  for (++i; i < line.size(); ++i) {
    if (line[i] == '\\' && i + 1 < line.size()) {
      out += line[++i];
    } else if (line[i] == '"') {
      ++i;
      return true;
    } else {
      out += line[i];
    }
  }
  return false;
}

bool ReadHexBytes(const std::string& text, std::vector<std::uint8_t>& bytes) {
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ',' || text[i] == ' ' || text[i] == '\t')) ++i;
    if (i == text.size()) break;
    unsigned value = 0;
    int digits = 0;
    for (; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])) && digits < 2; ++i, ++digits) {
      value = value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(text[i]))
                                                      ? text[i] - '0'
                                                      : (std::tolower(static_cast<unsigned char>(text[i])) - 'a' + 10));
    }
    if (digits == 0) return false;
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  return true;
}

// The value after "=": its type and its bytes as the registry holds them.
bool ReadValueData(const std::string& data, RegistryValue& value) {
  if (!data.empty() && data[0] == '"') {
    std::size_t i = 0;
    std::string text;
    if (!ReadQuoted(data, i, text) || data.find_first_not_of(" \t", i) != std::string::npos) return false;
    const std::u16string units = Utf8ToUtf16(text) + u'\0';
    value.type = static_cast<std::uint32_t>(ValueType::String);
    for (const char16_t unit : units) {
      value.data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
      value.data.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return true;
  }
  if (data.rfind("dword:", 0) == 0) {
    const std::string digits = data.substr(6);
    if (digits.empty() || digits.size() > 8 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
      return false;
    }
    const std::uint32_t number = static_cast<std::uint32_t>(std::stoul(digits, nullptr, 16));
    value.type = static_cast<std::uint32_t>(ValueType::Dword);
    for (int shift = 0; shift < 32; shift += 8) value.data.push_back(static_cast<std::uint8_t>(number >> shift));
    return true;
  }
  std::uint32_t type = static_cast<std::uint32_t>(ValueType::Binary);
  std::size_t colon = std::string::npos;
  if (data.rfind("hex:", 0) == 0) {
    colon = 3;
  } else if (data.rfind("hex(", 0) == 0) {
    const std::size_t close = data.find("):");
    if (close == std::string::npos) return false;
    const std::string number = data.substr(4, close - 4);
    if (number.empty() || number.size() > 8 || number.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
      return false;
    }
    type = static_cast<std::uint32_t>(std::stoul(number, nullptr, 16));
    colon = close + 1;
  } else {
    return false;
  }
  value.type = type;
  return ReadHexBytes(data.substr(colon + 1), value.data);
}

}  // namespace

std::string ExportRegistryScript(const MainModel& model) {
  std::string script = std::string(Header) + "\r\n\r\n[" + ListKeyPath + "]\r\n\r\n";
  int number = 0;
  for (int row = 0; row < model.Configs.Count(); ++row) script += Entry(++number, model.Configs.Record(row));
  for (const TesselRegistry& config : model.SurplusConfigs) script += Entry(++number, config);
  return script;
}

bool ParseRegistryScript(const std::string& text, RegistryHive& into, std::string& error) {
  const auto lines = LogicalLines(text);
  const auto fail = [&](int line, const std::string& what) {
    error = std::to_string(line) + " 行目: " + what;
    return false;
  };
  std::size_t i = 0;
  while (i < lines.size() && lines[i].second.find_first_not_of(" \t") == std::string::npos) ++i;
  const std::string header = i < lines.size() ? lines[i].second : "";
  if (header != Header) return fail(i < lines.size() ? lines[i].first : 1, std::string("\"") + Header + "\" がありません");

  KeyHandle key = 0;  // 0: values here belong to no list entry
  const std::string entryPrefix = ListKeyPath + "\\";
  for (++i; i < lines.size(); ++i) {
    const auto& [number, line] = lines[i];
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      if (key) into.CloseKey(key);
      key = 0;
      if (line.back() != ']') return fail(number, "キーの行が ] で終わっていません");
      const std::string path = line.substr(1, line.size() - 2);
      if (path.size() <= entryPrefix.size() || !SameTextIgnoringCase(path.substr(0, entryPrefix.size()), entryPrefix)) {
        continue;  // the list key itself, or a key this tool does not keep
      }
      const std::string entry = path.substr(entryPrefix.size());
      if (entry.find('\\') != std::string::npos) continue;
      key = into.OpenKey(RootKey::CurrentUser, std::string(OwnVersionedKey + 1) + "\\List\\" + entry, true).value_or(0);
      continue;
    }
    std::size_t at = 0;
    std::string name;
    if (line[0] == '@') {
      at = 1;
    } else if (!ReadQuoted(line, at, name)) {
      return fail(number, "値の名前が読めません");
    }
    if (at >= line.size() || line[at] != '=') return fail(number, "= がありません");
    RegistryValue value;
    const std::string data = line.substr(at + 1);
    if (data == "-") continue;  // a deletion: nothing to import
    if (!ReadValueData(data, value)) return fail(number, "値が読めません");
    if (key) into.SetValue(key, name, value);
  }
  if (key) into.CloseKey(key);
  return true;
}

std::vector<std::uint8_t> EncodeScriptFile(const std::string& text) {
  std::vector<std::uint8_t> bytes{0xFF, 0xFE};
  for (const char16_t unit : Utf8ToUtf16(text)) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return bytes;
}

}  // namespace mvane
