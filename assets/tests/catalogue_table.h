// What the catalogue promises of each carried asset: its exact size (0 where
// the size follows the picture's content) and the signature it begins with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assets/asset_id.h"

namespace orv::test {

struct CatalogueEntry {
  AssetId id;
  std::uint32_t size;
  std::string signature;
};

inline const char* assetName(AssetId id) {
  switch (id) {
#define ORV_ASSET_NAME_CASE(name, file) \
  case AssetId::name:                   \
    return #name;
    ORV_ASSET_LIST(ORV_ASSET_NAME_CASE)
#undef ORV_ASSET_NAME_CASE
  }
  return "";
}

// The file each asset is made from, as the asset list names it.
inline const char* assetFile(AssetId id) {
  switch (id) {
#define ORV_ASSET_FILE_CASE(name, file) \
  case AssetId::name:                   \
    return file;
    ORV_ASSET_LIST(ORV_ASSET_FILE_CASE)
#undef ORV_ASSET_FILE_CASE
  }
  return "";
}

inline std::vector<CatalogueEntry> catalogue() {
  const std::string bmp = "BM", jpeg = "\xFF\xD8\xFF", skin = ".SHE", dll = "MZ";
  return {
      {AssetId::main_img1, 921656, bmp},     {AssetId::main_img2, 158456, bmp},
      {AssetId::server_ini, 499, ""},        {AssetId::btn_11, 6116, bmp},
      {AssetId::btn_12, 15176, bmp},         {AssetId::btn_13, 15176, bmp},
      {AssetId::btn_14, 15176, bmp},         {AssetId::btn_15, 15176, bmp},
      {AssetId::btn_16, 15176, bmp},         {AssetId::btn_17, 15176, bmp},
      {AssetId::btn_18, 15176, bmp},         {AssetId::btn_background_2_c, 57916, bmp},
      {AssetId::form_hotkey_v, 37640, bmp},  {AssetId::icon_loginlogo_1, 48696, bmp},
      {AssetId::main_en, 22248, bmp},        {AssetId::main_en_100, 22248, bmp},
      {AssetId::main_en_200, 22248, bmp},    {AssetId::main_en_300, 22248, bmp},
      {AssetId::main_exp, 880, bmp},         {AssetId::main_hp, 1640, bmp},
      {AssetId::main_sp, 872, bmp},          {AssetId::main_status_1, 68964, bmp},
      {AssetId::preview_interface, 0, jpeg}, {AssetId::preview_server_list, 0, jpeg},
      {AssetId::skin_01, 11725, skin},       {AssetId::skin_02, 35969, skin},
      {AssetId::skin_03, 42812, skin},       {AssetId::skin_04, 18204, skin},
      {AssetId::skin_05, 39660, skin},       {AssetId::skin_06, 35600, skin},
      {AssetId::skin_07, 17482, skin},       {AssetId::skin_08, 45267, skin},
      {AssetId::skin_09, 13192, skin},       {AssetId::skin_10, 19774, skin},
      {AssetId::skin_library, 88576, dll},
  };
}

}  // namespace orv::test
