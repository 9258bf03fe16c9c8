// The status word: what a routine that reads, checks or writes settings found.
// 0 means nothing to report; otherwise an OR of the constants below, each a class
// (its top three bits) together with one cause bit.
#pragma once

#include <cstdint>

namespace mvane {

using StatusWord = std::uint32_t;

// Classes.
inline constexpr StatusWord StatusNotice = 0x80000000;
inline constexpr StatusWord StatusMissingInput = 0xA0000000;
inline constexpr StatusWord StatusMailClientDataMissing = 0xC0000000;

// Notices.
inline constexpr StatusWord StatusStoredDataIncomplete = 0x80000001;
inline constexpr StatusWord StatusStoreFolderNotFound = 0x80000004;
inline constexpr StatusWord StatusAddressBookFolderNotFound = 0x80000008;
inline constexpr StatusWord StatusPollIntervalInvalid = 0x80000010;
inline constexpr StatusWord StatusSignatureFileUnreadable = 0x80000020;
inline constexpr StatusWord StatusAccountNotFound = 0x80000040;
inline constexpr StatusWord StatusNoneSelected = 0x80000080;

// Missing input: a required field of a configuration is empty.
inline constexpr StatusWord StatusAccountNameEmpty = 0xA0000100;
inline constexpr StatusWord StatusWabFileNameEmpty = 0xA0000200;
inline constexpr StatusWord StatusConfigNameEmpty = 0xA0000400;
inline constexpr StatusWord StatusStoreRootEmpty = 0xA0000800;

// The mail client's own registry data is missing.
inline constexpr StatusWord StatusMailClientMissing = 0xC0010000;
inline constexpr StatusWord StatusAccountManagerMissing = 0xC0020000;
inline constexpr StatusWord StatusAddressBookMissing = 0xC0040000;

// A constant counts only when its class bits and its cause bit are all present.
constexpr bool HasStatus(StatusWord status, StatusWord constant) {
  return (status & constant) == constant;
}

}  // namespace mvane
