// Host side of the skin file: compresses a payload behind the fixed header.
#pragma once

#include <cstdint>
#include <vector>

namespace orv::skin {

// Returns an empty vector when the encoder fails.
std::vector<uint8_t> encodeSkinFile(const std::vector<uint8_t>& payload);

}  // namespace orv::skin
