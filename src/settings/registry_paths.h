// Registry keys the tool reads and writes, all under HKEY_CURRENT_USER.
#pragma once

namespace mvane {

// The mail client, its account manager and its address book.
inline constexpr const char* OutlookExpressKey = "\\Software\\Microsoft\\Outlook Express";
inline constexpr const char* OutlookExpressMailKey = "\\Software\\Microsoft\\Outlook Express\\Mail";
inline constexpr const char* AccountManagerKey = "\\Software\\Microsoft\\Internet Account Manager";
inline constexpr const char* AccountsKey = "\\Software\\Microsoft\\Internet Account Manager\\Accounts";
// The address book path is the default value of this key.
inline constexpr const char* WabFileNameKey = "\\Software\\Microsoft\\WAB\\WAB4\\Wab File Name";

// The tool's own data.
inline constexpr const char* OwnKey = "\\Software\\Corvell\\MVANE";
inline constexpr const char* OwnVersionedKey = "\\Software\\Corvell\\MVANE\\1.0";
inline constexpr const char* OwnVersion = "1.0";

}  // namespace mvane
