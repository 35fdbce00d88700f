// The ten generated skin files: exact sizes, the fixed header, and a payload
// that decodes into ten different complete themes.
#include "skin_test_files.h"
#include "skinlib/skin_file.h"
#include "skinlib/skin_payload.h"

#include <gtest/gtest.h>

#include <set>

namespace orv::skin {
namespace {

struct Catalogued {
  size_t fileSize, payloadSize;
};
constexpr Catalogued kSizes[10] = {
    {11725, 312488}, {35969, 399396}, {42812, 399396},  {18204, 300884}, {39660, 474496},
    {35600, 325512}, {17482, 305212}, {45267, 1266788}, {13192, 175192}, {19774, 323876},
};

uint32_t u32At(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t{b[at + 3]} << 24);
}

class SkinFile : public testing::TestWithParam<int> {};

TEST_P(SkinFile, HasCataloguedSizesHeaderAndDecodes) {
  const int n = GetParam();
  const std::vector<uint8_t> file = test::readSkin(n);
  ASSERT_EQ(file.size(), kSizes[n - 1].fileSize) << test::skinPath(n);
  const uint8_t header[15] = {'.', 'S', 'H', 'E', 0, 3, 0, 0, 0, 0, 0x5D, 0, 0, 0x80, 0};
  EXPECT_TRUE(std::equal(header, header + 6, file.begin()));
  EXPECT_TRUE(std::equal(header + 10, header + 15, file.begin() + 10));
  EXPECT_EQ(u32At(file, 6), kSizes[n - 1].payloadSize);

  std::vector<uint8_t> payload;
  ASSERT_EQ(decodeSkinFile(file.data(), static_cast<int64_t>(file.size()), payload),
            SkinResult::ok);
  EXPECT_EQ(payload.size(), kSizes[n - 1].payloadSize);
  Theme theme;
  ASSERT_EQ(parseSkinPayload(payload.data(), payload.size(), theme), SkinResult::ok);
  for (size_t b = 0; b < kBitmapCount; ++b) {
    const Bitmap& bm = theme.bitmaps[b];
    EXPECT_EQ(bm.pixels.size(), size_t{bm.width} * bm.height * bm.states) << "bitmap " << b;
  }
}

INSTANTIATE_TEST_SUITE_P(AllTen, SkinFile, testing::Range(1, 11));

TEST(SkinFiles, TenDistinctThemes) {
  std::set<std::string> names;
  std::set<std::vector<uint32_t>> looks;
  for (int n = 1; n <= 10; ++n) {
    const std::vector<uint8_t> file = test::readSkin(n);
    Theme t;
    ASSERT_EQ(loadSkinFile(file.data(), static_cast<int64_t>(file.size()), t), SkinResult::ok);
    names.insert(std::string(t.name.view()));
    looks.insert(t.bitmap(BitmapId::frame).pixels);
    EXPECT_NE(t.color(ColorId::windowBack), t.color(ColorId::windowText)) << t.name.c_str();
  }
  EXPECT_EQ(names.size(), 10u);
  EXPECT_EQ(looks.size(), 10u);
}

}  // namespace
}  // namespace orv::skin
