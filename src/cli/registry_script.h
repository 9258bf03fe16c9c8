// The stored list as a registry script, in the format the system's registry editor
// writes and imports ("Windows Registry Editor Version 5.00", UTF-16).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "list/main_model.h"
#include "model/registry_hive.h"

namespace mvane {

// Every configuration, in list order, as the entries of the tool's own list key.
// Texts with line breaks or other control characters are written as hex(1).
std::string ExportRegistryScript(const MainModel& model);

// Writes the values the script gives below the tool's list key into the hive (an
// empty in-memory one, from which the loader then reads them with its own checks).
// Keys elsewhere are ignored. False, with the line and what is wrong, when the script
// cannot be read.
bool ParseRegistryScript(const std::string& text, RegistryHive& into, std::string& error);

// A script file's bytes are read as text with DecodeTextFile (its byte-order mark, or
// UTF-8, or the ANSI code page of an older script). The text as the registry editor writes it: UTF-16LE with its byte-order mark.
std::vector<std::uint8_t> EncodeScriptFile(const std::string& text);

}  // namespace mvane
