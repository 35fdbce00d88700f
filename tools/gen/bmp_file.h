// Windows bitmap files in the game's layout: BITMAPINFOHEADER, bottom-up
// rows padded to four bytes, and two zero bytes after the pixel data.
#pragma once

#include <string>

#include "byte_writer.h"
#include "raster.h"

namespace gen {

struct BitmapForm {
  std::string id;
  int width, height, bitsPerPixel;  // 8, 24 or 32
  int paletteEntries;               // entries stored (8-bit only)
  int paletteField;                 // value of the colours-used and important fields
  int pixelsPerMetre;
  int keyEntry;  // palette entry that holds pure green, or -1
  std::uint32_t catalogueSize;
};

// Throws std::runtime_error naming the asset when the file would not have
// its catalogued size or the picture not the form's dimensions.
Bytes encodeBitmap(const Canvas& art, const BitmapForm& form);

}  // namespace gen
