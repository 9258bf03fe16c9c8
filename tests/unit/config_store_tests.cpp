#include <gtest/gtest.h>

#include "list/startup.h"
#include "settings/apply_config.h"
#include "settings/config_store.h"
#include "unit/mail_client_fixture.h"

namespace mvane::testing {
namespace {

const std::string ListPath = "\\Software\\Corvell\\MVANE\\1.0\\List";

TesselRegistry Config(const std::string& name, const std::string& storeRoot = "C:\\Mail\\Main") {
  TesselRegistry config;
  config.ConfigName = name;
  config.StoreRoot = storeRoot;
  config.WabFileName = "C:\\WAB\\main.wab";
  config.AccountName = "00000001";
  config.SignatureType = 0x10002;
  config.SignatureFile = "C:\\Mail\\sig.txt";
  config.PollForMail = 1800000;
  return config;
}

// The mail client's registry and disk, and a model that has read its settings.
struct Store {
  MemoryHive hive;
  MemoryFileSystem files;
  MainModel model;

  Store() {
    SeedMailClient(hive);
    files.AddFolder("C:\\Mail\\Main");
    files.AddFolder("C:\\Mail\\Other");
    files.AddTextFile("C:\\WAB\\main.wab", "");
    ReadSystemSettings(hive, model.SystemSettings);
    ReadAccountList(hive, model.Accounts);
  }
  void Save(std::initializer_list<TesselRegistry> configs) {
    MainModel saved;
    for (const TesselRegistry& config : configs) saved.Configs.Append(config);
    SaveConfigList(hive, saved);
  }
  StatusWord Load() { return LoadConfigList(hive, files, model); }
  std::vector<std::string> Entries() {
    RegistryAccessor reg(hive);
    reg.SetRoot(RootKey::CurrentUser);
    std::vector<std::string> names;
    if (reg.OpenPath(ListPath, false)) reg.ListSubkeys(names);
    return names;
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int i = 0; i < model.Configs.Count(); ++i) names.push_back(model.Configs.Record(i).ConfigName);
    return names;
  }
};

TEST(ConfigStore, EntryNamesAreRowNumbersInEightHexDigits) {
  EXPECT_EQ(EntryName(0), "00000001");
  EXPECT_EQ(EntryName(9), "0000000A");
  EXPECT_EQ(EntryName(15), "00000010");
  EXPECT_EQ(EntryName(65534), "0000FFFF");
}

TEST(ConfigStore, FirstRunHasNoList) {
  Store s;
  EXPECT_EQ(s.Load(), StatusStoredDataIncomplete);
  EXPECT_EQ(s.model.Configs.Count(), 0);
}

TEST(ConfigStore, SavedRowsComeBackInOrderWithEveryValue) {
  Store s;
  TesselRegistry full = Config("全部");
  full.Selected = 0;
  full.SignatureText = "二行\r\n目";
  full.MailCheckSts = 1;
  full.SignatureSts = 1;
  full.SignatureType = 0x10001;
  std::vector<TesselRegistry> sixteen;
  MainModel saved;
  saved.Configs.Append(full);
  for (int i = 1; i < 16; ++i) saved.Configs.Append(Config("row " + std::to_string(i)));
  SaveConfigList(s.hive, saved);

  const auto entries = s.Entries();
  ASSERT_EQ(entries.size(), 16u);
  EXPECT_EQ(entries[9], "0000000A");
  EXPECT_EQ(entries[15], "00000010");
  EXPECT_EQ(s.Load(), 0u);
  ASSERT_EQ(s.model.Configs.Count(), 16);
  EXPECT_EQ(s.model.Configs.Record(0), full);
  EXPECT_EQ(s.model.Configs.Record(15).ConfigName, "row 15");
}

TEST(ConfigStore, DeletingTheMiddleRowRenumbersTheEntries) {
  Store s;
  s.Save({Config("one"), Config("two"), Config("three")});
  EXPECT_EQ(s.Entries(), (std::vector<std::string>{"00000001", "00000002", "00000003"}));
  s.Load();
  s.model.Configs.Remove(1);
  SaveConfigList(s.hive, s.model);
  EXPECT_EQ(s.Entries(), (std::vector<std::string>{"00000001", "00000002"}));
  s.Load();
  EXPECT_EQ(s.Names(), (std::vector<std::string>{"one", "three"}));
}

TEST(ConfigStore, HandMadeAndIncompleteEntriesLoad) {
  Store s;
  s.Save({Config("first")});
  MainModel one;
  one.Configs.Append(Config("hand made"));
  {
    RegistryAccessor reg(s.hive);
    reg.SetRoot(RootKey::CurrentUser);
    reg.OpenPath(ListPath + "\\abc", true);
    const TesselRegistry c = Config("hand made");
    reg.WriteNumber("Selected", 0);
    for (auto [name, text] : {std::pair{"Config Name", c.ConfigName}, {"Store Root", c.StoreRoot},
                              {"Wab File Name", c.WabFileName}, {"Account Name", c.AccountName},
                              {"Signature File", c.SignatureFile}, {"Signature Text", c.SignatureText}}) {
      reg.WriteText(name, text);
    }
    for (auto [name, number] : {std::pair{"Signature Type", 0x10002}, {"Poll For Mail", 1800000},
                                {"Mail Check Sts", 0}}) {
      reg.WriteNumber(name, number);
    }
  }
  // "abc" lacks "Signature Sts": it loads with 0 and the status says the list is incomplete.
  EXPECT_EQ(s.Load(), StatusStoredDataIncomplete);
  EXPECT_EQ(s.Names(), (std::vector<std::string>{"first", "hand made"}));
  EXPECT_EQ(s.model.Configs.Record(1).SignatureSts, 0);
  SaveConfigList(s.hive, s.model);
  EXPECT_EQ(s.Entries(), (std::vector<std::string>{"00000001", "00000002"}));
}

TEST(ConfigStore, MissingFoldersAndAccountsAtLoad) {
  Store s;
  TesselRegistry gone = Config("gone", "C:\\Mail\\Gone");
  gone.WabFileName = "C:\\WAB\\gone.wab";
  TesselRegistry news = Config("news");
  news.AccountName = "00000003";  // a news account is no mail account
  s.Save({gone, news});
  EXPECT_EQ(s.Load(), StatusAccountNotFound);
  EXPECT_EQ(s.model.Configs.Record(0).StoreRoot, "");
  EXPECT_EQ(s.model.Configs.Record(0).WabFileName, "");
  EXPECT_EQ(s.model.ColumnText(1, Column::Account), "");
}

TEST(ConfigStore, TheSelectedConfigurationIsMarkedOnlyWhenItMatches) {
  Store s;
  TesselRegistry current = Config("current");  // the fixture's mail client settings
  current.Selected = 1;
  current.SignatureFile = "C:\\Mail\\sig.txt";
  TesselRegistry other = Config("other", "C:\\Mail\\Other");
  other.Selected = 1;
  s.Save({other, current, Config("plain")});
  EXPECT_EQ(s.Load(), 0u);
  EXPECT_FALSE(s.model.Configs.Marked(0));
  EXPECT_EQ(s.model.Configs.Record(0).Selected, 1);  // kept, though not marked
  EXPECT_TRUE(s.model.Configs.Marked(1));
  EXPECT_EQ(s.model.Configs.Highlighted(), 1);
  EXPECT_EQ(s.model.StatusLine, "現在の Outlook Express の設定：current");
}

TEST(ConfigStore, HideSignatureTitle) {
  for (auto [stored, height] : {std::pair{1, 6}, {2, 25}, {0, 25}}) {
    Store s;
    PutNumber(s.hive, "\\Software\\Corvell\\MVANE\\1.0", "Hide Signature Title", stored);
    s.model.SigTitleHeight = 17;
    s.Load();
    EXPECT_EQ(s.model.SigTitleHeight, height) << stored;
    SaveConfigList(s.hive, s.model);
    RegistryAccessor reg(s.hive);
    reg.SetRoot(RootKey::CurrentUser);
    reg.OpenPath("\\Software\\Corvell\\MVANE\\1.0", false);
    EXPECT_EQ(reg.ReadNumber("Hide Signature Title"), stored == 1 ? 1 : 0);
  }
}

TEST(ConfigStore, WrongTypedValueStopsTheLoadWithItsError) {
  Store s;
  s.Save({Config("one"), Config("two")});
  PutText(s.hive, ListPath + "\\00000002", "Poll For Mail", "30");
  EXPECT_THROW(s.Load(), RegistryError);
  EXPECT_EQ(s.Names(), (std::vector<std::string>{"one"}));

  // Saving what was read would drop "two": the stored list stays as it is.
  EXPECT_EQ(SaveConfigList(s.hive, s.model), StatusStoredDataIncomplete);
  EXPECT_EQ(s.Entries(), (std::vector<std::string>{"00000001", "00000002"}));
}

// Windows allows any character in these values, not only those of the Japanese code
// page: they are stored and applied unchanged.
TEST(ConfigStore, TextsBeyondTheJapaneseCodePageRoundTripThroughStoreAndApply) {
  Store s;
  s.files.AddFolder("C:\\Mail\\Café 中文 😀");
  TesselRegistry config = Config("Café 中文 😀", "C:\\Mail\\Café 中文 😀");
  config.SignatureText = "Ünïcödé ✓\r\n𠮷野家";
  config.SignatureType = 0x10001;
  s.Save({config});
  ASSERT_EQ(s.Load(), 0u);
  ASSERT_EQ(s.model.Configs.Count(), 1);
  EXPECT_EQ(s.model.Configs.Record(0), config);

  ApplyConfig(s.hive, config, *s.model.SystemSettings, s.model.Accounts.ListBoxAccount);
  std::unique_ptr<SystemRegistry> applied;
  ReadSystemSettings(s.hive, applied);
  EXPECT_EQ(applied->StoreRoot, config.StoreRoot);
  EXPECT_EQ(applied->SignatureText, config.SignatureText);
}

TEST(ConfigStore, EntriesBeyondTheTableAreKeptAndSavedAgain) {
  Store s;
  MainModel many;
  for (int i = 0; i < MaxConfigRows; ++i) many.Configs.Append(Config("c"));
  many.SurplusConfigs = {Config("surplus 1"), Config("surplus 2")};
  SaveConfigList(s.hive, many);
  EXPECT_EQ(s.Load(), 0u);
  EXPECT_EQ(s.model.Configs.Count(), MaxConfigRows);
  ASSERT_EQ(s.model.SurplusConfigs.size(), 2u);
  EXPECT_EQ(s.model.SurplusConfigs[1].ConfigName, "surplus 2");
  SaveConfigList(s.hive, s.model);
  EXPECT_EQ(s.Entries().back(), "00010001");
}

// Every configuration of one list, by name, in order.
std::vector<std::string> NamesOf(std::initializer_list<TesselRegistry> configs) {
  std::vector<std::string> names;
  for (const TesselRegistry& config : configs) names.push_back(config.ConfigName);
  return names;
}

TEST(ConfigStore, FailureAtAnyWriteLeavesTheOldOrTheNewListWhole) {
  const auto oldList = {Config("old 1"), Config("old 2"), Config("old 3")};
  const auto newList = {Config("new 1"), Config("new 2")};
  const auto run = [&](int failing, bool leftover) {
    Store s;
    s.Save(oldList);
    if (leftover) {  // an unfinished list from an earlier save, never marked whole
      PutText(s.hive, "\\Software\\Corvell\\MVANE\\1.0\\List.new\\00000001", "Config Name", "partial");
    }
    MainModel next;
    for (const TesselRegistry& config : newList) next.Configs.Append(config);
    const int before = s.hive.WriteCount();
    s.hive.FailWrite(failing);
    bool failed = false;
    try {
      SaveConfigList(s.hive, next);
    } catch (const RegistryError&) {
      failed = true;
    }
    s.Load();
    return std::tuple{failed, s.Names(), s.hive.WriteCount() - before};
  };
  const auto [neverFails, finalNames, writes] = run(0, false);
  ASSERT_FALSE(neverFails);
  EXPECT_EQ(finalNames, NamesOf(newList));
  ASSERT_GT(writes, 20);
  for (const bool leftover : {false, true}) {
    for (int failing = 1; failing <= writes; ++failing) {
      const auto [failed, names, unused] = run(failing, leftover);
      // A failure the save got past (a deletion it tried again) must still end with the new list.
      if (!failed) {
        EXPECT_EQ(names, NamesOf(newList)) << "write " << failing;
      }
      EXPECT_TRUE(names == NamesOf(oldList) || names == NamesOf(newList)) << "write " << failing;
    }
  }
}

TEST(ConfigStore, AWholeListLeftByAnInterruptedSaveIsLoadedAndFinished) {
  Store s;
  s.Save({Config("old")});
  // Stop a save right after its new list was marked whole.
  MainModel next;
  next.Configs.Append(Config("new"));
  int failing = 1;
  for (;; ++failing) {
    Store probe;
    probe.Save({Config("old")});
    probe.hive.FailWrite(failing);
    try {
      SaveConfigList(probe.hive, next);
    } catch (const RegistryError&) {
      RegistryAccessor reg(probe.hive);
      reg.SetRoot(RootKey::CurrentUser);
      if (reg.OpenPath("\\Software\\Corvell\\MVANE\\1.0\\List.new", false) && reg.HasValue("Complete")) break;
    }
    ASSERT_LT(failing, 100);
  }
  s.hive.FailWrite(failing);
  EXPECT_THROW(SaveConfigList(s.hive, next), RegistryError);
  s.Load();
  EXPECT_EQ(s.Names(), (std::vector<std::string>{"new"}));
  // The next save finishes the move and writes its own list.
  s.model.Configs.Append(Config("newer"));
  SaveConfigList(s.hive, s.model);
  s.Load();
  EXPECT_EQ(s.Names(), (std::vector<std::string>{"new", "newer"}));
  EXPECT_EQ(s.Entries(), (std::vector<std::string>{"00000001", "00000002"}));
}

}  // namespace
}  // namespace mvane::testing
