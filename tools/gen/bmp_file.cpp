#include "bmp_file.h"

#include <cmath>
#include <stdexcept>

#include "palette.h"

namespace gen {

namespace {

std::uint8_t to8(float v) {
  return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255));
}
Rgb8 to8(Color c) {
  return Rgb8{to8(c.r), to8(c.g), to8(c.b)};
}

std::vector<std::uint8_t> indexedPixels(const Canvas& art, const BitmapForm& form, Bytes& palette) {
  std::vector<Rgb8> colours;
  for (int y = 0; y < art.height(); ++y)
    for (int x = 0; x < art.width(); ++x) {
      Color c = art.get(x, y);
      if (!(form.keyEntry >= 0 && isPureGreen(c))) colours.push_back(to8(c));
    }
  const bool keyed = form.keyEntry >= 0;
  std::vector<Rgb8> entries = medianCut(colours, form.paletteEntries - (keyed ? 1 : 0));
  if (keyed) entries.insert(entries.begin() + form.keyEntry, Rgb8{0, 255, 0});
  for (const Rgb8& e : entries)
    putU8(palette, e.b), putU8(palette, e.g), putU8(palette, e.r), putU8(palette, 0);
  std::vector<std::uint8_t> indices;
  for (int y = 0; y < art.height(); ++y)
    for (int x = 0; x < art.width(); ++x) {
      Color c = art.get(x, y);
      indices.push_back(static_cast<std::uint8_t>(
          keyed && isPureGreen(c) ? form.keyEntry : nearestEntry(entries, to8(c), form.keyEntry)));
    }
  return indices;
}

}  // namespace

Bytes encodeBitmap(const Canvas& art, const BitmapForm& form) {
  if (art.width() != form.width || art.height() != form.height)
    throw std::runtime_error(form.id + ": picture is " + std::to_string(art.width()) + "x" +
                             std::to_string(art.height()) + ", its form says " +
                             std::to_string(form.width) + "x" + std::to_string(form.height));
  const int bytesPerPixel = form.bitsPerPixel / 8;
  const std::uint32_t stride =
      (static_cast<std::uint32_t>(form.width * form.bitsPerPixel) + 31) / 32 * 4;
  const std::uint32_t imageSize = stride * form.height + 2;
  Bytes palette;
  std::vector<std::uint8_t> indices;
  if (form.bitsPerPixel == 8) indices = indexedPixels(art, form, palette);
  const std::uint32_t offset = 54 + static_cast<std::uint32_t>(palette.size());

  Bytes out;
  putText(out, "BM");
  putLe32(out, offset + imageSize);
  putLe16(out, 0), putLe16(out, 0);
  putLe32(out, offset);
  putLe32(out, 40);
  putLe32(out, static_cast<std::uint32_t>(form.width));
  putLe32(out, static_cast<std::uint32_t>(form.height));  // positive: bottom-up rows
  putLe16(out, 1);
  putLe16(out, static_cast<unsigned>(form.bitsPerPixel));
  putLe32(out, 0);
  putLe32(out, imageSize);
  putLe32(out, static_cast<std::uint32_t>(form.pixelsPerMetre));
  putLe32(out, static_cast<std::uint32_t>(form.pixelsPerMetre));
  putLe32(out, static_cast<std::uint32_t>(form.paletteField));
  putLe32(out, static_cast<std::uint32_t>(form.paletteField));
  out.insert(out.end(), palette.begin(), palette.end());
  for (int y = form.height - 1; y >= 0; --y) {
    const std::size_t rowStart = out.size();
    for (int x = 0; x < form.width; ++x) {
      if (bytesPerPixel == 1) {
        putU8(out, indices[static_cast<std::size_t>(y) * form.width + x]);
        continue;
      }
      Color c = art.get(x, y);
      putU8(out, to8(c.b)), putU8(out, to8(c.g)), putU8(out, to8(c.r));
      if (bytesPerPixel == 4) putU8(out, to8(c.a));
    }
    while (out.size() - rowStart < stride) putU8(out, 0);
  }
  putU8(out, 0), putU8(out, 0);

  if (out.size() != form.catalogueSize) {
    long diff = static_cast<long>(out.size()) - static_cast<long>(form.catalogueSize);
    throw std::runtime_error(form.id + ": would be " + std::to_string(out.size()) +
                             " bytes, the catalogue says " + std::to_string(form.catalogueSize) +
                             " (" + (diff > 0 ? "+" : "") + std::to_string(diff) + ")");
  }
  return out;
}

}  // namespace gen
