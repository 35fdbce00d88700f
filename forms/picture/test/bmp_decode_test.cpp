// Bitmap variants of the carried assets, and the other depths the decoder
// reads, decoded pixel by pixel against what was written.
#include <gtest/gtest.h>

#include <string>

#include "forms/picture/picture_decode.h"
#include "forms/picture/test/bmp_writer.h"

namespace orv {
namespace {

using test::BmpOptions;
using test::writeBmp;

// A palette whose entries differ in every channel.
std::vector<uint32_t> makePalette(int entries) {
  std::vector<uint32_t> palette;
  for (int i = 0; i < entries; ++i) {
    const uint32_t r = (i * 37 + 11) & 0xFF, g = (i * 91 + 5) & 0xFF, b = (i * 13 + 200) & 0xFF;
    palette.push_back(r << 16 | g << 8 | b);
  }
  return palette;
}

// Distinct values across the picture, so a swapped row or column shows.
uint32_t colourAt(int x, int y) {
  const uint32_t r = (x * 5 + y) & 0xFF, g = (y * 7 + 3) & 0xFF, b = (x * 3 + y * 11) & 0xFF;
  const uint32_t a = (x * 17 + y * 29) & 0xFF;  // alpha, for the 32-bit pictures
  return a << 24 | r << 16 | g << 8 | b;
}

struct Expected {
  uint8_t blue, green, red;
};

// What a correct decoder yields at (x, y) for a file written by writeBmp.
Expected expectedAt(const BmpOptions& options, int entries, uint32_t raw) {
  if (options.bitsPerPixel <= 8) {
    if (static_cast<int>(raw) >= entries) return {0, 0, 0};  // index past the palette: black
    const uint32_t rgb = options.palette[raw];
    return {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16)};
  }
  return {uint8_t(raw), uint8_t(raw >> 8), uint8_t(raw >> 16)};
}

struct Variant {
  std::string name;
  int width, height, bitsPerPixel;
  int paletteEntries;
  uint32_t colorsUsedField;
  bool topDown;
  size_t assetSize;  // the asset's size in bytes, 0 where no asset has this shape
};

class BmpVariantTest : public ::testing::TestWithParam<Variant> {};

TEST_P(BmpVariantTest, DecodesEveryPixelTopRowFirst) {
  const Variant& v = GetParam();
  BmpOptions options;
  options.width = v.width;
  options.height = v.height;
  options.bitsPerPixel = v.bitsPerPixel;
  options.topDown = v.topDown;
  options.palette = makePalette(v.paletteEntries);
  options.colorsUsedField = v.colorsUsedField;
  const int range = v.bitsPerPixel <= 8 ? 1 << v.bitsPerPixel : 0;
  auto raw = [&](int x, int y) {
    // Indexed pictures use every index the depth allows, also those past a short palette.
    return range ? static_cast<uint32_t>(x * 3 + y * 7) % range : colourAt(x, y);
  };
  const std::vector<uint8_t> file = writeBmp(options, raw);
  if (v.assetSize) {
    EXPECT_EQ(file.size(), v.assetSize);
  }

  const auto picture = decodePicture(file.data(), file.size());
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, v.width);
  EXPECT_EQ(picture->height, v.height);
  EXPECT_EQ(picture->sourceBitsPerPixel, v.bitsPerPixel);
  const uint32_t stride = (v.width * 3 + 3) / 4 * 4;
  ASSERT_EQ(picture->stride, stride);
  ASSERT_EQ(picture->pixels.size(), size_t{stride} * v.height);
  int wrong = 0;
  for (int y = 0; y < v.height; ++y) {
    const uint8_t* row = picture->pixels.data() + size_t{stride} * y;
    for (int x = 0; x < v.width; ++x) {
      const Expected e = expectedAt(options, v.paletteEntries, raw(x, y));
      const uint8_t* p = row + x * 3;
      if (p[0] != e.blue || p[1] != e.green || p[2] != e.red) {
        if (++wrong <= 5) ADD_FAILURE() << "pixel " << x << "," << y;
      }
    }
    for (uint32_t pad = v.width * 3; pad < stride; ++pad) EXPECT_EQ(row[pad], 0) << "row " << y;
  }
  EXPECT_EQ(wrong, 0);
}

// The shapes of the carried bitmaps first, with their sizes in bytes, then other depths.
INSTANTIATE_TEST_SUITE_P(
    Variants, BmpVariantTest,
    ::testing::Values(Variant{"main_exp_8bit_66", 78, 7, 8, 66, 66, false, 880},
                      Variant{"main_hp_8bit_field0_full", 78, 7, 8, 256, 0, false, 1640},
                      Variant{"main_sp_8bit_64", 78, 7, 8, 64, 64, false, 872},
                      Variant{"btn_11_8bit_255", 40, 126, 8, 255, 255, false, 6116},
                      Variant{"main_img1_24bit", 640, 480, 24, 0, 0, false, 921656},
                      Variant{"main_en_24bit_padded", 101, 73, 24, 0, 0, false, 22248},
                      Variant{"form_hotkey_v_24bit_padded", 47, 261, 24, 0, 0, false, 37640},
                      Variant{"main_status_1_24bit_padded", 214, 107, 24, 0, 0, false, 68964},
                      Variant{"width78_24bit_padded", 78, 7, 24, 0, 0, false, 0},
                      Variant{"icon_loginlogo_1_32bit_alpha", 160, 76, 32, 0, 0, false, 48696},
                      Variant{"topdown_8bit", 78, 7, 8, 66, 66, true, 0},
                      Variant{"topdown_24bit", 101, 73, 24, 0, 0, true, 0},
                      Variant{"topdown_32bit", 160, 76, 32, 0, 0, true, 0},
                      Variant{"one_bit_full", 37, 9, 1, 2, 0, false, 0},
                      Variant{"one_bit_one_entry", 37, 9, 1, 1, 1, true, 0},
                      Variant{"four_bit_short", 21, 5, 4, 10, 10, false, 0},
                      Variant{"four_bit_full", 22, 6, 4, 16, 0, false, 0},
                      Variant{"single_pixel_24bit", 1, 1, 24, 0, 0, false, 0}),
    [](const ::testing::TestParamInfo<Variant>& info) { return info.param.name; });

// A 3 x 2 bottom-up 24-bit bitmap written out by hand: rows of 9 bytes padded
// to 12, the bottom row first.
TEST(BmpDecode, HandWrittenBottomUpFileGivesTopRowFirst) {
  std::vector<uint8_t> file = {'B', 'M', 80, 0, 0, 0,  0, 0, 0, 0,    54,   0, 0, 0,  // file header
                               40,  0,   0,  0, 3, 0,  0, 0, 2, 0,    0,    0, 1, 0,    24,
                               0,   0,   0,  0, 0, 26, 0, 0, 0, 0x12, 0x0B, 0, 0, 0x12, 0x0B,
                               0,   0,   0,  0, 0, 0,  0, 0, 0, 0};
  const uint8_t bottom[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xEE, 0xEE, 0xEE};
  const uint8_t top[12] = {10, 11, 12, 13, 14, 15, 16, 17, 18, 0xEE, 0xEE, 0xEE};
  file.insert(file.end(), bottom, bottom + 12);
  file.insert(file.end(), top, top + 12);
  file.push_back(0), file.push_back(0);

  const auto picture = decodePicture(file.data(), file.size());
  ASSERT_TRUE(picture);
  const std::vector<uint8_t> want = {10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0,
                                     1,  2,  3,  4,  5,  6,  7,  8,  9,  0, 0, 0};
  EXPECT_EQ(picture->pixels, want);
}

TEST(BmpDecode, TheTwoTrailingBytesAreNotNeeded) {
  BmpOptions options{101, 73, 24};
  const auto withTail = writeBmp(options, colourAt);
  options.trailingBytes = 0;
  const auto withoutTail = writeBmp(options, colourAt);
  ASSERT_EQ(withTail.size(), withoutTail.size() + 2);
  const auto a = decodePicture(withTail.data(), withTail.size());
  const auto b = decodePicture(withoutTail.data(), withoutTail.size());
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->pixels, b->pixels);
}

// 16 bits as 5-5-5 (no masks) and 5-6-5 (BI_BITFIELDS), and 32 bits with
// masks in another order than the usual one.
struct MaskedCase {
  std::string name;
  int bitsPerPixel;
  uint32_t compression;
  std::array<uint32_t, 3> masks;  // red, green, blue
};

class BmpMaskedTest : public ::testing::TestWithParam<MaskedCase> {};

uint8_t scaled(uint32_t raw, uint32_t mask) {
  int shift = 0, bits = 0;
  while (!(mask >> shift & 1)) ++shift;
  while (mask >> (shift + bits) & 1) ++bits;
  const uint32_t value = (raw & mask) >> shift, top = (1u << bits) - 1;
  return bits >= 8 ? uint8_t(value >> (bits - 8)) : uint8_t((value * 255 + top / 2) / top);
}

TEST_P(BmpMaskedTest, ScalesEachChannelToEightBits) {
  const MaskedCase& c = GetParam();
  BmpOptions options{19, 5, c.bitsPerPixel};
  options.compression = c.compression;
  options.masks = c.masks;
  auto raw = [&](int x, int y) {
    const uint32_t v = static_cast<uint32_t>(x * 2654435761u ^ y * 40503u);
    return c.bitsPerPixel == 16 ? v & 0xFFFF : v;
  };
  const auto file = writeBmp(options, raw);
  const auto picture = decodePicture(file.data(), file.size());
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->sourceBitsPerPixel, c.bitsPerPixel);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 19; ++x) {
      const uint8_t* p = picture->pixels.data() + picture->stride * y + x * 3;
      const uint32_t v = raw(x, y);
      ASSERT_EQ(p[2], scaled(v, c.masks[0])) << x << "," << y;
      ASSERT_EQ(p[1], scaled(v, c.masks[1])) << x << "," << y;
      ASSERT_EQ(p[0], scaled(v, c.masks[2])) << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Masks, BmpMaskedTest,
    ::testing::Values(MaskedCase{"rgb555_plain", 16, 0, {0x7C00, 0x03E0, 0x001F}},
                      MaskedCase{"rgb565_bitfields", 16, 3, {0xF800, 0x07E0, 0x001F}},
                      MaskedCase{"bgr32_bitfields", 32, 3, {0x000000FF, 0x0000FF00, 0x00FF0000}},
                      MaskedCase{"rgb10_bitfields", 32, 3, {0x3FF00000, 0x000FFC00, 0x000003FF}}),
    [](const ::testing::TestParamInfo<MaskedCase>& info) { return info.param.name; });

TEST(BmpDecode, ThirtyTwoBitsDropAlphaWhateverItsValue) {
  BmpOptions options{4, 1, 32};
  const uint32_t pixels[4] = {0x00112233, 0x80112233, 0xFF112233, 0x7F445566};
  const auto file = writeBmp(options, [&](int x, int) { return pixels[x]; });
  const auto picture = decodePicture(file.data(), file.size());
  ASSERT_TRUE(picture);
  const std::vector<uint8_t> want = {0x33, 0x22, 0x11, 0x33, 0x22, 0x11,
                                     0x33, 0x22, 0x11, 0x66, 0x55, 0x44};
  EXPECT_EQ(picture->pixels, want);
}

}  // namespace
}  // namespace orv
