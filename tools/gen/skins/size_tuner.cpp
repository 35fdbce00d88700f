#include "size_tuner.h"

#include "skinlib/skin_file_encode.h"
#include "skinlib/skin_payload.h"

namespace orv::skingen {
namespace {

std::vector<uint8_t> encodeWith(const skin::Theme& theme, size_t filler, size_t random,
                                uint32_t seed) {
  return skin::encodeSkinFile(skin::writeSkinPayload(theme, {random, filler - random, seed}));
}

}  // namespace

std::vector<uint8_t> makeSkinFileOfSize(const skin::Theme& theme, SizeTarget target) {
  const size_t core = skin::payloadSizeWithoutFiller(theme) + skin::kSectionHeaderSize;
  if (core > target.payloadSize) return {};
  const size_t filler = target.payloadSize - core;
  // The file grows with the random share by about one byte per byte, in steps
  // that are sometimes two bytes: search per seed, then look around the spot.
  for (uint32_t seed = 1; seed <= 64; ++seed) {
    size_t lo = 0, hi = filler;
    while (lo < hi) {
      const size_t mid = (lo + hi) / 2;
      if (encodeWith(theme, filler, mid, seed).size() < target.fileSize) {
        lo = mid + 1;
      } else {
        hi = mid;
      }
    }
    for (size_t r = lo > 4 ? lo - 4 : 0; r <= lo + 4 && r <= filler; ++r) {
      std::vector<uint8_t> file = encodeWith(theme, filler, r, seed);
      if (file.size() == target.fileSize) return file;
    }
  }
  return {};
}

}  // namespace orv::skingen
