// TFormMyMB: the tool's own message box, through which every message is shown once
// the windows exist.
#pragma once

#include <string>

#include "common/message_box_layout.h"
#include "ui/form/form.h"

namespace mvane::ui {

class TFormMyMB : public Form {
 public:
  explicit TFormMyMB(HWND owner);

  // Shows text and caption centred on the point with one of the button sets and
  // answers the code of the button pressed, 2 when closed, and 0 when the box is
  // already on screen (it then only takes the new contents).
  int ShowMessageBox(ScreenPoint centre, bool longText, const std::string& text, const std::string& caption,
                     int buttonSet);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnShow() override;
  int DefaultButton() const override;

 private:
  void ReplaceMemo(const MessageBoxLayout& layout, const std::string& text);
  void LayOutButtons(const MessageBoxLayout& layout);

  int buttonResults_[3] = {0, 0, 0};
};

}  // namespace mvane::ui
