#include <gtest/gtest.h>

#include "list/main_model.h"

namespace mvane::testing {
namespace {

TesselRegistry Named(const std::string& name) {
  TesselRegistry config;
  config.ConfigName = name;
  return config;
}

struct Model : MainModel {
  MemoryFileSystem files;
  Model() {
    SystemSettings = std::make_unique<SystemRegistry>();
    SystemSettings->PollForMail = 1800000;
    SystemSettings->SignatureText = "OE text\nline 2";
    SystemSettings->SignatureFile = "C:\\oe.sig";
    Accounts.ListBoxAccount.Append("K1", "Office");
  }
  void Add(std::initializer_list<const char*> names) {
    for (const char* name : names) Configs.Append(Named(name));
  }
};

TEST(PollText, MinutesOrNoChecking) {
  SystemRegistry system;
  system.PollForMail = 1800000;
  struct Case {
    std::int32_t poll;
    std::int32_t mailCheckSts;
    const char* expected;
  };
  const Case cases[] = {
      {-1, 0, "チェックしない"}, {600000, 0, "10分おき"}, {90000, 0, "1分おき"},
      {59999, 0, "0分おき"},     {0, 0, "0分おき"},       {-1, 1, "30分おき"},
  };
  for (const Case& c : cases) {
    TesselRegistry config;
    config.PollForMail = c.poll;
    config.MailCheckSts = c.mailCheckSts;
    EXPECT_EQ(PollText(config, system), c.expected) << c.poll;
  }
}

TEST(ConfigList, CaptionSearchIgnoresCaseAndFollowsRemovals) {
  ConfigList list;
  for (const char* name : {"Home", "Work", "home", "Ｗｏｒｋ"}) list.Append(Named(name));
  EXPECT_EQ(list.FindCaption("HOME"), 0);
  EXPECT_EQ(list.FindCaption("ｗｏｒｋ"), 3);
  EXPECT_EQ(list.FindCaption("Away"), NoRow);
  list.Remove(0);
  EXPECT_EQ(list.FindCaption("HOME"), 1);  // the former row 2
  EXPECT_EQ(list.Record(1).ConfigName, "home");
  list.SetCaption(1, "Away");
  EXPECT_EQ(list.FindCaption("home"), NoRow);
  EXPECT_EQ(list.FindCaption("away"), 1);
}

TEST(ConfigList, RemovingARowMovesTheLaterOnesUpWithTheirMarks) {
  ConfigList list;
  for (const char* name : {"A", "B", "C"}) list.Append(Named(name));
  list.SetMarked(2, true);
  list.SetHighlighted(2);
  list.Remove(0);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Record(0).ConfigName, "B");
  EXPECT_EQ(list.Record(1).ConfigName, "C");
  EXPECT_TRUE(list.Marked(1));
  EXPECT_EQ(list.FirstMarked(), 1);
  EXPECT_EQ(list.Highlighted(), 1);
}

TEST(ConfigList, HoldsAtMost65535Rows) {
  ConfigList list;
  for (int i = 0; i < MaxConfigRows; ++i) ASSERT_EQ(list.Append(TesselRegistry{}), i);
  EXPECT_TRUE(list.IsFull());
  EXPECT_EQ(list.Append(Named("one more")), NoRow);
  EXPECT_EQ(list.Count(), MaxConfigRows);
}

TEST(MakeUniqueConfigName, TakesTheFirstFreeNumber) {
  Model model;
  EXPECT_EQ(model.MakeUniqueConfigName(), "新しい設定(1)");
  model.Add({"新しい設定(1)", "新しい設定(3)", "新しい設定", "新しい設定(02)"});
  EXPECT_EQ(model.MakeUniqueConfigName(), "新しい設定(2)");
  model.Configs.SetCaption(0, "renamed");
  EXPECT_EQ(model.MakeUniqueConfigName(), "新しい設定(1)");
}

TEST(MakeUniqueConfigName, EmptyWhenEveryNumberIsTaken) {
  Model model;
  for (int n = 1; n <= 65534; ++n) model.Configs.Append(Named(DefaultConfigName(n)));
  EXPECT_EQ(model.MakeUniqueConfigName(), "");
  model.Configs.Remove(40000);  // "新しい設定(40001)"
  EXPECT_EQ(model.MakeUniqueConfigName(), "新しい設定(40001)");
}

TEST(AddCurrentSettingsRow, BuildsTheMarkedRowFromTheSnapshot) {
  struct Case {
    std::uint32_t systemType;
    std::uint32_t rowType;
    const char* preview;
  };
  const Case cases[] = {
      {0x10001, 0x10001, "OE text\r\nline 2"},
      {0x10000, 0x10002, "file line\r\n"},
      {0x1, 0, "OE text\r\nline 2"},  // off, but the text is still what the mail client holds
      {0x10022, 0x10002, "file line\r\n"},
  };
  for (const Case& c : cases) {
    Model model;
    model.files.AddTextFile("C:\\oe.sig", "file line\n");
    model.SystemSettings->SignatureType = c.systemType;
    model.SystemSettings->DefaultMailAccount = "K1";
    model.Add({"existing"});
    const int row = model.AddCurrentSettingsRow(model.files);
    ASSERT_EQ(row, 1);
    const TesselRegistry& config = model.Configs.Record(row);
    EXPECT_EQ(config.ConfigName, "オリジナル設定");
    EXPECT_EQ(config.SignatureType, c.rowType) << std::hex << c.systemType;
    EXPECT_EQ(config.Selected, 1);
    EXPECT_EQ(config.PollForMail, 1800000);
    EXPECT_TRUE(model.Configs.Marked(row));
    EXPECT_FALSE(model.Configs.Marked(0));
    EXPECT_EQ(model.Configs.Highlighted(), row);
    EXPECT_EQ(model.Configs.Focused(), row);
    EXPECT_EQ(model.StatusLine, "現在の Outlook Express の設定：オリジナル設定");
    EXPECT_EQ(model.ColumnText(row, Column::Account), "Office");
    EXPECT_EQ(model.ColumnText(row, Column::PollForMail), "30分おき");
    EXPECT_EQ(model.MemoSig, c.rowType == 0 ? "" : c.preview) << std::hex << c.systemType;
  }
}

TEST(ShowSignaturePreview, TextFileOrTheMailClientsSignature) {
  Model model;
  const std::string sjis = "\x8E\x52\x93\x63";  // 山田 in code page 932; Latin-1 here
  model.files.AddTextFile("C:\\ansi.sig", sjis);
  model.files.AddTextFile("C:\\utf8.sig", "\xEF\xBB\xBF" "署名\r\n");
  model.files.AddTextFile("C:\\utf8plain.sig", "署名");
  model.files.AddFile("C:\\utf16.sig", {0xFF, 0xFE, 0x72, 0x7F, 0x0D, 0x54});  // 署名
  struct Case {
    std::uint32_t type;
    const char* text;
    const char* file;
    std::int32_t signatureSts;
    std::string expected;
  };
  const Case cases[] = {
      {0x1, "a\rb\nc\r\nd", "", 0, "a\r\nb\r\nc\r\nd"},
      {0x10003, "text", "C:\\utf8.sig", 0, "署名\r\n"},  // the file wins over the text
      {0x2, "text", "C:\\missing.sig", 0, ""},
      {0x3, "text", "C:\\missing.sig", 0, "text"},
      {0x2, "", "C:\\utf16.sig", 0, "署名"},
      {0x2, "", "C:\\utf8plain.sig", 0, "署名"},
      {0x2, "", "C:\\ansi.sig", 0, "\xC2\x8E" "R\xC2\x93" "c"},  // decoded by the ANSI code page
      {0x2, "", "", 0, ""},
      {0x1, "own", "", 1, ""},  // follows the mail client, whose type is 0 here
  };
  for (const Case& c : cases) {
    TesselRegistry config;
    config.SignatureType = c.type;
    config.SignatureText = c.text;
    config.SignatureFile = c.file;
    config.SignatureSts = c.signatureSts;
    model.Configs.Clear();
    model.Configs.Append(config);
    model.ShowSignaturePreview(0, model.files);
    EXPECT_EQ(model.MemoSig, c.expected) << c.text << " " << c.file;
  }
  model.SystemSettings->SignatureType = 0x10001;
  model.ShowSignaturePreview(0, model.files);
  EXPECT_EQ(model.MemoSig, "OE text\r\nline 2");
}

TEST(ListViewMainChange, CommandsFollowTheHighlight) {
  Model model;
  model.Add({"A", "B"});
  model.Configs.SetMarked(0, true);
  model.MemoSig = "stale";
  EXPECT_EQ(model.ListViewMainChange(model.files), (CommandStates{false, false, false, false}));
  EXPECT_EQ(model.MemoSig, "");
  model.Configs.SetHighlighted(0);
  EXPECT_EQ(model.ListViewMainChange(model.files), (CommandStates{true, true, true, false}));
  model.Configs.SetHighlighted(1);
  EXPECT_EQ(model.ListViewMainChange(model.files), (CommandStates{true, true, true, true}));
}

TEST(ListViewMainEdited, RefusesAnotherRowsNameInAnyCase) {
  struct Case {
    const char* edited;
    const char* result;
  };
  const Case cases[] = {
      {"home", "Work"}, {"HOME", "Work"}, {"WORK", "WORK"}, {"", "Work"}, {"Work", "Work"}, {"Away", "Away"},
  };
  for (const Case& c : cases) {
    Model model;
    model.Add({"Home", "Work"});
    model.Configs.SetHighlighted(1);
    EXPECT_EQ(model.ListViewMainEdited(c.edited), c.result) << c.edited;
    EXPECT_EQ(model.Configs.Record(1).ConfigName, c.result) << c.edited;
  }
  Model twins;  // two rows with the same name: committing it unchanged is accepted
  twins.Add({"Same", "Same"});
  twins.Configs.SetHighlighted(1);
  EXPECT_EQ(twins.ListViewMainEdited("Same"), "Same");
}

TEST(MatchesSystemSettings, ComparesWhatTheConfigurationDecides) {
  SystemRegistry system{"C:\\Mail", "C:\\sig.txt", "text", 0x10003, 600000, "K1", "C:\\a.wab"};
  TesselRegistry config;
  config.StoreRoot = "C:\\Mail";
  config.WabFileName = "C:\\a.wab";
  config.AccountName = "K1";
  config.PollForMail = 600000;
  config.SignatureType = 0x10002;
  config.SignatureText = "text";
  config.SignatureFile = "C:\\other.txt";
  EXPECT_TRUE(MatchesSystemSettings(config, system));  // bit 0x1 in the snapshot: texts are compared
  config.SignatureText = "other";
  EXPECT_FALSE(MatchesSystemSettings(config, system));
  config.SignatureSts = 1;
  EXPECT_TRUE(MatchesSystemSettings(config, system));
  config.PollForMail = 1;
  EXPECT_FALSE(MatchesSystemSettings(config, system));
  config.MailCheckSts = 1;
  EXPECT_TRUE(MatchesSystemSettings(config, system));
  config.StoreRoot = "c:\\mail";  // exact, letter case included
  EXPECT_FALSE(MatchesSystemSettings(config, system));
}

}  // namespace
}  // namespace mvane::testing
