#include "skinlib/crc32.h"
#include "skinlib/skin_payload.h"

#include <cstring>

namespace orv::skin {
namespace {

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}
  void u8(uint32_t v) { out_.push_back(static_cast<uint8_t>(v)); }
  void u16(uint32_t v) {
    u8(v);
    u8(v >> 8);
  }
  void u32(uint32_t v) {
    u16(v);
    u16(v >> 16);
  }
  void bytes(const void* p, size_t n) {
    const auto* b = static_cast<const uint8_t*>(p);
    out_.insert(out_.end(), b, b + n);
  }
  // Starts a section; finish() fills in its length.
  size_t begin(const char* tag) {
    bytes(tag, 4);
    u32(0);
    return out_.size();
  }
  void finish(size_t start) {
    const uint32_t length = static_cast<uint32_t>(out_.size() - start);
    for (int i = 0; i < 4; ++i) out_[start - 4 + i] = static_cast<uint8_t>(length >> (8 * i));
  }

 private:
  std::vector<uint8_t>& out_;
};

uint16_t writeTheme(ByteWriter& w, const Theme& t) {
  size_t s = w.begin("NAME");
  w.bytes(t.name.c_str(), t.name.size());
  w.finish(s);

  s = w.begin("COLR");
  w.u16(kColorCount);
  for (size_t i = 0; i < kColorCount; ++i) {
    w.u16(static_cast<uint32_t>(i));
    w.u32(t.colors[i]);
  }
  w.finish(s);

  s = w.begin("METR");
  w.u16(kMetricCount);
  for (size_t i = 0; i < kMetricCount; ++i) {
    w.u16(static_cast<uint32_t>(i));
    w.u32(static_cast<uint32_t>(t.metrics[i]));
  }
  w.finish(s);

  s = w.begin("FONT");
  w.u16(kFontCount);
  for (size_t i = 0; i < kFontCount; ++i) {
    const Font& f = t.fonts[i];
    w.u16(static_cast<uint32_t>(i));
    w.u16(static_cast<uint16_t>(f.height));
    w.u16(f.weight);
    w.u8(static_cast<uint32_t>(f.face.size()));
    w.bytes(f.face.c_str(), f.face.size());
  }
  w.finish(s);

  for (size_t i = 0; i < kBitmapCount; ++i) {
    const Bitmap& b = t.bitmaps[i];
    s = w.begin("BMAP");
    w.u16(static_cast<uint32_t>(i));
    w.u16(b.width);
    w.u16(b.height);
    w.u8(b.states);
    w.u8(b.slice.left);
    w.u8(b.slice.top);
    w.u8(b.slice.right);
    w.u8(b.slice.bottom);
    w.u8(0);  // raw premultiplied pixels
    for (uint32_t px : b.pixels) w.u32(px);
    w.finish(s);
  }
  return static_cast<uint16_t>(4 + kBitmapCount);
}

}  // namespace

std::vector<uint8_t> writeSkinPayload(const Theme& theme, const PayloadFiller& filler) {
  std::vector<uint8_t> out;
  ByteWriter w(out);
  w.bytes(kPayloadMagic, 4);
  w.u16(kPayloadVersion);
  w.u16(0);  // section count, set below
  w.u32(0);  // checksum, set below
  uint16_t sections = writeTheme(w, theme);
  if (filler.randomBytes + filler.zeroBytes > 0) {
    const size_t s = w.begin("FILL");
    uint32_t x = filler.seed ? filler.seed : 1;
    for (size_t i = 0; i < filler.randomBytes; ++i) {
      x ^= x << 13;  // xorshift32
      x ^= x >> 17;
      x ^= x << 5;
      out.push_back(static_cast<uint8_t>(x >> 24));
    }
    out.resize(out.size() + filler.zeroBytes, 0);
    w.finish(s);
    ++sections;
  }
  out[6] = static_cast<uint8_t>(sections);
  out[7] = static_cast<uint8_t>(sections >> 8);
  const uint32_t crc = crc32(out.data() + kPayloadHeaderSize, out.size() - kPayloadHeaderSize);
  for (int i = 0; i < 4; ++i) out[8 + i] = static_cast<uint8_t>(crc >> (8 * i));
  return out;
}

size_t payloadSizeWithoutFiller(const Theme& theme) {
  return writeSkinPayload(theme, PayloadFiller{}).size();
}

}  // namespace orv::skin
