// Leaving the tool with an update: closing the mail client, the exit dialog, applying
// the marked configuration, saving the list and starting the mail client again. The
// window supplies the dialogs and the mail client's windows; these decide.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/message_box_layout.h"
#include "list/main_model.h"
#include "model/registry_hive.h"

namespace mvane {

// The mail client's windows, found by their class names alone.
class MailClientWindows {
 public:
  using Window = std::uintptr_t;  // 0: none
  virtual ~MailClientWindows() = default;
  virtual Window FindMain() = 0;  // the first "ThorBrowserWndClass" window
  virtual Window FindNote() = 0;  // the first "ATH_Note" window
  // Sends WM_CLOSE and waits while the window handles it; false when it does not
  // within the bound (a hung program, or a question of its own left unanswered).
  virtual bool SendClose(Window window) = 0;
  // Waits, within a bound, until none of its windows is left and every process that
  // owned a window found here has ended.
  virtual bool WaitUntilGone() = 0;
};

// A note that is still there after this many close requests keeps the mail client
// running: the user is told, and nothing is written.
inline constexpr int NoteCloseAttempts = 3;
// Windows beyond this many close requests in one attempt are not chased further.
inline constexpr int CloseRequestLimit = 256;

enum class CloseOutcome {
  Closed,        // nothing was running, or everything it had open has closed
  Declined,      // the user answered No: nothing was sent
  StillRunning,  // a window did not close: the update must not go on
};

inline constexpr const char* CloseQuestionText = "Outlook Express が起動しています\n\nOutlook Express を終了しますか？";
inline constexpr const char* CloseFailedText =
    "Outlook Express を終了できませんでした\n\nOutlook Express の設定は変更されていません";

// CloseRunningOutlookExpress: asks (ask() answers 6 for Yes), then closes the main
// window once and the note windows one by one, and waits for the program to end.
CloseOutcome CloseRunningOutlookExpress(MailClientWindows& windows, const std::function<int()>& ask);

// What update-and-exit needs from the window.
class ExitServices {
 public:
  virtual ~ExitServices() = default;
  virtual CloseOutcome CloseMailClient() = 0;  // CloseRunningOutlookExpress with its question
  virtual int ShowExitDialog() = 0;            // 6 start afterwards, 7 do not, 2 cancel
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
  virtual void StartMailClient() = 0;          // StartOutlookExpress
};

inline constexpr const char* ExitCheckCaption = "設定内容の確認";
inline constexpr const char* IncompleteConfigText = "未入力項目があります\n\n設定内容を確認してください";
inline constexpr const char* NoSelectionText = "設定が選択されていません\n\nOutlook Express の設定は変更されませんでした";

enum class ExitOutcome { Stay, End };

// ButtonOKClick: the mail client closed, the exit dialog, the first marked row checked
// and applied, the list saved, the mail client started when asked. A RegistryError
// from applying, saving or finding the program goes on to the caller.
ExitOutcome UpdateAndExit(MainModel& model, RegistryHive& hive, ExitServices& services);

}  // namespace mvane
