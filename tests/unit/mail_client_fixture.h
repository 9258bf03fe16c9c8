// A mail client's registry as the tool finds it: two mail accounts (POP3 and IMAP),
// a news account, a signature and an address book.
#pragma once

#include <string>

#include "model/memory_hive.h"
#include "model/registry_accessor.h"

namespace mvane::testing {

inline void PutText(RegistryHive& hive, const std::string& key, const std::string& name, const std::string& text) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  reg.OpenPath(key, true);
  reg.WriteText(name, text);
}

inline void PutNumber(RegistryHive& hive, const std::string& key, const std::string& name, std::int32_t number) {
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::CurrentUser);
  reg.OpenPath(key, true);
  reg.WriteNumber(name, number);
}

inline const std::string OeKey = "\\Software\\Microsoft\\Outlook Express";
inline const std::string MailKey = "\\Software\\Microsoft\\Outlook Express\\Mail";
inline const std::string IamKey = "\\Software\\Microsoft\\Internet Account Manager";
inline const std::string AccountsKeyPath = "\\Software\\Microsoft\\Internet Account Manager\\Accounts";
inline const std::string WabKey = "\\Software\\Microsoft\\WAB\\WAB4\\Wab File Name";

inline void SeedMailClient(MemoryHive& hive) {
  PutText(hive, OeKey, "Store Root", "C:\\Mail\\Main");
  PutText(hive, MailKey, "Signature File", "C:\\Mail\\sig.txt");
  PutText(hive, MailKey, "Signature Text", "山田\r\n");
  PutNumber(hive, MailKey, "Signature Type", 0x00010002);
  PutNumber(hive, MailKey, "Poll For Mail", 1800000);
  PutText(hive, IamKey, "Default Mail Account", "00000001");
  PutText(hive, AccountsKeyPath + "\\00000001", "SMTP Server", "smtp.example.jp");
  PutText(hive, AccountsKeyPath + "\\00000001", "POP3 Server", "pop.example.jp");
  PutText(hive, AccountsKeyPath + "\\00000001", "Account Name", "Office");
  PutText(hive, AccountsKeyPath + "\\00000002", "SMTP Server", "smtp.home.jp");
  PutText(hive, AccountsKeyPath + "\\00000002", "IMAP Server", "imap.home.jp");
  PutText(hive, AccountsKeyPath + "\\00000002", "Account Name", "Home");
  PutText(hive, AccountsKeyPath + "\\00000003", "NNTP Server", "news.example.jp");
  PutText(hive, AccountsKeyPath + "\\00000003", "Account Name", "News");
  PutText(hive, WabKey, "", "C:\\WAB\\main.wab");
}

}  // namespace mvane::testing
