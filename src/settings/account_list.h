// The mail client's snapshot and its list of mail accounts.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/records.h"
#include "model/registry_hive.h"
#include "model/status.h"

namespace mvane {

// Name and value pairs in the order appended. Lookups take the first pair whose
// name matches without regard to case.
class StringPairList {
 public:
  void Append(std::string name, std::string value);
  // The value of the first matching pair; empty when none matches.
  std::string Find(std::string_view name) const;
  std::size_t Count() const { return pairs_.size(); }
  const std::string& Name(std::size_t i) const { return pairs_[i].first; }
  const std::string& Value(std::size_t i) const { return pairs_[i].second; }
  // "name=value", as a line of the list.
  std::string ItemText(std::size_t i) const { return Name(i) + "=" + Value(i); }

 private:
  std::vector<std::pair<std::string, std::string>> pairs_;
};

// The account tables, filled once per run. Item i of the last three describes the
// same mail account.
struct AccountLists {
  std::vector<std::string> ListBoxRegKey;        // every account subkey, mail or not
  StringPairList ListBoxAccount;                 // key name = display name
  StringPairList ListBoxAccount2;                // display name = key name
  std::vector<std::string> ComboBoxF2AccountName;  // display names, for the editor
};

// Fills a new snapshot, stored in systemSettings before anything is read, so that a
// read that raises leaves what was read so far.
StatusWord ReadSystemSettings(RegistryHive& hive, std::unique_ptr<SystemRegistry>& systemSettings);

// Appends the mail accounts (account subkeys with an "SMTP Server" value) to the
// lists. A subkey that cannot be opened is skipped.
StatusWord ReadAccountList(RegistryHive& hive, AccountLists& accounts);

}  // namespace mvane
