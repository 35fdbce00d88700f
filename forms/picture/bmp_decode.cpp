#include "forms/picture/bmp_decode.h"

#include <cstring>

#include "forms/picture/bmp_layout.h"
#include "forms/picture/picture_buffer.h"

namespace orv::picture_internal {
namespace {

void putColour(uint8_t* out, const uint8_t* bgr) {
  out[0] = bgr[0];
  out[1] = bgr[1];
  out[2] = bgr[2];
}

// 1, 4 or 8 bits per pixel, the leftmost pixel in the highest bits of a byte.
void convertIndexedRow(const BmpLayout& layout, const uint8_t* in, uint8_t* out) {
  const int bits = layout.bitsPerPixel;
  const int perByte = 8 / bits;
  const unsigned indexMask = (1u << bits) - 1;
  for (int x = 0; x < layout.width; ++x, out += 3) {
    const int shift = (perByte - 1 - x % perByte) * bits;
    const unsigned index = in[x / perByte] >> shift & indexMask;
    putColour(out, &layout.palette[index * 3]);
  }
}

void convertMaskedRow(const BmpLayout& layout, const uint8_t* in, uint8_t* out) {
  const bool wide = layout.bitsPerPixel == 32;
  for (int x = 0; x < layout.width; ++x, out += 3) {
    uint32_t pixel = static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8;
    if (wide) pixel |= static_cast<uint32_t>(in[2]) << 16 | static_cast<uint32_t>(in[3]) << 24;
    in += wide ? 4 : 2;
    out[0] = layout.blue.extract(pixel);
    out[1] = layout.green.extract(pixel);
    out[2] = layout.red.extract(pixel);
  }
}

void convertBgr32Row(int width, const uint8_t* in, uint8_t* out) {
  for (int x = 0; x < width; ++x, in += 4, out += 3) putColour(out, in);
}

void convertRow(const BmpLayout& layout, const uint8_t* in, uint8_t* out) {
  switch (layout.bitsPerPixel) {
    case 24:
      std::memcpy(out, in, static_cast<size_t>(layout.width) * 3);
      break;
    case 32:
      if (layout.plainBgr32) {
        convertBgr32Row(layout.width, in, out);
      } else {
        convertMaskedRow(layout, in, out);
      }
      break;
    case 16:
      convertMaskedRow(layout, in, out);
      break;
    default:
      convertIndexedRow(layout, in, out);
      break;
  }
}

}  // namespace

std::optional<DecodedPicture> decodeBmp(const uint8_t* data, size_t size) {
  const std::optional<BmpLayout> layout = readBmpLayout(data, size);
  if (!layout) return std::nullopt;
  DecodedPicture picture = blankPicture(layout->width, layout->height, layout->bitsPerPixel);
  const uint8_t* rows = data + layout->pixelOffset;
  for (int y = 0; y < layout->height; ++y) {
    const int stored = layout->topDown ? y : layout->height - 1 - y;
    convertRow(*layout, rows + static_cast<size_t>(stored) * layout->rowBytes,
               picture.pixels.data() + static_cast<size_t>(y) * picture.stride);
  }
  return picture;
}

}  // namespace orv::picture_internal
