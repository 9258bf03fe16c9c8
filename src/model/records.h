// The configuration record and the snapshot of the mail client's current settings.
#pragma once

#include <cstdint>
#include <string>

namespace mvane {

// Bits of SignatureType.
inline constexpr std::uint32_t SignatureAlways = 0x10000;  // add to every outgoing message
inline constexpr std::uint32_t SignatureIsText = 0x1;
inline constexpr std::uint32_t SignatureIsFile = 0x2;

inline constexpr std::int32_t NoMailCheck = -1;  // PollForMail: no checking

// One named configuration. Strings are UTF-8.
struct TesselRegistry {
  std::int32_t Selected = 0;
  std::string ConfigName;
  std::string StoreRoot;
  std::string WabFileName;
  std::string AccountName;  // the account's key name, not its display name
  std::string SignatureFile;
  std::string SignatureText;
  std::uint32_t SignatureType = 0;
  std::int32_t PollForMail = 0;  // milliseconds
  std::int32_t MailCheckSts = 0;  // 1: the mail client's own setting applies
  std::int32_t SignatureSts = 0;  // 1: the mail client's own signature applies

  bool operator==(const TesselRegistry&) const = default;
};

// The mail client's settings as they were when the tool started.
struct SystemRegistry {
  std::string StoreRoot;
  std::string SignatureFile;
  std::string SignatureText;
  std::uint32_t SignatureType = 0;
  std::int32_t PollForMail = 0;
  std::string DefaultMailAccount;
  std::string WabFileName;

  bool operator==(const SystemRegistry&) const = default;
};

}  // namespace mvane
