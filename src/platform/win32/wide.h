// UTF-8 to the API's UTF-16 and back, at the edge of every Win32 call.
#pragma once

#include <string>
#include <string_view>

#include "common/text.h"

namespace mvane {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

inline std::wstring Wide(std::string_view utf8) {
  const std::u16string units = Utf8ToUtf16(utf8);
  return std::wstring(units.begin(), units.end());
}

inline std::string Narrow(std::wstring_view utf16) {
  return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(utf16.data()), utf16.size()));
}

}  // namespace mvane
