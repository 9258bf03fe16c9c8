// Turns arbitrary bytes into a registry (any keys, values, types and sizes) and runs
// the start-up, the save and the apply of every row on it. Whatever the bytes, every
// outcome must be a status word or a RegistryError; anything else is a finding.
//
// The bytes are a list of commands:
//   0..254 key value-name type data   one value (key chosen from the tool's own keys and
//                                      the mail client's, with a suffix of the input's)
//   255 "BULK" count(2 bytes) suffix  many list entries at once, for very long lists;
//                                      the word keeps random bytes from asking for them
// Strings are a length byte (a second byte when the first is 255) and their bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "list/startup.h"
#include "model/memory_hive.h"
#include "model/registry_accessor.h"
#include "settings/apply_config.h"
#include "settings/config_store.h"

namespace {

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::string Text() {
    std::size_t length = Byte();
    if (length == 255) length += Byte() * 16;
    std::string text;
    for (std::size_t i = 0; i < length && !Empty(); ++i) text += static_cast<char>(Byte());
    return text;
  }
  std::vector<std::uint8_t> Bytes() {
    const std::string text = Text();
    return {text.begin(), text.end()};
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

const char* const Keys[] = {
    "Software\\Microsoft\\Outlook Express",
    "Software\\Microsoft\\Outlook Express\\Mail",
    "Software\\Microsoft\\Internet Account Manager",
    "Software\\Microsoft\\Internet Account Manager\\Accounts\\",
    "Software\\Microsoft\\WAB\\WAB4\\Wab File Name",
    "Software\\Corvell\\MVANE\\1.0",
    "Software\\Corvell\\MVANE\\1.0\\List\\",
    "Software\\Corvell\\MVANE\\1.0\\List.new\\",
    "Software\\Corvell\\MVANE\\1.0\\List.new",
};
const char* const Names[] = {
    "Store Root",     "Signature File", "Signature Text", "Signature Type", "Poll For Mail",
    "Default Mail Account", "Account Name", "POP3 Server", "IMAP Server",   "SMTP Server",
    "",               "Selected",       "Config Name",   "Wab File Name",  "Mail Check Sts",
    "Signature Sts",  "Complete",       "Hide Signature Title", "Top", "Left",
};

std::string KeyPath(Reader& in) {
  const std::string key = Keys[in.Byte() % std::size(Keys)];
  return key + in.Text();
}

std::string ValueName(Reader& in) {
  const std::uint8_t pick = in.Byte();
  return pick < 200 ? Names[pick % std::size(Names)] : in.Text();
}

void Put(mvane::MemoryHive& hive, const std::string& path, const std::string& name, std::uint32_t type,
         std::vector<std::uint8_t> data) {
  const auto key = hive.OpenKey(mvane::RootKey::CurrentUser, path, true);
  if (!key) return;
  hive.SetValue(*key, name, {type, std::move(data)});
  hive.CloseKey(*key);
}

void Build(Reader& in, mvane::MemoryHive& hive) {
  while (!in.Empty()) {
    const std::uint8_t command = in.Byte();
    if (command != 255 || in.Text() != "BULK") {
      const std::string path = KeyPath(in);
      const std::string name = ValueName(in);
      const std::uint32_t type = in.Byte() % 6;
      Put(hive, path, name, type, in.Bytes());
    } else {
      const int high = in.Byte();
      const int count = (high << 8 | in.Byte()) + 1;  // up to 65,536 entries at once
      const std::string name = in.Text();
      for (int i = 0; i < count; ++i) {
        Put(hive, "Software\\Corvell\\MVANE\\1.0\\List\\" + std::to_string(i) + name, "Config Name",
            1, {static_cast<std::uint8_t>('a' + i % 26), 0, 0, 0});
      }
    }
  }
}

class Silent : public mvane::MessageSink {
 public:
  void ShowMessage(const std::string&, const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in(data, size);
  mvane::MemoryHive hive;
  Build(in, hive);
  mvane::MemoryFileSystem files;
  mvane::MainModel model;
  Silent messages;
  try {
    mvane::FormShow(hive, files, model, messages);
  } catch (const mvane::RegistryError&) {
    return 0;  // start-up reports it and shows what was read; the run goes on no further here
  }
  try {
    mvane::SaveConfigList(hive, model);
  } catch (const mvane::RegistryError&) {
  }
  if (std::getenv("MVANE_FUZZ_TRACE")) {
    std::fprintf(stderr, "%d rows, %zu beyond them\n", model.Configs.Count(), model.SurplusConfigs.size());
  }
  if (!model.SystemSettings) return 0;
  for (int row = 0; row < model.Configs.Count() && row < 64; ++row) {
    try {
      mvane::ApplyConfig(hive, model.Configs.Record(row), *model.SystemSettings, model.Accounts.ListBoxAccount);
    } catch (const mvane::RegistryError&) {
    }
  }
  return 0;
}
