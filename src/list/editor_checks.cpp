#include "list/editor_checks.h"

#include "common/paths.h"

namespace mvane {

int IntervalOf(const std::string& text) {
  constexpr int NotANumber = 121;
  std::size_t i = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    i = 1;
  }
  if (i == text.size() || text.size() - i > 9) return NotANumber;
  int value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return NotANumber;
    value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

EditorCheck ValidateInput(const EditorValues& editor, const std::string& intervalText,
                          const std::string& initialName, const ConfigList& rows, FileSystem& files) {
  EditorCheck check;
  const auto refuse = [&](EditorField field, EditorPage page, StatusWord bit) {
    check.Status |= bit;
    check.Refused.push_back(field);
    check.Focus = field;
    if (page != EditorPage::None) check.Page = page;
  };
  if (editor.Signature != SignatureChoice::UseMailClient && editor.Source == SignatureSource::File &&
      !files.OpensAlone(editor.SignatureFile)) {
    refuse(EditorField::SigFile, EditorPage::Signature, StatusSignatureFileUnreadable);
  }
  if (editor.Mail == MailChoice::Check) {
    const int interval = IntervalOf(intervalText);
    if (interval < 1 || interval > 120) refuse(EditorField::PollForMail, EditorPage::NewMail, StatusPollIntervalInvalid);
  }
  if (!files.FolderExists(FolderOfPath(editor.Address))) {
    refuse(EditorField::Address, EditorPage::General, StatusAddressBookFolderNotFound);
  }
  if (!files.FolderExists(editor.Folder)) refuse(EditorField::Folder, EditorPage::General, StatusStoreFolderNotFound);
  if (editor.AccountIndex < 0) refuse(EditorField::AccountName, EditorPage::General, StatusAccountNameEmpty);
  const int match = editor.Name.empty() ? NoRow : rows.FindCaption(editor.Name);
  if (editor.Name.empty() || (match != NoRow && rows.Record(match).ConfigName != initialName)) {
    refuse(EditorField::Name, EditorPage::None, StatusConfigNameEmpty);
  }
  return check;
}

ChooserStart ChooserStartFor(const std::string& path, FileSystem& files) {
  return {FolderOfPath(path), files.FileExists(path) ? FileNameOfPath(path) : std::string()};
}

}  // namespace mvane
