#include "ico_file.h"

#include <cmath>
#include <stdexcept>

#include "palette.h"

namespace gen {

namespace {

std::uint8_t to8(float v) {
  return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255));
}

}  // namespace

Bytes encodeIcon(const Canvas& art, int bitsPerPixel, const std::string& id,
                 std::uint32_t expectedSize) {
  const int w = art.width(), h = art.height();
  if (w != 32 || h != 32) throw std::runtime_error(id + ": an icon picture must be 32x32");
  // Opaque colours; transparent pixels are stored black and masked out.
  auto colourAt = [&](int x, int y) {
    Color c = art.get(x, y);
    return c.a < 0.5f ? Rgb8{0, 0, 0} : Rgb8{to8(c.r), to8(c.g), to8(c.b)};
  };
  Bytes palette;
  std::vector<Rgb8> entries;
  if (bitsPerPixel == 8) {
    std::vector<Rgb8> colours;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) colours.push_back(colourAt(x, y));
    entries = medianCut(colours, 256);
    for (const Rgb8& e : entries)
      putU8(palette, e.b), putU8(palette, e.g), putU8(palette, e.r), putU8(palette, 0);
  }
  const std::uint32_t colourBytes = static_cast<std::uint32_t>(w * bitsPerPixel / 8 * h);
  const std::uint32_t maskBytes = 4 * static_cast<std::uint32_t>(h);  // 32 bits a row
  const std::uint32_t imageBytes =
      40 + static_cast<std::uint32_t>(palette.size()) + colourBytes + maskBytes;

  Bytes out;
  putLe16(out, 0), putLe16(out, 1), putLe16(out, 1);  // icon directory with one entry
  putU8(out, 32), putU8(out, 32), putU8(out, 0), putU8(out, 0);
  putLe16(out, 1), putLe16(out, static_cast<unsigned>(bitsPerPixel));
  putLe32(out, imageBytes), putLe32(out, 22);
  putLe32(out, 40), putLe32(out, 32), putLe32(out, 64);  // height counts colour and mask
  putLe16(out, 1), putLe16(out, static_cast<unsigned>(bitsPerPixel));
  putLe32(out, 0), putLe32(out, colourBytes + maskBytes);
  putLe32(out, 0), putLe32(out, 0), putLe32(out, 0), putLe32(out, 0);
  out.insert(out.end(), palette.begin(), palette.end());
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) {
      Rgb8 c = colourAt(x, y);
      if (bitsPerPixel == 8)
        putU8(out, static_cast<unsigned>(nearestEntry(entries, c)));
      else
        putU8(out, c.b), putU8(out, c.g), putU8(out, c.r);
    }
  for (int y = h - 1; y >= 0; --y) {
    std::uint32_t bits = 0;
    for (int x = 0; x < w; ++x)
      if (art.get(x, y).a < 0.5f) bits |= 0x80000000u >> x;
    putBe32(out, bits);  // leftmost pixel in the highest bit of the first byte
  }
  if (out.size() != expectedSize)
    throw std::runtime_error(id + ": would be " + std::to_string(out.size()) +
                             " bytes instead of " + std::to_string(expectedSize));
  return out;
}

}  // namespace gen
