#include <gtest/gtest.h>

#include "cli/registry_script.h"
#include "model/memory_hive.h"
#include "model/registry_accessor.h"
#include "settings/config_store.h"
#include "unit/mail_client_fixture.h"

namespace mvane::testing {
namespace {

// Reads a script back through the loader, as an import does.
std::vector<TesselRegistry> Imported(const std::string& script, MemoryFileSystem& files) {
  MemoryHive into;
  std::string error;
  EXPECT_TRUE(ParseRegistryScript(script, into, error)) << error;
  MemoryHive system;
  SeedMailClient(system);
  MainModel model;
  ReadSystemSettings(system, model.SystemSettings);
  LoadConfigList(into, files, model);
  std::vector<TesselRegistry> configs;
  for (int row = 0; row < model.Configs.Count(); ++row) configs.push_back(model.Configs.Record(row));
  return configs;
}

TEST(RegistryScript, EveryValueComesBackThroughTheFileFormat) {
  MainModel model;
  TesselRegistry plain;
  plain.ConfigName = "会社 \"本社\"";
  plain.StoreRoot = "C:\\Mail\\会社";
  plain.WabFileName = "\\\\server\\share\\book.wab";
  plain.AccountName = "00000001";
  plain.Selected = 1;
  plain.PollForMail = -1;
  plain.SignatureType = 0x10002;
  TesselRegistry wide = plain;
  wide.ConfigName = "Café 中文 😀";
  wide.Selected = 0;
  wide.SignatureText = "山田 太郎\r\n" + std::string(200, 'x') + "\r\nend";  // wraps over several lines
  wide.SignatureSts = 1;
  wide.MailCheckSts = 1;
  model.Configs.Append(plain);
  model.Configs.Append(wide);
  const std::vector<std::uint8_t> file = EncodeScriptFile(ExportRegistryScript(model));
  ASSERT_GE(file.size(), 2u);
  EXPECT_EQ(file[0], 0xFF);  // UTF-16LE, as the registry editor writes it
  EXPECT_EQ(file[1], 0xFE);

  MemoryFileSystem files;
  files.AddFolder("C:\\Mail\\会社");
  files.AddTextFile("\\\\server\\share\\book.wab", "");
  const std::vector<TesselRegistry> back = Imported(DecodeTextFile(file, files), files);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0], plain);
  EXPECT_EQ(back[1], wide);
}

TEST(RegistryScript, OtherKeysDefaultsAndDeletionsAreSkippedAndBadLinesNamed) {
  MemoryFileSystem files;
  const std::string script =
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Microsoft\\Outlook Express]\r\n"
      "\"Store Root\"=\"C:\\\\Elsewhere\"\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Corvell\\MVANE\\1.0\\List\\00000001]\r\n"
      "@=\"ignored\"\r\n"
      "\"Gone\"=-\r\n"
      "\"Config Name\"=\"hand made\"\r\n"
      "\"Poll For Mail\"=dword:0001b774\r\n";
  const std::vector<TesselRegistry> configs = Imported(script, files);
  ASSERT_EQ(configs.size(), 1u);
  EXPECT_EQ(configs[0].ConfigName, "hand made");
  EXPECT_EQ(configs[0].PollForMail, 112500);

  struct Case {
    std::string script;
    std::string error;
  };
  const Case bad[] = {
      {"REGEDIT4\r\n", "1 行目"},
      {"Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=dword:xyz\r\n", "3 行目"},
      {"Windows Registry Editor Version 5.00\r\n\r\n\"a\" \"b\"\r\n", "3 行目"},
      {"Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\x\r\n", "2 行目"},
  };
  for (const Case& c : bad) {
    MemoryHive into;
    std::string error;
    EXPECT_FALSE(ParseRegistryScript(c.script, into, error)) << c.script;
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
  }
}

TEST(RegistryScript, WrongTypedValueIsRefusedAsTheLoaderRefusesIt) {
  MemoryHive into;
  std::string error;
  ASSERT_TRUE(ParseRegistryScript("Windows Registry Editor Version 5.00\r\n"
                                  "[HKEY_CURRENT_USER\\Software\\Corvell\\MVANE\\1.0\\List\\00000001]\r\n"
                                  "\"Selected\"=\"1\"\r\n",
                                  into, error));
  MemoryHive system;
  SeedMailClient(system);
  MainModel model;
  ReadSystemSettings(system, model.SystemSettings);
  MemoryFileSystem files;
  EXPECT_THROW(LoadConfigList(into, files, model), RegistryError);
}

}  // namespace
}  // namespace mvane::testing
