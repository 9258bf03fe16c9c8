// TForm1: the main window.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "common/main_window_layout.h"
#include "common/placement.h"
#include "list/exit_flow.h"
#include "list/main_model.h"
#include "model/file_system.h"
#include "model/registry_hive.h"
#include "ui/editor/form2.h"
#include "ui/exit/form3.h"
#include "ui/form/form.h"
#include "ui/msgbox/form_my_mb.h"

namespace mvane::ui {

inline constexpr const char* AboutText =
    "Mailvane  ﾊﾞｰｼﾞｮﾝ 1.0\n\n"
    "Outlook Express 4.x の設定に名前を付けて保存し、切り替えて使うためのツールです\n\n"
    "Copyright (C) 2026 Corvell";

// The window is what update-and-exit asks: the mail client's windows, the exit
// dialog, messages and starting the mail client.
class TForm1 : public Form, private ExitServices {
 public:
  TForm1(RegistryHive& hive, FileSystem& files);
  ~TForm1() override;

  void SetMessageBox(TFormMyMB* formMyMB) { formMyMB_ = formMyMB; }
  void SetEditor(TForm2* form2);
  void SetExitDialog(TForm3* form3) { form3_ = form3; }
  Placement WindowPlacement() const;
  const MainModel& Model() const { return model_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  int DefaultHelpContext() const override;

 private:
  void CreateToolbar();
  void CreateListView();
  void CreateMenus();
  void FormCreate();
  void FormShow();
  void ShowModel();
  void ShowHighlightAndFocus();
  void ListViewMainChange();
  void ApplyCommandStates(const CommandStates& states);
  void ListViewMainGetText(NMLVDISPINFOW& item);
  bool ListViewMainEdited(const NMLVDISPINFOW& item);
  void MenuChangeNameClick();
  void ButtonSelectConfigClick();
  void ButtonEditConfigClick();
  void ButtonAddConfigClick();
  bool ShowEditor(const EditorValues& values);
  void ButtonDeleteConfigClick();
  void RedrawRows();
  void FormResize();
  void FormDestroy();
  void LayOutChildren();
  void PaintPanels(HDC dc);
  void PanelSplitterMouseMove(int y, bool leftButtonDown);
  void PanelSigTitleDblClick();
  void DisplayChanged(int screenWidth, int screenHeight);
  void ButtonHelpClick();
  void ButtonOKClick();
  void ButtonCancelClick();
  CloseOutcome CloseMailClient() override;
  int ShowExitDialog() override;
  void ShowMessage(const std::string& text, const std::string& caption) override;
  void StartMailClient() override;
  void KTessel21Click();
  void OnCommand(int id);
  LRESULT OnNotify(const NMHDR& header);
  void ShowContextMenu(LPARAM position);
  int ListPanelHeight() const;
  ScreenPoint Centre() const;

  RegistryHive& hive_;
  FileSystem& files_;
  MainModel model_;
  bool shown_ = false;
  bool mirroring_ = false;  // the window is being set from the model: no change events back
  TFormMyMB* formMyMB_ = nullptr;
  TForm2* form2_ = nullptr;
  TForm3* form3_ = nullptr;
  HWND toolbar_ = nullptr;
  HWND listView_ = nullptr;
  HWND memoSig_ = nullptr;
  HWND statusBar_ = nullptr;
  HMENU popupMenu1_ = nullptr;
  HIMAGELIST toolbarImages_ = nullptr;
  HIMAGELIST toolbarDisabledImages_ = nullptr;
  HIMAGELIST imageList1_ = nullptr;
  MainWindowAreas areas_;
  int signViewHeight_ = SignViewDesignHeight;
  bool draggingSplitter_ = false;
};

}  // namespace mvane::ui
