#include "assets/asset_store.h"

#include <cstddef>

// Start and end labels of each embedded file (embedded_assets.S).
extern "C" {
#define ORV_ASSET_LABELS(id, file)            \
  extern const std::uint8_t orv_asset_##id[]; \
  extern const std::uint8_t orv_asset_##id##_end[];
ORV_ASSET_LIST(ORV_ASSET_LABELS)
#undef ORV_ASSET_LABELS
}

namespace orv {

namespace {

struct Extent {
  const std::uint8_t* begin;
  const std::uint8_t* end;
};

// Indexed by AssetId: the list gives both their order.
const Extent kExtents[] = {
#define ORV_ASSET_EXTENT(id, file) {orv_asset_##id, orv_asset_##id##_end},
    ORV_ASSET_LIST(ORV_ASSET_EXTENT)
#undef ORV_ASSET_EXTENT
};
static_assert(sizeof kExtents / sizeof kExtents[0] == kAssetCount);

constexpr int kSkinCount = 10;
static_assert(static_cast<int>(AssetId::skin_10) - static_cast<int>(AssetId::skin_01) ==
                  kSkinCount - 1,
              "skin files are numbered in a row");

}  // namespace

AssetBytes AssetStore::lookup(AssetId id) noexcept {
  const Extent& e = kExtents[static_cast<std::size_t>(id)];
  return AssetBytes{e.begin, static_cast<std::uint32_t>(e.end - e.begin)};
}

AssetBytes AssetStore::skinFile(int number) noexcept {
  if (number < 1 || number > kSkinCount) return AssetBytes{};
  return lookup(static_cast<AssetId>(static_cast<int>(AssetId::skin_01) + number - 1));
}

}  // namespace orv
