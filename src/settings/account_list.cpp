#include "settings/account_list.h"

#include "common/text.h"
#include "model/registry_accessor.h"
#include "settings/registry_paths.h"

namespace mvane {

void StringPairList::Append(std::string name, std::string value) {
  pairs_.emplace_back(std::move(name), std::move(value));
}

std::string StringPairList::Find(std::string_view name) const {
  for (const auto& [itemName, value] : pairs_) {
    if (SameTextIgnoringCase(itemName, name)) return value;
  }
  return {};
}

StatusWord ReadSystemSettings(RegistryHive& hive, std::unique_ptr<SystemRegistry>& systemSettings) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  systemSettings = std::make_unique<SystemRegistry>();
  SystemRegistry& settings = *systemSettings;
  StatusWord status = 0;

  if (reg.OpenPath(OutlookExpressKey, false) && reg.HasValue("Store Root")) {
    settings.StoreRoot = reg.ReadText("Store Root");
  } else {
    status |= StatusMailClientMissing;
  }
  reg.CloseCurrent();

  if (reg.OpenPath(OutlookExpressMailKey, false)) {
    if (reg.HasValue("Signature File")) settings.SignatureFile = reg.ReadText("Signature File");
    if (reg.HasValue("Signature Text")) settings.SignatureText = reg.ReadText("Signature Text");
    if (reg.HasValue("Signature Type")) {
      settings.SignatureType = static_cast<std::uint32_t>(reg.ReadNumber("Signature Type"));
    }
    if (reg.HasValue("Poll For Mail")) {
      settings.PollForMail = reg.ReadNumber("Poll For Mail");
    } else {
      status |= StatusMailClientMissing;
    }
  } else {
    status |= StatusMailClientMissing;
  }
  reg.CloseCurrent();

  if (reg.OpenPath(AccountManagerKey, false) && reg.HasValue("Default Mail Account")) {
    settings.DefaultMailAccount = reg.ReadText("Default Mail Account");
  } else {
    status |= StatusAccountManagerMissing;
  }
  reg.CloseCurrent();

  if (reg.OpenPath(WabFileNameKey, false) && reg.HasValue("")) {
    settings.WabFileName = reg.ReadText("");
  } else {
    status |= StatusAddressBookMissing;
  }
  reg.CloseCurrent();
  return status;
}

StatusWord ReadAccountList(RegistryHive& hive, AccountLists& accounts) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  if (!reg.OpenPath(AccountsKey, false)) return StatusAccountManagerMissing;
  reg.ListSubkeys(accounts.ListBoxRegKey);
  for (const std::string& keyName : accounts.ListBoxRegKey) {
    if (!reg.OpenPath(std::string(AccountsKey) + "\\" + keyName, false)) continue;
    if (!reg.HasValue("SMTP Server")) continue;
    const std::string displayName = reg.ReadText("Account Name");
    accounts.ListBoxAccount.Append(keyName, displayName);
    accounts.ListBoxAccount2.Append(displayName, keyName);
    accounts.ComboBoxF2AccountName.push_back(displayName);
  }
  return 0;
}

}  // namespace mvane
