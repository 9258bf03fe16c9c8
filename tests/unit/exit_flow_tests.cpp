#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "list/exit_flow.h"
#include "model/registry_accessor.h"
#include "settings/apply_config.h"
#include "settings/config_store.h"
#include "settings/exit_choice.h"
#include "unit/mail_client_fixture.h"

namespace mvane::testing {
namespace {

// A mail client's windows: each closes when sent WM_CLOSE, unless told to stay.
class ScriptedWindows : public MailClientWindows {
 public:
  std::vector<Window> notes;
  Window main = 0;
  std::map<Window, bool> stays;  // true: ignores WM_CLOSE
  bool hangs = false;
  bool processLingers = false;
  std::vector<Window> sent;

  Window FindMain() override { return main; }
  Window FindNote() override { return notes.empty() ? 0 : notes.front(); }
  bool SendClose(Window window) override {
    sent.push_back(window);
    if (hangs) return false;
    if (stays[window]) return true;
    if (window == main) {
      main = 0;
    } else {
      notes.erase(notes.begin());
    }
    return true;
  }
  bool WaitUntilGone() override { return !main && notes.empty() && !processLingers; }
};

TEST(CloseRunningOutlookExpress, AsksOnlyWhenSomethingRunsThenClosesMainOnceAndNotesOneByOne) {
  struct Case {
    const char* what;
    ScriptedWindows::Window main;
    std::vector<ScriptedWindows::Window> notes;
    int answer;
    CloseOutcome expected;
    bool asked;
    std::vector<ScriptedWindows::Window> sent;
  };
  const Case cases[] = {
      {"nothing running", 0, {}, 6, CloseOutcome::Closed, false, {}},
      {"user says No", 1, {2}, 7, CloseOutcome::Declined, true, {}},
      {"question closed", 1, {}, 2, CloseOutcome::Declined, true, {}},
      {"main and three notes", 1, {2, 3, 4}, 6, CloseOutcome::Closed, true, {1, 2, 3, 4}},
      {"only notes", 0, {2, 3}, 6, CloseOutcome::Closed, true, {2, 3}},
  };
  for (const Case& c : cases) {
    ScriptedWindows windows;
    windows.main = c.main;
    windows.notes = c.notes;
    bool asked = false;
    const CloseOutcome outcome = CloseRunningOutlookExpress(windows, [&] {
      asked = true;
      return c.answer;
    });
    EXPECT_EQ(outcome, c.expected) << c.what;
    EXPECT_EQ(asked, c.asked) << c.what;
    EXPECT_EQ(windows.sent, c.sent) << c.what;
  }
}

TEST(CloseRunningOutlookExpress, WindowsThatDoNotCloseStopTheUpdateWithinBounds) {
  ScriptedWindows refusingNote;
  refusingNote.notes = {2, 3};
  refusingNote.stays[2] = true;
  EXPECT_EQ(CloseRunningOutlookExpress(refusingNote, [] { return 6; }), CloseOutcome::StillRunning);
  EXPECT_EQ(refusingNote.sent, std::vector<ScriptedWindows::Window>(NoteCloseAttempts, 2));

  ScriptedWindows staysOpen;  // its user cancelled its own question
  staysOpen.main = 1;
  staysOpen.stays[1] = true;
  EXPECT_EQ(CloseRunningOutlookExpress(staysOpen, [] { return 6; }), CloseOutcome::StillRunning);
  EXPECT_EQ(staysOpen.sent, std::vector<ScriptedWindows::Window>{1});

  ScriptedWindows hung;
  hung.main = 1;
  hung.notes = {2};
  hung.hangs = true;
  EXPECT_EQ(CloseRunningOutlookExpress(hung, [] { return 6; }), CloseOutcome::StillRunning);
  EXPECT_EQ(hung.sent, std::vector<ScriptedWindows::Window>{1});

  ScriptedWindows lingering;
  lingering.main = 1;
  lingering.processLingers = true;
  EXPECT_EQ(CloseRunningOutlookExpress(lingering, [] { return 6; }), CloseOutcome::StillRunning);
}

class RecordingExit : public ExitServices {
 public:
  CloseOutcome close = CloseOutcome::Closed;
  int dialog = 6;
  bool dialogShown = false;
  std::vector<std::string> messages;
  int starts = 0;

  CloseOutcome CloseMailClient() override { return close; }
  int ShowExitDialog() override {
    dialogShown = true;
    return dialog;
  }
  void ShowMessage(const std::string& text, const std::string&) override { messages.push_back(text); }
  void StartMailClient() override { ++starts; }
};

TesselRegistry Complete(const std::string& name, const std::string& storeRoot) {
  TesselRegistry config;
  config.ConfigName = name;
  config.StoreRoot = storeRoot;
  config.WabFileName = "C:\\WAB\\other.wab";
  config.AccountName = "00000002";
  config.PollForMail = 600000;
  return config;
}

// The mail client's registry, a stored list of two rows, and the model as the window
// holds it after start-up and one more row added.
struct ExitSetup {
  MemoryHive hive;
  MemoryFileSystem files;
  MainModel model;
  explicit ExitSetup(const std::vector<int>& markedRows) {
    SeedMailClient(hive);
    files.AddFolder("C:\\Mail\\Work");
    files.AddFolder("C:\\Mail\\Broken");
    files.AddTextFile("C:\\WAB\\other.wab", "");
    MainModel stored;
    stored.Configs.Append(Complete("Work", "C:\\Mail\\Work"));
    TesselRegistry incomplete = Complete("Broken", "C:\\Mail\\Broken");
    incomplete.WabFileName.clear();
    stored.Configs.Append(incomplete);
    SaveConfigList(hive, stored);
    ReadSystemSettings(hive, model.SystemSettings);
    ReadAccountList(hive, model.Accounts);
    LoadConfigList(hive, files, model);
    model.Configs.Append(Complete("Added", "C:\\Mail\\Added"));
    for (int row = 0; row < model.Configs.Count(); ++row) model.Configs.SetMarked(row, false);
    for (const int row : markedRows) model.Configs.SetMarked(row, true);
  }
  std::string StoreRoot() {
    RegistryAccessor reg(hive);
    reg.SetRoot(RootKey::CurrentUser);
    reg.OpenPath(OeKey, false);
    return reg.ReadText("Store Root");
  }
  int StoredRows() {
    MainModel loaded;
    LoadConfigList(hive, files, loaded);
    return loaded.Configs.Count();
  }
};

TEST(UpdateAndExit, OutcomesFollowTheMailClientTheDialogAndTheMarkedRow) {
  struct Case {
    const char* what;
    CloseOutcome close;
    int dialog;
    std::vector<int> marked;
    ExitOutcome outcome;
    std::string message;
    std::string storeRoot;  // the mail client's folder afterwards
    int storedRows;
    int starts;
  };
  const std::string before = "C:\\Mail\\Main";
  const Case cases[] = {
      {"agreed, start afterwards", CloseOutcome::Closed, 6, {0}, ExitOutcome::End, "", "C:\\Mail\\Work", 3, 1},
      {"agreed, do not start", CloseOutcome::Closed, 7, {0}, ExitOutcome::End, "", "C:\\Mail\\Work", 3, 0},
      {"user keeps the mail client", CloseOutcome::Declined, 6, {0}, ExitOutcome::Stay, "", before, 2, 0},
      {"mail client would not close", CloseOutcome::StillRunning, 6, {0}, ExitOutcome::Stay, CloseFailedText, before,
       2, 0},
      {"exit dialog cancelled", CloseOutcome::Closed, 2, {0}, ExitOutcome::Stay, "", before, 2, 0},
      {"marked row incomplete", CloseOutcome::Closed, 6, {1}, ExitOutcome::Stay, IncompleteConfigText, before, 2, 0},
      {"no marked row", CloseOutcome::Closed, 6, {}, ExitOutcome::End, NoSelectionText, before, 3, 1},
      {"two marked rows: the first counts", CloseOutcome::Closed, 7, {0, 1}, ExitOutcome::End, "", "C:\\Mail\\Work", 3,
       0},
      {"the first marked is incomplete", CloseOutcome::Closed, 7, {1, 2}, ExitOutcome::Stay, IncompleteConfigText,
       before, 2, 0},
  };
  for (const Case& c : cases) {
    ExitSetup setup(c.marked);
    RecordingExit services;
    services.close = c.close;
    services.dialog = c.dialog;
    EXPECT_EQ(UpdateAndExit(setup.model, setup.hive, services), c.outcome) << c.what;
    EXPECT_EQ(services.messages, c.message.empty() ? std::vector<std::string>{} : std::vector{c.message}) << c.what;
    EXPECT_EQ(services.dialogShown, c.close == CloseOutcome::Closed) << c.what;
    EXPECT_EQ(setup.StoreRoot(), c.storeRoot) << c.what;
    EXPECT_EQ(setup.StoredRows(), c.storedRows) << c.what;
    EXPECT_EQ(services.starts, c.starts) << c.what;
  }
}

// Each write of applying and saving fails in turn: the mail client keeps all its old
// values or takes all the new ones, and the stored list is the old one or the new one,
// every configuration in it.
TEST(UpdateAndExit, FailedWriteLeavesTheMailClientAndTheListWhole) {
  const std::vector<std::string> oldList{"Work", "Broken"};
  const std::vector<std::string> newList{"Work", "Broken", "Added"};
  int swept = 0;
  int survived = 0;
  int lost = 0;
  for (int failing = 1;; ++failing) {
    ExitSetup setup({0});
    RecordingExit services;
    setup.hive.FailWrite(failing);
    try {
      UpdateAndExit(setup.model, setup.hive, services);
      break;  // the write to fail is beyond the last one: every write was swept
    } catch (const RegistryError&) {
    }
    ++swept;
    RegistryAccessor reg(setup.hive);
    reg.SetRoot(RootKey::CurrentUser);
    reg.OpenPath(MailKey, false);
    const bool applied = setup.StoreRoot() == "C:\\Mail\\Work";
    const bool mailClientWhole = reg.ReadNumber("Poll For Mail") == (applied ? 600000 : 1800000);
    MainModel loaded;
    LoadConfigList(setup.hive, setup.files, loaded);
    std::vector<std::string> names;
    for (int row = 0; row < loaded.Configs.Count(); ++row) names.push_back(loaded.Configs.Record(row).ConfigName);
    const bool listWhole = names == oldList || names == newList;
    if (names.size() < oldList.size()) lost += static_cast<int>(oldList.size() - names.size());
    EXPECT_TRUE(mailClientWhole) << "write " << failing;
    EXPECT_TRUE(listWhole) << "write " << failing;
    EXPECT_EQ(services.starts, 0);
    if (mailClientWhole && listWhole) ++survived;
  }
  EXPECT_GT(swept, 10);
  EXPECT_EQ(lost, 0);
  std::printf("update-and-exit fault sweep: %d writes swept, %d failures survived, %d configurations lost\n", swept,
              survived, lost);
}

TEST(ExitChoice, StoredOneStartsAnythingElseDoesNot) {
  MemoryHive hive;
  EXPECT_TRUE(ReadStartAfterExit(hive));  // first run
  ASSERT_TRUE(StoreStartAfterExit(hive, false));
  EXPECT_FALSE(ReadStartAfterExit(hive));
  for (const auto& [stored, start] : std::vector<std::pair<std::int32_t, bool>>{{1, true}, {2, false}, {-1, false}}) {
    PutNumber(hive, "\\Software\\Corvell\\MVANE\\1.0", "Execute OE After Exit", stored);
    EXPECT_EQ(ReadStartAfterExit(hive), start) << stored;
  }
  PutText(hive, "\\Software\\Corvell\\MVANE\\1.0", "Execute OE After Exit", "1");
  EXPECT_THROW(ReadStartAfterExit(hive), RegistryError);
}

TEST(ExitChoice, ProgramPathIsTheInstallFolderAsStoredWithTheProgramAppended) {
  MemoryHive hive;
  EXPECT_EQ(MailClientProgramPath(hive), std::nullopt);
  RegistryAccessor reg(hive);
  reg.SetRoot(RootKey::LocalMachine);
  reg.OpenPath("\\SOFTWARE\\Microsoft\\Outlook Express", true);
  EXPECT_EQ(MailClientProgramPath(hive), std::nullopt);
  reg.WriteText("InstallRoot", "C:\\Program Files\\Outlook Express\\");
  EXPECT_EQ(MailClientProgramPath(hive), "C:\\Program Files\\Outlook Express\\\\msimn.exe");
}

}  // namespace
}  // namespace mvane::testing
