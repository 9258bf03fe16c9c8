#include <gtest/gtest.h>

#include "settings/apply_config.h"
#include "unit/mail_client_fixture.h"

namespace mvane::testing {
namespace {

TesselRegistry HomeConfig() {
  TesselRegistry config;
  config.ConfigName = "自宅";
  config.StoreRoot = "D:\\Mail\\Home";
  config.WabFileName = "D:\\WAB\\home.wab";
  config.AccountName = "00000002";
  config.SignatureFile = "D:\\home.sig";
  config.SignatureText = "自宅より";
  config.SignatureType = SignatureAlways | SignatureIsText;
  config.PollForMail = 600000;
  return config;
}

// The registry after a start-up read, ready for an apply.
struct Applied {
  MemoryHive hive;
  std::unique_ptr<SystemRegistry> settings;
  AccountLists accounts;

  Applied() {
    SeedMailClient(hive);
    ReadSystemSettings(hive, settings);
    ReadAccountList(hive, accounts);
  }
  StatusWord Apply(const TesselRegistry& config) {
    return ApplyConfig(hive, config, *settings, accounts.ListBoxAccount);
  }
  RegistryValue Value(const std::string& key, const std::string& name) {
    const auto handle = hive.OpenKey(RootKey::CurrentUser, key.substr(1), false);
    if (!handle) return {};
    const ValueQuery query = hive.QueryValue(*handle, name);
    hive.CloseKey(*handle);
    return query.outcome == QueryOutcome::Found ? query.value : RegistryValue{};
  }
  std::string Text(const std::string& key, const std::string& name) {
    RegistryAccessor reg(hive);
    reg.SetRoot(RootKey::CurrentUser);
    return reg.OpenPath(key, false) ? reg.ReadText(name) : "(no key)";
  }
  std::int32_t Number(const std::string& key, const std::string& name) {
    RegistryAccessor reg(hive);
    reg.SetRoot(RootKey::CurrentUser);
    return reg.OpenPath(key, false) && reg.HasValue(name) ? reg.ReadNumber(name) : 12345;  // 12345: absent
  }
};

TEST(ValidateConfig, EachEmptyRequiredFieldAddsItsBit) {
  EXPECT_EQ(ValidateConfig(HomeConfig()), 0u);
  TesselRegistry config = HomeConfig();
  config.ConfigName.clear();
  config.StoreRoot.clear();
  EXPECT_EQ(ValidateConfig(config), 0xA0000C00u);
  config.WabFileName.clear();
  config.AccountName.clear();
  EXPECT_EQ(ValidateConfig(config), 0xA0000F00u);
  config = HomeConfig();
  config.AccountName = " ";
  config.SignatureFile.clear();
  EXPECT_EQ(ValidateConfig(config), 0u);
}

TEST(ComputeSignatureType, KeepsTheMailClientsOtherBits) {
  struct Case {
    std::uint32_t system;
    std::uint32_t config;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {0x00010002, 0x00000001, 0x00000001}, {0x00000020, 0x00010002, 0x00010022},
      {0x00010003, 0x00000000, 0x00000000}, {0x00000000, 0x00010003, 0x00010001},
      {0xFFFFFFFF, 0x00000002, 0xFFFEFFFE},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComputeSignatureType(c.system, c.config), c.expected) << std::hex << c.system << " " << c.config;
  }
}

TEST(ApplyConfig, WritesEveryValueAndPollsOnlyTheChosenAccount) {
  Applied a;
  EXPECT_EQ(a.Apply(HomeConfig()), 0u);
  EXPECT_EQ(a.Text(OeKey, "Store Root"), "D:\\Mail\\Home");
  EXPECT_EQ(a.Text(MailKey, "Signature File"), "D:\\home.sig");
  EXPECT_EQ(a.Text(MailKey, "Signature Text"), "自宅より");
  EXPECT_EQ(a.Number(MailKey, "Signature Type"), 0x00010001);
  EXPECT_EQ(a.Number(MailKey, "Poll For Mail"), 600000);
  EXPECT_EQ(a.Text(IamKey, "Default Mail Account"), "00000002");
  EXPECT_EQ(a.Number(AccountsKeyPath + "\\00000001", "POP3 Skip Account"), 1);
  EXPECT_EQ(a.Number(AccountsKeyPath + "\\00000002", "IMAP Polling"), 1);
  EXPECT_EQ(a.Number(AccountsKeyPath + "\\00000002", "POP3 Skip Account"), 12345);
  EXPECT_EQ(a.Number(AccountsKeyPath + "\\00000003", "POP3 Skip Account"), 12345);  // news: untouched
  EXPECT_EQ(a.Text(WabKey, ""), "D:\\WAB\\home.wab");
  EXPECT_EQ(a.Value(OeKey, "Store Root").type, static_cast<std::uint32_t>(ValueType::String));

  TesselRegistry office = HomeConfig();
  office.AccountName = "00000001";
  EXPECT_EQ(a.Apply(office), 0u);
  EXPECT_EQ(a.Number(AccountsKeyPath + "\\00000001", "POP3 Skip Account"), 0);
  EXPECT_EQ(a.Number(AccountsKeyPath + "\\00000002", "IMAP Polling"), 0);
  EXPECT_EQ(a.hive.OpenKeyCount(), 0);
}

TEST(ApplyConfig, MailClientsOwnSettingsLeaveSignatureAndPollingAlone) {
  Applied a;
  TesselRegistry config = HomeConfig();
  config.SignatureSts = 1;
  config.MailCheckSts = 1;
  EXPECT_EQ(a.Apply(config), 0u);
  EXPECT_EQ(a.Text(MailKey, "Signature Text"), "山田\r\n");
  EXPECT_EQ(a.Number(MailKey, "Signature Type"), 0x00010002);
  EXPECT_EQ(a.Number(MailKey, "Poll For Mail"), 1800000);

  config.MailCheckSts = 0;
  config.PollForMail = NoMailCheck;
  a.Apply(config);
  EXPECT_EQ(a.Number(MailKey, "Poll For Mail"), -1);
}

TEST(ApplyConfig, UnopenableKeysGiveTheirBitsAndTheRestIsWritten) {
  struct Case {
    const char* what;
    std::function<void(MemoryHive&)> damage;
    StatusWord expected;
  };
  const std::vector<Case> cases = {
      {"mail client key", [](MemoryHive& h) { h.RefuseOpen(RootKey::CurrentUser, OeKey.substr(1)); },
       StatusMailClientMissing},
      {"mail key", [](MemoryHive& h) { h.RefuseOpen(RootKey::CurrentUser, MailKey.substr(1)); },
       StatusMailClientMissing},
      {"accounts key", [](MemoryHive& h) { h.RefuseOpen(RootKey::CurrentUser, AccountsKeyPath.substr(1)); },
       StatusAccountManagerMissing},
      {"one account",
       [](MemoryHive& h) { h.RefuseOpen(RootKey::CurrentUser, AccountsKeyPath.substr(1) + "\\00000001"); },
       StatusAccountManagerMissing},
      {"address book", [](MemoryHive& h) { h.RefuseOpen(RootKey::CurrentUser, WabKey.substr(1)); },
       StatusAddressBookMissing},
  };
  for (const Case& c : cases) {
    Applied a;
    c.damage(a.hive);
    EXPECT_EQ(a.Apply(HomeConfig()), c.expected) << c.what;
    EXPECT_EQ(a.Text(IamKey, "Default Mail Account"), "00000002") << c.what;
    if (c.expected != StatusAddressBookMissing) {
      EXPECT_EQ(a.Text(WabKey, ""), "D:\\WAB\\home.wab") << c.what;
    }
  }
}

TEST(ApplyConfig, ChosenAccountOnlyWhenNoMailAccountsAreListed) {
  Applied a;
  const StringPairList noAccounts;
  EXPECT_EQ(ApplyConfig(a.hive, HomeConfig(), *a.settings, noAccounts), 0u);
  EXPECT_EQ(a.Number(AccountsKeyPath + "\\00000001", "POP3 Skip Account"), 12345);
  EXPECT_EQ(a.Number(AccountsKeyPath + "\\00000002", "IMAP Polling"), 1);
}

TEST(ApplyConfig, AccountNameThatIsNoSingleKeyNameReachesNoOtherKey) {
  for (const char* name : {"Missing", "00000002\\Sub", ""}) {
    Applied a;
    PutText(a.hive, AccountsKeyPath + "\\00000002\\Sub", "keep", "me");
    TesselRegistry config = HomeConfig();
    config.AccountName = name;
    EXPECT_EQ(a.Apply(config), StatusAccountManagerMissing) << name;
    EXPECT_EQ(a.Number(AccountsKeyPath + "\\00000002\\Sub", "POP3 Skip Account"), 12345) << name;
    EXPECT_EQ(a.Number(AccountsKeyPath, "POP3 Skip Account"), 12345) << name;
    EXPECT_EQ(a.Number(AccountsKeyPath + "\\00000002", "IMAP Polling"), 0) << name;
  }
}

TEST(ApplyConfig, FailedWriteAnywherePutsEverythingBack) {
  // Count the writes of a whole apply, then make each one fail in turn.
  int writes = 0;
  {
    Applied a;
    const int before = a.hive.WriteCount();
    a.Apply(HomeConfig());
    writes = a.hive.WriteCount() - before;
  }
  ASSERT_EQ(writes, 10);
  for (int failing = 1; failing <= writes; ++failing) {
    Applied a;
    const MemoryHive before = a.hive;
    a.hive.FailWrite(failing);
    EXPECT_THROW(a.Apply(HomeConfig()), RegistryError) << "write " << failing;
    EXPECT_TRUE(a.hive.SameContents(before)) << "write " << failing << "\n" << a.hive.Dump();
    EXPECT_EQ(a.hive.OpenKeyCount(), 0);
  }
}

TEST(ApplyConfig, ValueThatCannotBeReadFirstIsNotOverwritten) {
  Applied a;
  const MemoryHive before = a.hive;
  a.hive.RefuseQuery(RootKey::CurrentUser, WabKey.substr(1));
  try {
    a.Apply(HomeConfig());
    FAIL() << "no error raised";
  } catch (const RegistryError& error) {
    EXPECT_STREQ(error.what(), "'' の取得に失敗しました");
  }
  EXPECT_TRUE(a.hive.SameContents(before)) << a.hive.Dump();
}

}  // namespace
}  // namespace mvane::testing
