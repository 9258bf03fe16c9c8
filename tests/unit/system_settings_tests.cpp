#include <gtest/gtest.h>

#include "settings/account_list.h"
#include "unit/mail_client_fixture.h"

namespace mvane::testing {
namespace {

void RemoveValue(MemoryHive& hive, const std::string& key, const std::string& name) {
  const auto handle = hive.OpenKey(RootKey::CurrentUser, key.substr(1), false);
  ASSERT_TRUE(handle);
  hive.DeleteValue(*handle, name);
  hive.CloseKey(*handle);
}

void RemoveTree(MemoryHive& hive, const std::string& key) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  ASSERT_TRUE(reg.DeleteTree(key));
}

TEST(ReadSystemSettings, ReadsTheWholeSnapshot) {
  MemoryHive hive;
  SeedMailClient(hive);
  std::unique_ptr<SystemRegistry> settings;
  EXPECT_EQ(ReadSystemSettings(hive, settings), 0u);
  ASSERT_TRUE(settings);
  EXPECT_EQ(*settings, (SystemRegistry{"C:\\Mail\\Main", "C:\\Mail\\sig.txt", "山田\r\n", 0x00010002, 1800000,
                                       "00000001", "C:\\WAB\\main.wab"}));
  EXPECT_EQ(hive.OpenKeyCount(), 0);
}

TEST(ReadSystemSettings, EachMissingPieceAddsItsGroupsBitAndTheRestIsStillRead) {
  struct Case {
    const char* what;
    std::function<void(MemoryHive&)> damage;
    StatusWord expected;
  };
  const std::vector<Case> cases = {
      {"signature values missing",
       [](MemoryHive& h) {
         for (const char* name : {"Signature File", "Signature Text", "Signature Type"}) RemoveValue(h, MailKey, name);
       },
       0},
      {"Poll For Mail missing", [](MemoryHive& h) { RemoveValue(h, MailKey, "Poll For Mail"); },
       StatusMailClientMissing},
      {"Store Root missing", [](MemoryHive& h) { RemoveValue(h, OeKey, "Store Root"); }, StatusMailClientMissing},
      {"mail client key missing", [](MemoryHive& h) { RemoveTree(h, OeKey); }, StatusMailClientMissing},
      {"default account missing", [](MemoryHive& h) { RemoveValue(h, IamKey, "Default Mail Account"); },
       StatusAccountManagerMissing},
      {"account manager missing", [](MemoryHive& h) { RemoveTree(h, IamKey); }, StatusAccountManagerMissing},
      {"address book path missing", [](MemoryHive& h) { RemoveValue(h, WabKey, ""); }, StatusAddressBookMissing},
      {"everything missing",
       [](MemoryHive& h) { RemoveTree(h, "\\Software\\Microsoft"); },
       StatusMailClientMissing | StatusAccountManagerMissing | StatusAddressBookMissing},
  };
  for (const Case& c : cases) {
    MemoryHive hive;
    SeedMailClient(hive);
    c.damage(hive);
    std::unique_ptr<SystemRegistry> settings;
    EXPECT_EQ(ReadSystemSettings(hive, settings), c.expected) << c.what;
    ASSERT_TRUE(settings) << c.what;
    // The address book is read last: it is there whenever its own group is intact.
    if (!HasStatus(c.expected, StatusAddressBookMissing)) {
      EXPECT_EQ(settings->WabFileName, "C:\\WAB\\main.wab") << c.what;
    }
  }
}

TEST(ReadSystemSettings, WrongTypedValueRaisesAndKeepsWhatWasRead) {
  MemoryHive hive;
  SeedMailClient(hive);
  PutText(hive, MailKey, "Poll For Mail", "30");
  std::unique_ptr<SystemRegistry> settings;
  try {
    ReadSystemSettings(hive, settings);
    FAIL() << "no error raised";
  } catch (const RegistryError& error) {
    EXPECT_STREQ(error.what(), "'Poll For Mail' のﾃﾞｰﾀ型が不正です");
  }
  ASSERT_TRUE(settings);
  EXPECT_EQ(settings->StoreRoot, "C:\\Mail\\Main");
  EXPECT_EQ(settings->SignatureType, 0x00010002u);
  EXPECT_EQ(settings->DefaultMailAccount, "");
  EXPECT_EQ(hive.OpenKeyCount(), 0);
}

TEST(ReadAccountList, ListsMailAccountsInBothDirectionsAndForTheEditor) {
  MemoryHive hive;
  PutText(hive, AccountsKeyPath + "\\K1", "SMTP Server", "smtp");
  PutText(hive, AccountsKeyPath + "\\K1", "Account Name", "Office");
  PutText(hive, AccountsKeyPath + "\\K2", "Account Name", "News only");
  PutNumber(hive, AccountsKeyPath + "\\K3", "SMTP Server", 0);  // any type counts
  PutText(hive, AccountsKeyPath + "\\K4", "SMTP Server", "smtp");
  PutText(hive, AccountsKeyPath + "\\K4", "Account Name", "office");
  AccountLists accounts;
  EXPECT_EQ(ReadAccountList(hive, accounts), 0u);
  EXPECT_EQ(accounts.ListBoxRegKey, (std::vector<std::string>{"K1", "K2", "K3", "K4"}));
  ASSERT_EQ(accounts.ListBoxAccount.Count(), 3u);
  EXPECT_EQ(accounts.ListBoxAccount.ItemText(0), "K1=Office");
  EXPECT_EQ(accounts.ListBoxAccount.ItemText(1), "K3=");
  EXPECT_EQ(accounts.ListBoxAccount.ItemText(2), "K4=office");
  EXPECT_EQ(accounts.ListBoxAccount2.ItemText(0), "Office=K1");
  EXPECT_EQ(accounts.ListBoxAccount2.ItemText(1), "=K3");
  EXPECT_EQ(accounts.ComboBoxF2AccountName, (std::vector<std::string>{"Office", "", "office"}));

  // Lookups take the first match without regard to case.
  EXPECT_EQ(accounts.ListBoxAccount.Find("k1"), "Office");
  EXPECT_EQ(accounts.ListBoxAccount.Find("K2"), "");
  EXPECT_EQ(accounts.ListBoxAccount2.Find("OFFICE"), "K1");
  EXPECT_EQ(accounts.ListBoxAccount2.Find("office"), "K1");
  EXPECT_EQ(hive.OpenKeyCount(), 0);
}

TEST(ReadAccountList, NamesWithEqualsSignsStayWhole) {
  StringPairList list;
  list.Append("a=b", "X=Y");
  EXPECT_EQ(list.Find("a=b"), "X=Y");
  EXPECT_EQ(list.Find("a"), "");
  EXPECT_EQ(list.ItemText(0), "a=b=X=Y");
}

TEST(ReadAccountList, MissingAccountsKeyOrUnopenableAccount) {
  MemoryHive empty;
  AccountLists none;
  EXPECT_EQ(ReadAccountList(empty, none), StatusAccountManagerMissing);
  EXPECT_EQ(none.ListBoxAccount.Count(), 0u);

  MemoryHive hive;
  SeedMailClient(hive);
  hive.RefuseOpen(RootKey::CurrentUser, AccountsKeyPath.substr(1) + "\\00000001");
  AccountLists accounts;
  EXPECT_EQ(ReadAccountList(hive, accounts), 0u);
  EXPECT_EQ(accounts.ListBoxRegKey.size(), 3u);
  ASSERT_EQ(accounts.ListBoxAccount.Count(), 1u);  // the news account is no mail account
  EXPECT_EQ(accounts.ListBoxAccount.ItemText(0), "00000002=Home");
}

}  // namespace
}  // namespace mvane::testing
