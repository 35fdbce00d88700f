// JPEG files decoded through libjpeg into 24-bit top-down rows.
#pragma once

#include "forms/picture/picture_decode.h"

namespace orv::picture_internal {

std::optional<DecodedPicture> decodeJpeg(const uint8_t* data, size_t size);

}  // namespace orv::picture_internal
