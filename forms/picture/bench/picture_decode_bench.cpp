// Prints how long decodePicture takes for pictures shaped like the previews:
// the 640 x 480 24-bit login bitmap and JPEGs of about 800 x 600.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "forms/picture/picture_decode.h"
#include "forms/picture/test/bmp_writer.h"
#include "forms/picture/test/jpeg_writer.h"

namespace {

constexpr int kRuns = 60;

// Smooth shapes with some grain, so that the JPEG's entropy data is about as
// dense as that of a screenshot or photograph.
orv::test::Rgb scene(int x, int y) {
  const double wave = std::sin(x * 0.031) * std::cos(y * 0.027);
  const uint32_t grain =
      (static_cast<uint32_t>(x) * 2654435761u ^ static_cast<uint32_t>(y) * 40503u) >> 27;
  auto clamp = [](double v) { return static_cast<uint8_t>(std::min(255.0, std::max(0.0, v))); };
  return {clamp(128 + 100 * wave + grain), clamp(x * 0.3 + y * 0.2 + grain),
          clamp(200 - y * 0.3 + 40 * wave)};
}

void measure(const std::string& name, const std::vector<uint8_t>& file) {
  std::vector<double> millis;
  size_t decodedBytes = 0;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const auto picture = orv::decodePicture(file.data(), file.size());
    const auto end = std::chrono::steady_clock::now();
    if (!picture) {
      std::printf("%-34s does not decode\n", name.c_str());
      return;
    }
    decodedBytes = picture->pixels.size();
    millis.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(millis.begin(), millis.end());
  std::printf("%-34s %8zu bytes -> %8zu bytes  median %7.3f ms  min %7.3f ms  max %7.3f ms\n",
              name.c_str(), file.size(), decodedBytes, millis[millis.size() / 2], millis.front(),
              millis.back());
}

}  // namespace

int main() {
  auto rgb = [](int x, int y) {
    const orv::test::Rgb c = scene(x, y);
    return uint32_t{c.red} << 16 | uint32_t{c.green} << 8 | c.blue;
  };
  std::printf("decodePicture, %d runs each\n", kRuns);
  measure("BMP 640x480 24-bit bottom-up", orv::test::writeBmp({640, 480, 24}, rgb));
  measure("JPEG 800x600 q90 4:2:0", orv::test::writeJpeg({800, 600}, scene));
  orv::test::JpegOptions interface { 802, 606 };
  interface.exif = true;
  interface.xDensity = interface.yDensity = 0;
  measure("JPEG 802x606 q90 Exif, density 0", orv::test::writeJpeg(interface, scene));
  measure("JPEG 804x627 q90", orv::test::writeJpeg({804, 627}, scene));
  return 0;
}
