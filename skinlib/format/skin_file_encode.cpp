#include "skinlib/skin_file_encode.h"

#include "skinlib/skin_file.h"

#include <LzmaEnc.h>

#include <cstring>

#include "lzma_alloc.h"

namespace orv::skin {

std::vector<uint8_t> encodeSkinFile(const std::vector<uint8_t>& payload) {
  if (payload.empty() || payload.size() > kMaxPayloadSize) return {};
  CLzmaEncProps props;
  LzmaEncProps_Init(&props);
  props.level = 7;
  props.dictSize = 1u << 23;
  props.lc = 3;
  props.lp = 0;
  props.pb = 2;
  props.fb = 64;
  props.writeEndMark = 0;
  props.numThreads = 1;

  std::vector<uint8_t> out(kSkinHeaderSize + payload.size() + payload.size() / 2 + 1024);
  std::memcpy(out.data(), kSkinSignature, sizeof kSkinSignature);
  const auto size = static_cast<uint32_t>(payload.size());
  for (int i = 0; i < 4; ++i) out[6 + i] = static_cast<uint8_t>(size >> (8 * i));
  SizeT destLen = out.size() - kSkinHeaderSize;
  SizeT propsSize = LZMA_PROPS_SIZE;
  const SRes res =
      LzmaEncode(out.data() + kSkinHeaderSize, &destLen, payload.data(), payload.size(), &props,
                 out.data() + 10, &propsSize, 0, nullptr, lzmaAllocator(), lzmaAllocator());
  if (res != SZ_OK || propsSize != LZMA_PROPS_SIZE ||
      std::memcmp(out.data() + 10, kLzmaProperties, LZMA_PROPS_SIZE) != 0) {
    return {};
  }
  out.resize(kSkinHeaderSize + destLen);
  return out;
}

}  // namespace orv::skin
