// Reads back the fields and pixels of a generated bitmap, independently of
// the generator that wrote it.
#pragma once

#include <cstdint>
#include <vector>

namespace orv::test {

struct Pixel {
  int r, g, b, a;
  bool pureGreen() const { return r == 0 && g == 255 && b == 0; }
};

class BmpReader {
 public:
  explicit BmpReader(const std::vector<std::uint8_t>& bytes) : b_(bytes) {}
  std::uint32_t u16(std::size_t at) const { return b_[at] | (b_[at + 1] << 8); }
  std::uint32_t u32(std::size_t at) const { return u16(at) | (u16(at + 2) << 16); }
  std::int32_t width() const { return static_cast<std::int32_t>(u32(18)); }
  std::int32_t height() const { return static_cast<std::int32_t>(u32(22)); }
  int bitsPerPixel() const { return static_cast<int>(u16(28)); }
  std::uint32_t offset() const { return u32(10); }
  std::uint32_t stride() const {
    return (static_cast<std::uint32_t>(width() * bitsPerPixel()) + 31) / 32 * 4;
  }
  // Entries between the headers and the pixels.
  std::uint32_t paletteEntries() const { return (offset() - 54) / 4; }
  Pixel paletteEntry(std::uint32_t i) const {
    const std::size_t at = 54 + 4 * i;
    return Pixel{b_[at + 2], b_[at + 1], b_[at], b_[at + 3]};
  }
  // Row 0 is the top of the picture, stored last.
  int index(int x, int y) const { return b_[rowStart(y) + x]; }
  Pixel pixel(int x, int y) const {
    if (bitsPerPixel() == 8) return paletteEntry(static_cast<std::uint32_t>(index(x, y)));
    const std::size_t at = rowStart(y) + static_cast<std::size_t>(x) * bitsPerPixel() / 8;
    return Pixel{b_[at + 2], b_[at + 1], b_[at], bitsPerPixel() == 32 ? b_[at + 3] : 255};
  }

 private:
  std::size_t rowStart(int y) const {
    return offset() + static_cast<std::size_t>(height() - 1 - y) * stride();
  }
  const std::vector<std::uint8_t>& b_;
};

}  // namespace orv::test
