#include "list/startup.h"

#include "settings/account_list.h"
#include "settings/config_store.h"

namespace mvane {

bool FormShow(RegistryHive& hive, FileSystem& files, MainModel& model, MessageSink& messages) {
  StatusWord status = ReadSystemSettings(hive, model.SystemSettings);
  if (status == 0) status = ReadAccountList(hive, model.Accounts);
  if (status == 0) status = LoadConfigList(hive, files, model);

  if (HasStatus(status, StatusStoredDataIncomplete)) model.AddCurrentSettingsRow(files);
  if (HasStatus(status, StatusAccountNotFound)) {
    messages.ShowMessage("いくつかのアカウントが存在しませんでした\n\n設定内容を確認してください", "アカウントの確認");
  }
  if (!model.SurplusConfigs.empty()) {
    messages.ShowMessage("保存されている設定が 65535 件を超えています\n\n一覧に表示できない " +
                             std::to_string(model.SurplusConfigs.size()) + " 件も削除されずに保存されます",
                         "設定の読み込み");
  }
  if (HasStatus(status, StatusMailClientMissing)) {
    messages.ShowMessage(
        "Outlook Express 4.x がインストールされていないか、Outlook Express 4.x が１度も使われていません"
        "\n\nこのプログラムは Outlook Express 4.x が使われていない環境ではご使用になれません",
        "レジストリ確認");
  } else {
    if (HasStatus(status, StatusAccountManagerMissing)) {
      messages.ShowMessage(
          "アカウントリストが見つかりません\n\nOutlook Express 4.x が正しくインストールされていない可能性があります",
          "レジストリ確認");
    }
    if (HasStatus(status, StatusAddressBookMissing)) {
      messages.ShowMessage(
          "アドレス帳が見つかりません\n\nOutlook Express 4.x が正しくインストールされていない可能性があります",
          "レジストリ確認");
    }
  }
  return HasStatus(status, StatusMailClientDataMissing);
}

}  // namespace mvane
