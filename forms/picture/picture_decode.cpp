#include "forms/picture/picture_decode.h"

#include <new>

#include "forms/picture/bmp_decode.h"
#include "forms/picture/jpeg_decode.h"

namespace orv {

std::optional<DecodedPicture> decodePicture(const uint8_t* data, size_t size) noexcept {
  if (data == nullptr || size < 2) return std::nullopt;
  try {
    if (data[0] == 'B' && data[1] == 'M') return picture_internal::decodeBmp(data, size);
    if (data[0] == 0xFF && data[1] == 0xD8) return picture_internal::decodeJpeg(data, size);
  } catch (const std::bad_alloc&) {
    // A picture too large for the memory left shows as one that does not decode.
  }
  return std::nullopt;
}

}  // namespace orv
