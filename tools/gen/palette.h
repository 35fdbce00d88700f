// Colour reduction for the 8-bit pictures: median cut over the picture's
// own colours, so gradients keep their steps evenly spread.
#pragma once

#include <cstdint>
#include <vector>

namespace gen {

struct Rgb8 {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb8& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Exactly `count` entries, ordered dark to light; when the picture has fewer
// colours the rest continue as a ramp between its darkest and lightest.
std::vector<Rgb8> medianCut(const std::vector<Rgb8>& pixels, int count);

// Index of the entry closest to `c`, never `skip`.
int nearestEntry(const std::vector<Rgb8>& palette, Rgb8 c, int skip = -1);

}  // namespace gen
