#include "palette.h"

#include <algorithm>
#include <map>

namespace gen {

namespace {

struct Weighted {
  Rgb8 c;
  int n;
};

int channel(const Rgb8& c, int k) {
  return k == 0 ? c.r : k == 1 ? c.g : c.b;
}

struct Box {
  std::vector<Weighted> colours;
  int weight() const {
    int w = 0;
    for (auto& c : colours) w += c.n;
    return w;
  }
  // The channel with the widest spread and that spread.
  std::pair<int, int> widest() const {
    int best = 0, bestRange = -1;
    for (int k = 0; k < 3; ++k) {
      int lo = 255, hi = 0;
      for (auto& c : colours)
        lo = std::min(lo, channel(c.c, k)), hi = std::max(hi, channel(c.c, k));
      if (hi - lo > bestRange) best = k, bestRange = hi - lo;
    }
    return {best, bestRange};
  }
  Rgb8 average() const {
    long sum[3] = {0, 0, 0}, n = 0;
    for (auto& c : colours) {
      for (int k = 0; k < 3; ++k) sum[k] += static_cast<long>(channel(c.c, k)) * c.n;
      n += c.n;
    }
    return Rgb8{static_cast<std::uint8_t>((sum[0] + n / 2) / n),
                static_cast<std::uint8_t>((sum[1] + n / 2) / n),
                static_cast<std::uint8_t>((sum[2] + n / 2) / n)};
  }
};

int lightness(const Rgb8& c) {
  return 299 * c.r + 587 * c.g + 114 * c.b;
}

}  // namespace

std::vector<Rgb8> medianCut(const std::vector<Rgb8>& pixels, int count) {
  std::map<int, int> histogram;
  for (auto& p : pixels) ++histogram[(p.r << 16) | (p.g << 8) | p.b];
  Box all;
  for (auto& [key, n] : histogram)
    all.colours.push_back(
        {Rgb8{static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
              static_cast<std::uint8_t>(key)},
         n});
  std::vector<Box> boxes{all};
  while (static_cast<int>(boxes.size()) < count) {
    // Split the box whose spread, weighted by its pixels, is largest.
    int pick = -1;
    long pickScore = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].colours.size() < 2) continue;
      long score = static_cast<long>(boxes[i].widest().second + 1) * boxes[i].weight();
      if (score > pickScore) pick = static_cast<int>(i), pickScore = score;
    }
    if (pick < 0) break;
    Box& b = boxes[pick];
    int k = b.widest().first;
    std::sort(b.colours.begin(), b.colours.end(), [k](const Weighted& x, const Weighted& y) {
      return channel(x.c, k) < channel(y.c, k);
    });
    int half = b.weight() / 2, run = 0;
    std::size_t cut = 1;
    for (; cut < b.colours.size() - 1; ++cut) {
      run += b.colours[cut - 1].n;
      if (run >= half) break;
    }
    Box upper;
    upper.colours.assign(b.colours.begin() + static_cast<long>(cut), b.colours.end());
    b.colours.resize(cut);
    boxes.push_back(std::move(upper));
  }
  std::vector<Rgb8> palette;
  for (auto& b : boxes) palette.push_back(b.average());
  std::sort(palette.begin(), palette.end(),
            [](const Rgb8& a, const Rgb8& b) { return lightness(a) < lightness(b); });
  const Rgb8 dark = palette.front(), light = palette.back();
  for (int i = 0; static_cast<int>(palette.size()) < count; ++i) {
    float t = static_cast<float>(i % 16) / 15;
    auto lerp = [t](int a, int b) { return static_cast<std::uint8_t>(a + (b - a) * t + 0.5f); };
    palette.push_back(Rgb8{lerp(dark.r, light.r), lerp(dark.g, light.g), lerp(dark.b, light.b)});
  }
  return palette;
}

int nearestEntry(const std::vector<Rgb8>& palette, Rgb8 c, int skip) {
  int best = -1;
  long bestDistance = 0;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    if (static_cast<int>(i) == skip) continue;
    long dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
    long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (best < 0 || d < bestDistance) best = static_cast<int>(i), bestDistance = d;
  }
  return best;
}

}  // namespace gen
