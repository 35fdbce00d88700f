// A small JPEG marker walker for the tests: the segments up to the scan,
// then the entropy-coded data skipped to the next marker.
#pragma once

#include <cstdint>
#include <vector>

namespace orv::test {

struct Segment {
  int marker;                // the byte after FF
  std::size_t at;            // offset of the FF
  std::size_t length;        // the segment's length field (0 for SOI/EOI)
  const std::uint8_t* body;  // after the length field
};

// Returns an empty list when the walk leaves the file.
inline std::vector<Segment> walkSegments(const std::vector<std::uint8_t>& b) {
  std::vector<Segment> out;
  std::size_t at = 0;
  while (at + 1 < b.size()) {
    if (b[at] != 0xFF) return {};
    const int marker = b[at + 1];
    if (marker == 0xD8 || marker == 0xD9) {
      out.push_back({marker, at, 0, nullptr});
      at += 2;
      continue;
    }
    if (at + 4 > b.size()) return {};
    const std::size_t length = (b[at + 2] << 8) | b[at + 3];
    if (length < 2 || at + 2 + length > b.size()) return {};
    out.push_back({marker, at, length, &b[at + 4]});
    at += 2 + length;
    if (marker == 0xDA) {
      // Entropy-coded data: FF 00 is a stuffed byte, FF D0..D7 a restart.
      while (at + 1 < b.size() &&
             !(b[at] == 0xFF && b[at + 1] != 0 && (b[at + 1] < 0xD0 || b[at + 1] > 0xD7)))
        ++at;
    }
  }
  return at == b.size() ? out : std::vector<Segment>{};
}

}  // namespace orv::test
