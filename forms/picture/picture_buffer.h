// The size limits and the output buffer shared by the bitmap and JPEG decoders.
#pragma once

#include "forms/picture/picture_decode.h"

namespace orv::picture_internal {

inline bool pictureSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

// A zeroed picture whose rows hold 24-bit pixels padded to 4 bytes; the size
// must have passed pictureSizeAllowed.
inline DecodedPicture blankPicture(int width, int height, int sourceBitsPerPixel) {
  DecodedPicture picture;
  picture.width = width;
  picture.height = height;
  picture.sourceBitsPerPixel = sourceBitsPerPixel;
  picture.stride = (static_cast<uint32_t>(width) * 3 + 3) & ~uint32_t{3};
  picture.pixels.resize(size_t{picture.stride} * static_cast<size_t>(height));
  return picture;
}

}  // namespace orv::picture_internal
