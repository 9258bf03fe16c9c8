#include "cli/control.h"

#include <algorithm>

#include "cli/registry_script.h"
#include "list/commands.h"
#include "list/startup.h"
#include "model/memory_hive.h"
#include "model/registry_accessor.h"
#include "settings/account_list.h"
#include "settings/apply_config.h"
#include "settings/config_store.h"
#include "settings/exit_choice.h"

namespace mvane {
namespace {

constexpr const char* HelpJapanese =
    "使い方: MVANECTL <コマンド> [オプション]\n"
    "  list [--json]                  保存されている設定の一覧（* は現在の設定）\n"
    "  current                        Outlook Express の現在の設定名（一致する設定がなければ終了コード 1）\n"
    "  apply 設定名 [--close] [--start] 設定を Outlook Express に反映する\n"
    "      --close  起動中の Outlook Express を終了してから反映する\n"
    "      --start  反映後に Outlook Express を起動する\n"
    "  copy 設定名 新しい設定名       設定を複製して一覧の最後に加える\n"
    "  export ファイル                設定の一覧をレジストリ ファイル (.reg) に書き出す\n"
    "  import ファイル [--replace]    .reg ファイルの設定を一覧に加える（--replace: 一覧を置き換える）\n"
    "終了コード: 0 完了, 1 一致なし, 2 使い方の誤り, 3 設定が見つからない, 4 未入力項目あり,\n"
    "  5 Outlook Express が起動中, 6 Mailvane が起動中, 7 レジストリのエラー\n";
constexpr const char* HelpEnglish =
    "Usage: MVANECTL <command> [options]\n"
    "  list [--json]                    the stored configurations (* marks the current one)\n"
    "  current                          the configuration the mail client now matches (exit 1 if none)\n"
    "  apply NAME [--close] [--start]   switches the mail client to the configuration\n"
    "      --close  closes a running Outlook Express first\n"
    "      --start  starts Outlook Express afterwards\n"
    "  copy NAME NEWNAME                appends a copy of the configuration under a new name\n"
    "  export FILE                      writes the list as a registry script (.reg)\n"
    "  import FILE [--replace]          appends the configurations of such a script (or replaces the list)\n"
    "Exit codes: 0 done, 1 no match, 2 usage, 3 no such configuration, 4 incomplete configuration,\n"
    "  5 Outlook Express is running, 6 another Mailvane is running, 7 registry error\n";

// The list as the main window loads it, without its messages.
void LoadModel(RegistryHive& hive, FileSystem& files, MainModel& model) {
  ReadSystemSettings(hive, model.SystemSettings);
  ReadAccountList(hive, model.Accounts);
  LoadConfigList(hive, files, model);
}

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\r':
        quoted += "\\r";
        break;
      case '\t':
        quoted += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          static const char digits[] = "0123456789abcdef";
          quoted += "\\u00";
          quoted += digits[(c >> 4) & 0xF];
          quoted += digits[c & 0xF];
        } else {
          quoted += c;
        }
    }
  }
  return quoted + "\"";
}

int List(const MainModel& model, bool json, ControlOutput& output) {
  if (json) output.out += "[";
  for (int row = 0; row < model.Configs.Count(); ++row) {
    const bool current = model.Configs.Marked(row);
    const std::string name = model.ColumnText(row, Column::Name);
    const std::string folder = model.ColumnText(row, Column::StoreRoot);
    const std::string account = model.ColumnText(row, Column::Account);
    const std::string poll = model.ColumnText(row, Column::PollForMail);
    if (json) {
      output.out += std::string(row ? "," : "") + "\n  {\"current\": " + (current ? "true" : "false") +
                    ", \"name\": " + JsonString(name) + ", \"folder\": " + JsonString(folder) +
                    ", \"account\": " + JsonString(account) + ", \"poll\": " + JsonString(poll) + "}";
    } else {
      output.out += std::string(current ? "* " : "  ") + name + "\t" + folder + "\t" + account + "\t" + poll + "\n";
    }
  }
  if (json) output.out += model.Configs.Count() ? "\n]\n" : "]\n";
  return ControlDone;
}

bool MailClientRunning(MailClientWindows& windows) { return windows.FindMain() || windows.FindNote(); }

int Apply(MainModel& model, RegistryHive& hive, ControlServices& services, int row, bool close, bool start,
          ControlOutput& output) {
  MailClientWindows& windows = services.MailClient();
  if (MailClientRunning(windows)) {
    if (!close) {
      output.err += "Outlook Express が起動しています\n";
      return ControlMailClientRunning;
    }
    if (CloseRunningOutlookExpress(windows, [] { return ResultYes; }) != CloseOutcome::Closed) {
      output.err += "Outlook Express を終了できませんでした\n";
      return ControlMailClientRunning;
    }
  }
  const TesselRegistry& config = model.Configs.Record(row);
  if (ValidateConfig(config) != 0) {
    output.err += "未入力項目があります\n";
    return ControlIncomplete;
  }
  ApplyConfig(hive, config, *model.SystemSettings, model.Accounts.ListBoxAccount);
  model.Configs.SetHighlighted(row);
  SelectConfig(model);
  SaveConfigList(hive, model);
  if (start) {
    if (const auto program = MailClientProgramPath(hive)) services.RunProgram(*program);
  }
  return ControlDone;
}

int Copy(MainModel& model, RegistryHive& hive, int row, const std::string& newName, ControlOutput& output) {
  if (newName.empty() || model.Configs.FindCaption(newName) != NoRow) {
    output.err += "設定名 \"" + newName + "\" はすでに使われています\n";
    return ControlUsage;
  }
  TesselRegistry copy = model.Configs.Record(row);
  copy.ConfigName = newName;
  copy.Selected = 0;
  if (model.Configs.Append(std::move(copy)) == NoRow) {
    output.err += "設定は 65535 件までです\n";
    return ControlUsage;
  }
  SaveConfigList(hive, model);
  return ControlDone;
}

// Folders and files of an imported list may not exist on this machine yet: the loader
// keeps every path as it stands.
class EverythingExists : public FileSystem {
 public:
  bool FolderExists(const std::string&) override { return true; }
  bool FileExists(const std::string&) override { return true; }
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::string&) override { return std::nullopt; }
  bool OpensAlone(const std::string&) override { return true; }
  std::string AnsiToUtf8(const std::string& bytes) override { return bytes; }
};

// A name no row has, in any letter case: the name itself, or "name (2)", "name (3)"...
std::string FreeName(const ConfigList& rows, const std::string& name) {
  if (rows.FindCaption(name) == NoRow) return name;
  for (int n = 2;; ++n) {
    std::string candidate = name + " (" + std::to_string(n) + ")";
    if (rows.FindCaption(candidate) == NoRow) return candidate;
  }
}

int Export(const MainModel& model, ControlServices& services, const std::string& path, ControlOutput& output) {
  if (!services.WriteWholeFile(path, EncodeScriptFile(ExportRegistryScript(model)))) {
    output.err += "ファイル \"" + path + "\" に書き込めません\n";
    return ControlUsage;
  }
  return ControlDone;
}

int Import(MainModel& model, RegistryHive& hive, FileSystem& files, const std::string& path, bool replace,
           ControlOutput& output) {
  const auto bytes = files.ReadFile(path);
  if (!bytes) {
    output.err += "ファイル \"" + path + "\" を開けません\n";
    return ControlUsage;
  }
  MemoryHive script;
  std::string error;
  if (!ParseRegistryScript(DecodeTextFile(*bytes, files), script, error)) {
    output.err += path + ": " + error + "\n";
    return ControlUsage;
  }
  MainModel imported;
  imported.SystemSettings = std::make_unique<SystemRegistry>(*model.SystemSettings);
  EverythingExists keepPaths;
  LoadConfigList(script, keepPaths, imported);  // wrong-typed values raise, as at start-up

  std::vector<TesselRegistry> configs;
  for (int row = 0; row < imported.Configs.Count(); ++row) configs.push_back(imported.Configs.Record(row));
  configs.insert(configs.end(), imported.SurplusConfigs.begin(), imported.SurplusConfigs.end());
  if (replace) model.Configs.Clear();
  if (model.Configs.Count() + configs.size() > static_cast<std::size_t>(MaxConfigRows)) {
    output.err += "設定は 65535 件までです\n";
    return ControlUsage;
  }
  for (TesselRegistry& config : configs) {
    if (!replace) {
      config.ConfigName = FreeName(model.Configs, config.ConfigName);
      config.Selected = 0;
    }
    model.Configs.Append(std::move(config));
  }
  SaveConfigList(hive, model);
  return ControlDone;
}

const char* Help(ControlServices& services) { return services.JapaneseUi() ? HelpJapanese : HelpEnglish; }

// A mistake on the command line: the help goes to stderr.
int Usage(ControlServices& services, ControlOutput& output) {
  output.err += Help(services);
  return ControlUsage;
}

// The names and files each command needs before its options are looked at.
int OperandsNeeded(const std::string& command) {
  if (command == "list" || command == "current") return 0;
  if (command == "apply" || command == "export" || command == "import") return 1;
  if (command == "copy") return 2;
  return -1;  // no such command
}

int Run(const std::vector<std::string>& args, RegistryHive& hive, FileSystem& files, ControlServices& services,
        ControlOutput& output) {
  const auto has = [&](const char* option) { return std::find(args.begin(), args.end(), option) != args.end(); };
  const std::string command = args.empty() ? "" : args[0];
  if (command == "--help" || command == "/?" || command == "-h") {
    output.out += Help(services);
    return ControlDone;
  }
  // Names and files, wherever the options stand among them.
  std::vector<std::string> operands;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i].rfind("--", 0) != 0) operands.push_back(args[i]);
  }
  const int needed = OperandsNeeded(command);
  if (needed < 0 || operands.size() < static_cast<std::size_t>(needed)) return Usage(services, output);
  // Changing the list while the window has it open would be undone when it saves.
  const bool changes = command == "apply" || command == "copy" || command == "import";
  if (changes && !services.ClaimSingleInstance()) {
    output.err += "Mailvane が起動しています\n";
    return ControlOtherInstance;
  }

  MainModel model;
  LoadModel(hive, files, model);
  if (!model.SystemSettings) {
    output.err += "Outlook Express 4.x がインストールされていないか、Outlook Express 4.x が１度も使われていません\n";
    return ControlRegistryError;
  }
  if (command == "list") return List(model, has("--json"), output);
  if (command == "current") {
    const int row = model.Configs.FirstMarked();
    if (row == NoRow) return ControlNoMatch;
    output.out += model.Configs.Record(row).ConfigName + "\n";
    return ControlDone;
  }
  if (command == "export") return Export(model, services, operands[0], output);
  if (command == "import") return Import(model, hive, files, operands[0], has("--replace"), output);
  const int row = model.Configs.FindCaption(operands[0]);
  if (row == NoRow) {
    output.err += "設定 \"" + operands[0] + "\" が見つかりません\n";
    return ControlNoSuchConfig;
  }
  if (command == "apply") return Apply(model, hive, services, row, has("--close"), has("--start"), output);
  return Copy(model, hive, row, operands[1], output);
}

}  // namespace

int RunControl(const std::vector<std::string>& args, RegistryHive& hive, FileSystem& files,
               ControlServices& services, ControlOutput& output) {
  try {
    return Run(args, hive, files, services, output);
  } catch (const RegistryError& error) {
    output.err += std::string(error.what()) + "\n";
    return ControlRegistryError;
  }
}

}  // namespace mvane
