#include "byte_reader.h"
#include "skinlib/crc32.h"
#include "skinlib/skin_payload.h"

#include <cstring>

namespace orv::skin {
namespace {

bool tagIs(const uint8_t* tag, const char* name) {
  return std::memcmp(tag, name, 4) == 0;
}

// Which parts a payload has supplied; each may come only once.
struct Seen {
  std::array<bool, kColorCount> colors{};
  std::array<bool, kMetricCount> metrics{};
  std::array<bool, kFontCount> fonts{};
  std::array<bool, kBitmapCount> bitmaps{};
  bool name = false;
};

template <size_t N>
bool markOnce(std::array<bool, N>& seen, uint16_t id, bool& known) {
  known = id < N;
  if (!known) return true;  // an id of a later version: skipped
  if (seen[id]) return false;
  seen[id] = true;
  return true;
}

template <size_t N>
bool allSeen(const std::array<bool, N>& seen) {
  for (bool b : seen)
    if (!b) return false;
  return true;
}

SkinResult readColors(ByteReader r, Theme& t, Seen& seen) {
  const uint16_t count = r.u16();
  if (!r.ok() || r.left() != size_t{count} * 6) return SkinResult::badPayload;
  for (uint16_t i = 0; i < count; ++i) {
    const uint16_t id = r.u16();
    const uint32_t rgb = r.u32();
    bool known = false;
    if (!markOnce(seen.colors, id, known) || rgb > 0xFFFFFF) return SkinResult::badPayload;
    if (known) t.colors[id] = rgb;
  }
  return SkinResult::ok;
}

SkinResult readMetrics(ByteReader r, Theme& t, Seen& seen) {
  const uint16_t count = r.u16();
  if (!r.ok() || r.left() != size_t{count} * 6) return SkinResult::badPayload;
  for (uint16_t i = 0; i < count; ++i) {
    const uint16_t id = r.u16();
    const int32_t value = r.i32();
    bool known = false;
    if (!markOnce(seen.metrics, id, known)) return SkinResult::badPayload;
    if (!known) continue;
    if (value < kMetricRanges[id].min || value > kMetricRanges[id].max) {
      return SkinResult::badPayload;
    }
    t.metrics[id] = value;
  }
  return SkinResult::ok;
}

SkinResult readFonts(ByteReader r, Theme& t, Seen& seen) {
  const uint16_t count = r.u16();
  for (uint16_t i = 0; i < count && r.ok(); ++i) {
    const uint16_t id = r.u16();
    const int16_t height = r.i16();
    const uint16_t weight = r.u16();
    const uint8_t length = r.u8();
    const uint8_t* face = r.bytes(length);
    if (!r.ok()) return SkinResult::badPayload;
    bool known = false;
    if (!markOnce(seen.fonts, id, known)) return SkinResult::badPayload;
    if (!known) continue;
    Font& f = t.fonts[id];
    if (length == 0 || std::memchr(face, 0, length) || height < -72 || height > 72 || height == 0 ||
        weight > 1000 || !f.face.assign(reinterpret_cast<const char*>(face), length)) {
      return SkinResult::badPayload;
    }
    f.height = height;
    f.weight = weight;
  }
  return r.ok() && r.left() == 0 ? SkinResult::ok : SkinResult::badPayload;
}

SkinResult readBitmap(ByteReader r, Theme& t, Seen& seen) {
  const uint16_t id = r.u16();
  const uint16_t width = r.u16();
  const uint16_t height = r.u16();
  const uint8_t states = r.u8();
  Margins slice;
  slice.left = r.u8();
  slice.top = r.u8();
  slice.right = r.u8();
  slice.bottom = r.u8();
  const uint8_t encoding = r.u8();
  if (!r.ok()) return SkinResult::badBitmap;
  bool known = false;
  if (!markOnce(seen.bitmaps, id, known)) return SkinResult::badPayload;
  if (!known) return SkinResult::ok;
  if (encoding != 0 || width == 0 || height == 0 || width > kMaxBitmapSide ||
      height > kMaxBitmapSide || states != kBitmapStates[id] || slice.left + slice.right > width ||
      slice.top + slice.bottom > height) {
    return SkinResult::badBitmap;
  }
  const size_t count = size_t{width} * height * states;
  if (r.left() != count * 4) return SkinResult::badBitmap;
  Bitmap b;
  b.width = width;
  b.height = height;
  b.states = states;
  b.slice = slice;
  b.pixels.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const uint32_t px = r.u32();
    const uint32_t a = px >> 24;
    // Premultiplied: no colour channel may exceed alpha.
    if (((px >> 16) & 0xFF) > a || ((px >> 8) & 0xFF) > a || (px & 0xFF) > a) {
      return SkinResult::badBitmap;
    }
    b.pixels[i] = px;
  }
  t.bitmaps[id] = std::move(b);
  return SkinResult::ok;
}

SkinResult readSection(const uint8_t* tag, ByteReader body, Theme& t, Seen& seen) {
  if (tagIs(tag, "COLR")) return readColors(body, t, seen);
  if (tagIs(tag, "METR")) return readMetrics(body, t, seen);
  if (tagIs(tag, "FONT")) return readFonts(body, t, seen);
  if (tagIs(tag, "BMAP")) return readBitmap(body, t, seen);
  if (tagIs(tag, "NAME")) {
    const size_t n = body.left();
    if (seen.name || !t.name.assign(reinterpret_cast<const char*>(body.position()), n)) {
      return SkinResult::badPayload;
    }
    seen.name = true;
  }
  return SkinResult::ok;  // FILL and unknown sections carry nothing we read
}

// Parts whose size the painters rely on.
bool sizesAgree(const Theme& t) {
  const int32_t bw = t.metric(MetricId::captionButtonWidth);
  const int32_t bh = t.metric(MetricId::captionButtonHeight);
  for (BitmapId id : {BitmapId::closeButton, BitmapId::maximizeButton, BitmapId::restoreButton,
                      BitmapId::minimizeButton}) {
    if (t.bitmap(id).width != bw || t.bitmap(id).height != bh) return false;
  }
  const Bitmap& radio = t.bitmap(BitmapId::radio);
  const int32_t rs = t.metric(MetricId::radioSize);
  return radio.width == rs && radio.height == rs;
}

}  // namespace

SkinResult parseSkinPayload(const uint8_t* data, size_t size, Theme& out) {
  if (!data || size < kPayloadHeaderSize) return SkinResult::badPayload;
  ByteReader r(data, size);
  const uint8_t* magic = r.bytes(4);
  if (std::memcmp(magic, kPayloadMagic, 4) != 0) return SkinResult::badPayload;
  if (r.u16() != kPayloadVersion) return SkinResult::badVersion;
  const uint16_t sections = r.u16();
  const uint32_t crc = r.u32();
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION  // lets a fuzzer's mutations reach the sections
  if (crc32(r.position(), r.left()) != crc) return SkinResult::checksumMismatch;
#else
  (void)crc;
#endif

  Theme t;
  Seen seen;
  for (uint16_t i = 0; i < sections; ++i) {
    const uint8_t* tag = r.bytes(4);
    const uint32_t length = r.u32();
    const uint8_t* body = r.bytes(length);
    if (!r.ok()) return SkinResult::badPayload;
    const SkinResult s = readSection(tag, ByteReader(body, length), t, seen);
    if (s != SkinResult::ok) return s;
  }
  if (r.left() != 0) return SkinResult::badPayload;
  if (!allSeen(seen.colors) || !allSeen(seen.metrics) || !allSeen(seen.fonts) ||
      !allSeen(seen.bitmaps)) {
    return SkinResult::missingPart;
  }
  if (!sizesAgree(t)) return SkinResult::badBitmap;
  out = std::move(t);
  return SkinResult::ok;
}

}  // namespace orv::skin
