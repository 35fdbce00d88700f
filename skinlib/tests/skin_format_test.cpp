// Bad skin data of every kind is rejected with its own result and leaves the
// caller's theme untouched; data of a later version that we can skip loads.
#include "skin_test_files.h"
#include "skinlib/crc32.h"
#include "skinlib/skin_file.h"
#include "skinlib/skin_file_encode.h"
#include "skinlib/skin_payload.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace orv::skin {
namespace {

using Bytes = std::vector<uint8_t>;

void putU32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t getU32(const Bytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t{b[at + 3]} << 24);
}

// Offset of the header of the `nth` section with this tag in a payload.
size_t sectionAt(const Bytes& p, const char* tag, int nth = 0) {
  for (size_t at = kPayloadHeaderSize; at + kSectionHeaderSize <= p.size();
       at += kSectionHeaderSize + getU32(p, at + 4)) {
    if (std::memcmp(&p[at], tag, 4) == 0 && nth-- == 0) return at;
  }
  ADD_FAILURE() << "no section " << tag;
  return 0;
}

void reseal(Bytes& p) {
  putU32(p, 8, crc32(p.data() + kPayloadHeaderSize, p.size() - kPayloadHeaderSize));
}

const Theme& baseTheme() {
  static const Theme theme = [] {
    const Bytes file = test::readSkin(3);
    Theme t;
    EXPECT_EQ(loadSkinFile(file.data(), static_cast<int64_t>(file.size()), t), SkinResult::ok);
    return t;
  }();
  return theme;
}

Bytes basePayload() {
  return writeSkinPayload(baseTheme(), {});
}

// A payload edited in place; `sealed` recomputes its checksum afterwards.
Bytes payloadFile(const std::function<void(Bytes&)>& edit, bool sealed = true) {
  Bytes p = basePayload();
  edit(p);
  if (sealed) reseal(p);
  return encodeSkinFile(p);
}

Bytes themeFile(const std::function<void(Theme&)>& edit) {
  Theme t = baseTheme();
  edit(t);
  return encodeSkinFile(writeSkinPayload(t, {}));
}

// The skin-3 file with some header bytes replaced.
Bytes headerFile(size_t at, std::initializer_list<uint8_t> bytes) {
  Bytes f = test::readSkin(3);
  std::copy(bytes.begin(), bytes.end(), f.begin() + at);
  return f;
}

struct Case {
  const char* what;
  std::function<Bytes()> make;
  SkinResult expected;
  int64_t lengthChange = 0;  // added to the buffer's real length
  bool nullBuffer = false;
};

const Case kCases[] = {
    {"null buffer", [] { return test::readSkin(3); }, SkinResult::nullBuffer, 0, true},
    {"length 0", [] { return test::readSkin(3); }, SkinResult::badLength, -42812},
    {"negative length", [] { return test::readSkin(3); }, SkinResult::badLength, -42812 - 7},
    {"shorter than the header", [] { return Bytes(14, '.'); }, SkinResult::badLength},
    {"wrong signature",
     [] {
       return headerFile(0, {'.', 'S', 'H', 'X'});
     },
     SkinResult::badSignature},
    {"wrong version",
     [] {
       return headerFile(4, {0, 4});
     },
     SkinResult::badVersion},
    {"other LZMA properties", [] { return headerFile(10, {0x5E}); }, SkinResult::badProperties},
    {"other dictionary size",
     [] {
       return headerFile(13, {0x00, 0x01});
     },
     SkinResult::badProperties},
    {"decompressed size 0",
     [] {
       return headerFile(6, {0, 0, 0, 0});
     },
     SkinResult::sizeOutOfRange},
    {"decompressed size over 16 MiB",
     [] {
       return headerFile(6, {1, 0, 0, 1});
     },
     SkinResult::sizeOutOfRange},
    {"decompressed size 4 GiB - 1",
     [] {
       return headerFile(6, {0xFF, 0xFF, 0xFF, 0xFF});
     },
     SkinResult::sizeOutOfRange},
    {"decompressed size one more than the stream holds",
     [] {
       return headerFile(6, {0x25, 0x18, 0x06, 0});
     },
     SkinResult::truncated},
    {"decompressed size one less than the stream holds",
     [] {
       return headerFile(6, {0x23, 0x18, 0x06, 0});
     },
     SkinResult::checksumMismatch},
    {"stream cut in half", [] { return test::readSkin(3); }, SkinResult::truncated, -21406},
    {"stream cut after the header", [] { return test::readSkin(3); }, SkinResult::truncated,
     -42812 + 15},
    {"stream not LZMA",
     [] {
       Bytes f = test::readSkin(3);
       std::fill(f.begin() + 15, f.end(), 0xFF);
       return f;
     },
     SkinResult::corruptStream},
    {"payload magic", [] { return payloadFile([](Bytes& p) { p[0] = 'X'; }); },
     SkinResult::badPayload},
    {"payload version 2", [] { return payloadFile([](Bytes& p) { p[4] = 2; }); },
     SkinResult::badVersion},
    {"payload checksum", [] { return payloadFile([](Bytes& p) { p[8] ^= 1; }, false); },
     SkinResult::checksumMismatch},
    {"altered pixel",
     [] { return payloadFile([](Bytes& p) { p[sectionAt(p, "BMAP") + 30] ^= 0x10; }, false); },
     SkinResult::checksumMismatch},
    {"section longer than the payload",
     [] { return payloadFile([](Bytes& p) { putU32(p, sectionAt(p, "COLR") + 4, 1u << 30); }); },
     SkinResult::badPayload},
    {"one section more than present", [] { return payloadFile([](Bytes& p) { p[6] += 1; }); },
     SkinResult::badPayload},
    {"missing bitmap",
     [] {
       return payloadFile([](Bytes& p) {
         const size_t at = sectionAt(p, "BMAP", 6);
         p.erase(p.begin() + at, p.begin() + at + kSectionHeaderSize + getU32(p, at + 4));
         p[6] -= 1;
       });
     },
     SkinResult::missingPart},
    {"bitmap width lies",
     [] { return payloadFile([](Bytes& p) { p[sectionAt(p, "BMAP") + 10] += 1; }); },
     SkinResult::badBitmap},
    {"bitmap height lies",
     [] {
       return payloadFile([](Bytes& p) {
         const size_t at = sectionAt(p, "BMAP", 2) + 12;
         p[at] = 0x60;
         p[at + 1] = 0xEA;
       });
     },
     SkinResult::badBitmap},
    {"bitmap state count lies",
     [] { return payloadFile([](Bytes& p) { p[sectionAt(p, "BMAP", 5) + 14] = 9; }); },
     SkinResult::badBitmap},
    {"bitmap slice wider than the bitmap",
     [] { return payloadFile([](Bytes& p) { p[sectionAt(p, "BMAP") + 15] = 200; }); },
     SkinResult::badBitmap},
    {"bitmap encoding unknown",
     [] { return payloadFile([](Bytes& p) { p[sectionAt(p, "BMAP") + 19] = 7; }); },
     SkinResult::badBitmap},
    {"pixel not premultiplied",
     [] {
       return themeFile([](Theme& t) { t.bitmap(BitmapId::pushButton).pixels[40] = 0x10FF0000; });
     },
     SkinResult::badBitmap},
    {"caption button of another size than its metric",
     [] { return themeFile([](Theme& t) { t.metric(MetricId::captionButtonWidth) += 1; }); },
     SkinResult::badBitmap},
    {"metric out of range",
     [] { return themeFile([](Theme& t) { t.metric(MetricId::captionHeight) = 500; }); },
     SkinResult::badPayload},
    {"empty font face",
     [] { return themeFile([](Theme& t) { t.font(FontId::caption).face = {}; }); },
     SkinResult::badPayload},
    {"colour with a high byte",
     [] { return themeFile([](Theme& t) { t.color(ColorId::windowBack) = 0xFF000000; }); },
     SkinResult::badPayload},
    {"colours given twice",
     [] {
       return payloadFile([](Bytes& p) {
         const size_t at = sectionAt(p, "COLR");
         const Bytes colours(p.begin() + at, p.begin() + at + 8 + getU32(p, at + 4));
         p.insert(p.end(), colours.begin(), colours.end());
         p[6] += 1;
       });
     },
     SkinResult::badPayload},
    {"unknown section of a later version",
     [] {
       return payloadFile([](Bytes& p) {
         const uint8_t extra[] = {'N', 'E', 'X', 'T', 3, 0, 0, 0, 1, 2, 3};
         p.insert(p.end(), extra, extra + sizeof extra);
         p[6] += 1;
       });
     },
     SkinResult::ok},
};

class BadSkin : public testing::TestWithParam<Case> {};

TEST_P(BadSkin, IsAnsweredWithItsResult) {
  const Case& c = GetParam();
  const Bytes file = c.make();
  ASSERT_FALSE(file.empty());
  Theme theme;
  theme.name.assign("untouched");
  const uint8_t* data = c.nullBuffer ? nullptr : file.data();
  const int64_t length = static_cast<int64_t>(file.size()) + c.lengthChange;
  // A copy of exactly `length` bytes lets the address sanitizer or a guard
  // page catch reads past the end.
  Bytes exact(data ? file.begin() : file.end(),
              data && length > 0 ? file.begin() + length : file.end());
  EXPECT_EQ(loadSkinFile(data ? exact.data() : nullptr, length, theme), c.expected) << c.what;
  if (c.expected != SkinResult::ok) {
    EXPECT_EQ(theme.name.view(), "untouched") << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, BadSkin, testing::ValuesIn(kCases));

TEST(SkinPayload, RoundTripsEveryPart) {
  const Theme& t = baseTheme();
  const Bytes p = writeSkinPayload(t, {1000, 5000, 7});
  EXPECT_EQ(p.size(), payloadSizeWithoutFiller(t) + kSectionHeaderSize + 6000);
  Theme back;
  ASSERT_EQ(parseSkinPayload(p.data(), p.size(), back), SkinResult::ok);
  EXPECT_EQ(back.name.view(), t.name.view());
  EXPECT_EQ(back.colors, t.colors);
  EXPECT_EQ(back.metrics, t.metrics);
  EXPECT_EQ(back.font(FontId::caption).face.view(), t.font(FontId::caption).face.view());
  for (size_t i = 0; i < kBitmapCount; ++i) EXPECT_EQ(back.bitmaps[i].pixels, t.bitmaps[i].pixels);
}

TEST(SkinPayload, EveryTruncationIsRejected) {
  const Bytes p = basePayload();
  Theme t;
  for (size_t n = 0; n < p.size(); n += 97) {
    const Bytes cut(p.begin(), p.begin() + n);
    EXPECT_NE(parseSkinPayload(cut.data(), cut.size(), t), SkinResult::ok) << n;
  }
}

}  // namespace
}  // namespace orv::skin
