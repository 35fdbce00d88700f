// The twenty bitmaps: layout rules, header fields, palettes and backgrounds.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "assets/tests/host/bmp_reader.h"
#include "assets/tests/test_files.h"

namespace orv::test {
namespace {

enum class Background { fullFrame, green, greenAtEdges, greenUnderAlpha };

struct BitmapCase {
  const char* id;
  int width, height, bits;
  std::uint32_t entries, entryField, offset, imageSize, pixelsPerMetre;
  Background background;
};

const BitmapCase kBitmaps[] = {
    {"main_img1", 640, 480, 24, 0, 0, 54, 921602, 2834, Background::fullFrame},
    {"main_img2", 960, 55, 24, 0, 0, 54, 158402, 2834, Background::green},
    {"btn_11", 40, 126, 8, 255, 255, 1074, 5042, 3779, Background::green},
    {"btn_12", 40, 126, 24, 0, 0, 54, 15122, 3779, Background::green},
    {"btn_13", 40, 126, 24, 0, 0, 54, 15122, 3779, Background::green},
    {"btn_14", 40, 126, 24, 0, 0, 54, 15122, 3779, Background::green},
    {"btn_15", 40, 126, 24, 0, 0, 54, 15122, 3779, Background::green},
    {"btn_16", 40, 126, 24, 0, 0, 54, 15122, 3779, Background::green},
    {"btn_17", 40, 126, 24, 0, 0, 54, 15122, 3779, Background::green},
    {"btn_18", 40, 126, 24, 0, 0, 54, 15122, 3779, Background::green},
    {"btn_background_2_c", 350, 55, 24, 0, 0, 54, 57862, 2834, Background::greenAtEdges},
    {"form_hotkey_v", 47, 261, 24, 0, 0, 54, 37586, 2834, Background::green},
    {"icon_loginlogo_1", 160, 76, 32, 0, 0, 54, 48642, 2834, Background::greenUnderAlpha},
    {"main_en", 101, 73, 24, 0, 0, 54, 22194, 2834, Background::green},
    {"main_en_100", 101, 73, 24, 0, 0, 54, 22194, 2834, Background::green},
    {"main_en_200", 101, 73, 24, 0, 0, 54, 22194, 2834, Background::green},
    {"main_en_300", 101, 73, 24, 0, 0, 54, 22194, 2834, Background::green},
    {"main_exp", 78, 7, 8, 66, 66, 318, 562, 2834, Background::fullFrame},
    {"main_hp", 78, 7, 8, 256, 0, 1078, 562, 2834, Background::fullFrame},
    {"main_sp", 78, 7, 8, 64, 64, 310, 562, 2834, Background::fullFrame},
    {"main_status_1", 214, 107, 24, 0, 0, 54, 68910, 2834, Background::green},
};

FileBytes load(const BitmapCase& c) {
  return readFile(std::string(ORV_GEN_DIR) + "/" + c.id + ".bmp");
}

TEST(Bitmaps, SizeFollowsTheLayoutRule) {
  for (const BitmapCase& c : kBitmaps) {
    SCOPED_TRACE(c.id);
    const FileBytes bytes = load(c);
    const std::uint32_t stride = (static_cast<std::uint32_t>(c.width * c.bits) + 31) / 32 * 4;
    EXPECT_EQ(bytes.size(), 54 + 4 * c.entries + stride * c.height + 2);
    EXPECT_EQ(c.imageSize, stride * c.height + 2);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[bytes.size() - 1], 0);
    EXPECT_EQ(bytes[bytes.size() - 2], 0);
  }
}

TEST(Bitmaps, HeaderFieldsAreThoseOfTheTable) {
  for (const BitmapCase& c : kBitmaps) {
    SCOPED_TRACE(c.id);
    const FileBytes bytes = load(c);
    ASSERT_GT(bytes.size(), 54u);
    BmpReader r(bytes);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 2), "BM");
    EXPECT_EQ(r.u32(2), bytes.size());
    EXPECT_EQ(r.u16(6), 0u);
    EXPECT_EQ(r.u16(8), 0u);
    EXPECT_EQ(r.offset(), c.offset);
    EXPECT_EQ(r.offset(), 54 + 4 * c.entries);
    EXPECT_EQ(r.u32(14), 40u);
    EXPECT_EQ(r.width(), c.width);
    EXPECT_EQ(r.height(), c.height);  // positive: bottom-up rows
    EXPECT_EQ(r.u16(26), 1u);
    EXPECT_EQ(r.bitsPerPixel(), c.bits);
    EXPECT_EQ(r.u32(30), 0u);
    EXPECT_EQ(r.u32(34), c.imageSize);
    EXPECT_EQ(r.u32(38), c.pixelsPerMetre);
    EXPECT_EQ(r.u32(42), c.pixelsPerMetre);
    EXPECT_EQ(r.u32(46), c.entryField);
    EXPECT_EQ(r.u32(50), c.entryField);
    for (std::uint32_t i = 0; i < r.paletteEntries(); ++i)
      EXPECT_EQ(r.paletteEntry(i).a, 0) << "entry " << i;
  }
}

TEST(Bitmaps, HpHasAFullPaletteUnderAFieldOfZero) {
  const FileBytes bytes = readFile(std::string(ORV_GEN_DIR) + "/main_hp.bmp");
  BmpReader r(bytes);
  EXPECT_EQ(r.u32(46), 0u);
  EXPECT_EQ(r.paletteEntries(), 256u);
}

TEST(Bitmaps, MenuButtonPaletteKeepsPureGreenAtEntry185) {
  const FileBytes bytes = readFile(std::string(ORV_GEN_DIR) + "/btn_11.bmp");
  BmpReader r(bytes);
  ASSERT_EQ(r.paletteEntries(), 255u);
  EXPECT_TRUE(r.paletteEntry(185).pureGreen());
  EXPECT_EQ(r.index(0, 0), 185);
  // Only the background uses the key entry.
  int keyed = 0;
  for (std::uint32_t i = 0; i < 255; ++i) keyed += r.paletteEntry(i).pureGreen();
  EXPECT_EQ(keyed, 1);
}

// Share of pure green pixels, and whether any lies further than `margin` from the edge.
struct GreenCount {
  double share;
  bool inland;
};
GreenCount countGreen(const BmpReader& r, int margin) {
  long green = 0;
  bool inland = false;
  for (int y = 0; y < r.height(); ++y)
    for (int x = 0; x < r.width(); ++x)
      if (r.pixel(x, y).pureGreen()) {
        ++green;
        if (x >= margin && y >= margin && x < r.width() - margin && y < r.height() - margin)
          inland = true;
      }
  return {static_cast<double>(green) / (r.width() * r.height()), inland};
}

TEST(Bitmaps, BackgroundsAreAsCatalogued) {
  for (const BitmapCase& c : kBitmaps) {
    SCOPED_TRACE(c.id);
    const FileBytes bytes = load(c);
    BmpReader r(bytes);
    const GreenCount g = countGreen(r, 3);
    const int w = c.width - 1, h = c.height - 1;
    const bool cornersGreen = r.pixel(0, 0).pureGreen() && r.pixel(w, 0).pureGreen() &&
                              r.pixel(0, h).pureGreen() && r.pixel(w, h).pureGreen();
    switch (c.background) {
      case Background::fullFrame:
        EXPECT_EQ(g.share, 0.0);
        break;
      case Background::green:
        EXPECT_TRUE(cornersGreen);
        EXPECT_GT(g.share, 0.1);
        EXPECT_LT(g.share, 0.9);  // there is a picture on it
        break;
      case Background::greenAtEdges:
        EXPECT_TRUE(cornersGreen);
        EXPECT_GT(g.share, 0.0);
        EXPECT_LT(g.share, 0.01);
        EXPECT_FALSE(g.inland);
        break;
      case Background::greenUnderAlpha:
        EXPECT_TRUE(cornersGreen);
        EXPECT_EQ(r.pixel(0, 0).a, 0);
        break;
    }
  }
}

TEST(Bitmaps, LogoAlphaIsStraightOverTheWholeRange) {
  const FileBytes bytes = readFile(std::string(ORV_GEN_DIR) + "/icon_loginlogo_1.bmp");
  BmpReader r(bytes);
  std::set<int> alphas;
  long clear = 0, clearGreen = 0, partialNotDarkened = 0;
  for (int y = 0; y < r.height(); ++y)
    for (int x = 0; x < r.width(); ++x) {
      Pixel p = r.pixel(x, y);
      alphas.insert(p.a);
      if (p.a == 0) ++clear, clearGreen += p.pureGreen();
      // Premultiplied colour could never exceed its alpha.
      if (p.a > 0 && p.a < 128 && std::max({p.r, p.g, p.b}) > p.a) ++partialNotDarkened;
    }
  EXPECT_EQ(*alphas.begin(), 0);
  EXPECT_EQ(*alphas.rbegin(), 255);
  EXPECT_GT(alphas.size(), 100u);
  ASSERT_GT(clear, 0);
  EXPECT_GT(static_cast<double>(clearGreen) / clear, 0.9);  // mostly pure green
  EXPECT_GT(partialNotDarkened, 0);
}

TEST(Bitmaps, MenuButtonsHoldThreeFacesStartingAtRows1And44And87) {
  for (const BitmapCase& c : kBitmaps) {
    const std::string id = c.id;
    if (id.rfind("btn_1", 0) != 0) continue;
    SCOPED_TRACE(id);
    const FileBytes bytes = load(c);
    BmpReader r(bytes);
    auto rowIsBackground = [&](int y) {
      for (int x = 0; x < r.width(); ++x)
        if (!r.pixel(x, y).pureGreen()) return false;
      return true;
    };
    for (int y = 0; y < 126; ++y) {
      const bool inFace = (y >= 1 && y < 40) || (y >= 44 && y < 83) || (y >= 87 && y < 126);
      EXPECT_EQ(rowIsBackground(y), !inFace) << "row " << y;
    }
  }
}

TEST(Bitmaps, LoginButtonsStayInsideTheir120PixelBands) {
  const FileBytes bytes = readFile(std::string(ORV_GEN_DIR) + "/main_img2.bmp");
  BmpReader r(bytes);
  for (int band = 0; band < 8; ++band) {
    SCOPED_TRACE(band);
    long drawn = 0;
    for (int y = 0; y < 55; ++y) {
      EXPECT_TRUE(r.pixel(band * 120, y).pureGreen());
      EXPECT_TRUE(r.pixel(band * 120 + 119, y).pureGreen());
      for (int x = band * 120; x < band * 120 + 120; ++x) drawn += !r.pixel(x, y).pureGreen();
    }
    EXPECT_GT(drawn, 120 * 55 / 2);
  }
}

}  // namespace
}  // namespace orv::test
