// The main window's first show: loading in order and the start-up reactions.
#pragma once

#include <string>

#include "list/main_model.h"
#include "model/file_system.h"
#include "model/registry_hive.h"

namespace mvane {

// Where start-up messages go (the message box, with its single OK button).
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
};

// Reads the mail client's settings, its accounts, then the stored list, each only when
// the one before found nothing missing; adds the current-settings row, shows the
// messages. True when the tool is to end because the mail client's data is missing.
bool FormShow(RegistryHive& hive, FileSystem& files, MainModel& model, MessageSink& messages);

}  // namespace mvane
