#include "game_directory.h"

#include "forms/form.h"
#include "services/dialog_services.h"
#include "ui/main_window.h"

namespace orv {
namespace {
constexpr const char* kBrowseTitle = "请选择Orvanta安装的文件夹";
constexpr const char* kAskForDirectory = "请选择Orvanta游戏目录!";
}  // namespace

std::string GameDirectory::text() const {
  return form_.text(ctl::kDirectoryEdit);
}

std::string GameDirectory::gamePath(const std::string& relative) const {
  return text() + relative;
}

bool GameDirectory::requireGameDirectory() {
  if (!text().empty()) return true;
  showMessage(kAskForDirectory);
  browse();
  return false;
}

void GameDirectory::browse() {
  const std::string folder = browseForFolder(kBrowseTitle);
  form_.setText(ctl::kDirectoryEdit, folder);
}

}  // namespace orv
