#include "skinlib/skin_file.h"

#include "skinlib/skin_payload.h"

#include <LzmaDec.h>

#include <cstring>

#include "lzma_alloc.h"

namespace orv::skin {
namespace {

uint32_t readU32(const uint8_t* p) {
  return p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

}  // namespace

SkinResult decodeSkinFile(const uint8_t* data, int64_t length, std::vector<uint8_t>& payload) {
  if (!data) return SkinResult::nullBuffer;
  if (length <= 0 || length < static_cast<int64_t>(kSkinHeaderSize)) {
    return SkinResult::badLength;
  }
  if (std::memcmp(data, kSkinSignature, 4) != 0) return SkinResult::badSignature;
  if (std::memcmp(data + 4, kSkinSignature + 4, 2) != 0) return SkinResult::badVersion;
  const uint32_t size = readU32(data + 6);
  if (size == 0 || size > kMaxPayloadSize) return SkinResult::sizeOutOfRange;
  if (std::memcmp(data + 10, kLzmaProperties, 5) != 0) return SkinResult::badProperties;

  std::vector<uint8_t> out(size);
  SizeT outLen = size;
  SizeT inLen = static_cast<SizeT>(length) - kSkinHeaderSize;
  ELzmaStatus status = LZMA_STATUS_NOT_SPECIFIED;
  const SRes res = LzmaDecode(out.data(), &outLen, data + kSkinHeaderSize, &inLen, data + 10,
                              LZMA_PROPS_SIZE, LZMA_FINISH_ANY, &status, lzmaAllocator());
  if (res == SZ_ERROR_INPUT_EOF || status == LZMA_STATUS_NEEDS_MORE_INPUT) {
    return SkinResult::truncated;
  }
  if (res != SZ_OK) return SkinResult::corruptStream;
  if (outLen != size) return SkinResult::truncated;
  payload = std::move(out);
  return SkinResult::ok;
}

SkinResult loadSkinFile(const uint8_t* data, int64_t length, Theme& theme) {
  std::vector<uint8_t> payload;
  const SkinResult r = decodeSkinFile(data, length, payload);
  if (r != SkinResult::ok) return r;
  return parseSkinPayload(payload.data(), payload.size(), theme);
}

}  // namespace orv::skin
