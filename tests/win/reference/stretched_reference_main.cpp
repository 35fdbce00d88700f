// Host tool: decodes a picture file with the picture boxes' own decoder and
// writes it stretched to a given size as a 24-bit bitmap, the picture that a
// screenshot of a stretching picture box is compared with.
//
// The filter is bilinear with the sample point at dst * (source / target), the
// way Wine's smoothing stretch samples; the screenshots are then within a few
// levels of it on every channel.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "forms/picture/picture_decode.h"
#include "forms/picture/test/bmp_writer.h"

namespace {

std::vector<uint8_t> readAll(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Channel c (0 blue, 1 green, 2 red) of the source at (x, y), clamped to the edges.
int sample(const orv::DecodedPicture& p, int x, int y, int c) {
  x = x < 0 ? 0 : (x >= p.width ? p.width - 1 : x);
  y = y < 0 ? 0 : (y >= p.height ? p.height - 1 : y);
  return p.pixels[size_t{p.stride} * static_cast<size_t>(y) + static_cast<size_t>(x) * 3 + c];
}

uint32_t bilinear(const orv::DecodedPicture& p, double sx, double sy) {
  const int x0 = static_cast<int>(std::floor(sx));
  const int y0 = static_cast<int>(std::floor(sy));
  const double fx = sx - x0, fy = sy - y0;
  uint32_t bgr = 0;
  for (int c = 0; c < 3; ++c) {
    const double top = sample(p, x0, y0, c) * (1 - fx) + sample(p, x0 + 1, y0, c) * fx;
    const double bottom = sample(p, x0, y0 + 1, c) * (1 - fx) + sample(p, x0 + 1, y0 + 1, c) * fx;
    const long v = std::lround(top * (1 - fy) + bottom * fy);
    bgr |= static_cast<uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v)) << (8 * c);
  }
  return bgr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s <picture file> <out.bmp> <width> <height>\n", argv[0]);
    return 2;
  }
  const std::vector<uint8_t> bytes = readAll(argv[1]);
  const auto picture = orv::decodePicture(bytes.data(), bytes.size());
  if (!picture) {
    std::fprintf(stderr, "%s: does not decode (%zu bytes)\n", argv[1], bytes.size());
    return 1;
  }
  const int width = std::atoi(argv[3]), height = std::atoi(argv[4]);
  if (width <= 0 || height <= 0) {
    std::fprintf(stderr, "bad size %s x %s\n", argv[3], argv[4]);
    return 2;
  }
  const double rx = static_cast<double>(picture->width) / width;
  const double ry = static_cast<double>(picture->height) / height;
  orv::test::BmpOptions options;
  options.width = width;
  options.height = height;
  options.trailingBytes = 0;
  const std::vector<uint8_t> out = orv::test::writeBmp(
      options, [&](int x, int y) { return bilinear(*picture, x * rx, y * ry); });
  std::ofstream file(argv[2], std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file) {
    std::fprintf(stderr, "%s: cannot be written\n", argv[2]);
    return 1;
  }
  return 0;
}
