// The tool's two icons: one 32x32 image each, with its AND mask.
#include <gtest/gtest.h>

#include <string>

#include "assets/tests/test_files.h"

namespace orv::test {
namespace {

struct IconCase {
  const char* file;
  int bits;
  std::uint32_t fileSize;
};

const IconCase kIcons[] = {{"window_icon.ico", 8, 2238}, {"program_icon.ico", 24, 3262}};

std::uint32_t le16(const FileBytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8);
}
std::uint32_t le32(const FileBytes& b, std::size_t at) {
  return le16(b, at) | (le16(b, at + 2) << 16);
}

TEST(WindowIcons, HoldOne32By32ImageWithItsMask) {
  for (const IconCase& c : kIcons) {
    SCOPED_TRACE(c.file);
    const FileBytes b = readFile(std::string(ORV_GEN_DIR) + "/" + c.file);
    ASSERT_EQ(b.size(), c.fileSize);
    EXPECT_EQ(le16(b, 0), 0u);
    EXPECT_EQ(le16(b, 2), 1u);  // an icon
    EXPECT_EQ(le16(b, 4), 1u);  // one image
    EXPECT_EQ(b[6], 32);
    EXPECT_EQ(b[7], 32);
    EXPECT_EQ(le16(b, 12), static_cast<std::uint32_t>(c.bits));
    const std::uint32_t imageBytes = le32(b, 14), at = le32(b, 18);
    EXPECT_EQ(at, 22u);
    EXPECT_EQ(at + imageBytes, b.size());
    // The image: BITMAPINFOHEADER of twice the height (colours, then mask).
    EXPECT_EQ(le32(b, at), 40u);
    EXPECT_EQ(le32(b, at + 4), 32u);
    EXPECT_EQ(le32(b, at + 8), 64u);
    EXPECT_EQ(le16(b, at + 14), static_cast<std::uint32_t>(c.bits));
    const std::uint32_t palette = c.bits == 8 ? 256 * 4 : 0;
    const std::uint32_t colours = 32 * 32 * c.bits / 8, mask = 32 * 4;
    EXPECT_EQ(imageBytes, 40 + palette + colours + mask);
    // Mask rows run bottom-up like the colours: a set bit is transparent.
    const std::size_t maskAt = at + 40 + palette + colours;
    auto transparent = [&](int x, int y) {
      const std::size_t row = maskAt + static_cast<std::size_t>(31 - y) * 4;
      return (b[row + x / 8] >> (7 - x % 8)) & 1;
    };
    EXPECT_TRUE(transparent(0, 0));
    EXPECT_TRUE(transparent(31, 31));
    EXPECT_FALSE(transparent(16, 16));
  }
}

}  // namespace
}  // namespace orv::test
