#include "platform/win32/error_report.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace mvane {

void ShowStandardErrorReport(const std::string& text) {
  MessageBoxW(nullptr, Wide(text).c_str(), Wide(ApplicationTitle).c_str(), MB_OK | MB_ICONSTOP);
}

}  // namespace mvane
