#include <gtest/gtest.h>

#include "common/command_line.h"
#include "common/text.h"
#include "unit/mail_client_fixture.h"

namespace mvane::testing {
namespace {

struct ShownMessage {
  std::string text;
  std::string caption;
  SystemMessageButtons buttons;
};

// Answers every message box with the given button and remembers what was shown.
class ScriptedServices : public StartupServices {
 public:
  explicit ScriptedServices(int answer) : answer_(answer) {}
  int ShowSystemMessage(const std::string& text, const std::string& caption, SystemMessageButtons buttons) override {
    shown.push_back({text, caption, buttons});
    return answer_;
  }
  std::string UpperCase(const std::string& text) override { return UpperCaseText(text); }
  std::vector<ShownMessage> shown;

 private:
  int answer_;
};

const std::string VersionedKey = "\\Software\\Corvell\\MVANE\\1.0";
const std::string OwnKeyPath = "\\Software\\Corvell\\MVANE";
const char* const ExePath = "C:\\Program Files\\Mailvane\\MVANE.exe";

bool KeyExists(MemoryHive& hive, const std::string& key) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  return reg.OpenPath(key, false);
}

// The tool's data as a few runs leave it, beside the mail client's.
void SeedOwnData(MemoryHive& hive) {
  SeedMailClient(hive);
  PutText(hive, VersionedKey, "Path", ExePath);
  PutNumber(hive, VersionedKey, "Top", 10);
  PutText(hive, VersionedKey + "\\List\\00000000", "Config Name", "会社");
  PutText(hive, OwnKeyPath, "Current Version", "1.0");
}

TEST(HandleCommandLine, StartWithoutArgumentsRecordsPathAndVersion) {
  MemoryHive hive;
  ScriptedServices services(ButtonOk);
  EXPECT_FALSE(HandleCommandLine(hive, {}, ExePath, services));
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  ASSERT_TRUE(reg.OpenPath(VersionedKey, false));
  EXPECT_EQ(reg.ReadText("Path"), ExePath);
  ASSERT_TRUE(reg.OpenPath(OwnKeyPath, false));
  EXPECT_EQ(reg.ReadText("Current Version"), "1.0");
  EXPECT_TRUE(services.shown.empty());
}

TEST(HandleCommandLine, OnlyTheUninstallOptionAsFirstArgumentAsks) {
  struct Case {
    std::vector<std::string> arguments;
    bool asks;
  };
  const std::vector<Case> cases = {
      {{"/UNINSTALL"}, true},      {{"/uninstall"}, true},        {{"/Uninstall", "x"}, true},
      {{"-UNINSTALL"}, false},     {{"UNINSTALL"}, false},        {{"/UNINSTALL "}, false},
      {{"x", "/UNINSTALL"}, false}, {{"／ＵＮＩＮＳＴＡＬＬ"}, false}, {{""}, false},
  };
  for (const Case& c : cases) {
    MemoryHive hive;
    ScriptedServices services(2);  // Cancel
    EXPECT_EQ(HandleCommandLine(hive, c.arguments, ExePath, services), c.asks) << c.arguments[0];
    EXPECT_EQ(services.shown.size(), c.asks ? 1u : 0u) << c.arguments[0];
    EXPECT_FALSE(KeyExists(hive, VersionedKey)) << "an argument records nothing: " << c.arguments[0];
  }
}

TEST(HandleCommandLine, UninstallConfirmedRemovesTheVersionedKeyOnly) {
  MemoryHive hive;
  SeedOwnData(hive);
  ScriptedServices services(ButtonOk);
  EXPECT_TRUE(HandleCommandLine(hive, {"/uninstall"}, ExePath, services));
  ASSERT_EQ(services.shown.size(), 2u);
  EXPECT_EQ(services.shown[0].text, "Mailvane のレジストリを削除します");
  EXPECT_EQ(services.shown[0].caption, "Mailvane アンインストール");
  EXPECT_EQ(services.shown[0].buttons, SystemMessageButtons::OkCancel);
  EXPECT_EQ(services.shown[1].text, "Mailvane のレジストリを削除しました\n\nファイルは手作業で削除してください");
  EXPECT_EQ(services.shown[1].caption, "Mailvane アンインストール");
  EXPECT_EQ(services.shown[1].buttons, SystemMessageButtons::Ok);

  EXPECT_FALSE(KeyExists(hive, VersionedKey));
  EXPECT_TRUE(KeyExists(hive, OwnKeyPath));  // it still has "Current Version"
  EXPECT_TRUE(KeyExists(hive, "\\Software\\Corvell"));  // not empty: kept
  EXPECT_TRUE(KeyExists(hive, OeKey));
}

TEST(HandleCommandLine, UninstallWithoutTheVersionedKeyStillSucceeds) {
  MemoryHive hive;
  PutText(hive, "\\Software\\Corvell\\Tessel2", "old", "data");
  ScriptedServices services(ButtonOk);
  EXPECT_TRUE(HandleCommandLine(hive, {"/UNINSTALL"}, ExePath, services));
  // The missing key is created, then removed; the old product's key goes, and
  // "Corvell" stays because the version key made on the way is below it.
  EXPECT_FALSE(KeyExists(hive, VersionedKey));
  EXPECT_FALSE(KeyExists(hive, "\\Software\\Corvell\\Tessel2"));
  EXPECT_TRUE(KeyExists(hive, OwnKeyPath));
  ASSERT_EQ(services.shown.size(), 2u);
  EXPECT_EQ(services.shown[1].buttons, SystemMessageButtons::Ok);
}

TEST(HandleCommandLine, UninstallCancelledRemovesNothing) {
  MemoryHive hive;
  SeedOwnData(hive);
  const MemoryHive before = hive;
  ScriptedServices services(2);
  EXPECT_TRUE(HandleCommandLine(hive, {"/UNINSTALL"}, ExePath, services));
  EXPECT_EQ(services.shown.size(), 1u);
  EXPECT_TRUE(hive.SameContents(before));
}

TEST(HandleCommandLine, UninstallThatCannotRemoveTheKeySaysSoAndEnds) {
  MemoryHive hive;
  SeedOwnData(hive);
  hive.RefuseOpen(RootKey::CurrentUser, VersionedKey.substr(1) + "\\List\\00000000");
  ScriptedServices services(ButtonOk);
  EXPECT_TRUE(HandleCommandLine(hive, {"/UNINSTALL"}, ExePath, services));
  ASSERT_EQ(services.shown.size(), 2u);
  EXPECT_EQ(services.shown[1].text, "Mailvane のレジストリを削除できませんでした");
  EXPECT_EQ(services.shown[1].buttons, SystemMessageButtons::OkWithStopIcon);
  EXPECT_TRUE(KeyExists(hive, VersionedKey));
}

TEST(HandleCommandLine, FailedRecordingRaises) {
  MemoryHive hive;
  hive.RefuseOpen(RootKey::CurrentUser, VersionedKey.substr(1));
  hive.RefuseOpen(RootKey::CurrentUser, OwnKeyPath.substr(1));
  ScriptedServices services(ButtonOk);
  EXPECT_THROW(HandleCommandLine(hive, {}, ExePath, services), RegistryError);
}

}  // namespace
}  // namespace mvane::testing
