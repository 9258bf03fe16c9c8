#include "ui/form/help.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <string>

#include "ui/form/form.h"

namespace mvane::ui {
namespace {

std::wstring FileUrl(const std::wstring& path) {
  std::wstring url = L"file:///";
  for (const wchar_t c : path) url += c == L'\\' ? L'/' : c;
  return url;
}

}  // namespace

void OpenHelp(int helpContext) {
  const std::wstring page = ProgramFolder() + L"MVANE.html";
  if (helpContext == 0) {
    ShellExecuteW(nullptr, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return;
  }
  // Opening the page as a document loses the "#topic" part: hand the whole address
  // to the program that opens web pages instead.
  wchar_t browser[MAX_PATH * 2];
  DWORD length = static_cast<DWORD>(std::size(browser));
  const std::wstring url = L"\"" + FileUrl(page) + L"#ctx-" + std::to_wstring(helpContext) + L"\"";
  if (AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, L".html", L"open", browser, &length) == S_OK &&
      reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", browser, url.c_str(), nullptr, SW_SHOWNORMAL)) > 32) {
    return;
  }
  ShellExecuteW(nullptr, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace mvane::ui
