#include <gtest/gtest.h>

#include "list/startup.h"
#include "settings/config_store.h"
#include "unit/mail_client_fixture.h"

namespace mvane::testing {
namespace {

class RecordingSink : public MessageSink {
 public:
  void ShowMessage(const std::string& text, const std::string& caption) override {
    captions.push_back(caption);
    texts.push_back(text);
  }
  std::vector<std::string> captions;
  std::vector<std::string> texts;
};

const char* const AccountsMessage = "いくつかのアカウントが存在しませんでした\n\n設定内容を確認してください";
const char* const NotInstalledMessage =
    "Outlook Express 4.x がインストールされていないか、Outlook Express 4.x が１度も使われていません"
    "\n\nこのプログラムは Outlook Express 4.x が使われていない環境ではご使用になれません";
const char* const NoAccountListMessage =
    "アカウントリストが見つかりません\n\nOutlook Express 4.x が正しくインストールされていない可能性があります";
const char* const NoAddressBookMessage =
    "アドレス帳が見つかりません\n\nOutlook Express 4.x が正しくインストールされていない可能性があります";

void RemoveTree(MemoryHive& hive, const std::string& key) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  reg.DeleteTree(key);
}

void StoreOne(MemoryHive& hive, const std::string& account) {
  MainModel saved;
  TesselRegistry config;
  config.ConfigName = "stored";
  config.AccountName = account;
  saved.Configs.Append(config);
  SaveConfigList(hive, saved);
}

TEST(FormShow, ReactionsFollowTheStatusInOrder) {
  struct Case {
    const char* what;
    std::function<void(MemoryHive&)> prepare;
    std::vector<std::string> texts;
    bool ends;
    int rows;
  };
  const std::vector<Case> cases = {
      {"first run (0x80000001)", [](MemoryHive&) {}, {}, false, 1},
      {"stored list with a lost account (0x80000040)", [](MemoryHive& h) { StoreOne(h, "gone"); },
       {AccountsMessage}, false, 1},
      {"incomplete entry with a lost account (0x80000041)",
       [](MemoryHive& h) {
         StoreOne(h, "gone");
         const auto key = h.OpenKey(RootKey::CurrentUser, "Software\\Corvell\\MVANE\\1.0\\List\\00000001", false);
         h.DeleteValue(*key, "Signature Sts");
         h.CloseKey(*key);
       },
       {AccountsMessage}, false, 2},
      {"mail client missing with the rest (0xC0070000)", [](MemoryHive& h) { RemoveTree(h, "\\Software\\Microsoft"); },
       {NotInstalledMessage}, true, 0},
      {"accounts and address book missing (0xC0060000)",
       [](MemoryHive& h) {
         RemoveTree(h, "\\Software\\Microsoft\\Internet Account Manager");
         RemoveTree(h, "\\Software\\Microsoft\\WAB");
       },
       {NoAccountListMessage, NoAddressBookMessage}, true, 0},
      {"account list missing (0xC0020000 from the account list)",
       [](MemoryHive& h) { RemoveTree(h, "\\Software\\Microsoft\\Internet Account Manager\\Accounts"); },
       {NoAccountListMessage}, true, 0},
  };
  for (const Case& c : cases) {
    MemoryHive hive;
    SeedMailClient(hive);
    c.prepare(hive);
    MemoryFileSystem files;
    MainModel model;
    RecordingSink sink;
    EXPECT_EQ(FormShow(hive, files, model, sink), c.ends) << c.what;
    EXPECT_EQ(sink.texts, c.texts) << c.what;
    EXPECT_EQ(model.Configs.Count(), c.rows) << c.what;
    for (const std::string& caption : sink.captions) {
      EXPECT_TRUE(caption == "アカウントの確認" || caption == "レジストリ確認") << c.what;
    }
  }
}

TEST(FormShow, TheCurrentSettingsRowComesAfterTheLoadedRows) {
  MemoryHive hive;
  SeedMailClient(hive);
  StoreOne(hive, "00000001");
  const auto key = hive.OpenKey(RootKey::CurrentUser, "Software\\Corvell\\MVANE\\1.0\\List\\00000001", false);
  hive.DeleteValue(*key, "Signature Sts");
  hive.CloseKey(*key);
  MemoryFileSystem files;
  MainModel model;
  RecordingSink sink;
  EXPECT_FALSE(FormShow(hive, files, model, sink));
  ASSERT_EQ(model.Configs.Count(), 2);
  EXPECT_EQ(model.Configs.Record(0).ConfigName, "stored");
  EXPECT_EQ(model.Configs.Record(1).ConfigName, "オリジナル設定");
  EXPECT_TRUE(model.Configs.Marked(1));
  EXPECT_EQ(model.Configs.Highlighted(), 1);
  EXPECT_TRUE(sink.texts.empty());
}

}  // namespace
}  // namespace mvane::testing
