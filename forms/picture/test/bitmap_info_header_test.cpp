// The header that describes a decoded picture to GDI; on Windows the picture
// is drawn through it into a bitmap of the same format and read back.
#include <gtest/gtest.h>

#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include <memory>
#include <type_traits>
#endif

#include "forms/picture/picture_decode.h"
#include "forms/picture/test/bmp_writer.h"

namespace orv {
namespace {

DecodedPicture samplePicture() {
  const auto file = test::writeBmp({101, 7, 24}, [](int x, int y) {
    return uint32_t(x * 2 + 1) << 16 | uint32_t(y * 30) << 8 | uint32_t(255 - x);
  });
  auto picture = decodePicture(file.data(), file.size());
  EXPECT_TRUE(picture);
  return picture ? *picture : DecodedPicture{};
}

// The members of BITMAPINFOHEADER, for the host, which has no windows.h.
struct InfoHeaderFields {
  uint32_t biSize;
  int32_t biWidth, biHeight;
  uint16_t biPlanes, biBitCount;
  uint32_t biCompression, biSizeImage;
  int32_t biXPelsPerMeter, biYPelsPerMeter;
  uint32_t biClrUsed, biClrImportant;
};

TEST(BitmapInfoHeader, DescribesTopDownTwentyFourBitRows) {
  const DecodedPicture picture = samplePicture();
  InfoHeaderFields header;
  std::memset(&header, 0x99, sizeof header);
  fillBitmapInfoHeader(picture, header);
  EXPECT_EQ(header.biSize, sizeof(InfoHeaderFields));
  EXPECT_EQ(header.biWidth, 101);
  EXPECT_EQ(header.biHeight, -7);
  EXPECT_EQ(header.biPlanes, 1);
  EXPECT_EQ(header.biBitCount, 24);
  EXPECT_EQ(header.biCompression, 0u);
  EXPECT_EQ(header.biSizeImage, 304u * 7);
  EXPECT_EQ(header.biSizeImage, picture.pixels.size());
  EXPECT_EQ(header.biXPelsPerMeter, 0);  // everything else cleared
  EXPECT_EQ(header.biClrUsed, 0u);
  EXPECT_EQ(header.biClrImportant, 0u);
}

#ifdef _WIN32
struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using DcHandle = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, ObjectDeleter>;

class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

TEST(BitmapInfoHeader, GdiDrawsThePixelsUnchanged) {
  const DecodedPicture picture = samplePicture();
  BITMAPINFO info{};
  fillBitmapInfoHeader(picture, info.bmiHeader);
  ASSERT_EQ(info.bmiHeader.biSize, sizeof(BITMAPINFOHEADER));

  DcHandle dc(CreateCompatibleDC(nullptr));
  ASSERT_TRUE(dc);
  void* bits = nullptr;
  BitmapHandle target(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_TRUE(target && bits);
  std::memset(bits, 0x5A, picture.pixels.size());
  {
    const Selection selected(dc.get(), target.get());
    const int rows =
        SetDIBitsToDevice(dc.get(), 0, 0, picture.width, picture.height, 0, 0, 0, picture.height,
                          picture.pixels.data(), &info, DIB_RGB_COLORS);
    EXPECT_EQ(rows, picture.height);
    GdiFlush();
  }
  const auto* drawn = static_cast<const uint8_t*>(bits);
  for (int y = 0; y < picture.height; ++y) {
    const size_t at = size_t{picture.stride} * y;
    ASSERT_EQ(std::memcmp(drawn + at, picture.pixels.data() + at, size_t(picture.width) * 3), 0)
        << "row " << y;
  }
}
#endif

}  // namespace
}  // namespace orv
