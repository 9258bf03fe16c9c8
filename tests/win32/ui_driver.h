// Finding and pressing windows from a test, as a user would with the mouse.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace mvane::testing {

constexpr DWORD UiTimeoutMs = 20000;

// A visible top-level window of the process (0: of any process) with this class and
// caption, once it shows.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const std::wstring& caption);
// The texts of the window's static and edit children, joined.
std::string WindowText(HWND window);
// Clicks a button of the window: the notification its click sends.
void Press(HWND window, int childId);

// A control anywhere below the window (on a page, say), by its identifier.
HWND FindControl(HWND window, int id);
// The control that has the focus on the window's thread.
HWND FocusOf(HWND window);

// Runs the user's part on another thread while a form's modal loop runs on this one.
class User {
 public:
  explicit User(std::function<void()> actions) : thread_(std::move(actions)) {}
  ~User() { thread_.join(); }

 private:
  std::thread thread_;
};

// A message box of this process, once it shows.
HWND WaitForBox(const std::wstring& caption);
// Runs the action, which shows a message box with this caption; answers it with the
// button and returns its text.
std::string AnswerBox(const wchar_t* caption, int button, const std::function<void()>& action);

// Runs this thread's messages until the condition holds or a few seconds pass; true
// when the program was told to quit meanwhile.
bool PumpUntil(const std::function<bool()>& done);

std::wstring ItemText(HWND list, int row, int column);

}  // namespace mvane::testing
