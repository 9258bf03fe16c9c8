// TForm2: the configuration editor. The caller fills it from EditorValues, places and
// shows it, and reads the values back after OK; the checks on OK are portable code.
#pragma once

#include <set>
#include <string>

#include "list/commands.h"
#include "list/config_list.h"
#include "list/editor_checks.h"
#include "model/file_system.h"
#include "ui/form/form.h"

namespace mvane::ui {

class TForm2 : public Form {
 public:
  TForm2(HWND owner, FileSystem& files);

  // The account combo's items, one per mail account.
  void SetAccountItems(const std::vector<std::string>& items);
  // The rows whose captions a new name must not take.
  void SetRows(const ConfigList* rows) { rows_ = rows; }

  // What the controls hold now, and setting them; a radio turned on runs its rule.
  EditorValues Values() const;
  void SetValues(const EditorValues& values);
  std::string IntervalText() const;

  // Shown with ShowModalCentredOn: 1 for OK, 2 otherwise. Whether the last use ended with OK or Cancel (not the close box): the caller then
  // gives the focus back to its list.
  bool ClosedByButton() const { return closedByButton_; }

  // The boxes painted green, and the page on show (0 全般, 1 新着メッセージ, 2 署名).
  bool Highlighted(int controlId) const { return green_.count(controlId) > 0; }
  int ActivePage() const;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnShow() override;
  int DefaultButton() const override;

 private:
  void CreatePages();
  void CreateGeneralPage(HWND page);
  void CreateNewMailPage(HWND page);
  void CreateSignaturePage(HWND page);
  void ShowPage(int index);
  bool Checked(int id) const;
  void CheckRadio(int id);
  void SetText(int id, const std::string& text);
  std::string Text(int id) const;
  void SetBox(int id, bool enabled);
  void Paint(int id, bool green);
  void RadioButtonF2MailClick();
  void RadioButtonF2SigClick();
  StatusWord ValidateInput();
  void ButtonF2OKClick();
  void ButtonF2CancelClick();
  void TimerF2Timer();
  void ButtonF2AcoountRefFolderClick();
  void ChooseFileInto(int editId, bool addressBook);
  void OnCommand(int id, int code);
  LRESULT ColourBox(HWND control, HDC dc);

  FileSystem& files_;
  const ConfigList* rows_ = nullptr;
  std::string initialName_;  // InitialName
  HWND pageControl1_ = nullptr;
  HWND pages_[3] = {};
  std::set<int> green_;
  GdiObject greenBrush_{CreateSolidBrush(RGB(0, 128, 0))};
  bool timerRunning_ = false;
  bool closedByButton_ = false;
};

}  // namespace mvane::ui
