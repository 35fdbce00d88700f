// Bounds-checked little-endian reading: once a read runs past the end every
// later read yields zero and ok() stays false.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orv::skin {

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : p_(data), left_(size) {}

  bool ok() const { return ok_; }
  size_t left() const { return left_; }
  const uint8_t* position() const { return p_; }

  uint8_t u8() { return static_cast<uint8_t>(take(1)); }
  uint16_t u16() { return static_cast<uint16_t>(take(2)); }
  uint32_t u32() { return static_cast<uint32_t>(take(4)); }
  int16_t i16() { return static_cast<int16_t>(u16()); }
  int32_t i32() { return static_cast<int32_t>(u32()); }

  // Returns the start of `n` bytes and steps over them, or null.
  const uint8_t* bytes(size_t n) {
    if (!ok_ || n > left_) {
      fail();
      return nullptr;
    }
    const uint8_t* start = p_;
    p_ += n;
    left_ -= n;
    return start;
  }

 private:
  uint32_t take(size_t n) {
    const uint8_t* b = bytes(n);
    if (!b) return 0;
    uint32_t v = 0;
    for (size_t i = 0; i < n; ++i) v |= static_cast<uint32_t>(b[i]) << (8 * i);
    return v;
  }
  void fail() {
    ok_ = false;
    left_ = 0;
  }

  const uint8_t* p_;
  size_t left_;
  bool ok_ = true;
};

}  // namespace orv::skin
