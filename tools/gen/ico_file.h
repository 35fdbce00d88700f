// Icon files holding one 32x32 image with its AND mask: 8-bit with a
// 256-colour palette for the window, 24-bit for the program file.
#pragma once

#include <string>

#include "byte_writer.h"
#include "raster.h"

namespace gen {

// Pixels under half covered become transparent through the mask. Throws
// std::runtime_error naming `id` when the file would not be `expectedSize`.
Bytes encodeIcon(const Canvas& art, int bitsPerPixel, const std::string& id,
                 std::uint32_t expectedSize);

}  // namespace gen
