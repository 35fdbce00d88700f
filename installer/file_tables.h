// The game files that the installer replaces and restores, with their backups
// and the assets that replace them. Plain data, shared by Replace and Restore.
#pragma once
#include <array>

#include "assets/asset_id.h"

namespace orv {

// One replaced game file. Both paths are relative to the game folder and begin
// with a backslash; the backup lies beside the game file.
struct GameFileEntry {
  const char* gameFile;
  const char* backup;
  AssetId asset;
};

// Login screen under upimg: the backup swaps ".bmp" for ".back".
extern const std::array<GameFileEntry, 4> loginSkinFiles;
// Game interface under menu\Skins\default: the backup appends ".back".
extern const std::array<GameFileEntry, 19> interfaceFiles;

// The server list, replaced without a backup. The new list is written under the
// temporary name first and then moved over the old one in a single step.
inline constexpr const char* kServerListFile = "\\SERVER.INI";
inline constexpr const char* kServerListTemporary = "\\SERVER.INI.new";

}  // namespace orv
