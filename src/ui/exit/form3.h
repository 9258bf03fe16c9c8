// TForm3: the exit dialog. For now the window alone; its question comes with
// update-and-exit.
#pragma once

#include "ui/form/form.h"

namespace mvane::ui {

class TForm3 : public Form {
 public:
  explicit TForm3(HWND owner);
};

}  // namespace mvane::ui
