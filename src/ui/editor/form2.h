// TForm2: the configuration editor. For now the window alone; its pages and fields
// come with the editing commands.
#pragma once

#include "ui/form/form.h"

namespace mvane::ui {

class TForm2 : public Form {
 public:
  explicit TForm2(HWND owner);
};

}  // namespace mvane::ui
