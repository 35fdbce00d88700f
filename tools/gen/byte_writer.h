// Little- and big-endian appenders for the file encoders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gen {

using Bytes = std::vector<std::uint8_t>;

inline void putU8(Bytes& b, unsigned v) {
  b.push_back(static_cast<std::uint8_t>(v));
}
inline void putLe16(Bytes& b, unsigned v) {
  putU8(b, v & 0xff), putU8(b, (v >> 8) & 0xff);
}
inline void putLe32(Bytes& b, std::uint32_t v) {
  putLe16(b, v & 0xffff), putLe16(b, v >> 16);
}
inline void putBe16(Bytes& b, unsigned v) {
  putU8(b, (v >> 8) & 0xff), putU8(b, v & 0xff);
}
inline void putBe32(Bytes& b, std::uint32_t v) {
  putBe16(b, v >> 16), putBe16(b, v & 0xffff);
}
inline void putText(Bytes& b, const std::string& s) {
  for (char ch : s) b.push_back(static_cast<std::uint8_t>(ch));
}

}  // namespace gen
