#include "forms/picture/test/jpeg_writer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace orv::test {
namespace {

// "Exif\0\0", a little-endian TIFF header and one IFD holding only the
// orientation, padded with zeros to a segment length of 209.
std::vector<uint8_t> exifSegment() {
  std::vector<uint8_t> exif(207, 0);
  const uint8_t head[] = {'E',  'x',  'i', 'f', 0, 0,        // identifier
                          'I',  'I',  42,  0,   8, 0, 0, 0,  // TIFF header, IFD at 8
                          1,    0,                           // one entry
                          0x12, 0x01, 3,   0,   1, 0, 0, 0,  // orientation, SHORT, count 1
                          1,    0,    0,   0,                // value 1
                          0,    0,    0,   0};               // no next IFD: no thumbnail
  std::memcpy(exif.data(), head, sizeof head);
  return exif;
}

}  // namespace

std::vector<uint8_t> writeJpeg(const JpegOptions& options,
                               const std::function<Rgb(int, int)>& colour) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&cinfo, &out, &outSize);

  cinfo.image_width = static_cast<JDIMENSION>(options.width);
  cinfo.image_height = static_cast<JDIMENSION>(options.height);
  cinfo.input_components = options.grey ? 1 : 3;
  cinfo.in_color_space = options.grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, options.quality, TRUE);
  if (options.progressive) jpeg_simple_progression(&cinfo);
  cinfo.write_JFIF_header = TRUE;
  cinfo.JFIF_major_version = 1;
  cinfo.JFIF_minor_version = 1;
  cinfo.density_unit = static_cast<UINT8>(options.densityUnit);
  cinfo.X_density = static_cast<UINT16>(options.xDensity);
  cinfo.Y_density = static_cast<UINT16>(options.yDensity);
  jpeg_start_compress(&cinfo, TRUE);
  if (options.exif) {
    const std::vector<uint8_t> exif = exifSegment();
    jpeg_write_marker(&cinfo, JPEG_APP0 + 1, exif.data(), static_cast<unsigned>(exif.size()));
  }

  std::vector<uint8_t> row(static_cast<size_t>(options.width) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < options.width; ++x) {
      const Rgb c = colour(x, y);
      if (options.grey) {
        row[x] = c.green;
      } else {
        row[x * 3] = c.red, row[x * 3 + 1] = c.green, row[x * 3 + 2] = c.blue;
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> bytes(out, out + outSize);
  std::free(out);
  return bytes;
}

}  // namespace orv::test
