// The editor's checks on OK: which fields are refused, which page and field the user
// is taken to, and the status bits.
#pragma once

#include <string>
#include <vector>

#include "list/commands.h"
#include "list/config_list.h"
#include "model/file_system.h"
#include "model/status.h"

namespace mvane {

enum class EditorPage { None, General, NewMail, Signature };  // 全般, 新着メッセージ, 署名
enum class EditorField { SigFile, PollForMail, Address, Folder, AccountName, Name };

struct EditorCheck {
  StatusWord Status = 0;
  std::vector<EditorField> Refused;      // painted green, in the order checked
  EditorPage Page = EditorPage::None;    // the page the last refusal with a page made active
  EditorField Focus = EditorField::Name;  // the last refused field; meaningful when Status != 0
};

// The interval box's text as a number: 121 when it is not a whole decimal number.
int IntervalOf(const std::string& text);

// ValidateInput: six checks in order, none stopping the others. intervalText is what the
// interval box shows; initialName the name the dialog was opened with.
EditorCheck ValidateInput(const EditorValues& editor, const std::string& intervalText,
                          const std::string& initialName, const ConfigList& rows, FileSystem& files);

// Where an open-file chooser starts for the path in its edit box: in the path's folder,
// with the file's name filled in when the path names an existing file.
struct ChooserStart {
  std::string Folder;    // empty: the chooser's usual starting folder
  std::string FileName;  // empty: nothing filled in
  bool operator==(const ChooserStart&) const = default;
};
ChooserStart ChooserStartFor(const std::string& path, FileSystem& files);

}  // namespace mvane
