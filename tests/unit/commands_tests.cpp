#include <gtest/gtest.h>

#include "list/commands.h"

namespace mvane::testing {
namespace {

struct Model : MainModel {
  MemoryFileSystem files;
  Model() {
    SystemSettings = std::make_unique<SystemRegistry>(
        SystemRegistry{"C:\\Mail", "C:\\sig.txt", "OE\r\ntext", 0x10001, 1800000, "K2", "C:\\a.wab"});
    for (auto [key, name] : {std::pair{"K1", "Office"}, {"K2", "Home"}, {"K3", "Home"}}) {
      Accounts.ListBoxAccount.Append(key, name);
      Accounts.ListBoxAccount2.Append(name, key);
      Accounts.ComboBoxF2AccountName.push_back(name);
    }
  }
  int Add(const std::string& name, std::int32_t selected = 0) {
    TesselRegistry config;
    config.ConfigName = name;
    config.Selected = selected;
    const int row = Configs.Append(config);
    Configs.SetMarked(row, selected == 1);
    return row;
  }
};

TEST(SelectConfig, MovesTheMarkAndSelectedToTheHighlightedRow) {
  Model model;
  model.Add("zero", 1);
  model.Add("one");
  model.Add("two");
  model.Configs.SetHighlighted(2);
  SelectConfig(model);
  EXPECT_FALSE(model.Configs.Marked(0));
  EXPECT_EQ(model.Configs.Record(0).Selected, 0);
  EXPECT_TRUE(model.Configs.Marked(2));
  EXPECT_EQ(model.Configs.Record(2).Selected, 1);
  EXPECT_FALSE(model.ListViewMainChange(model.files).Delete);
  model.Configs.SetHighlighted(0);
  EXPECT_TRUE(model.ListViewMainChange(model.files).Delete);

  model.Configs.SetHighlighted(NoRow);
  SelectConfig(model);  // nothing highlighted: nothing changes
  EXPECT_TRUE(model.Configs.Marked(2));
}

TEST(EditorFill, EditThenReadBackKeepsOrConvertsTheValues) {
  struct Case {
    const char* what;
    std::int32_t poll;
    std::int32_t mailCheckSts;
    MailChoice shown;
    int interval;
    std::int32_t stored;
  };
  const Case cases[] = {
      {"90 minutes round-trips", 5400000, 0, MailChoice::Check, 90, 5400000},
      {"1.5 minutes shows 1", 90000, 0, MailChoice::Check, 1, 60000},
      {"no checking", -1, 0, MailChoice::NotCheck, 30, -1},
      {"follow the mail client keeps the last interval", 1234, 1, MailChoice::UseMailClient, 45, -1},
  };
  for (const Case& c : cases) {
    Model model;
    model.Add("row");
    TesselRegistry config = model.Configs.Record(0);
    config.PollForMail = c.poll;
    config.MailCheckSts = c.mailCheckSts;
    model.Configs.SetRecord(0, config);
    EditorValues editor;
    editor.Interval = 45;  // left from the dialog's previous use
    FillEditorForEdit(editor, model.Configs.Record(0), model.Accounts);
    EXPECT_EQ(editor.Mail, c.shown) << c.what;
    EXPECT_EQ(editor.Interval, c.interval) << c.what;
    StoreEditorIntoRow(model, 0, editor, model.files);
    EXPECT_EQ(model.Configs.Record(0).PollForMail, c.stored) << c.what;
  }
}

TEST(EditorFill, SignatureChoicesAndTypeBits) {
  Model model;
  model.Add("row");
  TesselRegistry config = model.Configs.Record(0);
  config.SignatureType = 0x2;
  config.SignatureText = "a\nb";
  model.Configs.SetRecord(0, config);
  EditorValues editor;
  editor.Source = SignatureSource::File;
  FillEditorForEdit(editor, model.Configs.Record(0), model.Accounts);
  EXPECT_EQ(editor.Signature, SignatureChoice::NotUseSig);
  EXPECT_EQ(editor.Source, SignatureSource::File);  // not written: kept
  EXPECT_EQ(editor.SignatureText, "a\r\nb");
  editor.Source = SignatureSource::Text;
  StoreEditorIntoRow(model, 0, editor, model.files);
  EXPECT_EQ(model.Configs.Record(0).SignatureType, 0x1u);
  EXPECT_EQ(model.Configs.Record(0).SignatureText, "a\r\nb");

  editor.Signature = SignatureChoice::UseSig;
  editor.Source = SignatureSource::File;
  StoreEditorIntoRow(model, 0, editor, model.files);
  EXPECT_EQ(model.Configs.Record(0).SignatureType, 0x10002u);
  editor.Signature = SignatureChoice::UseMailClient;
  StoreEditorIntoRow(model, 0, editor, model.files);
  EXPECT_EQ(model.Configs.Record(0).SignatureSts, 1);
  EXPECT_EQ(model.Configs.Record(0).SignatureType, 0x2u);  // the source still stored
}

TEST(EditorFill, AccountComboTakesTheLastEqualNameAndStoresTheFirstKey) {
  Model model;
  EXPECT_EQ(MatchAccountCombo(model.Accounts, "K3"), 2);
  EXPECT_EQ(MatchAccountCombo(model.Accounts, "K1"), 0);
  EXPECT_EQ(MatchAccountCombo(model.Accounts, "gone"), -1);
  model.Add("row");
  EditorValues editor;
  editor.AccountIndex = 2;
  StoreEditorIntoRow(model, 0, editor, model.files);
  EXPECT_EQ(model.Configs.Record(0).AccountName, "K2");
  editor.AccountIndex = -1;
  StoreEditorIntoRow(model, 0, editor, model.files);
  EXPECT_EQ(model.Configs.Record(0).AccountName, "");
}

TEST(EditorFill, AddStartsFromTheMailClientsSettings) {
  Model model;
  model.Add("新しい設定(1)");
  EditorValues editor;
  FillEditorForAdd(editor, model);
  EXPECT_EQ(editor.Name, "新しい設定(2)");
  EXPECT_EQ(editor.Folder, "C:\\Mail");
  EXPECT_EQ(editor.Address, "C:\\a.wab");
  EXPECT_EQ(editor.AccountIndex, 2);  // K2 is "Home", and the last "Home" is chosen
  EXPECT_EQ(editor.Mail, MailChoice::Check);
  EXPECT_EQ(editor.Interval, 30);
  EXPECT_EQ(editor.Signature, SignatureChoice::UseSig);
  EXPECT_EQ(editor.Source, SignatureSource::Text);
  const int row = AddEditorAsRow(model, editor, model.files);
  ASSERT_EQ(row, 1);
  EXPECT_FALSE(model.Configs.Marked(row));
  EXPECT_EQ(model.Configs.Record(row).Selected, 0);
  EXPECT_EQ(model.Configs.Record(row).ConfigName, "新しい設定(2)");
  EXPECT_EQ(model.Configs.Record(row).SignatureType, 0x10001u);
  EXPECT_EQ(model.Configs.Record(row).PollForMail, 1800000);
}

TEST(DeleteConfig, QuestionNamesTheRowAndRemovalMovesContentsDown) {
  EXPECT_EQ(DeleteQuestionText("自宅"), "自宅 の設定を削除します\nよろしいですか？");
  Model model;
  for (const char* name : {"0", "1", "2", "3"}) model.Add(name);
  model.Configs.Remove(1);
  ASSERT_EQ(model.Configs.Count(), 3);
  EXPECT_EQ(model.Configs.Record(1).ConfigName, "2");
  EXPECT_EQ(model.Configs.Record(2).ConfigName, "3");
}

}  // namespace
}  // namespace mvane::testing
