// The skin file: a fixed header, then the payload compressed with raw LZMA.
//
//   0  ".SHE"
//   4  00 03
//   6  u32 LE  payload size after decompression
//   10 LZMA properties: 5D, then the dictionary size 8 MiB as u32 LE
//   15 LZMA data without an end marker
#pragma once

#include "skinlib/skin_result.h"
#include "skinlib/skin_theme.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orv::skin {

constexpr size_t kSkinHeaderSize = 15;
constexpr uint8_t kSkinSignature[6] = {'.', 'S', 'H', 'E', 0x00, 0x03};
constexpr uint8_t kLzmaProperties[5] = {0x5D, 0x00, 0x00, 0x80, 0x00};
constexpr uint32_t kMaxPayloadSize = 16u * 1024 * 1024;

// Checks the header and decompresses the payload. `length` is signed because
// callers hand it over as a 32-bit signed integer.
SkinResult decodeSkinFile(const uint8_t* data, int64_t length, std::vector<uint8_t>& payload);

// decodeSkinFile followed by parseSkinPayload.
SkinResult loadSkinFile(const uint8_t* data, int64_t length, Theme& theme);

}  // namespace orv::skin
