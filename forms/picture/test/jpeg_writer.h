// Encodes test pictures with libjpeg, shaped like the carried previews:
// baseline, Y Cb Cr sampled 2x2, 1x1, 1x1, a JFIF APP0 of version 1.01.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace orv::test {

struct Rgb {
  uint8_t red = 0, green = 0, blue = 0;
};

struct JpegOptions {
  int width = 0, height = 0;
  int quality = 90;
  int densityUnit = 1;  // dots per inch
  int xDensity = 96, yDensity = 96;
  bool exif = false;  // an Exif APP1 of segment length 209: orientation 1, no thumbnail
  bool grey = false;  // one component instead of three
  bool progressive = false;
};

std::vector<uint8_t> writeJpeg(const JpegOptions& options,
                               const std::function<Rgb(int, int)>& colour);

}  // namespace orv::test
