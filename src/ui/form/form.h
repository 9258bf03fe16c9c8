// The small form layer every window of the tool is built on: one window class per
// form, controls made from layout tables, a modal loop with modal results, and the
// handler guard.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "common/placement.h"

namespace mvane::ui {

// Runs an event handler; an error that escapes it is shown as the standard error
// report and the program goes on.
void Guarded(const std::function<void()>& handler);

// Converts the layout tables' pixels (96 DPI) to the screen's.
class Scaler {
 public:
  explicit Scaler(int dpi = 96) : dpi_(dpi) {}
  int operator()(int designPixels) const { return MulDiv(designPixels, dpi_, 96); }
  int Unscale(int pixels) const { return MulDiv(pixels, 96, dpi_); }

 private:
  int dpi_;
};

// One child control, as a form's layout table gives it (design pixels).
struct ControlArgs {
  const wchar_t* className;
  int id;
  std::string text;
  int left, top, width, height;
  DWORD style;
  DWORD exStyle = 0;
  int helpContext = 0;
};

class Form {
 public:
  explicit Form(const wchar_t* className);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND Handle() const { return hwnd_; }
  const Scaler& Scale() const { return scale_; }
  HFONT Font() const { return font_; }

  // Shows the form modally over its owner, which is disabled meanwhile, and returns
  // the modal result: what a handler set, or 2 when the form was closed.
  int ShowModal();
  // Sets the caption, centres the form on the point and shows it modally.
  int ShowModalCentredOn(ScreenPoint centre, const std::string& caption);
  void SetModalResult(int result) { modalResult_ = result; }

 protected:
  // Makes the window with a client area of the given design size.
  void CreateForm(HWND owner, DWORD style, DWORD exStyle, int left, int top, int clientWidth, int clientHeight,
                  const std::string& caption);
  // Controls go on the form, or on one of its pages when a parent is given.
  HWND AddControl(const ControlArgs& args, HWND parent = nullptr);
  // A page of a tab control: a child that fills the tab's display area and passes its
  // controls' notifications on to the form.
  HWND AddPage(HWND tabControl);
  HWND Control(int id) const;

  // Every message of the window, inside the handler guard.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnShow() {}
  // The control that Enter presses (DM_GETDEFID); 0 for none.
  virtual int DefaultButton() const { return 0; }
  // The help topic when the control asked for help has none of its own; 0 for none.
  virtual int DefaultHelpContext() const { return 0; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  const wchar_t* className_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  Scaler scale_;
  std::map<int, HWND> controls_;  // every control by its identifier, on the form or a page
  int modalResult_ = 0;
  bool inModalLoop_ = false;
};

// A GDI object that this owns and deletes.
class GdiObject {
 public:
  explicit GdiObject(HGDIOBJ object) : object_(object) {}
  ~GdiObject() { DeleteObject(object_); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  HBRUSH Brush() const { return static_cast<HBRUSH>(object_); }

 private:
  HGDIOBJ object_;
};

// The message loop of the main window; returns when the program is told to quit.
int RunMessageLoop();

// The program's folder, with a trailing backslash.
std::wstring ProgramFolder();

}  // namespace mvane::ui
