// The standard error report: a system message box with the program's title as its
// caption, the error's text and a stop icon.
#pragma once

#include <string>

namespace mvane {

inline constexpr const char* ApplicationTitle = "Mailvane";

void ShowStandardErrorReport(const std::string& text);

}  // namespace mvane
