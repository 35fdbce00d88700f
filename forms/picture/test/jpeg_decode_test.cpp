// JPEG pictures encoded here with libjpeg, shaped like the two previews.
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include "forms/picture/picture_decode.h"
#include "forms/picture/test/jpeg_writer.h"

namespace orv {
namespace {

using test::JpegOptions;
using test::Rgb;
using test::writeJpeg;

// Four flat quadrants: red, green / blue, white.
Rgb quadrant(int x, int y, int width, int height) {
  const bool right = x >= width / 2, lower = y >= height / 2;
  if (!lower) return right ? Rgb{0, 200, 0} : Rgb{220, 0, 0};
  return right ? Rgb{255, 255, 255} : Rgb{0, 0, 230};
}

void expectNear(const DecodedPicture& picture, int x, int y, Rgb want) {
  const uint8_t* p = picture.pixels.data() + size_t{picture.stride} * y + size_t(x) * 3;
  constexpr int kTolerance = 6;
  EXPECT_LE(std::abs(p[0] - want.blue), kTolerance) << "blue at " << x << "," << y;
  EXPECT_LE(std::abs(p[1] - want.green), kTolerance) << "green at " << x << "," << y;
  EXPECT_LE(std::abs(p[2] - want.red), kTolerance) << "red at " << x << "," << y;
}

struct PreviewShape {
  const char* name;
  int width, height;
  bool exif;
  int xDensity, yDensity;
};

class JpegPreviewTest : public ::testing::TestWithParam<PreviewShape> {};

TEST_P(JpegPreviewTest, DecodesToSizeAndColoursInBlueGreenRedOrder) {
  const PreviewShape& shape = GetParam();
  JpegOptions options{shape.width, shape.height};
  options.exif = shape.exif;
  options.xDensity = shape.xDensity, options.yDensity = shape.yDensity;
  const int w = shape.width, h = shape.height;
  const auto file = writeJpeg(options, [&](int x, int y) { return quadrant(x, y, w, h); });
  ASSERT_GE(file.size(), 4u);
  ASSERT_EQ(file[0], 0xFF);
  ASSERT_EQ(file[1], 0xD8);

  const auto picture = decodePicture(file.data(), file.size());
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, w);
  EXPECT_EQ(picture->height, h);
  EXPECT_EQ(picture->sourceBitsPerPixel, 24);
  EXPECT_EQ(picture->stride, uint32_t(w * 3 + 3) / 4 * 4);
  ASSERT_EQ(picture->pixels.size(), size_t{picture->stride} * h);
  // Quadrant centres, and the corners, which lie in partial blocks at these sizes.
  expectNear(*picture, w / 4, h / 4, {220, 0, 0});
  expectNear(*picture, 3 * w / 4, h / 4, {0, 200, 0});
  expectNear(*picture, w / 4, 3 * h / 4, {0, 0, 230});
  expectNear(*picture, 3 * w / 4, 3 * h / 4, {255, 255, 255});
  expectNear(*picture, 0, 0, {220, 0, 0});
  expectNear(*picture, w - 1, h - 1, {255, 255, 255});
}

INSTANTIATE_TEST_SUITE_P(
    Previews, JpegPreviewTest,
    ::testing::Values(PreviewShape{"interface_exif_density0", 802, 606, true, 0, 0},
                      PreviewShape{"server_list_96dpi", 804, 627, false, 96, 96}),
    [](const ::testing::TestParamInfo<PreviewShape>& info) {
      return std::string(info.param.name);
    });

// The Exif segment and the 0 x 0 density change nothing in the picture.
TEST(JpegDecode, ExifAndZeroDensityDecodeLikeThePlainFile) {
  auto gradient = [](int x, int y) {
    return Rgb{uint8_t(x), uint8_t(y * 2), uint8_t((x + y) / 2)};
  };
  JpegOptions plain{256, 120};
  JpegOptions exif = plain;
  exif.exif = true;
  exif.xDensity = exif.yDensity = 0;
  const auto a = writeJpeg(plain, gradient);
  const auto b = writeJpeg(exif, gradient);
  ASSERT_EQ(b.size(), a.size() + 2 + 209);  // the APP1 marker and its segment
  const auto pa = decodePicture(a.data(), a.size());
  const auto pb = decodePicture(b.data(), b.size());
  ASSERT_TRUE(pa && pb);
  EXPECT_EQ(pa->pixels, pb->pixels);
}

// Sizes smaller than one block, and one that is a single row of blocks cut short.
TEST(JpegDecode, TinyPicturesKeepTheirSize) {
  for (const auto& [w, h] : {std::pair{1, 1}, std::pair{3, 2}, std::pair{17, 3}}) {
    const auto file = writeJpeg({w, h}, [](int, int) { return Rgb{30, 140, 90}; });
    const auto picture = decodePicture(file.data(), file.size());
    ASSERT_TRUE(picture) << w << "x" << h;
    EXPECT_EQ(picture->width, w);
    EXPECT_EQ(picture->height, h);
    expectNear(*picture, w - 1, h - 1, {30, 140, 90});
  }
}

TEST(JpegDecode, GreyPictureFillsAllThreeChannels) {
  JpegOptions options{40, 30};
  options.grey = true;
  const auto file = writeJpeg(options, [](int x, int) {
    return Rgb{0, uint8_t(x < 20 ? 40 : 210), 0};
  });
  const auto picture = decodePicture(file.data(), file.size());
  ASSERT_TRUE(picture);
  expectNear(*picture, 5, 15, {40, 40, 40});
  expectNear(*picture, 35, 15, {210, 210, 210});
}

TEST(JpegDecode, ProgressivePictureDecodes) {
  JpegOptions options{120, 90};
  options.progressive = true;
  const auto file = writeJpeg(options, [](int x, int y) { return quadrant(x, y, 120, 90); });
  const auto picture = decodePicture(file.data(), file.size());
  ASSERT_TRUE(picture);
  expectNear(*picture, 30, 22, {220, 0, 0});
  expectNear(*picture, 90, 67, {255, 255, 255});
}

}  // namespace
}  // namespace orv
