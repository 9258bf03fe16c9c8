// TForm3: the exit dialog. Asks whether the mail client is to be started after the
// update and remembers the answer.
#pragma once

#include "model/registry_hive.h"
#include "ui/form/form.h"

namespace mvane::ui {

class TForm3 : public Form {
 public:
  // Shown with ShowModalCentredOn: 6 start the mail client afterwards, 7 do not,
  // 2 cancelled.
  TForm3(HWND owner, RegistryHive& hive);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  int DefaultButton() const override;

 private:
  void FormCreate();
  void ButtonF3OKClick();

  RegistryHive& hive_;
};

}  // namespace mvane::ui
