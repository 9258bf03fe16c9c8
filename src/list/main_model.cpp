#include "list/main_model.h"

#include "common/text.h"

namespace mvane {

std::string PollText(const TesselRegistry& config, const SystemRegistry& systemSettings) {
  const std::int32_t poll = config.MailCheckSts == 1 ? systemSettings.PollForMail : config.PollForMail;
  if (poll == NoMailCheck) return "チェックしない";
  return std::to_string(poll / 60000) + "分おき";
}

std::string MainModel::AccountDisplayName(const TesselRegistry& config) const {
  return Accounts.ListBoxAccount.Find(config.AccountName);
}

std::string MainModel::ColumnText(int row, Column column) const {
  const TesselRegistry& config = Configs.Record(row);
  switch (column) {
    case Column::Name:
      return config.ConfigName;
    case Column::StoreRoot:
      return config.StoreRoot;
    case Column::WabFileName:
      return config.WabFileName;
    case Column::Account:
      return AccountDisplayName(config);
    case Column::PollForMail:
      return PollText(config, *SystemSettings);
  }
  return {};
}

int MainModel::AddCurrentSettingsRow(FileSystem& files) {
  const SystemRegistry& system = *SystemSettings;
  TesselRegistry config;
  config.ConfigName = CurrentSettingsName;
  config.StoreRoot = system.StoreRoot;
  config.WabFileName = system.WabFileName;
  config.SignatureText = system.SignatureText;
  config.SignatureFile = system.SignatureFile;
  config.PollForMail = system.PollForMail;
  config.AccountName = system.DefaultMailAccount;
  if (system.SignatureType & SignatureAlways) {
    config.SignatureType = SignatureAlways | ((system.SignatureType & SignatureIsText) ? SignatureIsText : SignatureIsFile);
  }
  config.Selected = 1;
  const int row = Configs.Append(std::move(config));
  if (row == NoRow) return NoRow;
  Configs.SetMarked(row, true);
  StatusLine = StatusLinePrefix + Configs.Record(row).ConfigName;
  Configs.SetFocused(row);
  Configs.SetHighlighted(row);
  ShowSignaturePreview(row, files);
  return row;
}

std::string MainModel::MakeUniqueConfigName() const {
  const int number = Configs.FirstFreeDefaultNumber();
  return number == 0 ? std::string() : DefaultConfigName(number);
}

void MainModel::ShowSignaturePreview(int row, FileSystem& files) {
  MemoSig.clear();
  const TesselRegistry& config = Configs.Record(row);
  const bool followsMailClient = config.SignatureSts == 1;
  const std::uint32_t type = followsMailClient ? SystemSettings->SignatureType : config.SignatureType;
  const std::string& text = followsMailClient ? SystemSettings->SignatureText : config.SignatureText;
  const std::string& file = followsMailClient ? SystemSettings->SignatureFile : config.SignatureFile;
  if (type & SignatureIsText) MemoSig = WithCrLfLineBreaks(text);
  if ((type & SignatureIsFile) && (followsMailClient || !file.empty())) {
    if (const auto contents = files.ReadFile(file)) MemoSig = WithCrLfLineBreaks(DecodeTextFile(*contents, files));
  }
}

CommandStates MainModel::ListViewMainChange(FileSystem& files) {
  const int row = Configs.Highlighted();
  if (row == NoRow) {
    ClearSignaturePreview();
    return {};
  }
  ShowSignaturePreview(row, files);
  return {true, true, true, !Configs.Marked(row)};
}

std::string MainModel::ListViewMainEdited(const std::string& newCaption) {
  const int row = Configs.Highlighted();
  if (row == NoRow) return newCaption;
  const std::string oldCaption = Configs.Record(row).ConfigName;
  if (newCaption.empty()) return oldCaption;
  const int match = Configs.FindCaption(newCaption);
  if (match != NoRow && Configs.Record(match).ConfigName != oldCaption) return oldCaption;
  Configs.SetCaption(row, newCaption);
  return newCaption;
}

bool MatchesSystemSettings(const TesselRegistry& config, const SystemRegistry& system) {
  bool match = config.WabFileName == system.WabFileName && config.AccountName == system.DefaultMailAccount &&
               config.StoreRoot == system.StoreRoot;
  if (match && config.MailCheckSts == 0) match = config.PollForMail == system.PollForMail;
  if (match && config.SignatureSts == 0) {
    const std::uint32_t s = system.SignatureType;
    const std::uint32_t r = config.SignatureType;
    if ((s & r) != r) {
      match = false;
    } else if (s & SignatureIsText) {
      match = config.SignatureText == system.SignatureText;
    } else if (s & SignatureIsFile) {
      match = config.SignatureFile == system.SignatureFile;
    }
  }
  return match;
}

}  // namespace mvane
