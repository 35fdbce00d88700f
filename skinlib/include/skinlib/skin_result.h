// Result codes of the skin library: 0 is success, every failure has its own code.
#pragma once

#include <cstdint>

namespace orv::skin {

enum class SkinResult : int32_t {
  ok = 0,
  nullBuffer = 1,         // no skin data at all
  badLength = 2,          // length zero, negative or shorter than the header
  badSignature = 3,       // not ".SHE"
  badVersion = 4,         // a container version we do not read
  badProperties = 5,      // LZMA properties other than the ones the format fixes
  sizeOutOfRange = 6,     // decompressed size zero or over the limit
  truncated = 7,          // the compressed stream ends early
  corruptStream = 8,      // the compressed stream does not decode
  badPayload = 9,         // the payload's container is malformed
  checksumMismatch = 10,  // the payload decodes but was altered
  missingPart = 11,       // a colour, metric, font or bitmap the library draws is absent
  badBitmap = 12,         // a bitmap whose header disagrees with its data
  systemError = 13,       // a Windows resource could not be made
  notAttached = 14,       // no skin is attached
};

constexpr int32_t toCode(SkinResult r) {
  return static_cast<int32_t>(r);
}

}  // namespace orv::skin
