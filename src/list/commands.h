// The list commands' effects on rows and records: select, the editor's filling and
// read-back for edit and add, and delete. The window asks and shows; these decide.
#pragma once

#include <cstdint>
#include <string>

#include "list/main_model.h"

namespace mvane {

enum class MailChoice { Check, NotCheck, UseMailClient };     // RadioButtonF2Mail...
enum class SignatureChoice { UseSig, NotUseSig, UseMailClient };  // RadioButtonF2Sig...
enum class SignatureSource { Text, File };                     // RadioButtonF2SigUseText / ...UseFile

// What the editor dialog's controls hold. The dialog keeps its state between uses, so
// a fill writes only the fields the command fills.
struct EditorValues {
  std::string Name;                                // EditF2Name
  std::string Folder;                              // EditF2Folder
  std::string Address;                             // EditF2Address
  int AccountIndex = -1;                           // ComboBoxF2AccountName's item, -1 for none
  MailChoice Mail = MailChoice::UseMailClient;
  int Interval = 30;                               // UpDownF2PollForMail, minutes
  std::string SignatureText;                       // MemoF2Sig, lines separated by CR LF
  std::string SignatureFile;                       // EditF2SigFile
  SignatureChoice Signature = SignatureChoice::UseMailClient;
  SignatureSource Source = SignatureSource::Text;
  bool operator==(const EditorValues&) const = default;
};

// SelectConfig: the highlighted row takes the mark and Selected 1, every other row loses both.
void SelectConfig(MainModel& model);

// The combo item for an account key: the last item equal to the key's display name.
int MatchAccountCombo(const AccountLists& accounts, const std::string& accountKey);

// EditConfig's and AddConfig's fills of the dialog.
void FillEditorForEdit(EditorValues& editor, const TesselRegistry& config, const AccountLists& accounts);
void FillEditorForAdd(EditorValues& editor, const MainModel& model);

// Reads the dialog back into row i's record; the preview follows when the row is marked.
void StoreEditorIntoRow(MainModel& model, int row, const EditorValues& editor, FileSystem& files);

// AddConfig after OK: a new unmarked row at the end holding the dialog's values, or
// NoRow when the list is full.
int AddEditorAsRow(MainModel& model, const EditorValues& editor, FileSystem& files);

// DeleteConfig's messages: the refusal for the marked row, and the question for another.
inline constexpr const char* DeleteCaption = "設定の削除";
inline constexpr const char* DeleteRefusalText = "現在選択されている設定は削除できません";
std::string DeleteQuestionText(const std::string& caption);

}  // namespace mvane
