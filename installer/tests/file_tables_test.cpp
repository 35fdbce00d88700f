// The file tables: exact names and letter case, backup rules, assets.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "installer/file_tables.h"

namespace orv {
namespace {

std::string folderOf(const std::string& path) {
  return path.substr(0, path.rfind('\\') + 1);
}

TEST(FileTables, LoginSkinFilesInTheirOrderWithDotBackBackups) {
  struct Row {
    const char* game;
    const char* backup;
    AssetId asset;
  };
  const Row expected[] = {
      {"\\upimg\\Main_Img1c.bmp", "\\upimg\\Main_Img1c.back", AssetId::main_img1},
      {"\\upimg\\Main_Img1s.bmp", "\\upimg\\Main_Img1s.back", AssetId::main_img1},
      {"\\upimg\\Main_Img2C.bmp", "\\upimg\\Main_Img2C.back", AssetId::main_img2},
      {"\\upimg\\Main_Img2S.bmp", "\\upimg\\Main_Img2S.back", AssetId::main_img2},
  };
  ASSERT_EQ(loginSkinFiles.size(), std::size(expected));
  for (std::size_t i = 0; i < loginSkinFiles.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_STREQ(loginSkinFiles[i].gameFile, expected[i].game);
    EXPECT_STREQ(loginSkinFiles[i].backup, expected[i].backup);
    EXPECT_EQ(loginSkinFiles[i].asset, expected[i].asset);
  }
}

TEST(FileTables, InterfaceFilesInTheirOrderWithAppendedBackups) {
  struct Row {
    const char* name;
    AssetId asset;
  };
  const Row expected[] = {
      {"Btn_11.bmp", AssetId::btn_11},
      {"Btn_12.bmp", AssetId::btn_12},
      {"Btn_13.bmp", AssetId::btn_13},
      {"Btn_14.bmp", AssetId::btn_14},
      {"Btn_15.bmp", AssetId::btn_15},
      {"Btn_16.bmp", AssetId::btn_16},
      {"Btn_17.bmp", AssetId::btn_17},
      {"Btn_18.bmp", AssetId::btn_18},
      {"Btn_BackGround_2_c.bmp", AssetId::btn_background_2_c},
      {"Form_HotKey_V.bmp", AssetId::form_hotkey_v},
      {"Icon_LoginLogo_1.bmp", AssetId::icon_loginlogo_1},
      {"Main_En.bmp", AssetId::main_en},
      {"Main_En_100.bmp", AssetId::main_en_100},
      {"Main_En_200.bmp", AssetId::main_en_200},
      {"Main_En_300.bmp", AssetId::main_en_300},
      {"Main_Exp.bmp", AssetId::main_exp},
      {"Main_Hp.bmp", AssetId::main_hp},
      {"Main_Sp.bmp", AssetId::main_sp},
      {"main_Status_1.bmp", AssetId::main_status_1},
  };
  ASSERT_EQ(interfaceFiles.size(), std::size(expected));
  for (std::size_t i = 0; i < interfaceFiles.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    const std::string game = std::string("\\menu\\Skins\\default\\") + expected[i].name;
    EXPECT_EQ(interfaceFiles[i].gameFile, game);
    EXPECT_EQ(interfaceFiles[i].backup, game + ".back");
    EXPECT_EQ(interfaceFiles[i].asset, expected[i].asset);
  }
}

TEST(FileTables, AllTwentyThreeGameFilesAndBackupsAreDistinctAndSideBySide) {
  std::set<std::string> names;
  auto gather = [&names](const auto& table) {
    for (const GameFileEntry& entry : table) {
      EXPECT_EQ(folderOf(entry.gameFile), folderOf(entry.backup));
      EXPECT_EQ(entry.gameFile[0], '\\');
      names.insert(entry.gameFile);
      names.insert(entry.backup);
    }
  };
  gather(loginSkinFiles);
  gather(interfaceFiles);
  EXPECT_EQ(names.size(), 46u);
  EXPECT_EQ(names.count(kServerListFile), 0u);
  EXPECT_STREQ(kServerListFile, "\\SERVER.INI");
  EXPECT_EQ(folderOf(kServerListTemporary), "\\") << "the temporary list lies beside the list";
}

}  // namespace
}  // namespace orv
