// Checking a configuration and switching the mail client to it.
#pragma once

#include <cstdint>

#include "model/records.h"
#include "model/registry_hive.h"
#include "model/status.h"
#include "settings/account_list.h"

namespace mvane {

// The four values without which the mail client cannot be switched: 0, or the OR of
// the bit of every empty one.
StatusWord ValidateConfig(const TesselRegistry& config);

// The "Signature Type" to write: the mail client's value at start-up with the
// always-add bit and the text-or-file bits taken from the configuration.
std::uint32_t ComputeSignatureType(std::uint32_t systemSignatureType, std::uint32_t configSignatureType);

// Writes the configuration into the mail client's registry values. Keys that cannot
// be opened give status bits and the other values are still written. A write that
// fails puts back every value already written, then raises RegistryError.
StatusWord ApplyConfig(RegistryHive& hive, const TesselRegistry& config,
                       const SystemRegistry& systemSettings, const StringPairList& listBoxAccount);

}  // namespace mvane
