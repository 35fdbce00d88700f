// The read-only store of everything the program carries: pictures, the
// server list, the skin files and the skin library, inside its own image.
#pragma once

#include <cstdint>

#include "assets/asset_id.h"

namespace orv {

// A view of one asset's bytes, valid for the whole run; never freed.
struct AssetBytes {
  const std::uint8_t* data = nullptr;
  std::uint32_t size = 0;
  bool empty() const { return size == 0; }
};

// Stateless: the bytes are part of the program image. A lookup neither
// copies, decodes nor allocates.
class AssetStore {
 public:
  static AssetBytes lookup(AssetId id) noexcept;
  // Skin numbers 1 to 10 name skin_01 to skin_10; any other number gives an empty view.
  static AssetBytes skinFile(int number) noexcept;
};

}  // namespace orv
