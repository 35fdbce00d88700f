// Builds Windows bitmap files laid out like the carried assets, for tests and
// benchmarks of the decoder.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace orv::test {

struct BmpOptions {
  int width = 0, height = 0;  // height as the picture has it; topDown stores it negated
  int bitsPerPixel = 24;      // 1, 4, 8, 16, 24 or 32
  bool topDown = false;
  std::vector<uint32_t> palette;  // 0x00RRGGBB, as many entries as the file holds
  uint32_t colorsUsedField = 0;   // written to colours-used and important-colours
  uint32_t compression = 0;       // 3 (BI_BITFIELDS) writes `masks` after the header
  std::array<uint32_t, 3> masks = {0x00FF0000, 0x0000FF00, 0x000000FF};  // red, green, blue
  int trailingBytes = 2;  // zero bytes after the last row, counted in the size fields
};

// Stored bytes per row for a width and depth: rounded up to 4.
uint32_t bmpRowBytes(int width, int bitsPerPixel);

// `pixel(x, y)` with y counted from the top row gives a palette index for 1 to
// 8 bits, the raw 16-bit value for 16 bits, and 0xAARRGGBB for 24 and 32 bits.
std::vector<uint8_t> writeBmp(const BmpOptions& options,
                              const std::function<uint32_t(int, int)>& pixel);

// Little-endian patching of a field in a built file.
void put16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value);
void put32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value);

}  // namespace orv::test
