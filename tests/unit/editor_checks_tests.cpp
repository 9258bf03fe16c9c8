#include <gtest/gtest.h>

#include "list/editor_checks.h"

namespace mvane::testing {
namespace {

struct Checks {
  MemoryFileSystem files;
  ConfigList rows;
  EditorValues editor;
  Checks() {
    files.AddFolder("C:\\Mail");
    files.AddFolder("C:\\WAB");
    files.AddTextFile("C:\\sig.txt", "sig");
    for (const char* name : {"Home", "Work"}) {
      TesselRegistry config;
      config.ConfigName = name;
      rows.Append(config);
    }
    editor.Name = "Work";
    editor.Folder = "C:\\Mail";
    editor.Address = "C:\\WAB\\not yet there.wab";  // a new address book: its folder is enough
    editor.AccountIndex = 0;
    editor.Mail = MailChoice::Check;
    editor.Signature = SignatureChoice::UseSig;
    editor.Source = SignatureSource::File;
    editor.SignatureFile = "C:\\sig.txt";
  }
  EditorCheck Run(const std::string& interval = "30") {
    return ValidateInput(editor, interval, "Work", rows, files);
  }
};

TEST(ValidateInput, IntervalIsCheckedOnlyWhenCheckingIsChosen) {
  for (const auto& [text, accepted] : std::vector<std::pair<std::string, bool>>{
           {"0", false}, {"121", false}, {"999", false}, {"", false}, {"1a", false},
           {"1", true}, {"120", true}, {"007", true}}) {
    Checks c;
    EXPECT_EQ(c.Run(text).Status, accepted ? 0u : StatusPollIntervalInvalid) << text;
    c.editor.Mail = MailChoice::NotCheck;
    EXPECT_EQ(c.Run(text).Status, 0u) << text;
  }
}

TEST(ValidateInput, SignatureFileOnlyWhenTheFileIsTheSource) {
  Checks c;
  c.files.HoldOpen("C:\\sig.txt");  // another program has it open without sharing
  EXPECT_EQ(c.Run().Status, StatusSignatureFileUnreadable);
  c.editor.SignatureFile = "C:\\missing.txt";
  EXPECT_EQ(c.Run().Status, StatusSignatureFileUnreadable);
  c.editor.Signature = SignatureChoice::NotUseSig;  // not added, but still the file that would be
  EXPECT_EQ(c.Run().Status, StatusSignatureFileUnreadable);
  c.editor.Signature = SignatureChoice::UseMailClient;
  EXPECT_EQ(c.Run().Status, 0u);
  c.editor.Signature = SignatureChoice::UseSig;
  c.editor.Source = SignatureSource::Text;
  EXPECT_EQ(c.Run().Status, 0u);
}

TEST(ValidateInput, AddressBookFolderAndName) {
  for (const auto& [address, accepted] : std::vector<std::pair<std::string, bool>>{
           {"C:\\WAB\\book.wab", true}, {"C:\\WAB\\", true}, {"C:\\Gone\\book.wab", false},
           {"book.wab", false}, {"", false}}) {
    Checks c;
    c.editor.Address = address;
    EXPECT_EQ(c.Run().Status, accepted ? 0u : StatusAddressBookFolderNotFound) << address;
  }
  for (const auto& [name, accepted] : std::vector<std::pair<std::string, bool>>{
           {"Work", true}, {"WORK", true}, {"home", false}, {"HOME", false}, {"", false}, {"New", true}}) {
    Checks c;
    c.editor.Name = name;
    EXPECT_EQ(c.Run().Status, accepted ? 0u : StatusConfigNameEmpty) << name;
  }
}

TEST(ValidateInput, SeveralFailuresLeaveTheLastPageAndFocus) {
  Checks c;
  c.editor.SignatureFile = "C:\\missing.txt";
  c.editor.Folder = "C:\\Gone";
  c.editor.AccountIndex = -1;
  const EditorCheck check = c.Run("0");
  EXPECT_EQ(check.Status, StatusSignatureFileUnreadable | StatusPollIntervalInvalid | StatusStoreFolderNotFound |
                              StatusAccountNameEmpty);
  EXPECT_EQ(check.Refused, (std::vector<EditorField>{EditorField::SigFile, EditorField::PollForMail,
                                                     EditorField::Folder, EditorField::AccountName}));
  EXPECT_EQ(check.Page, EditorPage::General);
  EXPECT_EQ(check.Focus, EditorField::AccountName);

  Checks signatureOnly;
  signatureOnly.editor.SignatureFile = "C:\\missing.txt";
  EXPECT_EQ(signatureOnly.Run().Page, EditorPage::Signature);
}

TEST(ChooserStartFor, OpensInTheFolderWithAnExistingFilesName) {
  MemoryFileSystem files;
  files.AddTextFile("C:\\Mail\\inbox.wab", "");
  EXPECT_EQ(ChooserStartFor("C:\\Mail\\inbox.wab", files), (ChooserStart{"C:\\Mail", "inbox.wab"}));
  EXPECT_EQ(ChooserStartFor("C:\\Mail\\gone.wab", files), (ChooserStart{"C:\\Mail", ""}));
  EXPECT_EQ(ChooserStartFor("", files), (ChooserStart{"", ""}));
}

}  // namespace
}  // namespace mvane::testing
