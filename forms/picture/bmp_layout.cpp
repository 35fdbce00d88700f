#include "forms/picture/bmp_layout.h"

#include "forms/picture/byte_reader.h"
#include "forms/picture/picture_buffer.h"

namespace orv::picture_internal {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER; the later forms start alike
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

bool knownInfoHeaderSize(uint32_t size) {
  // BITMAPINFOHEADER, its V2 and V3 extensions, BITMAPV4HEADER, BITMAPV5HEADER.
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool readPalette(const ByteReader& reader, const uint8_t* data, size_t start, uint32_t colorsUsed,
                 BmpLayout& layout, size_t& tableEnd) {
  const uint32_t full = uint32_t{1} << layout.bitsPerPixel;
  const uint32_t entries = colorsUsed == 0 ? full : colorsUsed;
  if (entries > full || !reader.has(start, size_t{entries} * 4)) return false;
  for (uint32_t i = 0; i < entries; ++i) {
    const uint8_t* entry = data + start + size_t{i} * 4;  // blue, green, red, unused
    layout.palette[i * 3 + 0] = entry[0];
    layout.palette[i * 3 + 1] = entry[1];
    layout.palette[i * 3 + 2] = entry[2];
  }
  tableEnd = start + size_t{entries} * 4;
  return true;
}

bool readMasks(const ByteReader& reader, uint32_t infoSize, uint32_t compression, BmpLayout& layout,
               size_t& tableEnd) {
  uint32_t red = 0, green = 0, blue = 0;
  if (compression == kBiBitfields) {
    // The three masks follow a 40-byte header and are part of the longer ones;
    // either way they start right after the first 40 bytes.
    const size_t at = kFileHeaderSize + kInfoHeaderSize;
    if (!reader.u32(at, red) || !reader.u32(at + 4, green) || !reader.u32(at + 8, blue)) {
      return false;
    }
    if (infoSize == kInfoHeaderSize) tableEnd = at + 12;
  } else if (layout.bitsPerPixel == 16) {
    red = 0x7C00, green = 0x03E0, blue = 0x001F;
  } else {
    red = 0x00FF0000, green = 0x0000FF00, blue = 0x000000FF;
  }
  layout.red = ColourMask::of(red);
  layout.green = ColourMask::of(green);
  layout.blue = ColourMask::of(blue);
  layout.plainBgr32 =
      layout.bitsPerPixel == 32 && red == 0x00FF0000 && green == 0x0000FF00 && blue == 0x000000FF;
  return true;
}

}  // namespace

ColourMask ColourMask::of(uint32_t mask) {
  ColourMask channel;
  if (mask == 0) return channel;
  channel.mask = mask;
  while (!(mask >> channel.shift & 1)) ++channel.shift;
  int top = 31;
  while (!(mask >> top & 1)) --top;
  channel.bits = top - channel.shift + 1;
  return channel;
}

std::optional<BmpLayout> readBmpLayout(const uint8_t* data, size_t size) {
  const ByteReader reader(data, size);
  if (size < 2 || data[0] != 'B' || data[1] != 'M') return std::nullopt;
  uint32_t pixelOffset = 0, infoSize = 0, compression = 0, colorsUsed = 0;
  int32_t width = 0, height = 0;
  uint16_t planes = 0, bitsPerPixel = 0;
  if (!reader.u32(10, pixelOffset) || !reader.u32(14, infoSize) || !reader.i32(18, width) ||
      !reader.i32(22, height) || !reader.u16(26, planes) || !reader.u16(28, bitsPerPixel) ||
      !reader.u32(30, compression) || !reader.u32(46, colorsUsed)) {
    return std::nullopt;
  }
  if (!knownInfoHeaderSize(infoSize) || !reader.has(kFileHeaderSize, infoSize)) return std::nullopt;
  const int64_t rows = height < 0 ? -int64_t{height} : int64_t{height};
  if (planes != 1 || !pictureSizeAllowed(width, rows)) return std::nullopt;

  BmpLayout layout;
  layout.width = width;
  layout.height = static_cast<int>(rows);
  layout.topDown = height < 0;
  layout.bitsPerPixel = bitsPerPixel;
  size_t tableEnd = kFileHeaderSize + infoSize;
  switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
      if (compression != kBiRgb ||
          !readPalette(reader, data, tableEnd, colorsUsed, layout, tableEnd)) {
        return std::nullopt;
      }
      break;
    case 24:
      if (compression != kBiRgb) return std::nullopt;
      break;
    case 16:
    case 32:
      if (compression != kBiRgb && compression != kBiBitfields) return std::nullopt;
      if (!readMasks(reader, infoSize, compression, layout, tableEnd)) return std::nullopt;
      break;
    default:
      return std::nullopt;
  }

  // The rows start after the headers and tables, and all of them are present;
  // whatever follows them (such as two padding bytes) is ignored.
  layout.rowBytes = (static_cast<size_t>(width) * bitsPerPixel + 31) / 32 * 4;
  layout.pixelOffset = pixelOffset;
  if (layout.pixelOffset < tableEnd ||
      !reader.has(layout.pixelOffset, layout.rowBytes * static_cast<size_t>(rows))) {
    return std::nullopt;
  }
  return layout;
}

}  // namespace orv::picture_internal
