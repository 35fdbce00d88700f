// CRC-32 (the zlib polynomial), used to detect altered payloads.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orv::skin {

uint32_t crc32(const uint8_t* data, size_t size);

}  // namespace orv::skin
