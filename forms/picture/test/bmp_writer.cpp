#include "forms/picture/test/bmp_writer.h"

namespace orv::test {

uint32_t bmpRowBytes(int width, int bitsPerPixel) {
  return (static_cast<uint32_t>(width) * static_cast<uint32_t>(bitsPerPixel) + 31) / 32 * 4;
}

void put16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
  bytes.at(offset) = static_cast<uint8_t>(value);
  bytes.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

void put32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

std::vector<uint8_t> writeBmp(const BmpOptions& options,
                              const std::function<uint32_t(int, int)>& pixel) {
  const uint32_t rowBytes = bmpRowBytes(options.width, options.bitsPerPixel);
  const uint32_t tables =
      static_cast<uint32_t>(options.palette.size()) * 4 + (options.compression == 3 ? 12 : 0);
  const uint32_t offset = 54 + tables;
  const uint32_t imageSize =
      rowBytes * static_cast<uint32_t>(options.height) + options.trailingBytes;
  std::vector<uint8_t> bytes(offset + imageSize, 0);

  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
  put32(bytes, 10, offset);
  put32(bytes, 14, 40);
  put32(bytes, 18, static_cast<uint32_t>(options.width));
  put32(bytes, 22, static_cast<uint32_t>(options.topDown ? -options.height : options.height));
  put16(bytes, 26, 1);
  put16(bytes, 28, static_cast<uint16_t>(options.bitsPerPixel));
  put32(bytes, 30, options.compression);
  put32(bytes, 34, imageSize);
  put32(bytes, 38, 2834);
  put32(bytes, 42, 2834);
  put32(bytes, 46, options.colorsUsedField);
  put32(bytes, 50, options.colorsUsedField);

  size_t at = 54;
  if (options.compression == 3) {
    for (uint32_t mask : options.masks) put32(bytes, at, mask), at += 4;
  }
  for (uint32_t rgb : options.palette) {
    bytes[at++] = static_cast<uint8_t>(rgb);
    bytes[at++] = static_cast<uint8_t>(rgb >> 8);
    bytes[at++] = static_cast<uint8_t>(rgb >> 16);
    bytes[at++] = 0;
  }

  for (int y = 0; y < options.height; ++y) {
    // Bottom-up files store the picture's last row first.
    const int stored = options.topDown ? y : options.height - 1 - y;
    uint8_t* row = bytes.data() + offset + size_t{rowBytes} * static_cast<size_t>(stored);
    for (int x = 0; x < options.width; ++x) {
      const uint32_t value = pixel(x, y);
      switch (options.bitsPerPixel) {
        case 1:
        case 4:
        case 8: {
          const int bits = options.bitsPerPixel;
          const int bitPos = x * bits;
          const int shift = 8 - bits - bitPos % 8;
          row[bitPos / 8] |= static_cast<uint8_t>((value & ((1u << bits) - 1)) << shift);
          break;
        }
        case 16:
          row[x * 2] = static_cast<uint8_t>(value);
          row[x * 2 + 1] = static_cast<uint8_t>(value >> 8);
          break;
        case 24:
          for (int c = 0; c < 3; ++c) row[x * 3 + c] = static_cast<uint8_t>(value >> (8 * c));
          break;
        case 32:
          for (int c = 0; c < 4; ++c) row[x * 4 + c] = static_cast<uint8_t>(value >> (8 * c));
          break;
      }
    }
  }
  return bytes;
}

}  // namespace orv::test
