// Baseline JPEG files through libjpeg: JFIF 1.01, optional Exif APP1, two
// quantisation tables, 2x2/1x1/1x1 sampling, one scan, no restart interval.
#pragma once

#include <string>

#include "byte_writer.h"
#include "raster.h"

namespace gen {

struct JpegForm {
  std::string id;
  int width, height;
  int densityUnit;  // 0 none, 1 dots per inch
  int xDensity, yDensity;
  int exifSegmentLength;  // 0: no Exif segment
  int quality;
};

// Throws std::runtime_error naming the asset when the result would not have
// the form's dimensions or segment layout.
Bytes encodeJpeg(const Canvas& art, const JpegForm& form);

}  // namespace gen
