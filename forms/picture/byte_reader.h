// Little-endian fields read from a byte range; every read is bounds-checked.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orv::picture_internal {

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool has(size_t offset, size_t length) const {
    return offset <= size_ && length <= size_ - offset;
  }
  // Each returns false and leaves `value` alone when the field lies outside.
  bool u16(size_t offset, uint16_t& value) const {
    if (!has(offset, 2)) return false;
    value = static_cast<uint16_t>(data_[offset] | data_[offset + 1] << 8);
    return true;
  }
  bool u32(size_t offset, uint32_t& value) const {
    if (!has(offset, 4)) return false;
    value = static_cast<uint32_t>(data_[offset]) | static_cast<uint32_t>(data_[offset + 1]) << 8 |
            static_cast<uint32_t>(data_[offset + 2]) << 16 |
            static_cast<uint32_t>(data_[offset + 3]) << 24;
    return true;
  }
  bool i32(size_t offset, int32_t& value) const {
    uint32_t raw = 0;
    if (!u32(offset, raw)) return false;
    value = static_cast<int32_t>(raw);
    return true;
  }

 private:
  const uint8_t* data_;
  size_t size_;
};

}  // namespace orv::picture_internal
