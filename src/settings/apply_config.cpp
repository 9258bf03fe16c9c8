#include "settings/apply_config.h"

#include <string>

#include "model/registry_accessor.h"
#include "settings/registry_paths.h"

namespace mvane {
namespace {

// A name that can only be one key right below the Accounts key: a name with a
// backslash would reach some other key, and an empty one the Accounts key itself.
bool IsAccountKeyName(const std::string& name) {
  return !name.empty() && name.find('\\') == std::string::npos;
}

bool OpenAccountKey(RegistryAccessor& reg, const std::string& keyName) {
  return IsAccountKeyName(keyName) && reg.OpenPath(std::string(AccountsKey) + "\\" + keyName, false);
}

// A mail account is polled or not through one of two flags, by its kind.
void SetAccountPolled(RegistryAccessor& reg, bool polled) {
  if (reg.HasValue("IMAP Server")) {
    reg.WriteNumber("IMAP Polling", polled ? 1 : 0);
  } else {
    reg.WriteNumber("POP3 Skip Account", polled ? 0 : 1);
  }
}

StatusWord WriteConfig(RegistryAccessor& reg, const TesselRegistry& config,
                       const SystemRegistry& systemSettings, const StringPairList& listBoxAccount) {
  StatusWord status = 0;

  if (reg.OpenPath(OutlookExpressKey, false)) {
    reg.WriteText("Store Root", config.StoreRoot);
  } else {
    status |= StatusMailClientMissing;
  }
  reg.CloseCurrent();

  if (reg.OpenPath(OutlookExpressMailKey, false)) {
    if (config.SignatureSts == 0) {
      reg.WriteText("Signature File", config.SignatureFile);
      reg.WriteText("Signature Text", config.SignatureText);
      reg.WriteNumber("Signature Type", static_cast<std::int32_t>(ComputeSignatureType(
                                            systemSettings.SignatureType, config.SignatureType)));
    }
    if (config.MailCheckSts != 1) reg.WriteNumber("Poll For Mail", config.PollForMail);
  } else {
    status |= StatusMailClientMissing;
  }
  reg.CloseCurrent();

  if (reg.OpenPath(AccountManagerKey, false)) {
    reg.WriteText("Default Mail Account", config.AccountName);
  } else {
    status |= StatusAccountManagerMissing;
  }
  reg.CloseCurrent();

  if (reg.OpenPath(AccountsKey, false)) {
    // Every mail account stops being polled, then the chosen one is polled again.
    for (std::size_t i = 0; i < listBoxAccount.Count(); ++i) {
      if (OpenAccountKey(reg, listBoxAccount.Name(i))) {
        SetAccountPolled(reg, false);
      } else {
        status |= StatusAccountManagerMissing;
      }
    }
    if (OpenAccountKey(reg, config.AccountName)) {
      SetAccountPolled(reg, true);
    } else {
      status |= StatusAccountManagerMissing;
    }
  } else {
    status |= StatusAccountManagerMissing;
  }
  reg.CloseCurrent();

  if (reg.OpenPath(WabFileNameKey, false)) {
    reg.WriteText("", config.WabFileName);
  } else {
    status |= StatusAddressBookMissing;
  }
  reg.CloseCurrent();
  return status;
}

}  // namespace

StatusWord ValidateConfig(const TesselRegistry& config) {
  StatusWord status = 0;
  if (config.ConfigName.empty()) status |= StatusConfigNameEmpty;
  if (config.StoreRoot.empty()) status |= StatusStoreRootEmpty;
  if (config.WabFileName.empty()) status |= StatusWabFileNameEmpty;
  if (config.AccountName.empty()) status |= StatusAccountNameEmpty;
  return status;
}

std::uint32_t ComputeSignatureType(std::uint32_t systemSignatureType, std::uint32_t configSignatureType) {
  std::uint32_t type = (systemSignatureType & ~SignatureAlways) | (configSignatureType & SignatureAlways);
  type &= ~(SignatureIsText | SignatureIsFile);
  if (configSignatureType & SignatureIsText) {
    type |= SignatureIsText;
  } else if (configSignatureType & SignatureIsFile) {
    type |= SignatureIsFile;
  }
  return type;
}

StatusWord ApplyConfig(RegistryHive& hive, const TesselRegistry& config,
                       const SystemRegistry& systemSettings, const StringPairList& listBoxAccount) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  // All or nothing: a half-switched mail client would mix two configurations.
  reg.RememberWrites();
  try {
    return WriteConfig(reg, config, systemSettings, listBoxAccount);
  } catch (const RegistryError&) {
    reg.UndoWrites();
    throw;
  }
}

}  // namespace mvane
