// What the main window shows and decides, without the window: the run's data, the
// column texts, the current-settings row, default names, the signature preview, the
// commands' enabled states and the in-place rename rule.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "list/config_list.h"
#include "model/file_system.h"
#include "model/records.h"
#include "settings/account_list.h"

namespace mvane {

inline constexpr const char* CurrentSettingsName = "オリジナル設定";
inline constexpr const char* StatusLinePrefix = "現在の Outlook Express の設定：";

// The new-mail column: "チェックしない", or the interval in whole minutes and "分おき".
std::string PollText(const TesselRegistry& config, const SystemRegistry& systemSettings);

enum class Column { Name, StoreRoot, WabFileName, Account, PollForMail };

struct CommandStates {
  bool Select = false;      // ButtonSelectConfig, MenuSelectConfig
  bool Edit = false;        // ButtonEditConfig, MenuEditConfig
  bool ChangeName = false;  // MenuChangeName
  bool Delete = false;      // ButtonDeleteConfig, MenuDeleteConfig
  bool operator==(const CommandStates&) const = default;
};

struct MainModel {
  std::unique_ptr<SystemRegistry> SystemSettings;
  AccountLists Accounts;
  ConfigList Configs;
  // Stored configurations beyond the list's 65,535 rows: not shown, saved again.
  std::vector<TesselRegistry> SurplusConfigs;
  // Loading stopped at a value of the wrong type: the rows hold only part of the
  // stored list, so saving them would drop the rest.
  bool ListReadPartly = false;
  std::string StatusLine;  // StatusBar1's simple text
  std::string MemoSig;     // the signature preview, lines separated by CR LF
  int SigTitleHeight = 25;

  std::string ColumnText(int row, Column column) const;
  // The display name of the record's account, empty when it is no mail account.
  std::string AccountDisplayName(const TesselRegistry& config) const;

  // Appends the row built from the mail client's settings, marks, highlights and
  // focuses it. Answers its row, or NoRow when the list is full.
  int AddCurrentSettingsRow(FileSystem& files);
  // The first free default name, or empty when all 65,534 are taken.
  std::string MakeUniqueConfigName() const;
  void ClearSignaturePreview() { MemoSig.clear(); }
  void ShowSignaturePreview(int row, FileSystem& files);
  // Runs on every change the list reports: the preview and the commands follow the highlight.
  CommandStates ListViewMainChange(FileSystem& files);
  // The caption a rename of the highlighted row ends with: the new one when accepted,
  // the old one when refused or empty.
  std::string ListViewMainEdited(const std::string& newCaption);
};

// Whether the stored, selected configuration is what the mail client is set to now.
bool MatchesSystemSettings(const TesselRegistry& config, const SystemRegistry& systemSettings);

}  // namespace mvane
