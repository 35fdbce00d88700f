// The two JPEG previews: their segment layout read back marker by marker,
// and a full decode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "assets/tests/host/jpeg_segments.h"
#include "assets/tests/test_files.h"

namespace orv::test {
namespace {

struct JpegCase {
  const char* file;
  int width, height;
  int units, xDensity, yDensity;
  bool exif;
};

const JpegCase kPreviews[] = {
    {"preview_interface.jpg", 802, 606, 1, 0, 0, true},
    {"preview_server_list.jpg", 804, 627, 1, 96, 96, false},
};

unsigned be16(const std::uint8_t* p) {
  return (p[0] << 8) | p[1];
}

std::vector<int> markers(const std::vector<Segment>& s) {
  std::vector<int> m;
  for (const Segment& x : s) m.push_back(x.marker);
  return m;
}

// Orientation and the link to a second directory, read from the Exif block.
struct ExifFacts {
  bool valid = false;
  int orientation = -1;
  std::uint32_t nextDirectory = 1;
};

ExifFacts readExif(const Segment& s) {
  ExifFacts f;
  const std::uint8_t* p = s.body;
  const std::size_t n = s.length - 2;
  if (n < 14 || std::string(p, p + 6) != std::string("Exif\0\0", 6)) return f;
  const std::uint8_t* t = p + 6;
  const bool little = t[0] == 'I' && t[1] == 'I';
  auto u16 = [&](std::size_t at) {
    return little ? t[at] | (t[at + 1] << 8) : (t[at] << 8) | t[at + 1];
  };
  auto u32 = [&](std::size_t at) {
    return little ? static_cast<std::uint32_t>(u16(at) | (u16(at + 2) << 16))
                  : static_cast<std::uint32_t>((u16(at) << 16) | u16(at + 2));
  };
  if (u16(2) != 42) return f;
  const std::size_t ifd = u32(4);
  const std::size_t count = u16(ifd);
  if (ifd + 2 + count * 12 + 4 > n - 6) return f;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t e = ifd + 2 + i * 12;
    if (u16(e) == 0x0112) f.orientation = u16(e + 8);
  }
  f.nextDirectory = u32(ifd + 2 + count * 12);
  f.valid = true;
  return f;
}

// SOF1 to SOF15: extended, progressive, lossless or arithmetic frames.
bool isOtherFrameType(int m) {
  return m >= 0xC1 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

TEST(Previews, SegmentsAreLaidOutAsCatalogued) {
  for (const JpegCase& c : kPreviews) {
    SCOPED_TRACE(c.file);
    const FileBytes bytes = readFile(std::string(ORV_GEN_DIR) + "/" + c.file);
    const std::vector<Segment> s = walkSegments(bytes);
    ASSERT_GE(s.size(), 6u);
    EXPECT_EQ(s.front().marker, 0xD8);
    EXPECT_EQ(s.front().at, 0u);
    EXPECT_EQ(s.back().marker, 0xD9);
    EXPECT_EQ(s.back().at, bytes.size() - 2);  // EOI is the last two bytes

    // JFIF APP0, version 1.01, with the catalogued density.
    const Segment& app0 = s[1];
    ASSERT_EQ(app0.marker, 0xE0);
    ASSERT_GE(app0.length, 16u);
    EXPECT_EQ(std::string(app0.body, app0.body + 5), std::string("JFIF\0", 5));
    EXPECT_EQ(app0.body[5], 1);
    EXPECT_EQ(app0.body[6], 1);
    EXPECT_EQ(app0.body[7], c.units);
    EXPECT_EQ(static_cast<int>(be16(app0.body + 8)), c.xDensity);
    EXPECT_EQ(static_cast<int>(be16(app0.body + 10)), c.yDensity);

    // What stands between APP0 and the frame header.
    std::size_t i = 2;
    if (c.exif) {
      ASSERT_EQ(s[i].marker, 0xE1);
      EXPECT_EQ(s[i].length, 209u);
      ExifFacts exif = readExif(s[i]);
      EXPECT_TRUE(exif.valid);
      EXPECT_EQ(exif.orientation, 1);
      EXPECT_EQ(exif.nextDirectory, 0u);  // no thumbnail directory
      ++i;
    }
    int tables = 0;
    for (; i < s.size() && s[i].marker == 0xDB; ++i)
      for (std::size_t p = 0; p < s[i].length - 2; p += 1 + ((s[i].body[p] >> 4) ? 128 : 64))
        ++tables;
    EXPECT_EQ(tables, 2);
    ASSERT_LT(i, s.size());
    const Segment& frame = s[i];
    ASSERT_EQ(frame.marker, 0xC0);  // baseline sequential, Huffman
    EXPECT_EQ(frame.body[0], 8);
    EXPECT_EQ(static_cast<int>(be16(frame.body + 1)), c.height);
    EXPECT_EQ(static_cast<int>(be16(frame.body + 3)), c.width);
    ASSERT_EQ(frame.body[5], 3);
    EXPECT_EQ(frame.body[7], 0x22);
    EXPECT_EQ(frame.body[10], 0x11);
    EXPECT_EQ(frame.body[13], 0x11);

    const std::vector<int> all = markers(s);
    EXPECT_EQ(std::count(all.begin(), all.end(), 0xDA), 1);  // one scan
    EXPECT_EQ(std::count(all.begin(), all.end(), 0xDD), 0);  // no restart interval
    for (int m : all) EXPECT_FALSE(isOtherFrameType(m)) << "frame type " << m;
    const Segment& scan = s[s.size() - 2];
    EXPECT_EQ(scan.marker, 0xDA);
    EXPECT_EQ(scan.body[0], 3);  // interleaved: all three components
  }
}

struct Decoded {
  int width = 0, height = 0, components = 0;
  long warnings = -1;
};

Decoded decode(const FileBytes& bytes) {
  Decoded d;
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK) {
    jpeg_start_decompress(&info);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(info.output_width) * info.output_components);
    while (info.output_scanline < info.output_height) {
      JSAMPROW rows[1] = {row.data()};
      jpeg_read_scanlines(&info, rows, 1);
    }
    d = {static_cast<int>(info.output_width), static_cast<int>(info.output_height),
         info.output_components, errors.num_warnings};
    jpeg_finish_decompress(&info);
  }
  jpeg_destroy_decompress(&info);
  return d;
}

TEST(Previews, DecodeWithoutWarnings) {
  for (const JpegCase& c : kPreviews) {
    SCOPED_TRACE(c.file);
    Decoded d = decode(readFile(std::string(ORV_GEN_DIR) + "/" + c.file));
    EXPECT_EQ(d.width, c.width);
    EXPECT_EQ(d.height, c.height);
    EXPECT_EQ(d.components, 3);
    EXPECT_EQ(d.warnings, 0);
  }
}

TEST(Banner, IsABaselinePictureOfTheBannerBoxSize) {
  const FileBytes bytes = readFile(std::string(ORV_GEN_DIR) + "/banner.jpg");
  const std::vector<Segment> s = walkSegments(bytes);
  ASSERT_FALSE(s.empty());
  const std::vector<int> all = markers(s);
  EXPECT_EQ(std::count(all.begin(), all.end(), 0xC0), 1);
  for (int m : all) EXPECT_FALSE(isOtherFrameType(m));
  Decoded d = decode(bytes);
  EXPECT_EQ(d.width, 563);
  EXPECT_EQ(d.height, 135);
  EXPECT_EQ(d.warnings, 0);
}

}  // namespace
}  // namespace orv::test
