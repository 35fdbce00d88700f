#include "outcome_rules.h"

namespace orv {

const char* replaceOutcomeText(SkinMode mode, bool allWritten) {
  switch (mode) {
    case SkinMode::loginSkin:
      return allWritten ? "登陆皮肤替换成功!" : "登陆皮肤替换失败!";
    case SkinMode::serverList:
      return allWritten ? "列表乱码修改成功!" : "列表乱码修改失败!";
    case SkinMode::gameInterface:
      break;
  }
  return allWritten ? "游戏皮肤替换成功!" : "游戏皮肤替换失败!";
}

RestoreOutcome restoreOutcome(std::size_t restorable, std::size_t restored) {
  if (restorable == 0) return RestoreOutcome::nothingToRestore;
  return restored == restorable ? RestoreOutcome::restored : RestoreOutcome::failed;
}

const char* restoreOutcomeText(RestoreOutcome outcome) {
  switch (outcome) {
    case RestoreOutcome::restored:
      return "界面还原成功!!";
    case RestoreOutcome::failed:
      return "界面还原失败!";
    case RestoreOutcome::nothingToRestore:
      break;
  }
  return "没有可还原的备份!";
}

}  // namespace orv
