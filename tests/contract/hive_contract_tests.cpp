#include <atomic>
#include <chrono>
#include <optional>
#include <vector>

#include "common/text.h"
#include "contract/hive_contract.h"
#include "model/registry_accessor.h"

namespace mvane::testing {
namespace {

RegistryValue Raw(ValueType type, std::vector<std::uint8_t> data) {
  return {static_cast<std::uint32_t>(type), std::move(data)};
}

// UTF-16LE bytes of the text, with or without the terminating zero.
std::vector<std::uint8_t> Utf16Bytes(const std::string& text, bool terminated = true) {
  std::vector<std::uint8_t> bytes;
  for (const char16_t unit : Utf8ToUtf16(text)) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  if (terminated) bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RegistryError& error) {
    return error.what();
  }
  return "(no error)";
}

}  // namespace

void HiveContract::SetUp() {
  static std::atomic<int> counter{0};
  hive_ = GetParam().make();
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  scratch_ = "\\Software\\MailvaneContract-" + std::to_string(stamp) + "-" + std::to_string(counter++);
}

void HiveContract::TearDown() {
  RegistryAccessor reg(*hive_);
  reg.DeleteTree(scratch_);
}

std::string HiveContract::Scratch(const std::string& relative) const {
  return relative.empty() ? scratch_ : scratch_ + "\\" + relative;
}

void HiveContract::PutRaw(const std::string& relativeKey, const std::string& name, const RegistryValue& value) {
  const auto key = hive_->OpenKey(RootKey::CurrentUser, Scratch(relativeKey).substr(1), true);
  ASSERT_TRUE(key);
  ASSERT_TRUE(hive_->SetValue(*key, name, value));
  hive_->CloseKey(*key);
}

TEST_P(HiveContract, OpenPathCreatesOnlyWhenAskedAndKeepsTheOpenKeyOnFailure) {
  RegistryAccessor reg(*hive_);
  reg.SetRoot(RootKey::CurrentUser);
  EXPECT_FALSE(reg.OpenPath(Scratch("A\\B"), false));
  ASSERT_TRUE(reg.OpenPath(Scratch("A\\B"), true));
  reg.WriteText("here", "B");

  // A failed open leaves the previous key open: the next write still lands in B.
  EXPECT_FALSE(reg.OpenPath(Scratch("Missing"), false));
  reg.WriteText("still", "B");

  // Relative paths start at the open key; names match without regard to case.
  ASSERT_TRUE(reg.OpenPath(Scratch("a"), false));
  ASSERT_TRUE(reg.OpenPath("b", false));
  EXPECT_EQ(reg.ReadText("HERE"), "B");
  EXPECT_EQ(reg.ReadText("still"), "B");
}

TEST_P(HiveContract, TextAndNumbersRoundTrip) {
  RegistryAccessor reg(*hive_);
  reg.SetRoot(RootKey::CurrentUser);
  ASSERT_TRUE(reg.OpenPath(Scratch(), true));
  const std::vector<std::string> texts = {"", "C:\\Mail\\Store", "日本語の署名\r\n二行目", "ﾃﾞｰﾀ", "Ünïcødé €"};
  for (const std::string& text : texts) {
    reg.WriteText("Text", text);
    EXPECT_EQ(reg.ReadText("Text"), text);
  }
  for (const std::int32_t number : {0, 1, -1, 1800000, INT32_MIN, INT32_MAX}) {
    reg.WriteNumber("Number", number);
    EXPECT_EQ(reg.ReadNumber("Number"), number);
  }
  // A write replaces the value whatever its type was.
  reg.WriteText("Number", "now text");
  EXPECT_EQ(reg.ReadText("Number"), "now text");
  reg.WriteText("", "default value");
  EXPECT_TRUE(reg.HasValue(""));
  EXPECT_EQ(reg.ReadText(""), "default value");
}

TEST_P(HiveContract, ReadTextTakesStringsAsStoredAndRefusesOtherTypes) {
  struct Case {
    const char* name;
    RegistryValue value;
    const char* expected;  // the text read, or the error raised
  };
  const std::vector<Case> cases = {
      {"plain", Raw(ValueType::String, Utf16Bytes("abc")), "abc"},
      {"unterminated", Raw(ValueType::String, Utf16Bytes("abc", false)), "abc"},
      {"zero inside", Raw(ValueType::String, Utf16Bytes(std::string("ab\0cd", 5))), "ab"},
      {"expandable", Raw(ValueType::ExpandString, Utf16Bytes("%WINDIR%\\x")), "%WINDIR%\\x"},
      {"empty string", Raw(ValueType::String, {}), ""},
      {"empty number", Raw(ValueType::Dword, {}), ""},
      {"odd length", Raw(ValueType::String, {'a', 0, 'b'}), "a"},
      {"number", Raw(ValueType::Dword, {1, 0, 0, 0}), "'number' のﾃﾞｰﾀ型が不正です"},
      {"binary", Raw(ValueType::Binary, {'a', 0}), "'binary' のﾃﾞｰﾀ型が不正です"},
  };
  for (const Case& c : cases) PutRaw("", c.name, c.value);
  RegistryAccessor reg(*hive_);
  reg.SetRoot(RootKey::CurrentUser);
  ASSERT_TRUE(reg.OpenPath(Scratch(), false));
  for (const Case& c : cases) {
    std::string got;
    const std::string error = ErrorOf([&] { got = reg.ReadText(c.name); });
    EXPECT_EQ(error == "(no error)" ? got : error, c.expected) << c.name;
  }
  EXPECT_EQ(reg.ReadText("missing"), "");
  EXPECT_FALSE(reg.HasValue("missing"));
  EXPECT_TRUE(reg.HasValue("binary"));
}

TEST_P(HiveContract, ReadNumberTakesOnlyFourByteDwords) {
  PutRaw("", "dword", Raw(ValueType::Dword, {0x40, 0x77, 0x1B, 0x00}));
  PutRaw("", "text", Raw(ValueType::String, Utf16Bytes("5")));
  PutRaw("", "binary", Raw(ValueType::Binary, {5, 0, 0, 0}));
  PutRaw("", "short", Raw(ValueType::Dword, {5, 0}));
  RegistryAccessor reg(*hive_);
  reg.SetRoot(RootKey::CurrentUser);
  ASSERT_TRUE(reg.OpenPath(Scratch(), false));
  EXPECT_EQ(reg.ReadNumber("dword"), 1800000);
  EXPECT_EQ(ErrorOf([&] { reg.ReadNumber("Poll For Mail"); }), "'Poll For Mail' の取得に失敗しました");
  EXPECT_EQ(ErrorOf([&] { reg.ReadNumber("text"); }), "'text' のﾃﾞｰﾀ型が不正です");
  EXPECT_EQ(ErrorOf([&] { reg.ReadNumber("binary"); }), "'binary' のﾃﾞｰﾀ型が不正です");
  EXPECT_EQ(ErrorOf([&] { reg.ReadNumber("short"); }), "'short' のﾃﾞｰﾀ型が不正です");
}

TEST_P(HiveContract, WritesWithoutAnOpenKeyRaise) {
  RegistryAccessor reg(*hive_);
  reg.SetRoot(RootKey::CurrentUser);
  EXPECT_EQ(ErrorOf([&] { reg.WriteText("Store Root", "x"); }), "'Store Root' の設定に失敗しました");
  EXPECT_EQ(ErrorOf([&] { reg.WriteNumber("Poll For Mail", 1); }), "'Poll For Mail' の設定に失敗しました");
  EXPECT_EQ(reg.ReadText("anything"), "");
  EXPECT_FALSE(reg.HasValue("anything"));
}

TEST_P(HiveContract, ListSubkeysReplacesTheListWithTheSortedNames) {
  RegistryAccessor reg(*hive_);
  reg.SetRoot(RootKey::CurrentUser);
  for (const char* name : {"b", "A", "c\\deeper", "00000002", "00000001"}) {
    ASSERT_TRUE(reg.OpenPath(Scratch(name), true));
  }
  std::vector<std::string> names = {"left over"};
  ASSERT_TRUE(reg.OpenPath(Scratch(), false));
  reg.ListSubkeys(names);
  EXPECT_EQ(names, (std::vector<std::string>{"00000001", "00000002", "A", "b", "c"}));
  ASSERT_TRUE(reg.OpenPath(Scratch("A"), false));
  reg.ListSubkeys(names);
  EXPECT_TRUE(names.empty());
}

TEST_P(HiveContract, DeleteTreeRemovesEverythingBelowAndLeavesTheOpenKey) {
  RegistryAccessor reg(*hive_);
  reg.SetRoot(RootKey::CurrentUser);
  ASSERT_TRUE(reg.OpenPath(Scratch("Tree\\One\\Two"), true));
  reg.WriteText("v", "1");
  ASSERT_TRUE(reg.OpenPath(Scratch("Tree\\Three"), true));
  ASSERT_TRUE(reg.OpenPath(Scratch("Other"), true));

  EXPECT_TRUE(reg.DeleteTree(Scratch("Tree")));
  EXPECT_FALSE(reg.DeleteTree(Scratch("Tree")));
  EXPECT_FALSE(reg.DeleteTree(Scratch("Never")));
  reg.WriteText("open", "still");  // Other is still the open key
  EXPECT_EQ(reg.ReadText("open"), "still");
  EXPECT_FALSE(reg.OpenPath(Scratch("Tree"), false));
}

TEST_P(HiveContract, SingleKeyDeletionRefusesKeysWithSubkeys) {
  RegistryAccessor reg(*hive_);
  reg.SetRoot(RootKey::CurrentUser);
  ASSERT_TRUE(reg.OpenPath(Scratch("Parent\\Child"), true));
  ASSERT_TRUE(reg.OpenPath(Scratch("Parent"), false));
  reg.WriteText("value", "kept with the key");
  reg.CloseCurrent();
  const std::string parent = Scratch("Parent").substr(1);
  EXPECT_FALSE(hive_->DeleteKey(RootKey::CurrentUser, parent));
  EXPECT_TRUE(hive_->DeleteKey(RootKey::CurrentUser, parent + "\\Child"));
  EXPECT_TRUE(hive_->DeleteKey(RootKey::CurrentUser, parent));
  EXPECT_FALSE(reg.OpenPath(Scratch("Parent"), false));
}

TEST_P(HiveContract, RenameKeyMovesTheWholeKeyUnlessTheNameIsTaken) {
  RegistryAccessor reg(*hive_);
  reg.SetRoot(RootKey::CurrentUser);
  ASSERT_TRUE(reg.OpenPath(Scratch("List.new\\00000001"), true));
  reg.WriteText("Config Name", "new");
  ASSERT_TRUE(reg.OpenPath(Scratch("Taken"), true));
  reg.CloseCurrent();
  EXPECT_FALSE(reg.RenameKey(Scratch("List.new"), "taken"));
  EXPECT_FALSE(reg.RenameKey(Scratch("Missing"), "List"));
  EXPECT_TRUE(reg.RenameKey(Scratch("List.new"), "List"));
  EXPECT_FALSE(reg.OpenPath(Scratch("List.new"), false));
  ASSERT_TRUE(reg.OpenPath(Scratch("List\\00000001"), false));
  EXPECT_EQ(reg.ReadTextIfPresent("Config Name"), std::optional<std::string>("new"));
  EXPECT_EQ(reg.ReadTextIfPresent("missing"), std::nullopt);
  EXPECT_EQ(reg.ReadNumberIfPresent("missing"), std::nullopt);
  EXPECT_EQ(ErrorOf([&] { reg.ReadNumberIfPresent("Config Name"); }), "'Config Name' のﾃﾞｰﾀ型が不正です");
}

TEST_P(HiveContract, UndoWritesPutsBackValuesAndRemovesCreatedOnes) {
  PutRaw("", "existing", Raw(ValueType::ExpandString, Utf16Bytes("%old%")));
  PutRaw("", "number", Raw(ValueType::Dword, {7, 0, 0, 0}));
  RegistryAccessor reg(*hive_);
  reg.SetRoot(RootKey::CurrentUser);
  ASSERT_TRUE(reg.OpenPath(Scratch(), false));
  reg.RememberWrites();
  reg.WriteText("existing", "new");
  reg.WriteNumber("number", 8);
  reg.WriteNumber("number", 9);
  reg.WriteNumber("created", 1);
  reg.UndoWrites();

  const auto key = hive_->OpenKey(RootKey::CurrentUser, Scratch().substr(1), false);
  ASSERT_TRUE(key);
  EXPECT_EQ(hive_->QueryValue(*key, "existing").value, Raw(ValueType::ExpandString, Utf16Bytes("%old%")));
  EXPECT_EQ(hive_->QueryValue(*key, "number").value, Raw(ValueType::Dword, {7, 0, 0, 0}));
  EXPECT_EQ(hive_->QueryValue(*key, "created").outcome, QueryOutcome::Missing);
  hive_->CloseKey(*key);
}

}  // namespace mvane::testing
