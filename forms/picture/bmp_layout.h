// The checked layout of a Windows bitmap file: sizes, row order, palette or
// colour masks, and where the pixel rows lie.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace orv::picture_internal {

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
struct ColourMask {
  uint32_t mask = 0;
  int shift = 0;  // lowest bit of the mask
  int bits = 0;   // from the lowest to the highest bit of the mask

  static ColourMask of(uint32_t mask);
  uint8_t extract(uint32_t pixel) const {
    if (bits == 0) return 0;
    const uint32_t value = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<uint8_t>(value >> (bits - 8));
    const uint32_t top = (uint32_t{1} << bits) - 1;
    return static_cast<uint8_t>((value * 255 + top / 2) / top);
  }
};

struct BmpLayout {
  int width = 0, height = 0;
  bool topDown = false;  // negative height in the file
  int bitsPerPixel = 0;
  size_t pixelOffset = 0;  // the first stored row
  size_t rowBytes = 0;     // stored bytes per row, padded to 4
  // Blue, green, red per index; indices past the file's palette stay black.
  std::array<uint8_t, 256 * 3> palette{};
  ColourMask red, green, blue;  // 16 and 32 bits per pixel
  bool plainBgr32 = false;      // 32 bits laid out blue, green, red, unused
};

// Checks the headers against the file's size; nothing when the bitmap is not
// one that the decoder reads or any part of it lies outside the bytes.
std::optional<BmpLayout> readBmpLayout(const uint8_t* data, size_t size);

}  // namespace orv::picture_internal
