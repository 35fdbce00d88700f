// The decompressed payload of a skin file: a versioned container of tagged
// sections (name, colours, metrics, fonts, one section per bitmap, filler).
//
//   "OSKP"  u16 version  u16 sectionCount  u32 crc32 of every byte that follows
//   sectionCount x { char tag[4]; u32 length; u8 data[length]; }
//
// All numbers are little-endian. Sections and ids this version does not know
// are skipped, so later versions can add parts.
#pragma once

#include "skinlib/skin_result.h"
#include "skinlib/skin_theme.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orv::skin {

constexpr char kPayloadMagic[4] = {'O', 'S', 'K', 'P'};
constexpr uint16_t kPayloadVersion = 1;
constexpr size_t kPayloadHeaderSize = 12;
constexpr size_t kSectionHeaderSize = 8;
constexpr uint16_t kMaxBitmapSide = 512;

// Validates and reads a payload. `out` is written only on success.
SkinResult parseSkinPayload(const uint8_t* data, size_t size, Theme& out);

// Bytes added after the theme so a file reaches a wanted size: `randomBytes`
// of a seeded pseudo-random sequence (they do not compress), then zeros.
struct PayloadFiller {
  size_t randomBytes = 0;
  size_t zeroBytes = 0;
  uint32_t seed = 1;
};

// Serialises a theme; the filler becomes one "FILL" section when not empty.
std::vector<uint8_t> writeSkinPayload(const Theme& theme, const PayloadFiller& filler);

// Size of the payload that writeSkinPayload makes without filler.
size_t payloadSizeWithoutFiller(const Theme& theme);

}  // namespace orv::skin
