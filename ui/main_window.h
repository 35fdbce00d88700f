// The main window of the tool: its description and the names of its controls.
#pragma once
#include <functional>

#include "forms/form_description.h"

namespace orv {

// Control names, as code addresses them.
namespace ctl {
inline constexpr const char* kDirectoryEdit = "编辑框1";
inline constexpr const char* kDirectoryPrompt = "透明标签1";
inline constexpr const char* kBrowseButton = "按钮1";
inline constexpr const char* kPreviewGroup = "分组框1";
inline constexpr const char* kLoginSkinRadio = "单选框1";
inline constexpr const char* kInterfaceRadio = "单选框2";
inline constexpr const char* kServerListRadio = "单选框3";
inline constexpr const char* kReplaceButton = "按钮2";
inline constexpr const char* kRestoreButton = "按钮3";
inline constexpr const char* kPreviewBox = "图片框1";
inline constexpr const char* kStatusLabel = "透明标签2";
inline constexpr const char* kBannerBox = "图片框2";
inline constexpr const char* kHomeLink = "简单超文本框1";
}  // namespace ctl

// What the window's events run; the window itself holds no logic.
struct MainWindowHandlers {
  std::function<void()> created;
  std::function<void()> browse;
  std::function<void()> replace;
  std::function<void()> restore;
  std::function<void()> loginSkinChosen;
  std::function<void()> interfaceChosen;
  std::function<void()> serverListChosen;
};

WindowDescription mainWindowDescription(const MainWindowHandlers& handlers);

}  // namespace orv
