#include "list/exit_flow.h"

#include "settings/apply_config.h"
#include "settings/config_store.h"

namespace mvane {

CloseOutcome CloseRunningOutlookExpress(MailClientWindows& windows, const std::function<int()>& ask) {
  const MailClientWindows::Window main = windows.FindMain();
  MailClientWindows::Window note = windows.FindNote();
  if (!main && !note) return CloseOutcome::Closed;
  if (ask() != ResultYes) return CloseOutcome::Declined;

  if (main && !windows.SendClose(main)) return CloseOutcome::StillRunning;
  MailClientWindows::Window last = 0;
  int sameWindowSends = 0;
  for (int sent = 0; note; note = windows.FindNote()) {
    sameWindowSends = note == last ? sameWindowSends + 1 : 1;
    last = note;
    if (sameWindowSends > NoteCloseAttempts || ++sent > CloseRequestLimit) return CloseOutcome::StillRunning;
    if (!windows.SendClose(note)) return CloseOutcome::StillRunning;
  }
  // A main window that asked its own question and was told to stay is still there.
  return windows.WaitUntilGone() ? CloseOutcome::Closed : CloseOutcome::StillRunning;
}

ExitOutcome UpdateAndExit(MainModel& model, RegistryHive& hive, ExitServices& services) {
  switch (services.CloseMailClient()) {
    case CloseOutcome::Declined:
      return ExitOutcome::Stay;
    case CloseOutcome::StillRunning:
      services.ShowMessage(CloseFailedText, "Mailvane");
      return ExitOutcome::Stay;
    case CloseOutcome::Closed:
      break;
  }
  const int exitChoice = services.ShowExitDialog();
  if (exitChoice == ResultCancel) return ExitOutcome::Stay;

  StatusWord status = StatusNoneSelected;
  if (const int row = model.Configs.FirstMarked(); row != NoRow) {
    const TesselRegistry& config = model.Configs.Record(row);
    status = ValidateConfig(config);
    if (status == 0 && model.SystemSettings) {
      ApplyConfig(hive, config, *model.SystemSettings, model.Accounts.ListBoxAccount);
    }
  }
  if (HasStatus(status, StatusMissingInput)) {
    services.ShowMessage(IncompleteConfigText, ExitCheckCaption);
    return ExitOutcome::Stay;
  }
  if (HasStatus(status, StatusNoneSelected)) services.ShowMessage(NoSelectionText, ExitCheckCaption);
  SaveConfigList(hive, model);
  if (exitChoice == ResultYes) services.StartMailClient();
  return ExitOutcome::End;
}

}  // namespace mvane
