// Figures for many configurations, each beside a raw baseline measured in the same run.
// Natively: adding one row to 65,534 default-named rows, and the memory of 65,535
// records. On Windows (under Wine): loading and saving 65,535 stored configurations
// against plain registry calls doing the same reads and writes.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "common/text.h"
#include "list/main_model.h"
#include "settings/config_store.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_hive.h"
#include "settings/account_list.h"
#else
#include <malloc.h>
#endif

namespace {

using mvane::TesselRegistry;

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TesselRegistry SampleConfig(int i) {
  TesselRegistry config;
  config.ConfigName = "設定 " + std::to_string(i);
  config.StoreRoot = "C:\\Mail\\Store" + std::to_string(i % 50);
  config.WabFileName = "C:\\WAB\\book" + std::to_string(i % 20) + ".wab";
  config.AccountName = "0000000" + std::to_string(1 + i % 3);
  config.SignatureFile = "C:\\Mail\\sig" + std::to_string(i % 7) + ".txt";
  config.SignatureText = "山田 太郎\r\nyamada@example.co.jp";
  config.SignatureType = 0x10001;
  config.PollForMail = 1800000;
  return config;
}

#ifndef _WIN32
void DefaultNameFigure() {
  mvane::MainModel model;
  for (int n = 1; n <= 65534; ++n) {
    TesselRegistry config;
    config.ConfigName = mvane::DefaultConfigName(n);
    model.Configs.Append(std::move(config));
  }
  model.Configs.Remove(65533);  // one number free: the last one, the worst place for it
  constexpr int Rounds = 1000;
  double ours = 0;
  for (int round = 0; round < Rounds; ++round) {
    ours += Seconds([&] {
      TesselRegistry config;
      config.ConfigName = model.MakeUniqueConfigName();
      model.Configs.Append(std::move(config));
    });
    model.Configs.Remove(model.Configs.Count() - 1);
  }
  ours /= Rounds;
  // Raw baseline: one pass over every caption, as a single whole-caption search without
  // an index would make (the naive default name makes one per candidate).
  const std::string candidate = mvane::DefaultConfigName(65534);
  int found = 0;
  const double onePass = Seconds([&] {
    for (int round = 0; round < 10; ++round) {
      for (int row = 0; row < model.Configs.Count(); ++row) {
        found += mvane::SameTextIgnoringCase(model.Configs.Record(row).ConfigName, candidate);
      }
    }
  }) / 10;
  std::printf("add one row (default name and append) to 65,533 default-named rows: %.3f us (one unindexed caption scan: %.3f us, "
              "a naive default name needs up to 65,534 scans: ~%.0f s)  [%d]\n",
              ours * 1e6, onePass * 1e6, onePass * 65534, found);
}

void MemoryFigure() {
  const std::size_t before = mallinfo2().uordblks;
  auto model = std::make_unique<mvane::MainModel>();
  std::size_t raw = 0;
  for (int i = 0; i < mvane::MaxConfigRows; ++i) {
    TesselRegistry config = SampleConfig(i);
    raw += config.ConfigName.size() + config.StoreRoot.size() + config.WabFileName.size() +
           config.AccountName.size() + config.SignatureFile.size() + config.SignatureText.size();
    model->Configs.Append(std::move(config));
  }
  const std::size_t used = mallinfo2().uordblks - before;
  std::printf("memory for 65,535 records with their caption index: %.1f MiB (raw string bytes: %.1f MiB, "
              "%.0f bytes a record against %.0f)\n",
              used / 1048576.0, raw / 1048576.0, double(used) / mvane::MaxConfigRows,
              double(raw) / mvane::MaxConfigRows);
}
#endif

#ifdef _WIN32
const wchar_t* const ListPath = L"Software\\Corvell\\MVANE\\1.0\\List";

void RawWrite(const mvane::MainModel& model) {
  RegDeleteTreeW(HKEY_CURRENT_USER, ListPath);
  for (int row = 0; row < model.Configs.Count(); ++row) {
    const TesselRegistry& c = model.Configs.Record(row);
    HKEY key;
    RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(ListPath) + L"\\" + mvane::Wide(mvane::EntryName(row))).c_str(),
                    0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    const auto number = [&](const wchar_t* name, DWORD value) {
      RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    };
    const auto text = [&](const wchar_t* name, const std::string& value) {
      const std::wstring wide = mvane::Wide(value);
      RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                     static_cast<DWORD>((wide.size() + 1) * 2));
    };
    number(L"Selected", c.Selected);
    text(L"Config Name", c.ConfigName);
    text(L"Store Root", c.StoreRoot);
    text(L"Wab File Name", c.WabFileName);
    text(L"Account Name", c.AccountName);
    text(L"Signature File", c.SignatureFile);
    text(L"Signature Text", c.SignatureText);
    number(L"Signature Type", c.SignatureType);
    number(L"Poll For Mail", c.PollForMail);
    number(L"Mail Check Sts", c.MailCheckSts);
    number(L"Signature Sts", c.SignatureSts);
    RegCloseKey(key);
  }
}

int RawRead() {
  HKEY list;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, ListPath, 0, KEY_READ, &list) != ERROR_SUCCESS) return 0;
  int entries = 0;
  wchar_t name[256];
  BYTE data[1024];
  for (DWORD index = 0;; ++index) {
    DWORD length = 256;
    if (RegEnumKeyExW(list, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    HKEY entry;
    if (RegOpenKeyExW(list, name, 0, KEY_READ, &entry) != ERROR_SUCCESS) continue;
    for (const wchar_t* value : {L"Selected", L"Config Name", L"Store Root", L"Wab File Name", L"Account Name",
                                 L"Signature File", L"Signature Text", L"Signature Type", L"Poll For Mail",
                                 L"Mail Check Sts", L"Signature Sts"}) {
      DWORD size = sizeof data;
      DWORD type;
      RegQueryValueExW(entry, value, nullptr, &type, data, &size);
    }
    RegCloseKey(entry);
    ++entries;
  }
  RegCloseKey(list);
  return entries;
}

void RegistryFigures() {
  mvane::Win32Hive hive;
  mvane::Win32FileSystem files;
  mvane::MainModel model;
  mvane::ReadSystemSettings(hive, model.SystemSettings);
  mvane::ReadAccountList(hive, model.Accounts);
  mvane::MainModel rows;
  for (int i = 0; i < mvane::MaxConfigRows; ++i) rows.Configs.Append(SampleConfig(i));

  RawWrite(rows);  // both measured saves replace a stored list of 65,535
  const double rawWrite = Seconds([&] { RawWrite(rows); });
  const double save = Seconds([&] { mvane::SaveConfigList(hive, rows); });
  std::printf("SaveConfigList of 65,535 rows over a stored list of 65,535: %.1f s; raw baseline "
              "(delete the old list, write the same values): %.1f s; ratio %.2f\n",
              save, rawWrite, save / rawWrite);
  int entries = 0;
  const double rawRead = Seconds([&] { entries = RawRead(); });
  const double load = Seconds([&] { mvane::LoadConfigList(hive, files, model); });
  std::printf("LoadConfigList of %d stored configurations: %.1f s (%d rows); raw baseline "
              "(enumerate, open, read the eleven values): %.1f s; ratio %.2f\n",
              entries, load, model.Configs.Count(), rawRead, load / rawRead);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Corvell");
}
#endif

}  // namespace

int main() {
#ifdef _WIN32
  RegistryFigures();
#else
  DefaultNameFigure();
  MemoryFigure();
#endif
  return 0;
}
