// Decoding of the picture boxes' image bytes (Windows bitmap or JPEG) into
// rows that GDI draws directly. Pure code: no window functions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace orv {

// A decoded picture: top row first, 3 bytes per pixel in the order blue,
// green, red, each row padded with zeros to `stride` (a multiple of 4). This is
// the layout StretchDIBits takes with a 24-bit BITMAPINFOHEADER of negative height.
struct DecodedPicture {
  int width = 0, height = 0;
  int sourceBitsPerPixel = 0;   // of the file: 1, 4, 8, 16, 24, 32 for bitmaps; 24 for JPEG
  uint32_t stride = 0;          // bytes per row
  std::vector<uint8_t> pixels;  // stride * height bytes
};

// The largest pictures accepted. Headers that claim more are refused before
// anything is allocated.
constexpr int kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = int64_t{64} * 1024 * 1024;

// Decodes a complete image file held in memory; the kind is told by the first
// bytes: "BM" a Windows bitmap, FF D8 a JPEG. Returns nothing for bytes that
// do not decode (wrong signature, truncated data, sizes out of range, offsets
// outside the bytes, unsupported variants, corrupt JPEG data). Reads only
// inside [data, data + size) and throws nothing.
//
// Bitmaps: uncompressed (BI_RGB) 1, 4, 8, 16 (5-5-5), 24 and 32 bits per
// pixel, and BI_BITFIELDS at 16 and 32; alpha is dropped; rows bottom-up or
// top-down. A palette index beyond the palette's entries draws black.
// JPEG: anything libjpeg decodes to three colour channels (YCbCr, RGB or
// grey); CMYK is refused, and so is any data libjpeg warns about.
std::optional<DecodedPicture> decodePicture(const uint8_t* data, size_t size) noexcept;

// Fills a BITMAPINFOHEADER (or any struct with its member names) describing
// `picture` for StretchDIBits / SetDIBitsToDevice with DIB_RGB_COLORS.
template <class InfoHeader>
void fillBitmapInfoHeader(const DecodedPicture& picture, InfoHeader& header) {
  header = InfoHeader{};
  header.biSize = sizeof(InfoHeader);
  header.biWidth = picture.width;
  header.biHeight = -picture.height;  // negative: the rows are stored top-down
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = 0;  // BI_RGB
  header.biSizeImage = picture.stride * static_cast<uint32_t>(picture.height);
}

}  // namespace orv
