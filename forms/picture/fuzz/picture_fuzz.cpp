// libFuzzer entry: any bytes must decode or be refused without a fault, and a
// decoded picture must be consistent with its own sizes.
#include <cstdlib>

#include "forms/picture/picture_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto picture = orv::decodePicture(data, size);
  if (picture) {
    const bool consistent = picture->width > 0 && picture->height > 0 && picture->stride % 4 == 0 &&
                            picture->stride >= uint32_t(picture->width) * 3 &&
                            picture->pixels.size() == size_t{picture->stride} * picture->height;
    if (!consistent) std::abort();
  }
  return 0;
}
