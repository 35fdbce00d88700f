// Makes a skin file of an exact compressed and decompressed size by choosing
// how much of the payload's filler is incompressible.
#pragma once

#include "skinlib/skin_theme.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orv::skingen {

struct SizeTarget {
  size_t fileSize;
  size_t payloadSize;
};

// Empty when no filler split reaches both sizes.
std::vector<uint8_t> makeSkinFileOfSize(const skin::Theme& theme, SizeTarget target);

}  // namespace orv::skingen
