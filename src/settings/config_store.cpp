#include "settings/config_store.h"

#include <cstdio>
#include <unordered_map>

#include "model/registry_accessor.h"
#include "settings/registry_paths.h"

namespace mvane {
namespace {

const std::string ListKey = std::string(OwnVersionedKey) + "\\List";
const std::string StagingName = "List.new";
const std::string StagingKey = std::string(OwnVersionedKey) + "\\" + StagingName;
// Written last into the staging key: the new list there is whole.
const char* const CompleteMarker = "Complete";

// Existence answers for the run: many configurations share their folders.
class CachedFileChecks {
 public:
  explicit CachedFileChecks(FileSystem& files) : files_(files) {}
  bool FolderExists(const std::string& path) { return Cached(folderAnswers_, path, [&] { return files_.FolderExists(path); }); }
  bool FileExists(const std::string& path) { return Cached(fileAnswers_, path, [&] { return files_.FileExists(path); }); }

 private:
  template <typename Check>
  static bool Cached(std::unordered_map<std::string, bool>& cache, const std::string& path, Check check) {
    const auto found = cache.find(path);
    if (found != cache.end()) return found->second;
    return cache.emplace(path, check()).first->second;
  }
  FileSystem& files_;
  std::unordered_map<std::string, bool> folderAnswers_;
  std::unordered_map<std::string, bool> fileAnswers_;
};

// Reads the eleven values; a missing one keeps its initial value and adds the bit.
StatusWord ReadEntry(RegistryAccessor& reg, TesselRegistry& config) {
  StatusWord status = 0;
  const auto number = [&](const char* name, auto& field) {
    if (const auto value = reg.ReadNumberIfPresent(name)) {
      field = static_cast<std::remove_reference_t<decltype(field)>>(*value);
    } else {
      status |= StatusStoredDataIncomplete;
    }
  };
  const auto text = [&](const char* name, std::string& field) {
    if (auto value = reg.ReadTextIfPresent(name)) {
      field = std::move(*value);
    } else {
      status |= StatusStoredDataIncomplete;
    }
  };
  number("Selected", config.Selected);
  text("Config Name", config.ConfigName);
  text("Store Root", config.StoreRoot);
  text("Wab File Name", config.WabFileName);
  text("Account Name", config.AccountName);
  text("Signature File", config.SignatureFile);
  text("Signature Text", config.SignatureText);
  number("Signature Type", config.SignatureType);
  number("Poll For Mail", config.PollForMail);
  number("Mail Check Sts", config.MailCheckSts);
  number("Signature Sts", config.SignatureSts);
  return status;
}

void WriteEntry(RegistryAccessor& reg, const TesselRegistry& config) {
  reg.WriteNumber("Selected", config.Selected);
  reg.WriteText("Config Name", config.ConfigName);
  reg.WriteText("Store Root", config.StoreRoot);
  reg.WriteText("Wab File Name", config.WabFileName);
  reg.WriteText("Account Name", config.AccountName);
  reg.WriteText("Signature File", config.SignatureFile);
  reg.WriteText("Signature Text", config.SignatureText);
  reg.WriteNumber("Signature Type", static_cast<std::int32_t>(config.SignatureType));
  reg.WriteNumber("Poll For Mail", config.PollForMail);
  reg.WriteNumber("Mail Check Sts", config.MailCheckSts);
  reg.WriteNumber("Signature Sts", config.SignatureSts);
}

RegistryError CannotCreate(const std::string& key) { return RegistryError("'" + key + "' の設定に失敗しました"); }

// Writes every configuration as entries of the key, in row order.
void WriteEntries(RegistryAccessor& reg, const std::string& key, const MainModel& model) {
  int row = 0;
  const auto write = [&](const TesselRegistry& config) {
    const std::string entry = key + "\\" + EntryName(row++);
    if (!reg.OpenPath(entry, true)) throw CannotCreate(entry);
    WriteEntry(reg, config);
  };
  for (int i = 0; i < model.Configs.Count(); ++i) write(model.Configs.Record(i));
  for (const TesselRegistry& config : model.SurplusConfigs) write(config);
  reg.CloseCurrent();
}

// Removes a key and what is below it; a missing key needs one create-and-delete,
// and a key that still will not go is an error rather than an endless retry.
void RemoveTree(RegistryAccessor& reg, const std::string& key) {
  if (reg.DeleteTree(key)) return;
  if (!reg.OpenPath(key, false)) return;  // nothing there: nothing in the way
  reg.CloseCurrent();
  if (!reg.DeleteTree(key)) throw CannotCreate(key);
}

bool StagedListIsComplete(RegistryAccessor& reg) {
  const bool complete = reg.OpenPath(StagingKey, false) && reg.HasValue(CompleteMarker);
  reg.CloseCurrent();
  return complete;
}

// The list to read: a whole new list left by an interrupted save wins over the old one.
std::string ListToLoad(RegistryAccessor& reg) { return StagedListIsComplete(reg) ? StagingKey : ListKey; }

// The whole staged list replaces the list. Until the rename, loading reads the staged
// list; after it, the list key holds it.
void PromoteStagedList(RegistryAccessor& reg) {
  RemoveTree(reg, ListKey);
  if (!reg.RenameKey(StagingKey, "List")) throw CannotCreate(ListKey);
  if (reg.OpenPath(ListKey, false)) reg.DeleteValue(CompleteMarker);
  reg.CloseCurrent();
}

}  // namespace

std::string EntryName(int row) {
  char name[9];
  std::snprintf(name, sizeof name, "%08X", static_cast<unsigned>(row + 1));
  return name;
}

StatusWord LoadConfigList(RegistryHive& hive, FileSystem& files, MainModel& model) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  StatusWord status = 0;
  model.StatusLine.clear();
  model.ClearSignaturePreview();
  model.Configs.Clear();
  model.SurplusConfigs.clear();
  model.ListReadPartly = false;
  CachedFileChecks checks(files);

  const std::string listKey = ListToLoad(reg);
  if (reg.OpenPath(listKey, false)) {
    std::vector<std::string> entries;
    reg.ListSubkeys(entries);
    for (const std::string& entry : entries) {
      if (!reg.OpenPath(listKey + "\\" + entry, false)) continue;
      TesselRegistry config;
      try {
        status |= ReadEntry(reg, config);
      } catch (const RegistryError&) {
        model.ListReadPartly = true;
        throw;
      }
      if (model.Configs.IsFull()) {
        model.SurplusConfigs.push_back(std::move(config));
        continue;
      }
      if (!checks.FolderExists(config.StoreRoot)) config.StoreRoot.clear();
      if (!checks.FileExists(config.WabFileName)) config.WabFileName.clear();
      if (model.AccountDisplayName(config).empty()) status |= StatusAccountNotFound;
      const bool current = config.Selected == 1 && MatchesSystemSettings(config, *model.SystemSettings);
      const int row = model.Configs.Append(std::move(config));
      if (current) {
        model.Configs.SetMarked(row, true);
        model.StatusLine = StatusLinePrefix + model.Configs.Record(row).ConfigName;
        model.Configs.SetFocused(row);
        model.Configs.SetHighlighted(row);
        model.ShowSignaturePreview(row, files);
      }
    }
  } else {
    status |= StatusStoredDataIncomplete;
  }
  reg.CloseCurrent();

  if (reg.OpenPath(OwnVersionedKey, false)) {
    if (const auto hide = reg.ReadNumberIfPresent("Hide Signature Title")) {
      model.SigTitleHeight = *hide == 1 ? 6 : 25;
    }
  }
  return status;
}

StatusWord SaveConfigList(RegistryHive& hive, const MainModel& model) {
  // The stored list stays as it is rather than lose the entries never read.
  if (model.ListReadPartly) return StatusStoredDataIncomplete;
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);

  // A whole list left by an interrupted save is the newest: it takes its place first.
  if (StagedListIsComplete(reg)) PromoteStagedList(reg);
  // Whatever else is there is an unfinished list, which loading never reads.
  RemoveTree(reg, StagingKey);

  WriteEntries(reg, StagingKey, model);
  if (!reg.OpenPath(StagingKey, true)) throw CannotCreate(StagingKey);
  reg.WriteNumber(CompleteMarker, 1);
  reg.CloseCurrent();
  PromoteStagedList(reg);

  if (reg.OpenPath(OwnVersionedKey, true)) {
    reg.WriteNumber("Hide Signature Title", model.SigTitleHeight == 6 ? 1 : 0);
  }
  reg.CloseCurrent();
  return 0;
}

}  // namespace mvane
