// Bytes that must not decode: each gives nothing, without a crash or a read
// outside the bytes (the fuzzer and the AddressSanitizer build check the latter).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "forms/picture/picture_decode.h"
#include "forms/picture/test/bmp_writer.h"
#include "forms/picture/test/jpeg_writer.h"

namespace orv {
namespace {

using Bytes = std::vector<uint8_t>;
using test::put16;
using test::put32;

Bytes indexedBmp() {  // 78 x 7, 8 bits, 66 palette entries: pixels at 318
  test::BmpOptions options{78, 7, 8};
  options.palette.assign(66, 0x123456);
  options.colorsUsedField = 66;
  return test::writeBmp(options, [](int x, int y) { return uint32_t(x + y) % 66; });
}

Bytes trueColourBmp() {  // 101 x 73, 24 bits: pixels at 54, 304 bytes a row
  return test::writeBmp({101, 73, 24}, [](int x, int y) { return uint32_t(x * 977 + y * 13); });
}

Bytes smallJpeg() {
  return test::writeJpeg({64, 48}, [](int x, int y) {
    return test::Rgb{uint8_t(x * 4), uint8_t(y * 5), uint8_t(x + y)};
  });
}

// Offset of the first marker FF `code`: C0 the baseline frame header, DA the scan.
size_t markerAt(const Bytes& jpeg, uint8_t code) {
  for (size_t i = 2; i + 1 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == code) return i;
  }
  ADD_FAILURE() << "no marker " << int(code);
  return 0;
}

Bytes withJpegSize(uint16_t width, uint16_t height) {
  Bytes jpeg = smallJpeg();
  const size_t sof = markerAt(jpeg, 0xC0);
  jpeg.at(sof + 5) = uint8_t(height >> 8), jpeg.at(sof + 6) = uint8_t(height);
  jpeg.at(sof + 7) = uint8_t(width >> 8), jpeg.at(sof + 8) = uint8_t(width);
  return jpeg;
}

Bytes patched32(Bytes bytes, size_t offset, uint32_t value) {
  put32(bytes, offset, value);
  return bytes;
}

Bytes patched16(Bytes bytes, size_t offset, uint16_t value) {
  put16(bytes, offset, value);
  return bytes;
}

Bytes cut(Bytes bytes, size_t keep) {
  bytes.resize(keep);
  return bytes;
}

struct CorruptCase {
  std::string name;
  std::function<Bytes()> make;
};

std::vector<CorruptCase> corruptCases() {
  const Bytes bmp = indexedBmp();
  const Bytes bmp24 = trueColourBmp();
  const size_t pixelEnd24 = 54 + 304 * 73;
  return {
      {"empty", [] { return Bytes{}; }},
      {"one_byte", [] { return Bytes{'B'}; }},
      {"bm_only",
       [] {
         return Bytes{'B', 'M'};
       }},
      {"wrong_signature", [=] { return patched16(bmp24, 0, 0x4142); }},
      {"gif_signature", [] { return Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}; }},
      {"truncated_file_header", [=] { return cut(bmp24, 10); }},
      {"truncated_info_header", [=] { return cut(bmp24, 30); }},
      {"truncated_palette", [=] { return cut(bmp, 54 + 4 * 40); }},
      {"truncated_pixels_by_one_byte", [=] { return cut(bmp24, pixelEnd24 - 1); }},
      {"truncated_pixels_by_half", [=] { return cut(bmp24, pixelEnd24 / 2); }},
      {"offset_beyond_end", [=] { return patched32(bmp24, 10, uint32_t(bmp24.size() + 10)); }},
      {"offset_leaves_too_few_rows", [=] { return patched32(bmp24, 10, 54 + 304); }},
      {"offset_into_header", [=] { return patched32(bmp24, 10, 20); }},
      {"offset_into_palette", [=] { return patched32(bmp, 10, 54 + 4 * 10); }},
      {"offset_huge", [=] { return patched32(bmp24, 10, 0xFFFFFFF0u); }},
      {"width_zero", [=] { return patched32(bmp24, 18, 0); }},
      {"height_zero", [=] { return patched32(bmp24, 22, 0); }},
      {"width_negative", [=] { return patched32(bmp24, 18, uint32_t(-101)); }},
      {"height_most_negative", [=] { return patched32(bmp24, 22, 0x80000000u); }},
      {"size_100000_square", [=] { return patched32(patched32(bmp24, 18, 100000), 22, 100000); }},
      {"width_over_limit", [=] { return patched32(patched32(bmp24, 18, 16385), 22, 1); }},
      {"pixels_over_budget", [=] { return patched32(patched32(bmp24, 18, 16384), 22, 4097); }},
      {"width_claims_more_than_the_data", [=] { return patched32(bmp24, 18, 102 + 4); }},
      {"bit_depth_7", [=] { return patched16(bmp24, 28, 7); }},
      {"bit_depth_0", [=] { return patched16(bmp24, 28, 0); }},
      {"bit_depth_48", [=] { return patched16(bmp24, 28, 48); }},
      {"planes_0", [=] { return patched16(bmp24, 26, 0); }},
      {"compression_rle8", [=] { return patched32(bmp, 30, 1); }},
      {"compression_rle4", [=] { return patched32(bmp, 30, 2); }},
      {"compression_jpeg", [=] { return patched32(bmp24, 30, 4); }},
      {"bitfields_on_24_bits", [=] { return patched32(bmp24, 30, 3); }},
      {"bitfields_on_8_bits", [=] { return patched32(bmp, 30, 3); }},
      {"palette_larger_than_depth", [=] { return patched32(bmp, 46, 257); }},
      {"colours_used_huge", [=] { return patched32(bmp, 46, 0xFFFFFFFFu); }},
      {"core_header_size_12", [=] { return patched32(bmp24, 14, 12); }},
      {"header_size_odd", [=] { return patched32(bmp24, 14, 41); }},
      {"header_size_beyond_end", [=] { return patched32(cut(bmp24, 100), 14, 124); }},
      {"jpeg_soi_only",
       [] {
         return Bytes{0xFF, 0xD8};
       }},
      {"jpeg_truncated_in_header", [] { return cut(smallJpeg(), 100); }},
      {"jpeg_truncated_in_scan",
       [] {
         const Bytes jpeg = smallJpeg();
         return cut(jpeg, jpeg.size() / 2 + 200);
       }},
      {"jpeg_without_end_marker",
       [] {
         const Bytes jpeg = smallJpeg();
         return cut(jpeg, jpeg.size() - 2);
       }},
      {"jpeg_garbage_after_soi",
       [] {
         Bytes bytes{0xFF, 0xD8};
         for (int i = 0; i < 4000; ++i) bytes.push_back(uint8_t(i * 73 + (i >> 3)));
         return bytes;
       }},
      {"jpeg_claims_65535_square", [] { return withJpegSize(65535, 65535); }},
      {"jpeg_claims_20000_square", [] { return withJpegSize(20000, 20000); }},
      {"jpeg_claims_16385_wide", [] { return withJpegSize(16385, 48); }},
      {"jpeg_height_zero", [] { return withJpegSize(64, 0); }},
      {"jpeg_scan_cut_short_by_end_marker",
       [] {
         // The entropy data stops halfway and the end marker follows at once.
         Bytes jpeg = smallJpeg();
         const size_t scan = markerAt(jpeg, 0xDA);
         jpeg.resize(scan + (jpeg.size() - scan) / 2);
         jpeg.push_back(0xFF), jpeg.push_back(0xD9);
         return jpeg;
       }},
  };
}

TEST(CorruptPicture, NoneOfTheTableDecodes) {
  for (const CorruptCase& c : corruptCases()) {
    const Bytes bytes = c.make();
    // An exact-size copy, so a read past the end is a heap overflow under ASan.
    const auto exact = std::make_unique<uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), exact.get());
    EXPECT_FALSE(decodePicture(bytes.empty() ? nullptr : bytes.data(), bytes.size())) << c.name;
    EXPECT_FALSE(decodePicture(exact.get(), bytes.size())) << c.name;
  }
}

TEST(CorruptPicture, TheUncutFixturesDoDecode) {
  // The table's damage, not its base pictures, is what makes those cases fail.
  for (const Bytes& good : {indexedBmp(), trueColourBmp(), smallJpeg()}) {
    EXPECT_TRUE(decodePicture(good.data(), good.size()));
  }
}

TEST(CorruptPicture, NullDataDecodesToNothing) {
  EXPECT_FALSE(decodePicture(nullptr, 0));
  EXPECT_FALSE(decodePicture(nullptr, 1000));
}

// Every prefix of a bitmap that stops inside its rows fails; once all rows
// are there it decodes, whatever follows.
TEST(CorruptPicture, BitmapPrefixesDecodeOnlyWithAllRows) {
  const Bytes bmp = indexedBmp();
  const size_t pixelEnd = 318 + 80 * 7;
  for (size_t keep = 0; keep <= bmp.size(); ++keep) {
    const bool decodes = decodePicture(bmp.data(), keep).has_value();
    ASSERT_EQ(decodes, keep >= pixelEnd) << "prefix of " << keep << " bytes";
  }
}

// A JPEG cut anywhere, even just before its end marker, does not decode.
TEST(CorruptPicture, EveryJpegPrefixFails) {
  const Bytes jpeg = smallJpeg();
  for (size_t keep = 0; keep < jpeg.size(); ++keep) {
    ASSERT_FALSE(decodePicture(jpeg.data(), keep)) << "prefix of " << keep << " bytes";
  }
  EXPECT_TRUE(decodePicture(jpeg.data(), jpeg.size()));
}

}  // namespace
}  // namespace orv
