#include "list/commands.h"

#include "common/text.h"

namespace mvane {
namespace {

void FillSignatureChoice(EditorValues& editor, std::uint32_t type) {
  if (type & SignatureAlways) {
    editor.Signature = SignatureChoice::UseSig;
    editor.Source = (type & SignatureIsText) ? SignatureSource::Text : SignatureSource::File;
  } else {
    editor.Signature = SignatureChoice::NotUseSig;
  }
}

void FillPolling(EditorValues& editor, std::int32_t pollForMail) {
  if (pollForMail == NoMailCheck) {
    editor.Interval = 30;
    editor.Mail = MailChoice::NotCheck;
  } else {
    editor.Interval = pollForMail / 60000;
    editor.Mail = MailChoice::Check;
  }
}

}  // namespace

void SelectConfig(MainModel& model) {
  const int highlighted = model.Configs.Highlighted();
  if (highlighted == NoRow) return;
  for (int row = 0; row < model.Configs.Count(); ++row) {
    model.Configs.SetMarked(row, false);
    model.Configs.SetSelected(row, 0);
  }
  model.Configs.SetMarked(highlighted, true);
  model.Configs.SetSelected(highlighted, 1);
}

int MatchAccountCombo(const AccountLists& accounts, const std::string& accountKey) {
  const std::string displayName = accounts.ListBoxAccount.Find(accountKey);
  int index = -1;
  for (int i = 0; i < static_cast<int>(accounts.ComboBoxF2AccountName.size()); ++i) {
    if (accounts.ComboBoxF2AccountName[i] == displayName) index = i;
  }
  return index;
}

void FillEditorForEdit(EditorValues& editor, const TesselRegistry& config, const AccountLists& accounts) {
  editor.Name = config.ConfigName;
  editor.Folder = config.StoreRoot;
  editor.Address = config.WabFileName;
  editor.AccountIndex = MatchAccountCombo(accounts, config.AccountName);
  if (config.MailCheckSts == 1) {
    editor.Mail = MailChoice::UseMailClient;  // the interval keeps what it showed
  } else {
    FillPolling(editor, config.PollForMail);
  }
  editor.SignatureText = WithCrLfLineBreaks(config.SignatureText);
  editor.SignatureFile = config.SignatureFile;
  if (config.SignatureSts == 1) {
    editor.Signature = SignatureChoice::UseMailClient;  // text or file keeps what it showed
  } else {
    FillSignatureChoice(editor, config.SignatureType);
  }
}

void FillEditorForAdd(EditorValues& editor, const MainModel& model) {
  const SystemRegistry& system = *model.SystemSettings;
  editor.Name = model.MakeUniqueConfigName();
  editor.Folder = system.StoreRoot;
  editor.Address = system.WabFileName;
  editor.AccountIndex = MatchAccountCombo(model.Accounts, system.DefaultMailAccount);
  FillPolling(editor, system.PollForMail);
  editor.SignatureText = WithCrLfLineBreaks(system.SignatureText);
  editor.SignatureFile = system.SignatureFile;
  FillSignatureChoice(editor, system.SignatureType);
}

void StoreEditorIntoRow(MainModel& model, int row, const EditorValues& editor, FileSystem& files) {
  TesselRegistry config = model.Configs.Record(row);
  config.ConfigName = editor.Name;
  config.StoreRoot = editor.Folder;
  config.WabFileName = editor.Address;
  const auto& items = model.Accounts.ComboBoxF2AccountName;
  const bool chosen = editor.AccountIndex >= 0 && editor.AccountIndex < static_cast<int>(items.size());
  config.AccountName = model.Accounts.ListBoxAccount2.Find(chosen ? items[editor.AccountIndex] : std::string());
  if (editor.Mail == MailChoice::UseMailClient) {
    config.MailCheckSts = 1;
    config.PollForMail = NoMailCheck;
  } else {
    config.MailCheckSts = 0;
    config.PollForMail = editor.Mail == MailChoice::Check ? editor.Interval * 60000 : NoMailCheck;
  }
  config.SignatureText = editor.SignatureText;
  config.SignatureFile = editor.SignatureFile;
  config.SignatureSts = editor.Signature == SignatureChoice::UseMailClient ? 1 : 0;
  config.SignatureType = editor.Signature == SignatureChoice::UseSig ? config.SignatureType | SignatureAlways
                                                                     : config.SignatureType & ~SignatureAlways;
  config.SignatureType &= ~(SignatureIsText | SignatureIsFile);
  config.SignatureType |= editor.Source == SignatureSource::Text ? SignatureIsText : SignatureIsFile;
  model.Configs.SetRecord(row, std::move(config));
  if (model.Configs.Marked(row)) model.ShowSignaturePreview(row, files);
}

int AddEditorAsRow(MainModel& model, const EditorValues& editor, FileSystem& files) {
  const int row = model.Configs.Append(TesselRegistry{});
  if (row != NoRow) StoreEditorIntoRow(model, row, editor, files);
  return row;
}

std::string DeleteQuestionText(const std::string& caption) {
  return caption + " " + "の設定を削除します\nよろしいですか？";
}

}  // namespace mvane
