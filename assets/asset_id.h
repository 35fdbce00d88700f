// Names of the 35 assets that the program carries.
#pragma once

#include "assets/asset_list.h"

namespace orv {

enum class AssetId {
#define ORV_ASSET_ENUMERATOR(id, file) id,
  ORV_ASSET_LIST(ORV_ASSET_ENUMERATOR)
#undef ORV_ASSET_ENUMERATOR
};

#define ORV_ASSET_ONE(id, file) +1
inline constexpr int kAssetCount = 0 ORV_ASSET_LIST(ORV_ASSET_ONE);
#undef ORV_ASSET_ONE
static_assert(kAssetCount == 35, "the program carries 35 assets");

}  // namespace orv
